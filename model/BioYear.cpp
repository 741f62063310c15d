#include "model/BioYear.h"

namespace {

constexpr int kColumnsPerYear = 366;

int ReduceColumn(int column)
{
    const int remainder = column % kColumnsPerYear;
    return remainder < 0 ? remainder + kColumnsPerYear : remainder;
}

} // namespace

int BioYearCurve(int column)
{
    column = ReduceColumn(column);
    if (column % 2 == 0)
        return BioYearSamples[column / 2];
    return (BioYearSamples[(column - 1) / 2] + BioYearSamples[(column + 1) / 2]) / 2;
}

int BioYearColumn(int dayOfYear, int birthdayOfYear)
{
    return ReduceColumn(dayOfYear - birthdayOfYear);
}

float BioYearReading(int column)
{
    return static_cast<float>(32 - BioYearCurve(column)) * 0.037037037f;
}
