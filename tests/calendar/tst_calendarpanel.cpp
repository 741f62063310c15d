// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/CalendarPanel.h"
#include "controls/ColorComboBox.h"
#include "res/ResourceIds.h"
#include "tests/support/TestEnvironment.h"

#include <QApplication>
#include <QTest>

#include <memory>
#include <tuple>

namespace {

// Stands in for the main window: counts the click notifications it receives.
class CClickReceiver : public CDialog
{
public:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CALENDAR_CLICKED && wParam == IDD_CALENDAR && lParam == 0)
            ++m_nClicks;
        return 0;
    }
    int m_nClicks = 0;
};

QPoint CellCentre(int cell)
{
    return QPoint(24 + 38 * (cell % 7) + 19, 62 + 18 * (cell / 7) + 8);
}

} // namespace

class TestCalendarPanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void createsChildWindowWithTodaySelected();

    void clickOnCellSelectsDate_data();
    void clickOnCellSelectsDate();
    void notificationArrivesOnceAfterEventsRun();
    void greyDayBeyondRangeStillNotifies();
    void clickOutsideCellsOnlyMovesFocus_data();
    void clickOutsideCellsOnlyMovesFocus();

    void userPagingDropsSelectionAndMarks();
    void pagingDropsDaysNewMonthLacks_data();
    void pagingDropsDaysNewMonthLacks();
    void outOfRangeArgumentsAreIgnored();

    void arrowsMoveFrameAcrossMonths_data();
    void arrowsMoveFrameAcrossMonths();

    void restoreSelectionUndoesClick();
    void clickInCurrentMonthModeKeepsSavedSelection();

private:
    void showMonth(int month, int year)
    {
        m_pPanel->SetYear(year);
        m_pPanel->SetMonth(month);
    }
    void click(QPoint point) { QTest::mouseClick(m_pPanel, Qt::LeftButton, Qt::NoModifier, point); }
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
    m_pParent.reset();
}

void TestCalendarPanel::createsChildWindowWithTodaySelected()
{
    QVERIFY(!m_pPanel->isWindow());
    QCOMPARE(m_pPanel->geometry(), QRect(0, 0, 305, 180));
    QCOMPARE(m_pPanel->m_nDay, 7);
    QCOMPARE(m_pPanel->m_nMonth, 12);
    QCOMPARE(m_pPanel->m_nYear, 2026);
    // 1 December 2026 is a Tuesday, so Monday the 7th opens the second week.
    QCOMPARE(m_pPanel->SelectedRect(), (CRect { 24, 80, 62, 97 }));

    CColorComboBox* month = selector(IDC_CALENDAR_MONTH);
    QCOMPARE(month->GetCount(), 12);
    QCOMPARE(month->GetLBText(month->GetCurSel()), QString("December"));
    CColorComboBox* year = selector(IDC_CALENDAR_YEAR);
    QCOMPARE(year->GetCount(), 251);
    QCOMPARE(year->GetLBText(0), QString("1850"));
    QCOMPARE(year->GetLBText(250), QString("2100"));
    QCOMPARE(year->GetLBText(year->GetCurSel()), QString("2026"));

    // Enter does nothing; Escape, also from the month list, closes the
    // window and never the panel alone.
    month->setFocus();
    QTest::keyClick(month, Qt::Key_Return);
    QVERIFY(m_pParent->isVisible());
    QTest::keyClick(month, Qt::Key_Escape);
    QVERIFY(!m_pParent->isVisible());
    QVERIFY(!m_pPanel->isHidden());
}

void TestCalendarPanel::clickOnCellSelectsDate_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("shownMonth");
    QTest::addColumn<int>("shownYear");

    // 1 February 2010 is a Monday: no grey days before it, March from cell 28.
    QTest::newRow("1st on Monday in first cell") << 2 << 2010 << 0 << 1 << 2 << 2010;
    QTest::newRow("28 February 2010 in cell 27") << 2 << 2010 << 27 << 28 << 2 << 2010;
    QTest::newRow("grey 3 March") << 2 << 2010 << 30 << 3 << 3 << 2010;
    QTest::newRow("grey 14 March in last cell") << 2 << 2010 << 41 << 14 << 3 << 2010;
    // 1 August 2010 is a Sunday: six grey July days.
    QTest::newRow("1st on Sunday in last column") << 8 << 2010 << 6 << 1 << 8 << 2010;
    QTest::newRow("grey 31 July") << 8 << 2010 << 5 << 31 << 7 << 2010;
    QTest::newRow("grey 26 July in first cell") << 8 << 2010 << 0 << 26 << 7 << 2010;
    // 1 January 2011 is a Saturday: cells 0..4 show 27..31 December 2010.
    QTest::newRow("grey December of the year before") << 1 << 2011 << 2 << 29 << 12 << 2010;
    // 1 February of 1900 is a Thursday, of 2000 a Tuesday, of 2100 a Monday.
    QTest::newRow("no 29 February 1900") << 2 << 1900 << 31 << 1 << 3 << 1900;
    QTest::newRow("29 February 2000") << 2 << 2000 << 29 << 29 << 2 << 2000;
    QTest::newRow("no 29 February 2100") << 2 << 2100 << 28 << 1 << 3 << 2100;
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
    QCOMPARE(selector(IDC_CALENDAR_MONTH)->GetCurSel(), shownMonth - 1);
    QCOMPARE(selector(IDC_CALENDAR_YEAR)->GetCurSel(), shownYear - 1850);
    QVERIFY(!m_pPanel->SelectedRect().IsRectEmpty());
}

