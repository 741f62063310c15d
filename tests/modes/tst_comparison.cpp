// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/WindowFixture.h"

namespace {

using Marks = QPair<int, int>;

Marks MarksOf(WindowFixture& window)
{
    Marks marks;
    window.calendar().GetMarkedDays(&marks.first, &marks.second);
    return marks;
}

// The first date entered and inserted, the second entered and inserted,
// and comparison switched on.
void Compare(WindowFixture& window, const QDate& first, const QDate& second)
{
    window.enterBirth(first);
    window.press(IDC_INSERT);
    window.enterBirth(second);
    window.press(IDC_INSERT);
    window.press(IDC_COMPARE);
}

} // namespace

class TestComparison : public QObject
{
    Q_OBJECT

private slots:
    void insertCompareAndRemove();
    void marksStepAcrossTheYear();
    void alignedCyclesShareTheirMark_data();
    void alignedCyclesShareTheirMark();
    void birthMonthOfOnePersonDropsEarlierMark();
    void rangeEndsEndTheSteps_data();
    void rangeEndsEndTheSteps();
};

// Insert, Insert, Compare twice, Compare again, then Remove at step 2 and
// at step 1.
void TestComparison::insertCompareAndRemove()
{
    WindowFixture window;
    CBiorhythmDlg& dialog = window.dialog();
    window.enterBirth(QDate(1985, 5, 7));
    window.press(IDC_START);
    window.press(IDC_INSERT);
    QVERIFY(!window.scanning());
    window.enterBirth(QDate(1990, 11, 3));
    window.press(IDC_INSERT);

    window.press(IDC_START);
    window.press(IDC_COMPARE);
    QVERIFY(!window.scanning());
    QVERIFY(!dialog.m_btnStart.m_bActive);
    window.press(IDC_COMPARE);
    QVERIFY(dialog.m_btnStart.m_bActive && dialog.m_btnStart.m_bLit);
    QCOMPARE(window.help(), QString());

    window.press(IDC_COMPARE);
    window.press(IDC_REMOVE);
    QVERIFY(!dialog.m_bCompareMode && !window.calendar().ShowMarks());
    QCOMPARE(dialog.m_nBirthYear, short(1985));
    // The next entry is a second date again.
    window.enterBirth(QDate(2001, 1, 1));
    QCOMPARE(window.birth2(), QStringLiteral("Birth date: 01.01.2001"));
    QCOMPARE(window.birth1(), QStringLiteral("Birth date 1: 05.07.1985"));

    window.press(IDC_REMOVE);
    QCOMPARE(dialog.m_nBirthYear, short(0));
    QCOMPARE(window.birth1(), QStringLiteral("Birth date: "));
    QCOMPARE(window.help(), Expected::kInsert);

    // Current-month mode stays out of reach in the "Summary" view.
    window.chartToday(QDate(1985, 5, 7));
    window.press(IDC_INSERT);
    window.enterBirth(QDate(1990, 11, 3));
    window.press(IDC_INSERT);
    window.chooseView(2);
    window.press(IDC_REMOVE);
    window.press(IDC_NEXT_DATE);
    QVERIFY(!dialog.m_btnCurrentMonth.m_bActive);
}

// Mark 1 is the second date's (born 3 November 1990), mark 2 the first
// date's (born 7 May 1985). December 2026 holds the boundaries of the
// 7th and the 26th, January 2027 those of the 11th, 17th and 25th and of
// the 1st, 9th and 31st.
void TestComparison::marksStepAcrossTheYear()
{
    WindowFixture window;
    CBiorhythmDlg& dialog = window.dialog();
    Compare(window, QDate(1985, 5, 7), QDate(1990, 11, 3));
    QCOMPARE(MarksOf(window), Marks(7, 26));
    QCOMPARE(dialog.m_nDayOfYear, 341);

    struct Step {
        int button;
        int month;
        Marks marks;
    };
    const Step steps[] = {
        { IDC_NEXT_DATE, 1, { 11, 1 } }, // neither has a boundary left in December
        { IDC_NEXT_DATE, 1, { 11, 9 } }, // the mark behind moves
        { IDC_NEXT_DATE, 1, { 11, 31 } },
        { IDC_NEXT_DATE, 1, { 17, 31 } },
        { IDC_PREV_DATE, 1, { 17, 9 } }, // the mark ahead goes back
        { IDC_PREV_DATE, 1, { 11, 9 } },
        { IDC_PREV_DATE, 1, { 11, 1 } }, // mark 1 has none before the 11th
        { IDC_PREV_DATE, 12, { 7, 26 } }, // back to each one's last of December
        { IDC_NEXT_MONTH, 1, { 11, 1 } },
        { IDC_PREV_MONTH, 12, { 7, 26 } },
    };
    for (const Step& step : steps) {
        window.press(step.button);
        QCOMPARE(window.calendar().m_nYear, step.month == 1 ? 2027 : 2026);
        QCOMPARE(window.calendar().m_nMonth, step.month);
        QCOMPARE(MarksOf(window), step.marks);
    }
    QCOMPARE(dialog.m_nDayOfYear1, 360);
}

