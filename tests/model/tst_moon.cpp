// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Moon.h"

#include <QTest>

class TestMoon : public QObject
{
    Q_OBJECT

private slots:
    void moonMarks_data();
    void moonMarks();
};

void TestMoon::moonMarks_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<double>("offset");
    QTest::addColumn<int>("mark");
    // 54786 days from the epoch to 1 January 2000; a lunation is
    // 0.0338632 of a day's count.
    QTest::newRow("6 January 2000 is new moon (0.025)") << 1 << 2000 << 6.0 << kNewMoonMark;
    QTest::newRow("21 January 2000 is full moon (0.533)") << 1 << 2000 << 21.0 << kFullMoonMark;
    QTest::newRow("12 January 2000 is neither (0.228)") << 1 << 2000 << 12.0 << kNoMoonMark;
    QTest::newRow("3 January 2000 is neither (0.923)") << 1 << 2000 << 3.0 << kNoMoonMark;
    QTest::newRow("half a day later counts (0.974)") << 1 << 2000 << 4.5 << kNewMoonMark;
    QTest::newRow("before the count starts (-0.508)") << 1 << 1850 << -3.0 << kFullMoonMark;
    QTest::newRow("at the epoch (-0.406)") << 1 << 1850 << 0.0 << kNoMoonMark;
}

void TestMoon::moonMarks()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(double, offset);
    QFETCH(int, mark);
    QCOMPARE(MoonPhaseMark(month, year, offset), mark);
}

QTEST_APPLESS_MAIN(TestMoon)
#include "tst_moon.moc"
