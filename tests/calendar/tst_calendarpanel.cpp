#include "calendar/CalendarPanel.h"
#include "controls/ColorComboBox.h"
#include "tests/support/TestEnvironment.h"

#include <QApplication>
#include <QTest>

#include <memory>

namespace {

// Stands in for the main window: counts the click notifications it receives.
class CClickReceiver : public CDialog
{
public:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CALENDAR_CLICKED) {
            ++m_nClicks;
            m_wParam = wParam;
            m_lParam = lParam;
        }
        return 0;
    }

    int m_nClicks = 0;
    WPARAM m_wParam = 0;
    LPARAM m_lParam = -1;
};

QPoint CellCentre(int cell)
{
    return QPoint(24 + 38 * (cell % 7) + 19, 62 + 18 * (cell / 7) + 8);
}

struct ShownDate {
    int day;
    int month;
    int year;
};

} // namespace

class TestCalendarPanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void createsChildWindowWithTodaySelected();
    void yearSelectorOffersEveryYearOnce();
    void enterAndEscapeKeepPanelOpen();

    void monthLengthFollowsGregorianRule_data();
    void monthLengthFollowsGregorianRule();

    void clickOnCellSelectsDate_data();
    void clickOnCellSelectsDate();
    void notificationArrivesOnceAfterEventsRun();
    void greyPreviousDayInJanuaryPagesToDecember();
    void greyDayBeyondRangeStillNotifies_data();
    void greyDayBeyondRangeStillNotifies();
    void clickOutsideCellsChangesNothing_data();
    void clickOutsideCellsChangesNothing();

    void selectorPickDropsSelectionAndMarks();
    void monthChangeKeepsMarksButForgetsSavedSelection();

    void selectDayIgnoresDaysOutsideMonth_data();
    void selectDayIgnoresDaysOutsideMonth();
    void outOfRangeMonthOrYearOnlyClears();
    void pagingDropsDaysNewMonthLacks_data();
    void pagingDropsDaysNewMonthLacks();
    void pagingStopsAtRangeEnds();

    void restoreSelectionUndoesClick();
    void restoreSelectionBringsBackMarks();
    void clickInCurrentMonthModeKeepsSavedSelection();

private:
    void showMonth(int month, int year);
    void click(QPoint point);
    ShownDate shown() const { return { m_pPanel->m_nDay, m_pPanel->m_nMonth, m_pPanel->m_nYear }; }
    CColorComboBox* selector(int id) const { return qobject_cast<CColorComboBox*>(m_pPanel->GetDlgItem(id)); }

    std::unique_ptr<CClickReceiver> m_pParent;
    CCalendarPanel* m_pPanel = nullptr;
};

void TestCalendarPanel::init()
{
    ScopedToday today("2026-12-07");
    m_pParent = std::make_unique<CClickReceiver>();
    m_pParent->resize(582, 458);
    m_pPanel = new CCalendarPanel(m_pParent.get());
    QVERIFY(m_pPanel->Create());
    m_pParent->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pParent.get()));
}

void TestCalendarPanel::cleanup()
{
    delete m_pPanel;
    m_pPanel = nullptr;
    m_pParent.reset();
}

void TestCalendarPanel::showMonth(int month, int year)
{
    m_pPanel->SetYear(year);
    m_pPanel->SetMonth(month);
}

void TestCalendarPanel::click(QPoint point)
{
    QTest::mouseClick(m_pPanel, Qt::LeftButton, Qt::NoModifier, point);
}

