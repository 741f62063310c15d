// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/LongCycle.h"
#include "model/Rhythms.h"

#include <cstdint>
#include <vector>

// A person's birth date and a month of their life.
struct MonthOfLife
{
    std::int16_t birthDay = 0;
    std::int16_t birthMonth = 0;
    std::int16_t birthYear = 0;
    std::int16_t month = 0;
    std::int16_t year = 0;
};

// Everything the program tells about one day of a person's life.
struct DayReading
{
    std::int16_t day = 1;     // of the month
    int age = 0;              // in days, 0 on the birth date
    double physical = 0.0;
    double emotional = 0.0;
    double intellectual = 0.0;
    CriticalDay critical;
    int moonMark = 0;         // MoonPhaseMark of the day
    float yearCurve = 0.0f;   // BioYearReading of the day
};

// A long-cycle boundary of a month with what is told about its day.
struct BoundaryReading
{
    MonthBoundary boundary;
    const char* label = "";   // LongCycleLabels entry
    int moonMark = 0;         // MoonPhaseMark of the boundary's moment
    int age = 0;              // of the boundary's day
    CriticalDay critical;     // of the boundary's day
};

DayReading ReadDay(const MonthOfLife& period, std::int16_t day);

// The days of the month from the 1st to its last day; in the birth month
// from the birth day on, since nothing is told about days before it.
std::vector<DayReading> ReadMonthDays(const MonthOfLife& period);

// The long-cycle boundaries inside the month (its true length, 29 days for
// February of a leap year), in time order.
std::vector<BoundaryReading> ReadMonthBoundaries(const MonthOfLife& period);
