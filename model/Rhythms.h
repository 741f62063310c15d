// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

enum class Rhythm { Physical, Emotional, Intellectual };

struct RhythmDefinition
{
    Rhythm rhythm;
    const char* caption;
    double period;       // days
    double factor;       // 6.28 / period, as stored; 6.28 rather than 2 pi is part of the curve
    const char* windowTag;
};

inline constexpr std::array<RhythmDefinition, 3> RhythmTable = {{
    {Rhythm::Physical, "Physical", 23.6884, 0.26510866077911555, "F1"},
    {Rhythm::Emotional, "Emotional", 28.4261, 0.2209237285452454, "F2"},
    {Rhythm::Intellectual, "Intellectual", 33.1638, 0.18936310073031437, "F3"},
}};

// A rhythm is critical while its period is younger than this many days.
inline constexpr double kCriticalWindow = 0.6;

// Levels of a day by the number of rhythms in their critical window; the
// number is also the length of the day's marker in the year view.
inline constexpr int kLevelThreeWindows = 18;
inline constexpr int kLevelTwoWindows = 15;
inline constexpr int kLevelOneWindow = 13;
inline constexpr int kLevelNoWindow = 11;

// Value of a rhythm in -1..1 for an age in days (0 on the birth date).
double RhythmValue(double age, Rhythm rhythm);

// How critical a day is. A day before the birth date has negative
// remainders, which all lie inside the windows.
struct CriticalDay
{
    int level = kLevelNoWindow;
    const char* windows = "";  // the rhythms hit, e.g. "F1-F3"; "" for none
    const char* suffix = "";   // appended to the critical note, e.g. "/ F1-F3 "
    const char* message = "";  // the help line's text for the level
};

CriticalDay AssessCriticalWindows(double age);
int CriticalDayLevel(double age);

// The help line's text for a level; "" for a number that is no level.
const char* CriticalDayMessage(int level);