void TestCalendarPanel::createsChildWindowWithTodaySelected()
{
    QVERIFY(!m_pPanel->isWindow());
    QCOMPARE(m_pPanel->parentWidget(), m_pParent.get());
    QCOMPARE(m_pPanel->geometry(), QRect(0, 0, 305, 180));
    QVERIFY(m_pPanel->isVisible());

    QCOMPARE(m_pPanel->m_nDay, 7);
    QCOMPARE(m_pPanel->m_nMonth, 12);
    QCOMPARE(m_pPanel->m_nYear, 2026);
    // 1 December 2026 is a Tuesday, so Monday the 7th opens the second week.
    QCOMPARE(m_pPanel->SelectedRect(), (CRect { 24, 80, 62, 97 }));
    QVERIFY(!m_pPanel->DayWarning());
    QVERIFY(!m_pPanel->ShowMarks());
    QVERIFY(!m_pPanel->CurrentMonthMode());

    CColorComboBox* month = selector(1031);
    QVERIFY(month);
    QCOMPARE(month->GetCount(), 12);
    QCOMPARE(month->GetLBText(0), QString("January"));
    QCOMPARE(month->GetCurSel(), 11);
    QCOMPARE(month->GetLBText(month->GetCurSel()), QString("December"));
    QCOMPARE(month->geometry().topLeft(), QPoint(148, 17));
    QCOMPARE(selector(1032)->geometry().topLeft(), QPoint(240, 17));
}

void TestCalendarPanel::yearSelectorOffersEveryYearOnce()
{
    CColorComboBox* year = selector(1032);
    QVERIFY(year);
    QCOMPARE(year->GetCount(), 251);
    QCOMPARE(year->GetLBText(0), QString("1850"));
    QCOMPARE(year->GetLBText(250), QString("2100"));
    QCOMPARE(year->GetLBText(year->GetCurSel()), QString("2026"));
}

void TestCalendarPanel::enterAndEscapeKeepPanelOpen()
{
    m_pPanel->setFocus();
    QTest::keyClick(m_pPanel, Qt::Key_Escape);
    QTest::keyClick(m_pPanel, Qt::Key_Return);
    QTest::keyClick(m_pPanel, Qt::Key_Enter);
    QVERIFY(m_pPanel->isVisible());
    QVERIFY(m_pParent->isVisible());
    QCOMPARE(m_pPanel->m_nDay, 7);
}

void TestCalendarPanel::monthLengthFollowsGregorianRule_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("days");
    QTest::newRow("February 1900 is not a leap month") << 2 << 1900 << 28;
    QTest::newRow("February 2000, a 400th year") << 2 << 2000 << 29;
    QTest::newRow("February 2100 is not a leap month") << 2 << 2100 << 28;
    QTest::newRow("February 2024") << 2 << 2024 << 29;
    QTest::newRow("February 2010") << 2 << 2010 << 28;
    QTest::newRow("April") << 4 << 2010 << 30;
    QTest::newRow("December 2100") << 12 << 2100 << 31;
}

void TestCalendarPanel::monthLengthFollowsGregorianRule()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, days);
    showMonth(month, year);
    QCOMPARE(m_pPanel->GetDaysInMonth(), days);
}

void TestCalendarPanel::clickOnCellSelectsDate_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("shownMonth");
    QTest::addColumn<int>("shownYear");

    // 1 February 2010 is a Monday: no grey days before it.
    QTest::newRow("1st on Monday in first cell") << 2 << 2010 << 0 << 1 << 2 << 2010;
    QTest::newRow("28 February 2010 in cell 27") << 2 << 2010 << 27 << 28 << 2 << 2010;
    QTest::newRow("grey 1 March after February 2010") << 2 << 2010 << 28 << 1 << 3 << 2010;
    QTest::newRow("grey 3 March after February 2010") << 2 << 2010 << 30 << 3 << 3 << 2010;
    QTest::newRow("grey 14 March in last cell") << 2 << 2010 << 41 << 14 << 3 << 2010;
    // 1 August 2010 is a Sunday: six grey July days.
    QTest::newRow("1st on Sunday in last column") << 8 << 2010 << 6 << 1 << 8 << 2010;
    QTest::newRow("grey 31 July just before the 1st") << 8 << 2010 << 5 << 31 << 7 << 2010;
    QTest::newRow("grey 26 July in first cell") << 8 << 2010 << 0 << 26 << 7 << 2010;
    // 1 February 1900 is a Thursday and the month has 28 days.
    QTest::newRow("28 February 1900") << 2 << 1900 << 30 << 28 << 2 << 1900;
    QTest::newRow("no 29 February 1900") << 2 << 1900 << 31 << 1 << 3 << 1900;
    // 1 February 2000 is a Tuesday.
    QTest::newRow("29 February 2000") << 2 << 2000 << 29 << 29 << 2 << 2000;
    QTest::newRow("1 March 2000 after the leap day") << 2 << 2000 << 30 << 1 << 3 << 2000;
    // 1 February 2100 is a Monday and the month has 28 days.
    QTest::newRow("no 29 February 2100") << 2 << 2100 << 28 << 1 << 3 << 2100;
    // 1 December 2010 is a Wednesday: grey November days 29 and 30.
    QTest::newRow("grey 30 November") << 12 << 2010 << 1 << 30 << 11 << 2010;
}

