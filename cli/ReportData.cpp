// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ReportData.h"

#include "cli/ReportOptions.h"
#include "model/LongCycle.h"

MonthReport BuildMonthReport(const ReportOptions& options)
{
    MonthReport report;
    report.period.birthDay = static_cast<std::int16_t>(options.birth.day());
    report.period.birthMonth = static_cast<std::int16_t>(options.birth.month());
    report.period.birthYear = static_cast<std::int16_t>(options.birth.year());
    report.period.month = static_cast<std::int16_t>(options.month);
    report.period.year = static_cast<std::int16_t>(options.year);
    report.phase = LongCyclePhase(report.period.birthDay, report.period.birthMonth, report.period.birthYear,
                                  report.period.month, report.period.year);
    report.days = ReadMonthDays(report.period);
    report.boundaries = ReadMonthBoundaries(report.period);
    return report;
}
