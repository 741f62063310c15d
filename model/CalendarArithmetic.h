// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ConstantTable.h"

#include <cstdint>

// The years the calendar offers. Every date the program takes in lies
// within them; the arithmetic below has no range of its own.
inline constexpr int kFirstYear = 1850;
inline constexpr int kLastYear = 2100;

// The English month names, indexed by month number 1..12 (index 0 holds "").
inline constexpr ConstantTable<const char*, 13> MonthNames({"",
    "January",
    "February",
    "March",
    "April",
    "May",
    "June",
    "July",
    "August",
    "September",
    "October",
    "November",
    "December"});

// Gregorian leap years: every fourth year, except centuries not divisible by
// 400. Every leap decision of the program goes through here.
bool IsLeapYear(int year);

// Days of each month, indexed by month number 1..12 (index 0 holds 0).
// February always holds 28; whoever needs the leap day adds it.
inline constexpr ConstantTable<std::int16_t, 13> MonthLengths({0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31});

// The true length of a month, 29 for February of a leap year; 0 for a month
// outside 1..12.
int DaysInMonth(int month, int year);

// Number of days from date 1 to date 2: 0 for the same date, 1 for the next
// day, negative when date 2 lies before date 1. The odd argument order (day,
// month, year, then month, year, day) is the one every caller is written
// against. Months outside 1..12 carry into the year (month 13 is January of
// the next year, month 0 December of the one before) and days outside the
// month run on into the neighbouring months, so no argument is refused.
double DaysBetween(std::int16_t day1, std::int16_t month1, std::int16_t year1,
                   std::int16_t month2, std::int16_t year2, std::int16_t day2);

// 1-based ordinal of a date within its year: 1 January gives 1.
int DayOfYear(std::int16_t day, std::int16_t month, std::int16_t year);