void TestCalendarPanel::clickOnCellSelectsDate()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, cell);
    QFETCH(int, day);
    QFETCH(int, shownMonth);
    QFETCH(int, shownYear);

    showMonth(month, year);
    click(CellCentre(cell));

    QCOMPARE(m_pPanel->m_nDay, day);
    QCOMPARE(m_pPanel->m_nMonth, shownMonth);
    QCOMPARE(m_pPanel->m_nYear, shownYear);
    QCOMPARE(selector(1031)->GetCurSel(), shownMonth - 1);
    QCOMPARE(selector(1032)->GetCurSel(), shownYear - 1850);
    QVERIFY(!m_pPanel->SelectedRect().IsRectEmpty());
    // The selection frame lies on the cell of the selected day in the month now shown.
    const QPoint centre = m_pPanel->SelectedRect().ToQRect().center();
    showMonth(shownMonth, shownYear);
    click(centre);
    QCOMPARE(m_pPanel->m_nDay, day);
    QCOMPARE(m_pPanel->m_nMonth, shownMonth);
}

void TestCalendarPanel::notificationArrivesOnceAfterEventsRun()
{
    showMonth(2, 2010);
    QCoreApplication::processEvents();
    m_pParent->m_nClicks = 0;

    click(CellCentre(30));
    QCOMPARE(m_pParent->m_nClicks, 0);
    QCOMPARE(m_pPanel->m_nDay, 3);
    QCOMPARE(m_pPanel->m_nMonth, 3);
    // 1 March 2010 is a Monday: the 3rd is the Wednesday of the first week.
    QCOMPARE(m_pPanel->SelectedRect(), (CRect { 100, 62, 138, 79 }));

    QTRY_COMPARE(m_pParent->m_nClicks, 1);
    QCoreApplication::processEvents();
    QCOMPARE(m_pParent->m_nClicks, 1);
    QCOMPARE(m_pParent->m_wParam, WPARAM(138));
    QCOMPARE(m_pParent->m_lParam, LPARAM(0));
}

void TestCalendarPanel::greyPreviousDayInJanuaryPagesToDecember()
{
    // 1 January 2011 is a Saturday: cells 0..4 show 27..31 December 2010.
    showMonth(1, 2011);
    click(CellCentre(2));
    QCOMPARE(m_pPanel->m_nDay, 29);
    QCOMPARE(m_pPanel->m_nMonth, 12);
    QCOMPARE(m_pPanel->m_nYear, 2010);
    QCOMPARE(selector(1032)->GetLBText(selector(1032)->GetCurSel()), QString("2010"));
    QCOMPARE(selector(1031)->GetCurSel(), 11);
    QTRY_COMPARE(m_pParent->m_nClicks, 1);
}

void TestCalendarPanel::greyDayBeyondRangeStillNotifies_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("selectedDay");

    // 1 December 2100 is a Wednesday; cell 33 would be 1 January 2101.
    QTest::newRow("grey January 2101") << 12 << 2100 << 33 << 15;
    // 1 January 1850 is a Tuesday; cell 0 would be 31 December 1849.
    QTest::newRow("grey December 1849") << 1 << 1850 << 0 << 15;
}