void TestCalendarPanel::notificationArrivesOnceAfterEventsRun()
{
    showMonth(2, 2010);
    click(CellCentre(30));
    QCOMPARE(m_pParent->m_nClicks, 0);
    // 1 March 2010 is a Monday: the 3rd is the Wednesday of the first week.
    QCOMPARE(m_pPanel->SelectedRect(), (CRect { 100, 62, 138, 79 }));
    QTRY_COMPARE(m_pParent->m_nClicks, 1);
    QCoreApplication::processEvents();
    QCOMPARE(m_pParent->m_nClicks, 1);

    // A double click on the grey 3 of April pages once: its second press
    // finds the grey 1 of May under the pointer and must count for nothing.
    const QPoint april3 = CellCentre(33);
    click(april3);
    QTest::mouseDClick(m_pPanel, Qt::LeftButton, Qt::NoModifier, april3);
    QTest::mouseRelease(m_pPanel, Qt::LeftButton, Qt::NoModifier, april3);
    QCOMPARE(m_pPanel->m_nMonth, 4);
    QCOMPARE(m_pPanel->m_nDay, 3);
    QTRY_COMPARE(m_pParent->m_nClicks, 2);
    QCoreApplication::processEvents();
    QCOMPARE(m_pParent->m_nClicks, 2);
}

void TestCalendarPanel::greyDayBeyondRangeStillNotifies()
{
    // 1 December 2100 is a Wednesday, so cell 33 would be 1 January 2101;
    // 1 January 1850 is a Tuesday, so cell 0 would be 31 December 1849.
    for (auto [month, year, cell] : { std::tuple { 12, 2100, 33 }, std::tuple { 1, 1850, 0 } }) {
        showMonth(month, year);
        m_pPanel->SelectDay(15);
        const CRect selected = m_pPanel->SelectedRect();
        const int clicks = m_pParent->m_nClicks;
        click(CellCentre(cell));
        QCOMPARE(m_pPanel->m_nDay, 15);
        QCOMPARE(m_pPanel->m_nMonth, month);
        QCOMPARE(m_pPanel->m_nYear, year);
        QCOMPARE(m_pPanel->SelectedRect(), selected);
        QTRY_COMPARE(m_pParent->m_nClicks, clicks + 1);
    }
}

void TestCalendarPanel::clickOutsideCellsOnlyMovesFocus_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::newRow("gap between first and second week") << QPoint(60, 79);
    QTest::newRow("gap between fifth and sixth week") << QPoint(200, 151);
    QTest::newRow("weekday headings") << QPoint(45, 52);
    QTest::newRow("title") << QPoint(70, 28);
    QTest::newRow("below the last week") << QPoint(100, 172);
    QTest::newRow("right of the grid") << QPoint(295, 100);
}

void TestCalendarPanel::clickOutsideCellsOnlyMovesFocus()
{
    QFETCH(QPoint, point);
    QVERIFY(QTest::qWaitForWindowActive(m_pParent.get()));
    selector(IDC_CALENDAR_MONTH)->setFocus();
    QCOMPARE(QApplication::focusWidget(), selector(IDC_CALENDAR_MONTH));

    click(point);
    QCoreApplication::processEvents();
    QCOMPARE(m_pParent->m_nClicks, 0);
    QCOMPARE(m_pPanel->m_nDay, 7);
    QCOMPARE(m_pPanel->m_nMonth, 12);
    QCOMPARE(m_pPanel->SelectedRect(), (CRect { 24, 80, 62, 97 }));
    QCOMPARE(QApplication::focusWidget(), m_pParent.get());
}

