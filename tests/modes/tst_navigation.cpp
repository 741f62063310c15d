// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/WindowFixture.h"

using namespace Expected;

class TestNavigation : public QObject
{
    Q_OBJECT

private slots:
    void todayIsAcceptedAsBirthDate();
    void laterDayIsRefused();
    void resetForgetsEverything();

    void boundaryShowsItsTimeOfDay_data();
    void boundaryShowsItsTimeOfDay();

    void nextDatePassesMonthWithoutBoundary();
    void dateStepsFindLeapDayBoundary();
    void prevDateInBirthMonthShowsBirthDay();
    void forwardSearchEndsInDecember2100();
};

void TestNavigation::todayIsAcceptedAsBirthDate()
{
    WindowFixture window;
    CBiorhythmDlg& dialog = window.dialog();
    window.click(7);

    QCOMPARE(window.birth1(), QStringLiteral("Birth date: 12.07.2026"));
    QCOMPARE(window.help(), kStartOrInsert);
    // Nothing of the life lies before this month.
    QCOMPARE(window.activeButtons(), QStringLiteral("Start NextDate Insert CurrentMonth"));

    const int beeps = BeepCount();
    window.press(IDC_START);
    // The birth day is the month's only boundary: one tick ends the walk.
    QCOMPARE(window.finishScan(), 1);
    QCOMPARE(BeepCount(), beeps + 1);
    QCOMPARE(window.shownDay(), QDate(2026, 12, 7));
    QCOMPARE(dialog.m_nCriticalLevel, 18);
    QCOMPARE(dialog.m_strCriticalNote, kAllWindows);
    QCOMPARE(window.help(), kMostUnfavourable);
    QCOMPARE(window.time(), QStringLiteral("(Time) 13:59\n"));
    QCOMPARE(dialog.m_nMoonMark, short(1));
    QCOMPARE(dialog.m_nDayOfYear, 341);
    QVERIFY(dialog.m_btnInfo.m_bActive);
    QVERIFY(!dialog.m_btnPrevDate.m_bActive);
    QVERIFY(!dialog.m_btnPrevMonth.m_bActive);
}

void TestNavigation::laterDayIsRefused()
{
    WindowFixture window;
    CBiorhythmDlg& dialog = window.dialog();
    window.click(1);
    window.click(8);

    QCOMPARE(window.messages, QStringList { "Invalid date of birth! \n Date of birth must be in the past." });
    QCOMPARE(window.captions, QStringList { "Information" });
    QCOMPARE(window.types.first(), unsigned(MB_OK | MB_ICONINFORMATION));
    QCOMPARE(window.shownDay(), QDate(2026, 12, 1));
    QCOMPARE(window.birth1(), QStringLiteral("Birth date: 12.01.2026"));
    QCOMPARE(window.help(), kStartOrInsert);

    // The next month's grey days lie in the future as well.
    window.click(33);
    QCOMPARE(window.messages.size(), 2);
    QCOMPARE(dialog.m_nBirthMonth, short(12));
}

void TestNavigation::resetForgetsEverything()
{
    WindowFixture window;
    CBiorhythmDlg& dialog = window.dialog();
    window.chartToday(QDate(1985, 4, 17));
    window.press(IDC_CURRENT_MONTH);
    window.press(IDC_NEXT_MONTH);
    QVERIFY(window.scanning());

    window.press(IDC_RESET);
    QCOMPARE(dialog.m_nBirthYear, short(0));
    QCOMPARE(window.time(), kNoTime);
    QCOMPARE(window.shownDay(), QDate(2026, 12, 7));
    QVERIFY(!dialog.m_bCurrentMonthMode);
    QVERIFY(dialog.m_strCriticalNote.isEmpty());
    QCOMPARE(window.activeButtons(), QStringLiteral("PrevMonth"));

    // Without a birth date the month buttons only page.
    window.press(IDC_NEXT_MONTH);
    QCOMPARE(window.calendar().m_nMonth, 1);
    QCOMPARE(window.calendar().m_nYear, 2027);
    window.press(IDC_PREV_MONTH);
    window.press(IDC_PREV_MONTH);
    QCOMPARE(window.calendar().m_nMonth, 11);
    QCOMPARE(window.help(), kInsert);
}

void TestNavigation::boundaryShowsItsTimeOfDay_data()
{
    QTest::addColumn<double>("fraction");
    QTest::addColumn<QString>("time");

    QTest::newRow("0.8") << 0.8 << "(Time) 19:12\n";
    QTest::newRow("last moment, truncated") << 0.99999 << "(Time) 23:59\n";
}

void TestNavigation::boundaryShowsItsTimeOfDay()
{
    QFETCH(double, fraction);
    QFETCH(QString, time);

    WindowFixture window;
    CBiorhythmDlg& dialog = window.dialog();
    window.enterBirth(QDate(2026, 3, 10));
    window.page(4, 2026);
    dialog.ShowBoundary(15, 14 + fraction, fraction, 1);
    QCOMPARE(window.time(), time);
    QCOMPARE(window.shownDay(), QDate(2026, 4, 15));
    // Age 36 hits none of the windows.
    QCOMPARE(dialog.m_dLongCyclePhase, 36.0);
    QCOMPARE(dialog.m_nCriticalLevel, 11);
    QCOMPARE(dialog.m_strCriticalNote, QStringLiteral("  H1-H2 "));
    QCOMPARE(dialog.m_nDayOfYear, 105);
    QVERIFY(dialog.m_btnInfo.m_bActive);
}

