// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/WindowFixture.h"

using namespace Expected;


class TestCurrentMonth : public QObject
{
    Q_OBJECT

private slots:
    void viewNeedsBirthDate();
    void monthViewsShowMonthWithoutWalk_data();
    void monthViewsShowMonthWithoutWalk();
    void defaultViewRechartsSameMonth_data();
    void defaultViewRechartsSameMonth();
    void birthMonthDaysBeforeBirthShowBirthDay();
    void studiedDayStepsBackFromFollowingBoundary();
    void leavingModeInMonthViewOnlyClearsDay();
    void comparingClickBeforeMarksSelectsEarlierMark();
};

void TestCurrentMonth::viewNeedsBirthDate()
{
    WindowFixture window;
    window.chooseView(2);
    QCOMPARE(window.dialog().m_comboRhythms.GetCurSel(), 0);
    QCOMPARE(window.help(), kInsert);
    QVERIFY(!window.dialog().m_btnCurrentMonth.m_bActive);
    QCOMPARE(window.shownDay(), QDate(2026, 12, 7));
}

void TestCurrentMonth::monthViewsShowMonthWithoutWalk_data()
{
    QTest::addColumn<int>("view");
    QTest::addColumn<QString>("help");
    QTest::addColumn<bool>("studying");

    QTest::newRow("3 rhythms") << 1 << kStudyMore << true;
    QTest::newRow("Summary") << 2 << "" << false;
}

void TestCurrentMonth::monthViewsShowMonthWithoutWalk()
{
    QFETCH(int, view);
    QFETCH(QString, help);
    QFETCH(bool, studying);

    WindowFixture window;
    CBiorhythmDlg& dialog = window.dialog();
    window.chartToday(QDate(1985, 4, 17));
    window.press(IDC_CURRENT_MONTH);
    QCOMPARE(window.help(), kCurrentMonth);
    QVERIFY(window.calendar().CurrentMonthMode());

    window.chooseView(view);
    QVERIFY(!window.scanning());
    QCOMPARE(window.help(), help);
    QCOMPARE(window.calendar().m_nDay, 0);
    QCOMPARE(window.time(), QStringLiteral("(Time)      "));
    QCOMPARE(dialog.m_nCriticalLevel, 0);
    QVERIFY(dialog.m_strCriticalNote.isEmpty());
    QVERIFY(!dialog.m_btnInfo.m_bActive);
    QVERIFY(!dialog.m_btnPrevDate.m_bActive);
    QVERIFY(!dialog.m_btnNextDate.m_bActive);
    QCOMPARE(dialog.m_btnCurrentMonth.m_bActive, studying);
    QCOMPARE(dialog.m_bCurrentMonthMode, studying);

    // Month steps show the month views without a walk.
    window.press(IDC_NEXT_MONTH);
    QVERIFY(!window.scanning());
    QCOMPARE(window.calendar().m_nMonth, 1);
    QCOMPARE(dialog.m_nChartMonth, short(1));
    QCOMPARE(window.help(), studying ? kCurrentMonth : QString());
}

void TestCurrentMonth::defaultViewRechartsSameMonth_data()
{
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QDate>("month");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("note");
    QTest::addColumn<int>("level");

    // Back on the month's first boundary, the 6th, where two windows meet.
    QTest::newRow("December 2026") << QDate(1985, 4, 17) << QDate(2026, 12, 1) << 4 << 6 << "  H1-H2 / F1-F2 " << 15;
    // Nothing lies before the calendar's first month.
    QTest::newRow("January 1850") << QDate(1850, 1, 5) << QDate(1850, 1, 1) << 1 << 5 << kAllWindows << 18;
}

void TestCurrentMonth::defaultViewRechartsSameMonth()
{
    QFETCH(QDate, birth);
    QFETCH(QDate, month);
    QFETCH(int, ticks);
    QFETCH(int, day);
    QFETCH(QString, note);
    QFETCH(int, level);

    WindowFixture window;
    CBiorhythmDlg& dialog = window.dialog();
    window.enterBirth(birth);
    window.page(month.month(), month.year());
    window.chooseView(1);

    window.chooseView(0);
    QVERIFY(window.scanning());
    QCOMPARE(window.calendar().m_nMonth, month.month());
    QCOMPARE(window.calendar().m_nYear, month.year());
    QCOMPARE(window.finishScan(), ticks);
    QCOMPARE(window.shownDay(), QDate(month.year(), month.month(), day));
    QCOMPARE(dialog.m_strCriticalNote, note);
    QCOMPARE(dialog.m_nCriticalLevel, level);
}

