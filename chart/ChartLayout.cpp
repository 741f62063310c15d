// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/ChartLayout.h"

#include "model/CalendarArithmetic.h"
#include "platform/Gdi.h"

#include <algorithm>

namespace {

constexpr int kCurveColumns = 366;
constexpr int kMonthColumns = 31;
// The band starts three columns before the month's first day and ends three
// after its last; a leap day moves the months after February one column on.
constexpr int kBandLeftMargin = 4;
constexpr int kBandRightMargin = 9;
constexpr int kSwissFamily = 0x20;
// The frame ends at x = 377 and y = 157; text written at the right end (the
// December date label and read-outs) runs on a little further.
constexpr int kChartRight = 389;
constexpr int kChartBottom = 157;

} // namespace

QSize ChartExtent()
{
    return { kChartRight + 1, kChartBottom + 1 };
}

MonthBand YearViewMonthBand(int month, int year)
{
    month = std::clamp(month, 1, 12);
    int daysBefore = 0;
    for (int earlier = 1; earlier < month; ++earlier)
        daysBefore += MonthLengths[earlier];
    const int leapShift = month > 1 && IsLeapYear(year) ? 1 : 0;
    return { daysBefore + kBandLeftMargin + leapShift, daysBefore + MonthLengths[month] + kBandRightMargin };
}

int YearCurveOpeningColumn(int birthday)
{
    return kCurveColumns - birthday;
}

QStringList DayAxisLabels(int monthLength)
{
    QStringList labels;
    labels.reserve(kMonthColumns);
    for (int column = 1; column <= kMonthColumns; ++column) {
        const int day = column <= monthLength ? column : column - monthLength;
        labels.append(QString::number(day));
    }
    return labels;
}

void CreateChartFont(CFont& font, const QString& face, int height, int weight)
{
    font.CreateFont(height, weight, false, kSwissFamily, face);
}
