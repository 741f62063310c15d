// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/CalendarArithmetic.h"

#include <QTest>

#include <chrono>
#include <vector>

class TestCalendarArithmetic : public QObject
{
    Q_OBJECT

private slots:
    void leapYears_data();
    void leapYears();
    void daysBetweenCountsCalendarDays_data();
    void daysBetweenCountsCalendarDays();
    void daysBetweenAgreesWithCivilCalendar();
    void monthLengthTableNeverReadsOutside_data();
    void monthLengthTableNeverReadsOutside();
    void daysInMonthAddsTheLeapDay_data();
    void daysInMonthAddsTheLeapDay();
};

void TestCalendarArithmetic::leapYears_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("leap");
    QTest::newRow("2000 is divisible by 400") << 2000 << true;
    QTest::newRow("1900 is not a leap year") << 1900 << false;
    QTest::newRow("2100 is not a leap year") << 2100 << false;
    QTest::newRow("1852, first of the calendar") << 1852 << true;
    QTest::newRow("2024") << 2024 << true;
    QTest::newRow("2026") << 2026 << false;
    QTest::newRow("year 0") << 0 << true;
    QTest::newRow("negative century -100") << -100 << false;
}

void TestCalendarArithmetic::leapYears()
{
    QFETCH(int, year);
    QFETCH(bool, leap);
    QCOMPARE(IsLeapYear(year), leap);
}

void TestCalendarArithmetic::daysBetweenCountsCalendarDays_data()
{
    QTest::addColumn<int>("day1");
    QTest::addColumn<int>("month1");
    QTest::addColumn<int>("year1");
    QTest::addColumn<int>("month2");
    QTest::addColumn<int>("year2");
    QTest::addColumn<int>("day2");
    QTest::addColumn<double>("days");

    QTest::newRow("same date") << 15 << 6 << 1980 << 6 << 1980 << 15 << 0.0;
    QTest::newRow("next day") << 15 << 6 << 1980 << 6 << 1980 << 16 << 1.0;
    QTest::newRow("across a month end") << 31 << 1 << 2001 << 2 << 2001 << 1 << 1.0;
    QTest::newRow("across 31 December") << 31 << 12 << 1999 << 1 << 2000 << 1 << 1.0;
    QTest::newRow("29 February 2000 is counted") << 1 << 1 << 2000 << 3 << 2000 << 1 << 60.0;
    QTest::newRow("January and February of 2000 only") << 1 << 1 << 2000 << 2 << 2000 << 1 << 31.0;
    QTest::newRow("a plain year") << 1 << 1 << 1999 << 1 << 2000 << 1 << 365.0;
    QTest::newRow("1900 whole year") << 1 << 1 << 1900 << 1 << 1901 << 1 << 365.0;
    QTest::newRow("1900 to March") << 1 << 1 << 1900 << 3 << 1900 << 1 << 59.0;
    QTest::newRow("1900 between two years") << 1 << 1 << 1899 << 1 << 1901 << 1 << 730.0;
    QTest::newRow("2100 to March") << 1 << 1 << 2100 << 3 << 2100 << 1 << 59.0;
    QTest::newRow("28 February 2100 to 1 March") << 28 << 2 << 2100 << 3 << 2100 << 1 << 1.0;
    QTest::newRow("2100 between two years") << 1 << 1 << 2099 << 1 << 2101 << 1 << 730.0;
    QTest::newRow("moon epoch to 2000") << 1 << 1 << 1850 << 1 << 2000 << 1 << 54786.0;
    QTest::newRow("age on 1 December 2026") << 3 << 7 << 1975 << 12 << 2026 << 1 << 18779.0;
    QTest::newRow("first of the birth month") << 3 << 7 << 1975 << 7 << 1975 << 1 << -2.0;
    QTest::newRow("earlier month counts its days") << 3 << 7 << 1975 << 6 << 1975 << 1 << -32.0;
    QTest::newRow("earlier year counts its leap day") << 1 << 1 << 2001 << 1 << 2000 << 1 << -366.0;
    QTest::newRow("month 13 is January of the next year") << 1 << 1 << 2000 << 13 << 2000 << 1 << 366.0;
    QTest::newRow("month 0 is December of the year before") << 1 << 12 << 1999 << 0 << 2000 << 1 << 0.0;
    QTest::newRow("day 0 is the last day of the month before") << 1 << 1 << 2000 << 3 << 2000 << 0 << 59.0;
}