void TestCurrentMonth::birthMonthDaysBeforeBirthShowBirthDay()
{
    WindowFixture window;
    CBiorhythmDlg& dialog = window.dialog();
    window.chartMonth(QDate(2026, 3, 10), 3, 2026);
    window.finishScan();
    window.press(IDC_CURRENT_MONTH);

    window.click(4);
    QCOMPARE(window.shownDay(), QDate(2026, 3, 10));
    QCOMPARE(dialog.m_strCriticalNote, kAllWindows);
    QCOMPARE(dialog.m_nCriticalLevel, 18);
    QVERIFY(dialog.m_btnInfo.m_bActive);
    QCOMPARE(dialog.m_nBirthDay, short(10));

    window.click(20);
    QCOMPARE(window.shownDay(), QDate(2026, 3, 20));
    QCOMPARE(dialog.m_nCriticalLevel, 0);
    QVERIFY(dialog.m_strCriticalNote.isEmpty());
    QVERIFY(!dialog.m_btnInfo.m_bActive);
    QVERIFY(dialog.m_btnPrevDate.m_bActive);

    // Leaving the mode in the year view charts the month afresh.
    window.press(IDC_CURRENT_MONTH);
    QVERIFY(!dialog.m_bCurrentMonthMode);
    QVERIFY(window.scanning());
    QCOMPARE(window.calendar().m_nMonth, 3);
    QCOMPARE(window.help(), QString());
}

void TestCurrentMonth::studiedDayStepsBackFromFollowingBoundary()
{
    WindowFixture window;
    CBiorhythmDlg& dialog = window.dialog();
    window.chartToday(QDate(1985, 4, 17));
    window.press(IDC_CURRENT_MONTH);
    window.click(16);
    QCOMPARE(dialog.m_nCriticalLevel, 0);

    // Boundaries of December 2026 fall on the 6th, 12th and 20th.
    window.press(IDC_PREV_DATE);
    QCOMPARE(window.shownDay(), QDate(2026, 12, 12));
    QCOMPARE(window.time(), QStringLiteral("(Time) 11:28\n"));
    QCOMPARE(dialog.m_strCriticalNote, QStringLiteral("  H1-H3 "));
}

void TestCurrentMonth::leavingModeInMonthViewOnlyClearsDay()
{
    WindowFixture window;
    CBiorhythmDlg& dialog = window.dialog();
    window.chartToday(QDate(1985, 4, 17));
    window.chooseView(1);
    window.press(IDC_CURRENT_MONTH);
    window.click(12);
    QCOMPARE(window.shownDay(), QDate(2026, 12, 12));

    window.press(IDC_CURRENT_MONTH);
    QCOMPARE(window.calendar().m_nDay, 0);
    QCOMPARE(window.calendar().m_nMonth, 12);
    QVERIFY(!window.scanning());
    QVERIFY(!dialog.m_bCurrentMonthMode);
    QCOMPARE(window.help(), QString());
}

void TestCurrentMonth::comparingClickBeforeMarksSelectsEarlierMark()
{
    WindowFixture window;
    CBiorhythmDlg& dialog = window.dialog();
    window.chartMonth(QDate(2026, 3, 10), 3, 2026);
    window.finishScan();
    window.press(IDC_CURRENT_MONTH);
    // Two persons born in March 2026, their marks on the 22nd and the 15th.
    dialog.m_nBirthDay1 = 12;
    dialog.m_nBirthMonth1 = 3;
    dialog.m_nBirthYear1 = 2026;
    dialog.m_bCompareMode = true;
    window.calendar().SetMarkedDays(22, 15, true);

    window.click(12);
    QCOMPARE(window.calendar().m_nDay, 15);
    window.click(18);
    QCOMPARE(window.calendar().m_nDay, 18);
}

QTEST_MAIN(TestCurrentMonth)
#include "tst_currentmonth.moc"
