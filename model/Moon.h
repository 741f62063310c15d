// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

inline constexpr int kNoMoonMark = 0;
inline constexpr int kNewMoonMark = 1;
inline constexpr int kFullMoonMark = 2;

// Whether a moment of a month is near new or full moon: kFullMoonMark,
// kNewMoonMark or kNoMoonMark. The moment is given as a day offset from the
// start of the month; callers pass a day of the month, or a fractional day
// for a boundary crossing.
int MoonPhaseMark(std::int16_t month, std::int16_t year, double dayOffset);

// "new", "full" or "none" for a MoonPhaseMark.
const char* MoonWord(int moonMark);
