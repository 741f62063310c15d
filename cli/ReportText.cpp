// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ReportText.h"

#include "cli/IsoDateText.h"
#include "cli/ReportData.h"
#include "model/Moon.h"
#include "model/ProgramText.h"

#include <cstdio>
#include <ostream>

namespace {

// Headers and rows share their column widths.
const char kDayColumns[] = "%-10s  %6s  %8s  %9s  %12s  %5s  %-8s  %s\n";
const char kBoundaryColumns[] = "%-10s  %-5s  %-8s  %-4s  %5s  %-8s  %s\n";

void WriteDayHeaders(std::ostream& out)
{
    char header[160];
    std::snprintf(header, sizeof header, kDayColumns, "Date", "Age", "Physical", "Emotional", "Intellectual",
                  "Level", "Windows", "Moon");
    out << header;
}

void WriteBoundaryHeaders(std::ostream& out)
{
    char header[160];
    std::snprintf(header, sizeof header, kBoundaryColumns, "Date", "Time", "Label", "Moon", "Level", "Windows",
                  "Message");
    out << header;
}

void WriteDayRow(const MonthReport& report, const DayReading& day, std::ostream& out)
{
    char row[160];
    std::snprintf(row, sizeof row, "%s  %6d  %8.2f  %9.2f  %12.2f  %5d  %-8s  %s\n",
                  FormatIsoDate(report.period.year, report.period.month, day.day).c_str(), day.age,
                  day.physical, day.emotional, day.intellectual, day.critical.level,
                  day.critical.windows, MoonWord(day.moonMark));
    out << row;
}

void WriteBoundaryRow(const MonthReport& report, const BoundaryReading& reading, std::ostream& out)
{
    char row[256];
    std::snprintf(row, sizeof row, "%s  %s  %-8s  %-4s  %5d  %-8s  %s\n",
                  FormatIsoDate(report.period.year, report.period.month, reading.boundary.day).c_str(),
                  FormatClockTime(reading.boundary.fraction).c_str(), TrimBlanks(reading.label).c_str(),
                  MoonWord(reading.moonMark), reading.critical.level, reading.critical.windows,
                  TrimBlanks(reading.critical.message).c_str());
    out << row;
}

} // namespace

void WriteReportText(const MonthReport& report, std::ostream& out)
{
    const MonthOfLife& period = report.period;
    char title[160];
    std::snprintf(title, sizeof title, "Biorhythms of %s for %s (long-cycle phase %.4f)\n\n",
                  FormatIsoDate(period.birthYear, period.birthMonth, period.birthDay).c_str(),
                  FormatIsoMonth(period.year, period.month).c_str(), report.phase);
    out << title;
    WriteDayHeaders(out);
    for (const DayReading& day : report.days)
        WriteDayRow(report, day, out);

    out << "\nLong-cycle boundaries\n";
    if (report.boundaries.empty()) {
        out << "None falls in this month.\n";
        return;
    }
    WriteBoundaryHeaders(out);
    for (const BoundaryReading& boundary : report.boundaries)
        WriteBoundaryRow(report, boundary, out);
}
