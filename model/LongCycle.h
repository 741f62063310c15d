// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ConstantTable.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The cycle of 10.5 Physical, 8.75 Emotional and 7.5 Intellectual periods.
inline constexpr double kLongCycleLength = 248.7286;
// Where a caller adds a day offset to a phase and wraps it again, the
// rounded length is the one the boundaries were computed from.
inline constexpr double kLongCycleWrapLength = 248.73;
inline constexpr double kLongCyclePhaseOffset = 0.5833333;

// The boundary days of the cycle in ascending order: multiples of a seventh,
// a sixth and a fifth of it, merged. Out-of-range indexes read the first or
// the last boundary.
inline constexpr ConstantTable<double, 17> LongCycleBoundaries({
    0.0, 35.53, 41.45, 49.74, 71.06, 82.91, 99.49, 106.6, 124.36,
    142.13, 149.24, 165.82, 177.66, 198.98, 207.27, 213.2, 248.73});

// Which divisions meet at the boundary of the same index; out-of-range
// indexes read the label of the cycle's start or end.
inline constexpr ConstantTable<const char*, 17> LongCycleLabels({
    "  H1-H2-H3 ", "  H1-H2 ", "  H1-H3 ", "  H2-H3 ", "  H1-H2 ", "  H1-H3 ",
    "  H2-H3 ", "  H1-H2 ", "  H1-H3 ", "  H1-H2 ", "  H2-H3 ", "  H1-H3 ",
    "  H1-H2 ", "  H2-H3 ", "  H1-H3 ", "  H1-H2 ", "  H1-H2-H3 "});

// Position of the first day of a month in the person's long cycle; negative
// for a month before the birth month and in the first 0.58 day of a cycle.
double LongCyclePhase(std::int16_t birthDay, std::int16_t birthMonth, std::int16_t birthYear,
                      std::int16_t month, std::int16_t year);

// The largest index whose boundary lies strictly below the phase, -1 when the
// phase is 0 or less. Never more than 15, so index + 1 always names a
// boundary; a phase past the cycle's end counts as in its last segment.
int LocateBoundary(double phase);

// A fraction of a day as a clock time. Both parts are truncated, so the last
// moment of a day shows 23:59 and never 24:00. Fractions outside 0..1 are
// first reduced into it.
struct TimeOfDay
{
    int hours = 0;
    int minutes = 0;
};
TimeOfDay SplitTimeOfDay(double fraction);
std::string FormatClockTime(double fraction);  // "19:12"
std::string FormatTimeLabel(double fraction);  // "(Time) 19:12\n", the window's time read-out

// A long-cycle boundary that falls inside a month.
struct MonthBoundary
{
    int index = 0;        // into LongCycleBoundaries and LongCycleLabels
    double offset = 0.0;  // days from the start of the month's first day
    int day = 1;          // day of the month, 1-based
    double fraction = 0.0; // of that day, 0 <= fraction < 1
};

// The boundaries that follow a month phase and lie within monthLength days of
// it, in time order. A month holds at most one boundary after the cycle's
// end, and that one coincides with its last boundary, so the cycle's own
// boundaries are all there is to look at.
std::vector<MonthBoundary> MonthBoundaries(double monthPhase, int monthLength);

// The boundary of an index in the month that starts at monthPhase, unless it
// lies at or past the month's end or the index is past the table. The walk
// takes the boundaries one index after the other.
std::optional<MonthBoundary> BoundaryInMonth(int index, double monthPhase, int monthLength);

// The last boundary of the month, the one the month's boundaries end with.
std::optional<MonthBoundary> LastBoundary(double monthPhase, int monthLength);

// The phase at the end of a day of the month (day 0: at its start), reduced
// into the cycle. A search from the day starts there, so the boundaries on
// the day itself lie below it.
double PhaseAtEndOfDay(double monthPhase, int day);

// The first boundary that the phase reached at the end of day has not
// passed (day 0 with the month's phase itself), unless it lies at or past
// the month's end: a boundary exactly at the end opens the next month.
std::optional<MonthBoundary> NextBoundary(double phase, int day, int monthLength);

// The boundary before the last one that the phase reached at the end of day
// has passed, unless there is none before it in the cycle or it lies at or
// before the month's start.
std::optional<MonthBoundary> PreviousBoundary(double phase, int day);
