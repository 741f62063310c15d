// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/CalendarArithmetic.h"

namespace {

// Division rounding toward minus infinity, so that years before 0 and
// months below 1 carry the same way as positive ones.
long long FloorDivide(long long numerator, long long denominator)
{
    long long quotient = numerator / denominator;
    if ((numerator % denominator != 0) && ((numerator < 0) != (denominator < 0)))
        --quotient;
    return quotient;
}

// Counts leap years so that LeapYearsThrough(y) - LeapYearsThrough(y - 1) is
// 1 exactly when y is a leap year, for any y.
long long LeapYearsThrough(long long year)
{
    return FloorDivide(year, 4) - FloorDivide(year, 100) + FloorDivide(year, 400);
}

// Days from 1 January of year 0 to the given date; only differences of
// these numbers mean anything.
long long DayNumber(long long day, long long month, long long year)
{
    // Bring the month into 1..12 first; only then may the table be read.
    const long long monthIndex = month - 1;
    year += FloorDivide(monthIndex, 12);
    month = monthIndex - 12 * FloorDivide(monthIndex, 12) + 1;

    long long days = 365 * year + LeapYearsThrough(year - 1);
    for (int m = 1; m < month; ++m)
        days += MonthLengths[m];
    if (month > 2 && IsLeapYear(static_cast<int>(year)))
        ++days;
    return days + day - 1;
}

} // namespace

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int month, int year)
{
    if (month < 1 || month > 12)
        return 0;
    return MonthLengths[month] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

double DaysBetween(std::int16_t day1, std::int16_t month1, std::int16_t year1,
                   std::int16_t month2, std::int16_t year2, std::int16_t day2)
{
    return static_cast<double>(DayNumber(day2, month2, year2) - DayNumber(day1, month1, year1));
}

int DayOfYear(std::int16_t day, std::int16_t month, std::int16_t year)
{
    return static_cast<int>(DaysBetween(1, 1, year, month, year, day)) + 1;
}
