// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include "controls/Narrowing.h"


#include <vector>

class CFont;

// Geometry and fonts shared by the chart's views, kept free of any window so
// the painter and its tests agree on the same numbers.

// How far the chart's drawing reaches from the chart control's top-left
// corner: a little past the control on the right and below it, where the
// frame's outer edges, the month names, the day numbers and the end of the
// December read-outs lie.
QSize ChartExtent();

// The band of the shown month on the year chart: left and right edge, in
// chart pixels.
struct MonthBand
{
    int left = 0;
    int right = 0;
};
MonthBand YearViewMonthBand(int month, int year);

// The column the whole-year curve opens with, at the day before the year
// begins: a year of columns after the birthday column, not reduced, so a
// chart without a birthday (column 0) opens on column 366.
int YearCurveOpeningColumn(int birthday);

// The 31 numbers under the month views' columns: the days of the month, then
// 1, 2, ... of the next month.
QStringList DayAxisLabels(int monthLength);

// The chart's fonts all come from the Swiss family with every other field at
// its default.
void CreateChartFont(CFont& font, const QString& face, int height, int weight);

// The texts the views draw in the user's language, and their room.
std::vector<TextRoom> MonthViewTextRooms();
std::vector<TextRoom> YearViewTextRooms();