void TestCalendarPanel::greyDayBeyondRangeStillNotifies()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, cell);
    QFETCH(int, selectedDay);

    showMonth(month, year);
    m_pPanel->SelectDay(selectedDay);
    const CRect selected = m_pPanel->SelectedRect();
    QCoreApplication::processEvents();
    m_pParent->m_nClicks = 0;

    click(CellCentre(cell));
    QCOMPARE(m_pPanel->m_nDay, selectedDay);
    QCOMPARE(m_pPanel->m_nMonth, month);
    QCOMPARE(m_pPanel->m_nYear, year);
    QCOMPARE(m_pPanel->SelectedRect(), selected);
    QTRY_COMPARE(m_pParent->m_nClicks, 1);
}

void TestCalendarPanel::clickOutsideCellsChangesNothing_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::newRow("gap between first and second week") << QPoint(60, 79);
    QTest::newRow("gap between fifth and sixth week") << QPoint(200, 151);
    QTest::newRow("weekday headings") << QPoint(45, 52);
    QTest::newRow("title") << QPoint(70, 28);
    QTest::newRow("below the last week") << QPoint(100, 172);
    QTest::newRow("left of the grid") << QPoint(10, 100);
    QTest::newRow("right of the grid") << QPoint(295, 100);
}

void TestCalendarPanel::clickOutsideCellsChangesNothing()
{
    QFETCH(QPoint, point);
    QVERIFY(QTest::qWaitForWindowActive(m_pParent.get()));
    selector(1031)->setFocus();
    QCOMPARE(QApplication::focusWidget(), selector(1031));
    QCoreApplication::processEvents();
    m_pParent->m_nClicks = 0;
    const CRect selected = m_pPanel->SelectedRect();

    click(point);
    QCoreApplication::processEvents();
    QCOMPARE(m_pParent->m_nClicks, 0);
    QCOMPARE(m_pPanel->m_nDay, 7);
    QCOMPARE(m_pPanel->m_nMonth, 12);
    QCOMPARE(m_pPanel->m_nYear, 2026);
    QCOMPARE(m_pPanel->SelectedRect(), selected);
    QCOMPARE(QApplication::focusWidget(), m_pParent.get());
}

void TestCalendarPanel::selectorPickDropsSelectionAndMarks()
{
    m_pPanel->SetMarkedDays(3, 9, true);
    m_pPanel->SelectDay(12);
    m_pPanel->SaveSelection();

    CColorComboBox* month = selector(1031);
    month->setFocus();
    QTest::keyClick(month, Qt::Key_Up);
    QCOMPARE(m_pPanel->m_nMonth, 11);
    QCOMPARE(m_pPanel->m_nYear, 2026);
    QCOMPARE(m_pPanel->m_nDay, 0);
    QVERIFY(m_pPanel->SelectedRect().IsRectNull());
    int day1 = -1;
    int day2 = -1;
    m_pPanel->GetMarkedDays(&day1, &day2);
    QCOMPARE(day1, 0);
    QCOMPARE(day2, 0);
    QVERIFY(m_pPanel->ShowMarks());
    QCOMPARE(m_pPanel->SavedDay(), 0);
    QCOMPARE(m_pPanel->SavedMarkDay2(), 0);

    m_pPanel->SetMarkedDays(4, 5, false);
    m_pPanel->SelectDay(20);
    CColorComboBox* year = selector(1032);
    year->setFocus();
    QTest::keyClick(year, Qt::Key_Down);
    QCOMPARE(m_pPanel->m_nYear, 2027);
    QCOMPARE(m_pPanel->m_nMonth, 11);
    QCOMPARE(m_pPanel->m_nDay, 0);
    m_pPanel->GetMarkedDays(&day1, &day2);
    QCOMPARE(day1, 0);
    QCOMPARE(day2, 0);
    QVERIFY(!m_pPanel->ShowMarks());

    QCoreApplication::processEvents();
    QCOMPARE(m_pParent->m_nClicks, 0);
}

