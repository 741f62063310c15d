// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Rhythms.h"

#include <QTest>

class TestRhythms : public QObject
{
    Q_OBJECT

private slots:
    void rhythmValues_data();
    void rhythmValues();
    void criticalWindows_data();
    void criticalWindows();
    void messageOfEachLevel_data();
    void messageOfEachLevel();
};

void TestRhythms::rhythmValues_data()
{
    QTest::addColumn<double>("age");
    QTest::addColumn<int>("rhythm");
    QTest::addColumn<double>("value");

    const int physical = int(Rhythm::Physical);
    const int emotional = int(Rhythm::Emotional);
    const int intellectual = int(Rhythm::Intellectual);
    QTest::newRow("birth date, physical") << 0.0 << physical << 0.0;
    QTest::newRow("birth date, intellectual") << 0.0 << intellectual << 0.0;
    QTest::newRow("physical near its top") << 6.0 << physical << 0.999803;
    QTest::newRow("emotional near its top") << 7.0 << emotional << 0.999704;
    QTest::newRow("intellectual near its top") << 8.0 << intellectual << 0.998439;
    QTest::newRow("physical late in its period") << 23.0 << physical << -0.184621;
    QTest::newRow("a new period starts at 0") << 23.6884 << physical << 0.0;
    QTest::newRow("6.28 leaves the end of a period short of 0") << 23.6884 - 1e-9 << physical << -0.003185;
    QTest::newRow("before birth the remainder is negative") << -6.0 << physical << -0.999803;
}

void TestRhythms::rhythmValues()
{
    QFETCH(double, age);
    QFETCH(int, rhythm);
    QFETCH(double, value);
    QVERIFY2(std::abs(RhythmValue(age, Rhythm(rhythm)) - value) < 1e-5,
             qPrintable(QString::number(RhythmValue(age, Rhythm(rhythm)), 'g', 10)));
}

void TestRhythms::criticalWindows_data()
{
    QTest::addColumn<double>("age");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("windows");
    QTest::addColumn<QString>("suffix");

    QTest::newRow("birth date hits all three") << 0.0 << 18 << "F1-F2-F3" << "/ F1-F2-F3 ";
    QTest::newRow("day 23 hits none") << 23.0 << 11 << "" << "";
    QTest::newRow("day 24 starts a physical period") << 24.0 << 13 << "F1" << "/ F1 ";
    QTest::newRow("day 29 starts an emotional period") << 29.0 << 13 << "F2" << "/ F2 ";
    QTest::newRow("day 33.5 starts an intellectual period") << 33.5 << 13 << "F3" << "/ F3 ";
    QTest::newRow("physical and emotional") << 142.5 << 15 << "F1-F2" << "/ F1-F2 ";
    QTest::newRow("physical and intellectual") << 166.0 << 15 << "F1-F3" << "/ F1-F3 ";
    QTest::newRow("emotional and intellectual") << 199.0 << 15 << "F2-F3" << "/ F2-F3 ";
    QTest::newRow("just inside the window") << 0.59 << 18 << "F1-F2-F3" << "/ F1-F2-F3 ";
    QTest::newRow("a remainder of exactly 0.6 is outside") << 0.6 << 11 << "" << "";
    QTest::newRow("the day before birth") << -1.0 << 18 << "F1-F2-F3" << "/ F1-F2-F3 ";
}

void TestRhythms::criticalWindows()
{
    QFETCH(double, age);
    QFETCH(int, level);
    QFETCH(QString, windows);
    QFETCH(QString, suffix);

    const CriticalDay day = AssessCriticalWindows(age);
    QCOMPARE(day.level, level);
    QCOMPARE(QString::fromLatin1(day.windows), windows);
    QCOMPARE(QString::fromLatin1(day.suffix), suffix);
    QCOMPARE(CriticalDayLevel(age), level);
}

void TestRhythms::messageOfEachLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("message");
    QTest::newRow("three windows") << 18
        << "        This is one of the most unfavorable days. Your vital power is low.";
    QTest::newRow("two windows") << 15
        << "        The day is very unfavorable for you. Be careful, if you are not young and healthy.";
    QTest::newRow("one window keeps its trailing blank") << 13 << "        The day is unfavorable. ";
    QTest::newRow("no window") << 11 << "        The day is hard enough";
    QTest::newRow("not a level") << 0 << "";
}

void TestRhythms::messageOfEachLevel()
{
    QFETCH(int, level);
    QFETCH(QString, message);
    QCOMPARE(QString::fromLatin1(CriticalDayMessage(level)), message);
}

QTEST_APPLESS_MAIN(TestRhythms)
#include "tst_rhythms.moc"
