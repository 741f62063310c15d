// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/BioYear.h"

namespace {

constexpr int kColumnsPerYear = 366;
// An even column reads sample column / 2, so the table reaches this far.
constexpr int kLastTableColumn = 2 * (BioYearSamples.size() - 1);

int ReduceColumn(int column)
{
    const int remainder = column % kColumnsPerYear;
    return remainder < 0 ? remainder + kColumnsPerYear : remainder;
}

} // namespace

int BioYearCurve(int column)
{
    if (column < 0 || column > kLastTableColumn)
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
