// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/LongCycle.h"

#include "model/CalendarArithmetic.h"

#include <cmath>
#include <cstdio>

namespace {

MonthBoundary BoundaryAtOffset(int index, double offset)
{
    const double whole = std::trunc(offset);
    return {index, offset, static_cast<int>(whole) + 1, offset - whole};
}

} // namespace

double LongCyclePhase(std::int16_t birthDay, std::int16_t birthMonth, std::int16_t birthYear,
                      std::int16_t month, std::int16_t year)
{
    const double age = DaysBetween(birthDay, birthMonth, birthYear, month, year, 1);
    return std::fmod(age, kLongCycleLength) - kLongCyclePhaseOffset;
}

int LocateBoundary(double phase)
{
    constexpr int kLastSegment = LongCycleBoundaries.size() - 2;
    int index = -1;
    if (LongCycleBoundaries[0] < phase) {
        index = 0;
        while (index < kLastSegment && LongCycleBoundaries[index + 1] < phase)
            ++index;
    }
    return index;
}

TimeOfDay SplitTimeOfDay(double fraction)
{
    if (!std::isfinite(fraction))
        return {};
    fraction -= std::floor(fraction);
    const double hours = fraction * 24.0;
    const double minutes = (hours - std::trunc(hours)) * 60.0;
    // The reduction can round up to exactly 1.0 for a tiny negative fraction.
    const int wholeHours = static_cast<int>(std::trunc(hours));
    if (wholeHours >= 24)
        return {23, 59};
    return {wholeHours, static_cast<int>(std::trunc(minutes))};
}

std::string FormatClockTime(double fraction)
{
    const TimeOfDay time = SplitTimeOfDay(fraction);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", time.hours, time.minutes);
    return text;
}

std::string FormatTimeLabel(double fraction)
{
    const TimeOfDay time = SplitTimeOfDay(fraction);
    char text[32];
    std::snprintf(text, sizeof text, "(Time) %02d:%02d\n", time.hours, time.minutes);
    return text;
}

std::vector<MonthBoundary> MonthBoundaries(double monthPhase, int monthLength)
{
    std::vector<MonthBoundary> boundaries;
    for (int index = LocateBoundary(monthPhase) + 1;; ++index) {
        const std::optional<MonthBoundary> boundary = BoundaryInMonth(index, monthPhase, monthLength);
        // A phase past the cycle's end has even its last boundary behind it.
        if (!boundary || boundary->offset < 0.0)
            break;
        boundaries.push_back(*boundary);
    }
    return boundaries;
}

std::optional<MonthBoundary> BoundaryInMonth(int index, double monthPhase, int monthLength)
{
    if (index >= LongCycleBoundaries.size())
        return std::nullopt;
    const double offset = LongCycleBoundaries[index] - monthPhase;
    if (!(offset < monthLength))
        return std::nullopt;
    return BoundaryAtOffset(index, offset);
}

std::optional<MonthBoundary> LastBoundary(double monthPhase, int monthLength)
{
    const std::vector<MonthBoundary> boundaries = MonthBoundaries(monthPhase, monthLength);
    if (boundaries.empty())
        return std::nullopt;
    return boundaries.back();
}

double PhaseAtEndOfDay(double monthPhase, int day)
{
    return std::fmod(monthPhase + day, kLongCycleWrapLength);
}

std::optional<MonthBoundary> NextBoundary(double phase, int day, int monthLength)
{
    const int index = LocateBoundary(phase) + 1;
    const double offset = day + LongCycleBoundaries[index] - phase;
    if (!(offset < monthLength))
        return std::nullopt;
    return BoundaryAtOffset(index, offset);
}

std::optional<MonthBoundary> PreviousBoundary(double phase, int day)
{
    const int index = LocateBoundary(phase) - 1;
    if (index < 0)
        return std::nullopt;
    const double offset = day + LongCycleBoundaries[index] - phase;
    if (!(offset > 0.0))
        return std::nullopt;
    return BoundaryAtOffset(index, offset);
}