void TestCalendarPanel::userPagingDropsSelectionAndMarks()
{
    int day1 = -1;
    int day2 = -1;
    m_pPanel->SetMarkedDays(3, 9, true);
    m_pPanel->SetDayWarning(true);
    m_pPanel->SaveSelection();
    // Paging from code keeps the marks and the warning but forgets the
    // remembered selection.
    m_pPanel->NextMonth(0);
    QCOMPARE(m_pPanel->m_nYear, 2027);
    QCOMPARE(m_pPanel->SavedDay(), 0);
    QVERIFY(!m_pPanel->SavedWarning());
    QVERIFY(m_pPanel->DayWarning());
    m_pPanel->GetMarkedDays(&day1, &day2);
    QCOMPARE(day1, 3);
    QCOMPARE(day2, 9);

    m_pPanel->PrevMonth(7);
    m_pPanel->SaveSelection();
    selector(IDC_CALENDAR_MONTH)->setFocus();
    QTest::keyClick(selector(IDC_CALENDAR_MONTH), Qt::Key_Up);
    QCOMPARE(m_pPanel->m_nMonth, 11);
    QCOMPARE(m_pPanel->m_nDay, 0);
    QVERIFY(m_pPanel->SelectedRect().IsRectNull());
    m_pPanel->GetMarkedDays(&day1, &day2);
    QCOMPARE(day1, 0);
    QCOMPARE(day2, 0);
    QVERIFY(m_pPanel->ShowMarks());
    QCOMPARE(m_pPanel->SavedDay(), 0);

    selector(IDC_CALENDAR_YEAR)->setFocus();
    QTest::keyClick(selector(IDC_CALENDAR_YEAR), Qt::Key_Down);
    QCOMPARE(m_pPanel->m_nYear, 2027);
    QCOMPARE(m_pPanel->m_nMonth, 11);
    QCoreApplication::processEvents();
    QCOMPARE(m_pParent->m_nClicks, 0);

    // So does a click on a grey day: 1 November 2027 is a Monday, and
    // cell 30 is the grey 1 of December.
    m_pPanel->SetMarkedDays(5, 30, true);
    click(CellCentre(30));
    QCOMPARE(m_pPanel->m_nMonth, 12);
    m_pPanel->GetMarkedDays(&day1, &day2);
    QCOMPARE(day1, 0);
    QCOMPARE(day2, 0);
    QVERIFY(m_pPanel->ShowMarks());
}

void TestCalendarPanel::pagingDropsDaysNewMonthLacks_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("expectedDay");

    QTest::newRow("31 from January to February") << 1 << 2010 << true << 31 << 0;
    QTest::newRow("29 into February 2100") << 1 << 2100 << true << 29 << 0;
    QTest::newRow("29 into February 2000") << 1 << 2000 << true << 29 << 29;
    QTest::newRow("31 from March back to February") << 3 << 2010 << false << 31 << 0;
    QTest::newRow("28 from March back to February") << 3 << 2010 << false << 28 << 28;
    QTest::newRow("negative day") << 6 << 2010 << false << -3 << 0;
}

void TestCalendarPanel::pagingDropsDaysNewMonthLacks()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(bool, forward);
    QFETCH(int, day);
    QFETCH(int, expectedDay);

    showMonth(month, year);
    forward ? m_pPanel->NextMonth(day) : m_pPanel->PrevMonth(day);
    QCOMPARE(m_pPanel->m_nDay, expectedDay);
    QCOMPARE(m_pPanel->m_nMonth, forward ? month + 1 : month - 1);
    QCOMPARE(m_pPanel->SelectedRect().IsRectNull(), expectedDay == 0);
    QCOMPARE(selector(IDC_CALENDAR_MONTH)->GetCurSel(), m_pPanel->m_nMonth - 1);
}

void TestCalendarPanel::outOfRangeArgumentsAreIgnored()
{
    showMonth(2, 2010);
    m_pPanel->SelectDay(10);
    const CRect tenth { 100, 80, 138, 97 };
    QCOMPARE(m_pPanel->SelectedRect(), tenth);
    for (int day : { -1, 29, 32 }) {
        m_pPanel->SelectDay(day);
        QCOMPARE(m_pPanel->m_nDay, 10);
        QCOMPARE(m_pPanel->SelectedRect(), tenth);
    }

    m_pPanel->SaveSelection();
    m_pPanel->SetMonth(13);
    QCOMPARE(m_pPanel->m_nMonth, 2);
    QCOMPARE(m_pPanel->m_nDay, 0);
    QCOMPARE(m_pPanel->SavedDay(), 0);
    m_pPanel->SetYear(1849);
    m_pPanel->SetYear(2101);
    QCOMPARE(m_pPanel->m_nYear, 2010);
    QCOMPARE(selector(IDC_CALENDAR_YEAR)->GetCurSel(), 2010 - 1850);
}