void TestCalendarPanel::monthChangeKeepsMarksButForgetsSavedSelection()
{
    m_pPanel->SetDayWarning(true);
    m_pPanel->SaveSelection();
    m_pPanel->SetMarkedDays(3, 5, true);
    QCOMPARE(m_pPanel->SavedDay(), 7);
    QVERIFY(m_pPanel->SavedWarning());

    m_pPanel->NextMonth(0);
    QCOMPARE(m_pPanel->m_nMonth, 1);
    QCOMPARE(m_pPanel->m_nYear, 2027);
    QCOMPARE(m_pPanel->SavedDay(), 0);
    QVERIFY(m_pPanel->SavedRect().IsRectNull());
    QVERIFY(!m_pPanel->SavedWarning());
    QVERIFY(m_pPanel->DayWarning());
    int day1 = 0;
    int day2 = 0;
    m_pPanel->GetMarkedDays(&day1, &day2);
    QCOMPARE(day1, 3);
    QCOMPARE(day2, 5);
    QVERIFY(m_pPanel->ShowMarks());
}

void TestCalendarPanel::selectDayIgnoresDaysOutsideMonth_data()
{
    QTest::addColumn<int>("day");
    QTest::newRow("negative") << -1;
    QTest::newRow("29 February 2010") << 29;
    QTest::newRow("32") << 32;
}

void TestCalendarPanel::selectDayIgnoresDaysOutsideMonth()
{
    QFETCH(int, day);
    showMonth(2, 2010);
    m_pPanel->SelectDay(10);
    const CRect selected = m_pPanel->SelectedRect();
    QCOMPARE(selected, (CRect { 100, 80, 138, 97 }));

    m_pPanel->SelectDay(day);
    QCOMPARE(m_pPanel->m_nDay, 10);
    QCOMPARE(m_pPanel->SelectedRect(), selected);

    m_pPanel->SelectDay(0);
    QCOMPARE(m_pPanel->m_nDay, 0);
    QVERIFY(m_pPanel->SelectedRect().IsRectNull());
}

void TestCalendarPanel::outOfRangeMonthOrYearOnlyClears()
{
    showMonth(5, 2010);
    m_pPanel->SelectDay(4);
    m_pPanel->SaveSelection();

    m_pPanel->SetMonth(13);
    QCOMPARE(m_pPanel->m_nMonth, 5);
    QCOMPARE(m_pPanel->m_nDay, 0);
    QCOMPARE(m_pPanel->SavedDay(), 0);
    QCOMPARE(selector(1031)->GetCurSel(), 4);

    m_pPanel->SelectDay(4);
    m_pPanel->SetYear(1849);
    QCOMPARE(m_pPanel->m_nYear, 2010);
    QCOMPARE(m_pPanel->m_nDay, 0);
    m_pPanel->SetYear(2101);
    QCOMPARE(m_pPanel->m_nYear, 2010);
    QCOMPARE(selector(1032)->GetCurSel(), 2010 - 1850);

    m_pPanel->SetMonth(0);
    QCOMPARE(m_pPanel->m_nMonth, 5);
}

void TestCalendarPanel::pagingDropsDaysNewMonthLacks_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("expectedDay");
    QTest::addColumn<int>("expectedMonth");
    QTest::addColumn<int>("expectedYear");

    QTest::newRow("31 from January to February") << 1 << 2010 << true << 31 << 0 << 2 << 2010;
    QTest::newRow("3 from January to February") << 1 << 2010 << true << 3 << 3 << 2 << 2010;
    QTest::newRow("29 into February 2100") << 1 << 2100 << true << 29 << 0 << 2 << 2100;
    QTest::newRow("29 into February 2000") << 1 << 2000 << true << 29 << 29 << 2 << 2000;
    QTest::newRow("December to January") << 12 << 2010 << true << 31 << 31 << 1 << 2011;
    QTest::newRow("31 from March back to February") << 3 << 2010 << false << 31 << 0 << 2 << 2010;
    QTest::newRow("January back to December") << 1 << 2011 << false << 31 << 31 << 12 << 2010;
    QTest::newRow("negative day") << 6 << 2010 << false << -3 << 0 << 5 << 2010;
}