void TestComparison::alignedCyclesShareTheirMark_data()
{
    QTest::addColumn<QByteArray>("today");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("second");
    QTest::addColumn<QList<int>>("days");

    // 995 days apart, 0.09 day more than four long cycles.
    QTest::newRow("cycles 0.09 day apart") << QByteArray("2026-12-07") << QDate(1985, 5, 7) << QDate(1988, 1, 27)
                                           << QList<int> { 26, 1, 9, 31 };
    QTest::newRow("leap day") << QByteArray("2024-02-29") << QDate(2000, 1, 14) << QDate(2000, 1, 14)
                              << QList<int> { 5, 22, 29 };
}

void TestComparison::alignedCyclesShareTheirMark()
{
    QFETCH(QByteArray, today);
    QFETCH(QDate, first);
    QFETCH(QDate, second);
    QFETCH(QList<int>, days);

    WindowFixture window(today);
    CBiorhythmDlg& dialog = window.dialog();
    Compare(window, first, second);
    QCOMPARE(MarksOf(window), Marks(days.first(), days.first()));
    // A step reads the day out once, for both.
    for (int day : days.mid(1)) {
        window.press(IDC_NEXT_DATE);
        QCOMPARE(MarksOf(window), Marks(day, day));
        QCOMPARE(dialog.m_nCriticalLevel1, dialog.m_nCriticalLevel);
    }
}

// The second person is born on 25 April 2026; the first person's April
// boundaries fall on the 21st and the 27th.
void TestComparison::birthMonthOfOnePersonDropsEarlierMark()
{
    WindowFixture window;
    CBiorhythmDlg& dialog = window.dialog();
    Compare(window, QDate(1985, 5, 7), QDate(2026, 4, 25));
    for (int press = 0; press < 9; ++press)
        window.press(IDC_PREV_MONTH);
    QCOMPARE(window.calendar().m_nMonth, 4);
    QCOMPARE(MarksOf(window), Marks(25, 0));
    QCOMPARE(dialog.m_nCriticalLevel1, 0);

    // In the birth month the mark behind moves on past the other one.
    window.press(IDC_NEXT_DATE);
    QCOMPARE(MarksOf(window), Marks(25, 27));

    // A day studied before both marks is the earlier mark.
    window.press(IDC_CURRENT_MONTH);
    window.click(3);
    QCOMPARE(window.calendar().m_nDay, 25);

    // A month before both births: one press, one box, the later birth month.
    WindowFixture swapped;
    Compare(swapped, QDate(2026, 4, 25), QDate(1985, 5, 7));
    swapped.messages.clear();
    swapped.page(1, 1980);
    swapped.press(IDC_NEXT_MONTH);
    QCOMPARE(swapped.messages.size(), 1);
    QCOMPARE(swapped.calendar().m_nYear, 2026);
}

void TestComparison::rangeEndsEndTheSteps_data()
{
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("second");

    // Both born in the month, so the first person's mark on the 1st is
    // dropped. In December 2100 the next step brings it back and, finding
    // no later boundary, charts the same month again; January 1850 is
    // reached with the calendar's selectors and charted where it stands.
    QTest::newRow("December 2100") << QDate(2100, 12, 1) << QDate(2100, 12, 20);
    QTest::newRow("January 1850") << QDate(1850, 1, 1) << QDate(1850, 1, 20);
}

void TestComparison::rangeEndsEndTheSteps()
{
    QFETCH(QDate, first);
    QFETCH(QDate, second);

    WindowFixture window("2100-12-31");
    Compare(window, first, second);
    if (window.calendar().m_nYear != first.year())
        window.page(first.month(), first.year());
    window.press(IDC_NEXT_DATE);
    window.press(IDC_PREV_DATE);
    window.press(IDC_PREV_MONTH);
    QCOMPARE(window.calendar().m_nMonth, first.month());
    QCOMPARE(window.calendar().m_nYear, first.year());
    QCOMPARE(MarksOf(window), Marks(20, 0));
}

QTEST_MAIN(TestComparison)
#include "tst_comparison.moc"
