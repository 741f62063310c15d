// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/WindowFixture.h"

using namespace Expected;

namespace {

enum Interruption { EnterBirthDate, MonthView, CurrentMonthOn, CalendarPaged };

} // namespace

class TestTimedScan : public QObject
{
    Q_OBJECT

private slots:
    void walkVisitsMonthBoundaries_data();
    void walkVisitsMonthBoundaries();
    void walkEndsWhenItsStateChanges_data();
    void walkEndsWhenItsStateChanges();
    void nextDateStepsFromDayOfWalk();
};

void TestTimedScan::walkVisitsMonthBoundaries_data()
{
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QDate>("month");
    QTest::addColumn<QList<int>>("visited");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("help");

    // Phase 3.70 on the 1st: the next boundary, 35.53, is 31.83 days away.
    QTest::newRow("no boundary") << QDate(1985, 4, 17) << QDate(2026, 3, 1) << QList<int> { 0 }
                                 << 0 << "" << "(Time)      " << "";
    // Phase 224.43: the cycle's end 248.73 falls on the 25th at 07:13.
    QTest::newRow("wrap boundary only") << QDate(1985, 4, 17) << QDate(2026, 2, 1) << QList<int> { 25 }
                                        << 18 << kAllWindows << "(Time) 07:13\n" << kMostUnfavourable;
    // Phase 77.92 in a February of 29 days: the 5th, 22nd and 29th.
    QTest::newRow("three, last on the leap day") << QDate(2000, 1, 14) << QDate(2024, 2, 1) << QList<int> { 5, 22, 29, 5 }
                                                 << 11 << "  H1-H3 " << "(Time) 23:51\n" << kHardEnough;
    // Phase -0.03: a new cycle starts in the first hour of the 1st.
    QTest::newRow("cycle starts on the 1st") << QDate(1985, 4, 17) << QDate(2026, 11, 1) << QList<int> { 1 }
                                             << 11 << "  H1-H2-H3 " << "(Time) 00:40\n" << kHardEnough;
}

void TestTimedScan::walkVisitsMonthBoundaries()
{
    QFETCH(QDate, birth);
    QFETCH(QDate, month);
    QFETCH(QList<int>, visited);
    QFETCH(int, level);
    QFETCH(QString, note);
    QFETCH(QString, time);
    QFETCH(QString, help);

    WindowFixture window;
    CBiorhythmDlg& dialog = window.dialog();
    window.chartMonth(birth, month.month(), month.year());
    const int beeps = BeepCount();
    for (int day : visited) {
        QVERIFY(window.scanning());
        // The walk rates each day quietly; only its end speaks.
        QCOMPARE(window.help(), QString());
        QVERIFY(!dialog.m_btnInfo.m_bActive);
        dialog.OnTimer(IDT_SCAN);
        QCOMPARE(window.calendar().m_nDay, day);
    }
    QVERIFY(!window.scanning());
    QCOMPARE(BeepCount() - beeps, int(visited.size() - visited.count(0)));
    QCOMPARE(window.calendar().m_nMonth, month.month());
    QCOMPARE(dialog.m_nCriticalLevel, level);
    QCOMPARE(dialog.m_strCriticalNote, note);
    QCOMPARE(window.time(), time);
    // None of these days lies near a full or new moon.
    QCOMPARE(dialog.m_nMoonMark, short(0));
    QCOMPARE(window.help(), help);
    QCOMPARE(dialog.m_btnInfo.m_bActive, !note.isEmpty());
    QCOMPARE(dialog.m_nLongCycleSegment, -1);
}

void TestTimedScan::walkEndsWhenItsStateChanges_data()
{
    QTest::addColumn<int>("interruption");

    QTest::newRow("birth date entered") << int(EnterBirthDate);
    QTest::newRow("month view chosen") << int(MonthView);
    QTest::newRow("current-month mode") << int(CurrentMonthOn);
    QTest::newRow("calendar paged by its selector") << int(CalendarPaged);
}

void TestTimedScan::walkEndsWhenItsStateChanges()
{
    QFETCH(int, interruption);

    WindowFixture window;
    CBiorhythmDlg& dialog = window.dialog();
    window.chartMonth(QDate(2000, 1, 14), 2, 2024);
    dialog.OnTimer(IDT_SCAN);
    QCOMPARE(window.calendar().m_nDay, 5);

    switch (interruption) {
    case EnterBirthDate:
        window.click(10);
        QCOMPARE(dialog.m_nBirthMonth, short(2));
        break;
    case MonthView:
        window.chooseView(1);
        break;
    case CurrentMonthOn:
        window.press(IDC_CURRENT_MONTH);
        QVERIFY(dialog.m_bCurrentMonthMode);
        break;
    case CalendarPaged:
        window.page(3, 2024);
        // The selector does not tell the window; the next tick finds out.
        dialog.OnTimer(IDT_SCAN);
        QCOMPARE(window.calendar().m_nDay, 0);
        break;
    }
    QVERIFY(!window.scanning());
    const QDate shown = window.shownDay();
    dialog.OnTimer(IDT_SCAN);
    QCOMPARE(window.shownDay(), shown);
}

void TestTimedScan::nextDateStepsFromDayOfWalk()
{
    WindowFixture window;
    CBiorhythmDlg& dialog = window.dialog();
    window.chartMonth(QDate(2000, 1, 14), 2, 2024);
    dialog.OnTimer(IDT_SCAN);

    window.press(IDC_NEXT_DATE);
    QVERIFY(!window.scanning());
    QCOMPARE(window.shownDay(), QDate(2024, 2, 22));
    QCOMPARE(window.time(), QStringLiteral("(Time) 13:47\n"));
}

QTEST_MAIN(TestTimedScan)
#include "tst_timedscan.moc"
