// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/MonthReadings.h"

#include "model/BioYear.h"

#include <QTest>

class TestMonthReadings : public QObject
{
    Q_OBJECT

private slots:
    void daysCoverTheMonth_data();
    void daysCoverTheMonth();
    void yearCurveStartsOnTheBirthday();
    void boundariesOfAMonth();
};

void TestMonthReadings::daysCoverTheMonth_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("firstDay");
    QTest::addColumn<int>("lastDay");
    QTest::addColumn<int>("firstAge");
    QTest::newRow("December 2026") << 12 << 2026 << 1 << 31 << 18779;
    QTest::newRow("birth month starts on the birth day") << 7 << 1975 << 3 << 31 << 0;
    QTest::newRow("February of a leap year") << 2 << 2028 << 1 << 29 << 19206;
    QTest::newRow("February 2100 is common") << 2 << 2100 << 1 << 28 << 45504;
}

void TestMonthReadings::daysCoverTheMonth()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, firstDay);
    QFETCH(int, lastDay);
    QFETCH(int, firstAge);

    const MonthOfLife period{3, 7, 1975, std::int16_t(month), std::int16_t(year)};
    const std::vector<DayReading> days = ReadMonthDays(period);
    QCOMPARE(int(days.size()), lastDay - firstDay + 1);
    QCOMPARE(int(days.front().day), firstDay);
    QCOMPARE(int(days.back().day), lastDay);
    QCOMPARE(days.front().age, firstAge);
    QCOMPARE(days.back().age, firstAge + lastDay - firstDay);
}

void TestMonthReadings::yearCurveStartsOnTheBirthday()
{
    const MonthOfLife period{3, 7, 1975, 7, 2026};
    QCOMPARE(ReadDay(period, 3).yearCurve, 0.0f);
    QCOMPARE(ReadDay(period, 4).yearCurve, BioYearReading(1));
    QCOMPARE(ReadDay(period, 2).yearCurve, BioYearReading(365));
}

void TestMonthReadings::boundariesOfAMonth()
{
    const std::vector<BoundaryReading> boundaries = ReadMonthBoundaries({3, 7, 1975, 12, 2026});
    QCOMPARE(int(boundaries.size()), 3);
    QCOMPARE(QString::fromLatin1(boundaries[1].label), QStringLiteral("  H1-H2 "));
    QCOMPARE(boundaries[1].boundary.day, 19);
    QCOMPARE(boundaries[1].age, 18779 + 18);
    QCOMPARE(boundaries[1].critical.level, 11);
}

QTEST_APPLESS_MAIN(TestMonthReadings)
#include "tst_monthreadings.moc"
