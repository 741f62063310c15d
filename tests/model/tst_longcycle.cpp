// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/LongCycle.h"

#include <QTest>

#include <cmath>
#include <limits>

class TestLongCycle : public QObject
{
    Q_OBJECT

private slots:
    void phaseOfMonth_data();
    void phaseOfMonth();
    void locateBoundary_data();
    void locateBoundary();
    void boundariesAreTheLabelledDivisions();
    void tablesAnswerOutOfRangeIndexes_data();
    void tablesAnswerOutOfRangeIndexes();
    void timeOfDayTruncates_data();
    void timeOfDayTruncates();
    void boundariesInsideAMonth_data();
    void boundariesInsideAMonth();
};

void TestLongCycle::phaseOfMonth_data()
{
    QTest::addColumn<int>("birthDay");
    QTest::addColumn<int>("birthMonth");
    QTest::addColumn<int>("birthYear");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<double>("phase");
    // 18779 days = 75 cycles (18654.645 days) + 124.355.
    QTest::newRow("December 2026 for 3 July 1975") << 3 << 7 << 1975 << 12 << 2026 << 123.7716667;
    QTest::newRow("born on the 1st") << 1 << 3 << 1990 << 3 << 1990 << -0.5833333;
    QTest::newRow("birth month, born on the 3rd") << 3 << 7 << 1975 << 7 << 1975 << -2.5833333;
}

void TestLongCycle::phaseOfMonth()
{
    QFETCH(int, birthDay);
    QFETCH(int, birthMonth);
    QFETCH(int, birthYear);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(double, phase);
    QVERIFY(std::abs(LongCyclePhase(birthDay, birthMonth, birthYear, month, year) - phase) < 1e-6);
}

void TestLongCycle::locateBoundary_data()
{
    QTest::addColumn<double>("phase");
    QTest::addColumn<int>("index");
    QTest::newRow("phase 0 is before every boundary") << 0.0 << -1;
    QTest::newRow("negative phase") << -0.5833333 << -1;
    QTest::newRow("just after the start") << 0.001 << 0;
    QTest::newRow("on a boundary counts as below it") << 35.53 << 0;
    QTest::newRow("just past a boundary") << 35.54 << 1;
    QTest::newRow("between the 2nd and 3rd boundary") << 40.0 << 1;
    QTest::newRow("last segment") << 248.0 << 15;
    QTest::newRow("on the last boundary") << 248.73 << 15;
    QTest::newRow("past the cycle stays in the last segment") << 300.0 << 15;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << -1;
}

void TestLongCycle::locateBoundary()
{
    QFETCH(double, phase);
    QFETCH(int, index);
    QCOMPARE(LocateBoundary(phase), index);
}

void TestLongCycle::boundariesAreTheLabelledDivisions()
{
    // A boundary labelled "H1-H2" is a multiple of a seventh of the cycle,
    // "H1-H3" of a sixth, "H2-H3" of a fifth; the ends are all three.
    const struct { const char* label; int parts; } kDivisions[] = {
        {"  H1-H2 ", 7}, {"  H1-H3 ", 6}, {"  H2-H3 ", 5}};
    for (int index = 1; index < 16; ++index) {
        QVERIFY(LongCycleBoundaries[index - 1] < LongCycleBoundaries[index]);
        bool matched = false;
        for (const auto& division : kDivisions) {
            const double multiple = LongCycleBoundaries[index] / (248.73 / division.parts);
            if (std::abs(multiple - std::round(multiple)) < 0.001) {
                QCOMPARE(QString::fromLatin1(LongCycleLabels[index]), QString::fromLatin1(division.label));
                matched = true;
            }
        }
        QVERIFY2(matched, qPrintable(QString::number(index)));
    }
    QCOMPARE(QString::fromLatin1(LongCycleLabels[0]), QStringLiteral("  H1-H2-H3 "));
    QCOMPARE(QString::fromLatin1(LongCycleLabels[16]), QStringLiteral("  H1-H2-H3 "));
}