void TestCalendarPanel::pagingDropsDaysNewMonthLacks()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(bool, forward);
    QFETCH(int, day);
    QFETCH(int, expectedDay);
    QFETCH(int, expectedMonth);
    QFETCH(int, expectedYear);

    showMonth(month, year);
    if (forward)
        m_pPanel->NextMonth(day);
    else
        m_pPanel->PrevMonth(day);

    QCOMPARE(m_pPanel->m_nDay, expectedDay);
    QCOMPARE(m_pPanel->m_nMonth, expectedMonth);
    QCOMPARE(m_pPanel->m_nYear, expectedYear);
    QCOMPARE(m_pPanel->SelectedRect().IsRectNull(), expectedDay == 0);
    QCOMPARE(selector(1031)->GetCurSel(), expectedMonth - 1);
    QCOMPARE(selector(1032)->GetCurSel(), expectedYear - 1850);
}

void TestCalendarPanel::pagingStopsAtRangeEnds()
{
    showMonth(12, 2100);
    m_pPanel->SelectDay(9);
    m_pPanel->SaveSelection();
    m_pPanel->NextMonth(1);
    QCOMPARE(m_pPanel->m_nMonth, 12);
    QCOMPARE(m_pPanel->m_nYear, 2100);
    QCOMPARE(m_pPanel->m_nDay, 9);
    QCOMPARE(m_pPanel->SavedDay(), 9);

    showMonth(1, 1850);
    m_pPanel->SelectDay(2);
    m_pPanel->PrevMonth(31);
    QCOMPARE(m_pPanel->m_nMonth, 1);
    QCOMPARE(m_pPanel->m_nYear, 1850);
    QCOMPARE(m_pPanel->m_nDay, 2);
}

void TestCalendarPanel::restoreSelectionUndoesClick()
{
    showMonth(2, 2010);
    m_pPanel->SelectDay(10);
    m_pPanel->SetDayWarning(true);
    const CRect tenth = m_pPanel->SelectedRect();

    // A click remembers the selection it replaces.
    click(CellCentre(20));
    QCOMPARE(m_pPanel->m_nDay, 21);
    m_pPanel->SetDayWarning(false);

    m_pPanel->RestoreSelection();
    QCOMPARE(m_pPanel->m_nDay, 10);
    QCOMPARE(m_pPanel->SelectedRect(), tenth);
    QVERIFY(m_pPanel->DayWarning());
}

void TestCalendarPanel::restoreSelectionBringsBackMarks()
{
    showMonth(2, 2010);
    m_pPanel->SetMarkedDays(4, 9, true);
    m_pPanel->SelectDay(15);
    m_pPanel->SaveSelection();
    QCOMPARE(m_pPanel->SavedDay(), 4);
    QCOMPARE(m_pPanel->SavedMarkDay2(), 9);
    QVERIFY(m_pPanel->SavedRect().IsRectNull());

    m_pPanel->SetMarkedDays(6, 6, true);
    m_pPanel->RestoreSelection();
    QCOMPARE(m_pPanel->m_nDay, 0);
    QVERIFY(m_pPanel->SelectedRect().IsRectNull());
    int day1 = 0;
    int day2 = 0;
    m_pPanel->GetMarkedDays(&day1, &day2);
    QCOMPARE(day1, 4);
    QCOMPARE(day2, 9);
    QVERIFY(m_pPanel->ShowMarks());
}

void TestCalendarPanel::clickInCurrentMonthModeKeepsSavedSelection()
{
    showMonth(2, 2010);
    m_pPanel->SelectDay(10);
    m_pPanel->SaveSelection();
    m_pPanel->SetCurrentMonthMode(true);

    click(CellCentre(20));
    QCOMPARE(m_pPanel->m_nDay, 21);
    QCOMPARE(m_pPanel->SavedDay(), 10);

    // With the warning on the selected day the click does remember it.
    m_pPanel->SetDayWarning(true);
    click(CellCentre(24));
    QCOMPARE(m_pPanel->m_nDay, 25);
    QCOMPARE(m_pPanel->SavedDay(), 21);
    QVERIFY(m_pPanel->SavedWarning());
}

QTEST_MAIN(TestCalendarPanel)
#include "tst_calendarpanel.moc"