void TestNavigation::nextDatePassesMonthWithoutBoundary()
{
    WindowFixture window;
    CBiorhythmDlg& dialog = window.dialog();
    window.chartMonth(QDate(1985, 4, 17), 2, 2026);
    window.finishScan();
    // 25 February is the cycle's end; March holds no boundary at all.
    QCOMPARE(window.shownDay(), QDate(2026, 2, 25));
    QCOMPARE(dialog.m_strCriticalNote, kAllWindows);
    QCOMPARE(window.time(), QStringLiteral("(Time) 07:13\n"));

    dialog.m_btnPrevMonth.m_bLit = false;
    window.press(IDC_NEXT_DATE);
    QCOMPARE(window.shownDay(), QDate(2026, 4, 1));
    QCOMPARE(window.time(), QStringLiteral("(Time) 19:54\n"));
    QCOMPARE(dialog.m_strCriticalNote, QStringLiteral("  H1-H2 "));
    QCOMPARE(dialog.m_nCriticalLevel, 11);
    QCOMPARE(window.help(), kHardEnough);
    QCOMPARE(dialog.m_nMoonMark, short(2));
    QCOMPARE(dialog.m_nChartMonth, short(4));
    QVERIFY(dialog.m_btnPrevMonth.m_bActive && dialog.m_btnPrevMonth.m_bLit);
    QVERIFY(dialog.m_btnPrevDate.m_bActive);
}

void TestNavigation::dateStepsFindLeapDayBoundary()
{
    WindowFixture window;
    CBiorhythmDlg& dialog = window.dialog();
    window.chartMonth(QDate(2000, 1, 14), 2, 2024);
    window.finishScan();
    QCOMPARE(window.shownDay(), QDate(2024, 2, 5));

    struct Step {
        int button;
        QDate day;
        const char* time;
        const char* label;
    };
    const Step steps[] = {
        { IDC_NEXT_DATE, QDate(2024, 2, 22), "(Time) 13:47\n", "  H2-H3 " },
        { IDC_NEXT_DATE, QDate(2024, 2, 29), "(Time) 16:25\n", "  H1-H2 " },
        { IDC_NEXT_DATE, QDate(2024, 3, 18), "(Time) 10:39\n", "  H1-H3 " },
        { IDC_PREV_DATE, QDate(2024, 2, 29), "(Time) 16:25\n", "  H1-H2 " },
        { IDC_PREV_DATE, QDate(2024, 2, 22), "(Time) 13:47\n", "  H2-H3 " },
    };
    for (const Step& step : steps) {
        window.press(step.button);
        QCOMPARE(window.shownDay(), step.day);
        QCOMPARE(window.time(), QString::fromLatin1(step.time));
        // None of these days is critical.
        QCOMPARE(dialog.m_strCriticalNote, QString::fromLatin1(step.label));
        QCOMPARE(dialog.m_dLongCyclePhase, double(QDate(2000, 1, 14).daysTo(step.day)));
    }
}

void TestNavigation::prevDateInBirthMonthShowsBirthDay()
{
    WindowFixture window;
    CBiorhythmDlg& dialog = window.dialog();
    window.enterBirth(QDate(2026, 3, 10));
    window.page(4, 2026);
    window.page(3, 2026);
    QCOMPARE(window.calendar().m_nDay, 0);

    window.press(IDC_PREV_DATE);
    QCOMPARE(window.shownDay(), QDate(2026, 3, 10));
    QCOMPARE(dialog.m_strCriticalNote, kAllWindows);
    QCOMPARE(dialog.m_nCriticalLevel, 18);
    QCOMPARE(window.help(), kMostUnfavourable);
    QCOMPARE(dialog.m_nDayOfYear, 69);
    QVERIFY(!dialog.m_btnPrevDate.m_bActive);
    QVERIFY(!dialog.m_btnPrevMonth.m_bActive);
    QVERIFY(window.messages.isEmpty());
}

void TestNavigation::forwardSearchEndsInDecember2100()
{
    WindowFixture window("2100-12-31");
    CBiorhythmDlg& dialog = window.dialog();
    window.chartToday(QDate(2100, 1, 1));
    QCOMPARE(window.shownDay(), QDate(2100, 12, 15));
    window.press(IDC_NEXT_DATE);
    QCOMPARE(window.shownDay(), QDate(2100, 12, 22));

    window.press(IDC_NEXT_DATE);
    QCOMPARE(window.calendar().m_nYear, 2100);
    QCOMPARE(window.calendar().m_nMonth, 12);
    QCOMPARE(window.calendar().m_nDay, 0);
    QCOMPARE(window.help(), QString());
    QCOMPARE(window.time(), kNoTime);
    QCOMPARE(dialog.m_nCriticalLevel, 0);
    QVERIFY(dialog.m_strCriticalNote.isEmpty());
    QVERIFY(!dialog.m_btnInfo.m_bActive);

    // Stepping back from there finds November's last boundary.
    window.press(IDC_PREV_DATE);
    QCOMPARE(window.calendar().m_nMonth, 11);
    QVERIFY(window.calendar().m_nDay != 0);
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
