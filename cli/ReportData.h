// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/MonthReadings.h"

#include <vector>

struct ReportOptions;

// What a report tells about a month of a person's life, computed once and
// then written out as text or JSON.
struct MonthReport
{
    MonthOfLife period;
    double phase = 0.0;  // LongCyclePhase of the month's first day
    std::vector<DayReading> days;
    std::vector<BoundaryReading> boundaries;
};

MonthReport BuildMonthReport(const ReportOptions& options);
