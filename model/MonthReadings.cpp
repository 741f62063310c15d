// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/MonthReadings.h"

#include "model/BioYear.h"
#include "model/CalendarArithmetic.h"
#include "model/Moon.h"

namespace {

int AgeOn(const MonthOfLife& period, std::int16_t day)
{
    return static_cast<int>(DaysBetween(period.birthDay, period.birthMonth, period.birthYear,
                                        period.month, period.year, day));
}

bool IsBirthMonth(const MonthOfLife& period)
{
    return period.month == period.birthMonth && period.year == period.birthYear;
}

} // namespace

DayReading ReadDay(const MonthOfLife& period, std::int16_t day)
{
    DayReading reading;
    reading.day = day;
    reading.age = AgeOn(period, day);
    reading.physical = RhythmValue(reading.age, Rhythm::Physical);
    reading.emotional = RhythmValue(reading.age, Rhythm::Emotional);
    reading.intellectual = RhythmValue(reading.age, Rhythm::Intellectual);
    reading.critical = AssessCriticalWindows(reading.age);
    reading.moonMark = MoonPhaseMark(period.month, period.year, day);
    const int birthday = DayOfYear(period.birthDay, period.birthMonth, period.year);
    reading.yearCurve = BioYearReading(BioYearColumn(DayOfYear(day, period.month, period.year), birthday));
    return reading;
}

std::vector<DayReading> ReadMonthDays(const MonthOfLife& period)
{
    std::vector<DayReading> readings;
    const int first = IsBirthMonth(period) ? period.birthDay : 1;
    const int last = DaysInMonth(period.month, period.year);
    for (int day = first; day <= last; ++day)
        readings.push_back(ReadDay(period, static_cast<std::int16_t>(day)));
    return readings;
}

std::vector<BoundaryReading> ReadMonthBoundaries(const MonthOfLife& period)
{
    const double phase = LongCyclePhase(period.birthDay, period.birthMonth, period.birthYear,
                                        period.month, period.year);
    std::vector<BoundaryReading> readings;
    for (const MonthBoundary& boundary : MonthBoundaries(phase, DaysInMonth(period.month, period.year))) {
        BoundaryReading reading;
        reading.boundary = boundary;
        reading.label = LongCycleLabels[boundary.index];
        reading.moonMark = MoonPhaseMark(period.month, period.year, boundary.offset);
        reading.age = AgeOn(period, static_cast<std::int16_t>(boundary.day));
        reading.critical = AssessCriticalWindows(reading.age);
        readings.push_back(reading);
    }
    return readings;
}