void TestLongCycle::tablesAnswerOutOfRangeIndexes_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("boundary");
    QTest::newRow("index -1 reads the start") << -1 << 0.0;
    QTest::newRow("index 17 reads the end") << 17 << 248.73;
    QTest::newRow("far below") << -32768 << 0.0;
}

void TestLongCycle::tablesAnswerOutOfRangeIndexes()
{
    QFETCH(int, index);
    QFETCH(double, boundary);
    QCOMPARE(LongCycleBoundaries[index], boundary);
    QCOMPARE(QString::fromLatin1(LongCycleLabels[index]), QStringLiteral("  H1-H2-H3 "));
}

void TestLongCycle::timeOfDayTruncates_data()
{
    QTest::addColumn<double>("fraction");
    QTest::addColumn<QString>("clock");
    QTest::newRow("midnight") << 0.0 << "00:00";
    QTest::newRow("0.8 of a day") << 0.8 << "19:12";
    QTest::newRow("last moment is never 24:00") << 0.99999 << "23:59";
    QTest::newRow("0.5833333 falls short of 14:00") << 0.5833333 << "13:59";
    QTest::newRow("whole days are dropped") << 1.25 << "06:00";
    QTest::newRow("a negative fraction counts back from midnight") << -0.25 << "18:00";
}

void TestLongCycle::timeOfDayTruncates()
{
    QFETCH(double, fraction);
    QFETCH(QString, clock);
    QCOMPARE(QString::fromStdString(FormatClockTime(fraction)), clock);
    QCOMPARE(QString::fromStdString(FormatTimeLabel(fraction)), QStringLiteral("(Time) %1\n").arg(clock));
}

void TestLongCycle::boundariesInsideAMonth_data()
{
    QTest::addColumn<double>("phase");
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<int>>("indexes");
    QTest::addColumn<QList<int>>("days");
    QTest::addColumn<QStringList>("times");

    QTest::newRow("December 2026 for 3 July 1975") << 123.7716667 << 31 << QList<int>{8, 9, 10}
        << QList<int>{1, 19, 26} << QStringList{"14:07", "08:35", "11:14"};
    QTest::newRow("born on the 1st: the cycle's start") << -0.5833333 << 31 << QList<int>{0}
        << QList<int>{1} << QStringList{"13:59"};
    QTest::newRow("a month without a boundary") << 0.1 << 31 << QList<int>{} << QList<int>{} << QStringList{};
    QTest::newRow("the cycle's end inside the month") << 230.0 << 31 << QList<int>{16}
        << QList<int>{19} << QStringList{"17:31"};
    QTest::newRow("leap February holds a 29th-day boundary") << 184.7 << 29 << QList<int>{13, 14, 15}
        << QList<int>{15, 23, 29} << QStringList{"06:43", "13:40", "12:00"};
    QTest::newRow("common February does not") << 184.7 << 28 << QList<int>{13, 14}
        << QList<int>{15, 23} << QStringList{"06:43", "13:40"};
}

void TestLongCycle::boundariesInsideAMonth()
{
    QFETCH(double, phase);
    QFETCH(int, length);
    QFETCH(QList<int>, indexes);
    QFETCH(QList<int>, days);
    QFETCH(QStringList, times);

    const std::vector<MonthBoundary> boundaries = MonthBoundaries(phase, length);
    QCOMPARE(int(boundaries.size()), int(indexes.size()));
    for (std::size_t position = 0; position < boundaries.size(); ++position) {
        const MonthBoundary& boundary = boundaries[position];
        QCOMPARE(boundary.index, indexes[qsizetype(position)]);
        QCOMPARE(boundary.day, days[qsizetype(position)]);
        QCOMPARE(QString::fromStdString(FormatClockTime(boundary.fraction)), times[qsizetype(position)]);
        QVERIFY(boundary.fraction >= 0.0 && boundary.fraction < 1.0);
    }
}

QTEST_APPLESS_MAIN(TestLongCycle)
#include "tst_longcycle.moc"