void TestCalendarArithmetic::daysBetweenCountsCalendarDays()
{
    QFETCH(int, day1);
    QFETCH(int, month1);
    QFETCH(int, year1);
    QFETCH(int, month2);
    QFETCH(int, year2);
    QFETCH(int, day2);
    QFETCH(double, days);
    QCOMPARE(DaysBetween(day1, month1, year1, month2, year2, day2), days);
}

void TestCalendarArithmetic::daysBetweenAgreesWithCivilCalendar()
{
    using namespace std::chrono;
    std::vector<year_month_day> dates;
    std::vector<int> years = {1900, 2000, 2100};
    for (int y = 1850; y <= 2100; y += 7)
        years.push_back(y);
    for (int y : years) {
        for (unsigned m : {1u, 2u, 3u, 7u, 12u}) {
            for (unsigned d : {1u, 15u, 28u, 29u, 31u}) {
                const year_month_day date{year{y}, month{m}, day{d}};
                if (date.ok())
                    dates.push_back(date);
            }
        }
    }

    for (const year_month_day& first : dates) {
        for (const year_month_day& second : dates) {
            const double expected = (sys_days{second} - sys_days{first}).count();
            const double counted = DaysBetween(
                static_cast<std::int16_t>(unsigned(first.day())), static_cast<std::int16_t>(unsigned(first.month())),
                static_cast<std::int16_t>(int(first.year())), static_cast<std::int16_t>(unsigned(second.month())),
                static_cast<std::int16_t>(int(second.year())), static_cast<std::int16_t>(unsigned(second.day())));
            if (counted != expected) {
                QFAIL(qPrintable(QStringLiteral("%1-%2-%3 to %4-%5-%6: %7 instead of %8")
                                     .arg(int(first.year())).arg(unsigned(first.month())).arg(unsigned(first.day()))
                                     .arg(int(second.year())).arg(unsigned(second.month())).arg(unsigned(second.day()))
                                     .arg(counted).arg(expected)));
            }
        }
    }
}

void TestCalendarArithmetic::monthLengthTableNeverReadsOutside_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("length");
    QTest::newRow("February holds 28") << 2 << 28;
    QTest::newRow("index 0 holds 0") << 0 << 0;
    QTest::newRow("index -1 reads index 0") << -1 << 0;
    QTest::newRow("index 13 reads December") << 13 << 31;
    QTest::newRow("far beyond") << 32767 << 31;
}

void TestCalendarArithmetic::monthLengthTableNeverReadsOutside()
{
    QFETCH(int, index);
    QFETCH(int, length);
    QCOMPARE(int(MonthLengths[index]), length);
}

void TestCalendarArithmetic::daysInMonthAddsTheLeapDay_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("length");
    QTest::newRow("February 2000") << 2 << 2000 << 29;
    QTest::newRow("February 2100") << 2 << 2100 << 28;
    QTest::newRow("February 2028") << 2 << 2028 << 29;
    QTest::newRow("March of a leap year") << 3 << 2028 << 31;
    QTest::newRow("no month 13") << 13 << 2000 << 0;
    QTest::newRow("no month 0") << 0 << 2000 << 0;
}

void TestCalendarArithmetic::daysInMonthAddsTheLeapDay()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, length);
    QCOMPARE(DaysInMonth(month, year), length);
}

QTEST_APPLESS_MAIN(TestCalendarArithmetic)
#include "tst_calendararithmetic.moc"