void TestCalendarPanel::arrowsMoveFrameAcrossMonths_data()
{
    QTest::addColumn<QDate>("selected");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QDate>("framed");
    QTest::addColumn<int>("selectedDay");
    QTest::addColumn<int>("clicks");

    QTest::newRow("down inside the month") << QDate(2026, 12, 7) << QList<int> { Qt::Key_Down } << QDate(2026, 12, 14) << 7 << 0;
    QTest::newRow("left from the 1st") << QDate(2026, 12, 1) << QList<int> { Qt::Key_Left } << QDate(2026, 11, 30) << 0 << 0;
    QTest::newRow("right from the last") << QDate(2026, 12, 31) << QList<int> { Qt::Key_Right } << QDate(2027, 1, 1) << 0 << 0;
    QTest::newRow("stops at January 1850") << QDate(1850, 2, 3) << QList<int>(60, Qt::Key_Left) << QDate(1850, 1, 1) << 0 << 0;
    QTest::newRow("up at January 1850") << QDate(1850, 1, 5) << QList<int> { Qt::Key_Up } << QDate(1850, 1, 5) << 5 << 0;
    QTest::newRow("stops at December 2100") << QDate(2100, 11, 28) << QList<int>(60, Qt::Key_Right) << QDate(2100, 12, 31) << 0 << 0;
    QTest::newRow("down at December 2100") << QDate(2100, 12, 28) << QList<int> { Qt::Key_Down } << QDate(2100, 12, 28) << 28 << 0;
    QTest::newRow("space clicks the framed day") << QDate(2026, 12, 7) << QList<int> { Qt::Key_Right, Qt::Key_Space } << QDate(2026, 12, 8) << 8 << 1;
    QTest::newRow("space after paging") << QDate(2026, 12, 31) << QList<int> { Qt::Key_Down, Qt::Key_Space } << QDate(2027, 1, 7) << 7 << 1;
}

void TestCalendarPanel::arrowsMoveFrameAcrossMonths()
{
    QFETCH(QDate, selected);
    QFETCH(QList<int>, keys);
    QFETCH(QDate, framed);
    QFETCH(int, selectedDay);
    QFETCH(int, clicks);

    QVERIFY(QTest::qWaitForWindowActive(m_pParent.get()));
    showMonth(selected.month(), selected.year());
    m_pPanel->SelectDay(selected.day());
    QWidget* grid = m_pPanel->DayGrid();
    grid->setFocus();
    for (int key : keys)
        QTest::keyClick(grid, Qt::Key(key));
    QCOMPARE(QDate(m_pPanel->m_nYear, m_pPanel->m_nMonth, m_pPanel->FrameDay()), framed);
    QCOMPARE(m_pPanel->m_nDay, selectedDay);
    QCoreApplication::processEvents();
    QCOMPARE(m_pParent->m_nClicks, clicks);
}

void TestCalendarPanel::restoreSelectionUndoesClick()
{
    showMonth(2, 2010);
    m_pPanel->SelectDay(10);
    m_pPanel->SetDayWarning(true);

    click(CellCentre(20));
    QCOMPARE(m_pPanel->m_nDay, 21);
    m_pPanel->SetDayWarning(false);

    m_pPanel->RestoreSelection();
    QCOMPARE(m_pPanel->m_nDay, 10);
    QCOMPARE(m_pPanel->SelectedRect(), (CRect { 100, 80, 138, 97 }));
    QVERIFY(m_pPanel->DayWarning());

    // While marks are shown, the marks are what is remembered.
    m_pPanel->SetMarkedDays(4, 9, true);
    m_pPanel->SelectDay(15);
    m_pPanel->SaveSelection();
    m_pPanel->SetMarkedDays(6, 6, true);

    m_pPanel->RestoreSelection();
    QCOMPARE(m_pPanel->m_nDay, 0);
    QVERIFY(m_pPanel->SelectedRect().IsRectNull());
    int day1 = 0;
    int day2 = 0;
    m_pPanel->GetMarkedDays(&day1, &day2);
    QCOMPARE(day1, 4);
    QCOMPARE(day2, 9);
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

    // A day carrying the warning is remembered all the same.
    m_pPanel->SetDayWarning(true);
    click(CellCentre(24));
    QCOMPARE(m_pPanel->SavedDay(), 21);
    QVERIFY(m_pPanel->SavedWarning());
}

QTEST_MAIN(TestCalendarPanel)
#include "tst_calendarpanel.moc"
