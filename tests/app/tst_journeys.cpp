// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmDlg.h"
#include "calendar/CalendarPanel.h"
#include "platform/MessageBox.h"
#include "res/ResourceIds.h"
#include "tests/support/ListAnswers.h"
#include "tests/support/WindowFixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QTest>


// Whole stories of use, from the window's start to its close, told through
// the mouse and the keyboard only. Each one checks what its user would see
// and leaves screenshots in the build folder to look at.

using namespace Expected;

namespace {

const QColor kSelectedCell(0, 0, 144);
const QColor kYearCurve(80, 233, 80);
const QColor kLevelMarker(153, 255, 153);
const QColor kFirstPersonCurve(255, 0, 255);
const QColor kFirstPersonMarker(255, 135, 255);
const QColor kMonthBand(5, 20, 144);
const QColor kDayLine(255, 255, 255);
const QColor kCaption(255, 204, 51);
const QColor kPhysicalCurve(0, 0, 255);
const QColor kEmotionalCurve(255, 0, 0);
const QColor kIntellectualCurve(0, 225, 0);
const QColor kIntellectualBar(0, 255, 0);

int CountPixels(const QImage& image, const QColor& colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += QColor(image.pixel(x, y)) == colour ? 1 : 0;
    }
    return count;
}

// The column of the year view's day line, white from row 26 to 98 inside
// the chart's frame; 0 for none.
int DayLineColumn(const QImage& chart)
{
    for (int x = 4; x < chart.width() - 4; ++x) {
        int white = 0;
        for (int y = 26; y < 99; ++y)
            white += QColor(chart.pixel(x, y)) == kDayLine ? 1 : 0;
        if (white > 70)
            return x;
    }
    return 0;
}

// Clicks an item of a drop-down list as a user does: opens the list, then
// clicks the item, scrolled into view.
void Choose(QComboBox& selector, const QString& item)
{
    const int row = selector.findText(item);
    QVERIFY2(row >= 0, qPrintable(item));
    QTest::mouseClick(&selector, Qt::LeftButton);
    QAbstractItemView* list = selector.view();
    QTRY_VERIFY(list->isVisible());
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    const QPoint centre = list->visualRect(index).center();
    QTest::mouseMove(list->viewport(), centre);
    // A release that soon after the opening click would count as part of it.
    QTest::qWait(QApplication::doubleClickInterval());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(selector.currentText(), item);
}

// Someone at the main window, with the mouse and the keyboard only.
class User : public WindowFixture
{
public:
    User() { QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get())); }

    // Esc closes the window, which saves the persons list.
    void close()
    {
        QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
        QVERIFY(!m_dialog->isVisible());
    }

    void restart()
    {
        close();
        reopen();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }

    // The calendar paged with its own month and year lists.
    void page(const QString& month, int year)
    {
        Choose(selector(IDC_CALENDAR_YEAR), QString::number(year));
        Choose(selector(IDC_CALENDAR_MONTH), month);
    }

    // A click on a day of the month the calendar shows; the calendar tells
    // the window through the event loop.
    void clickDay(int day)
    {
        QTest::mouseClick(&calendar(), Qt::LeftButton, {}, cell(day).center());
        QCoreApplication::sendPostedEvents(m_dialog.get(), CPostedMessage::EventType());
    }

    void enterBirth(const QString& month, int year, int day)
    {
        page(month, year);
        clickDay(day);
    }

    void press(CIconButton& button) { QTest::mouseClick(&button, Qt::LeftButton); }
    void chooseView(const QString& view) { Choose(m_dialog->m_comboRhythms, view); }
    void choosePerson(const QString& name) { Choose(m_dialog->m_comboPersons, name); }

    // The walk sped up: its ticks come one after another.
    void tickWalkToItsEnd()
    {
        finishScan();
        QVERIFY(!scanning());
    }

    // The walk on its own timer, watched to its end: the days it selected,
    // in turn.
    QList<int> watchWalk()
    {
        QList<int> days;
        QElapsedTimer clock;
        clock.start();
        while (scanning() && clock.elapsed() < 30000) {
            QTest::qWait(20);
            const int day = calendar().m_nDay;
            if (day != 0 && (days.isEmpty() || days.last() != day))
                days << day;
        }
        return days;
    }

    // Adds the entered birth date to the list under a name: the List button,
    // then the name typed and Add clicked in the List box.
    void keepInList(const QString& name)
    {
        ListAnswers answers({ AddName(name) });
        press(m_dialog->m_btnList);
    }

    QString time() const { return WindowFixture::time().trimmed(); }

    // The calendar's month and year as its lists show them.
    QString shownPage() { return selector(IDC_CALENDAR_MONTH).currentText() + u' ' + selector(IDC_CALENDAR_YEAR).currentText(); }

    // The day whose cell is filled as selected on screen; 0 for none.
    int selectedDayOnScreen()
    {
        const QImage image = calendar().grab().toImage();
        int selected = 0;
        for (int day = 1; day <= calendar().GetDaysInMonth(); ++day) {
            const QRect area = cell(day);
            if (QColor(image.pixel(area.right() - 4, area.top() + 12)) == kSelectedCell) {
                if (selected != 0)
                    return -1;
                selected = day;
            }
        }
        return selected;
    }

    // The calendar's marks of a comparison as day numbers; 0 for none shown.
    QPair<int, int> marks()
    {
        int first = 0;
        int second = 0;
        if (calendar().ShowMarks())
            calendar().GetMarkedDays(&first, &second);
        return { first, second };
    }

    QStringList views() const { return Items(m_dialog->m_comboRhythms); }
    QStringList persons() const { return Items(m_dialog->m_comboPersons); }

    // The window as it is seen, kept as a PNG under the name.
    QImage look(const QString& name)
    {
        const QImage image = m_dialog->grab().toImage();
        const QString folder = QStringLiteral(RYVANTA_JOURNEY_SHOTS "/") + QGuiApplication::platformName();
        QDir().mkpath(folder);
        image.save(folder + u'/' + name + QStringLiteral(".png"));
        return image;
    }

    // The chart's part of what is seen.
    QImage chart(const QImage& look) const
    {
        const QWidget* chart = m_dialog->GetDlgItem(IDC_CHART);
        return look.copy(chart->geometry());
    }

private:
    CColorComboBox& selector(int id) { return *qobject_cast<CColorComboBox*>(calendar().GetDlgItem(id)); }

    QRect cell(int day)
    {
        return CCalendarPanel::CellRect(calendar().CellOfDay(day)).ToQRect();
    }

};

} // namespace

class TestJourneys : public QObject
{
    Q_OBJECT

private slots:
    void walkAMonthAndStepThroughIt();
    void studyTheMonthInEachView();
    void compareTwoPersons();
    void keepAPersonAcrossARestart();
};

// Born on 3 July 1975, December 2026 holds three long-cycle boundaries: on
// the 1st at 14:07, the 19th and the 26th at 11:14; January 2027 holds two,
// on the 12th and the 23rd.
void TestJourneys::walkAMonthAndStepThroughIt()
{
    User user;
    CBiorhythmDlg& window = user.dialog();
    QCOMPARE(user.help(), kInsert);
    QCOMPARE(user.birth1(), QStringLiteral("Birth date:"));
    QCOMPARE(user.shownPage(), QStringLiteral("December 2026"));
    QCOMPARE(user.selectedDayOnScreen(), 7);
    QVERIFY(CountPixels(user.chart(user.look("start")), kCaption) > 0);

    user.enterBirth(QStringLiteral("July"), 1975, 3);
    QCOMPARE(user.birth1(), QStringLiteral("Birth date: 07.03.1975"));
    QCOMPARE(user.help(), kStartOrInsert);
    QCOMPARE(user.activeButtons(), QStringLiteral("Start PrevMonth PrevDate NextDate Insert CurrentMonth"));
    QCOMPARE(user.selectedDayOnScreen(), 3);

    // Start charts today's month and walks its boundaries, one a tick.
    const int beeps = BeepCount();
    user.press(window.m_btnStart);
    QCOMPARE(user.shownPage(), QStringLiteral("December 2026"));
    QVERIFY(user.scanning());
    QCOMPARE(user.watchWalk(), (QList<int> { 1, 19, 26, 1 }));
    QCOMPARE(BeepCount() - beeps, 4);
    QCOMPARE(user.selectedDayOnScreen(), 1);
    QCOMPARE(user.time(), QStringLiteral("(Time) 14:07"));
    QCOMPARE(user.help(), kHardEnough);
    QImage chart = user.chart(user.look("walked"));
    QVERIFY(CountPixels(chart, kYearCurve) > 100);
    QVERIFY(CountPixels(chart, kLevelMarker) > 10);

    // Date by date, into January and back.
    user.press(window.m_btnNextDate);
    QCOMPARE(user.selectedDayOnScreen(), 19);
    user.press(window.m_btnNextDate);
    QCOMPARE(user.selectedDayOnScreen(), 26);
    QCOMPARE(user.time(), QStringLiteral("(Time) 11:14"));
    QCOMPARE(user.help(), kUnfavourable);
    user.press(window.m_btnNextDate);
    QCOMPARE(user.shownPage(), QStringLiteral("January 2027"));
    QCOMPARE(user.selectedDayOnScreen(), 12);
    user.press(window.m_btnPrevDate);
    QCOMPARE(user.shownPage(), QStringLiteral("December 2026"));
    QCOMPARE(user.selectedDayOnScreen(), 26);
    user.press(window.m_btnPrevDate);
    user.press(window.m_btnPrevDate);
    QCOMPARE(user.selectedDayOnScreen(), 1);
    QCOMPARE(user.time(), QStringLiteral("(Time) 14:07"));

    // Month by month, each walked anew.
    user.press(window.m_btnNextMonth);
    QCOMPARE(user.shownPage(), QStringLiteral("January 2027"));
    user.tickWalkToItsEnd();
    QCOMPARE(user.selectedDayOnScreen(), 12);
    user.look("next-month");
    user.press(window.m_btnPrevMonth);
    QCOMPARE(user.shownPage(), QStringLiteral("December 2026"));
    user.tickWalkToItsEnd();
    QCOMPARE(user.selectedDayOnScreen(), 1);
    QCOMPARE(user.time(), QStringLiteral("(Time) 14:07"));

    user.close();
    QCOMPARE(user.messages, QStringList());
}

// Born on 7 May 1985, December 2026 holds one boundary, on the 26th.
void TestJourneys::studyTheMonthInEachView()
{
    User user;
    CBiorhythmDlg& window = user.dialog();
    user.enterBirth(QStringLiteral("May"), 1985, 7);
    user.press(window.m_btnStart);
    user.tickWalkToItsEnd();
    QCOMPARE(user.selectedDayOnScreen(), 26);

    user.chooseView(QStringLiteral("3 rhythms"));
    QCOMPARE(user.help(), kStudyMore);
    QCOMPARE(user.selectedDayOnScreen(), 0);
    QCOMPARE(user.time(), QStringLiteral("(Time)"));
    QImage chart = user.chart(user.look("rhythms"));
    for (const QColor& curve : { kPhysicalCurve, kEmotionalCurve, kIntellectualCurve })
        QVERIFY(CountPixels(chart, curve) > 100);

    // In current-month mode a click studies the day instead of taking a
    // new birth date.
    user.press(window.m_btnCurrentMonth);
    QCOMPARE(user.help(), kCurrentMonth);
    user.clickDay(10);
    QCOMPARE(user.selectedDayOnScreen(), 10);
    QCOMPARE(user.birth1(), QStringLiteral("Birth date: 05.07.1985"));
    user.look("rhythms-day");

    user.chooseView(QStringLiteral("Summary"));
    QCOMPARE(user.help(), QString());
    QVERIFY(CountPixels(user.chart(user.look("summary")), kIntellectualBar) > 100);

    // Back in the year view the month is walked again; a day studied there
    // stands in the month's band.
    user.chooseView(QStringLiteral("(Default)"));
    user.tickWalkToItsEnd();
    QCOMPARE(user.selectedDayOnScreen(), 26);
    user.press(window.m_btnCurrentMonth);
    user.clickDay(20);
    QCOMPARE(user.selectedDayOnScreen(), 20);
    chart = user.chart(user.look("year-day"));
    QVERIFY(CountPixels(chart, kMonthBand) > 1000);
    const int line = DayLineColumn(chart);
    QVERIFY(line > 0);
    user.clickDay(22);
    QCOMPARE(DayLineColumn(user.chart(user.look("year-day-22"))), line + 2);

    user.press(window.m_btnReset);
    QCOMPARE(user.help(), kInsert);
    QCOMPARE(user.birth1(), QStringLiteral("Birth date: "));
    QCOMPARE(user.shownPage(), QStringLiteral("December 2026"));
    QCOMPARE(user.selectedDayOnScreen(), 7);
    chart = user.chart(user.look("reset"));
    QVERIFY(CountPixels(chart, kCaption) > 0);
    QCOMPARE(CountPixels(chart, kMonthBand), 0);

    user.close();
    QCOMPARE(user.messages, QStringList());
}

// In December 2026 the first boundary of someone born on 3 November 1990
// falls on the 7th, of someone born on 7 May 1985 on the 26th; in January
// 2027 on the 11th and the 1st, and the latter's next ones on the 9th and
// the 31st.
void TestJourneys::compareTwoPersons()
{
    User user;
    CBiorhythmDlg& window = user.dialog();
    user.enterBirth(QStringLiteral("May"), 1985, 7);
    user.press(window.m_btnInsert);
    QCOMPARE(user.birth1(), QStringLiteral("Birth date 1: 05.07.1985"));
    QCOMPARE(user.help(), kStartOrSecond);
    QCOMPARE(user.shownPage(), QStringLiteral("December 2026"));

    user.enterBirth(QStringLiteral("November"), 1990, 3);
    QCOMPARE(user.birth2(), QStringLiteral("Birth date: 11.03.1990"));
    QCOMPARE(user.help(), kLastOrContinue);
    user.press(window.m_btnInsert);
    QCOMPARE(user.birth2(), QStringLiteral("Birth date 2: 11.03.1990"));
    QCOMPARE(user.help(), kCompareOrSecond);

    // Mark 1 is the second person's, mark 2 the first one's.
    user.press(window.m_btnCompare);
    QCOMPARE(user.help(), kUseNext);
    QCOMPARE(user.views(), QStringList { "(Default)" });
    QCOMPARE(user.marks(), qMakePair(7, 26));
    QImage chart = user.chart(user.look("compared"));
    QVERIFY(CountPixels(chart, kYearCurve) > 100);
    QVERIFY(CountPixels(chart, kFirstPersonCurve) > 100);
    QVERIFY(CountPixels(chart, kLevelMarker) > 10);
    QVERIFY(CountPixels(chart, kFirstPersonMarker) > 10);

    // Each date step moves the mark that is behind.
    user.press(window.m_btnNextDate);
    QCOMPARE(user.shownPage(), QStringLiteral("January 2027"));
    QCOMPARE(user.marks(), qMakePair(11, 1));
    user.press(window.m_btnNextDate);
    QCOMPARE(user.marks(), qMakePair(11, 9));
    user.press(window.m_btnNextDate);
    QCOMPARE(user.marks(), qMakePair(11, 31));
    user.look("compared-steps");
    user.press(window.m_btnPrevDate);
    QCOMPARE(user.marks(), qMakePair(11, 9));
    user.press(window.m_btnPrevMonth);
    QCOMPARE(user.shownPage(), QStringLiteral("December 2026"));
    QCOMPARE(user.marks(), qMakePair(7, 26));

    user.press(window.m_btnCompare);
    QCOMPARE(user.views(), (QStringList { "(Default)", "3 rhythms", "Summary" }));
    QCOMPARE(user.marks(), qMakePair(0, 0));
    QCOMPARE(CountPixels(user.chart(user.look("compared-off")), kFirstPersonCurve), 0);

    user.press(window.m_btnReset);
    QCOMPARE(user.birth1(), QStringLiteral("Birth date: "));
    QCOMPARE(user.birth2(), QStringLiteral("Birth date: "));
    QCOMPARE(user.help(), kInsert);

    user.close();
    QCOMPARE(user.messages, QStringList());
}

// Born on 3 November 1990, December 2026 holds one boundary: the 7th at
// 04:48.
void TestJourneys::keepAPersonAcrossARestart()
{
    User user;
    user.enterBirth(QStringLiteral("November"), 1990, 3);
    user.keepInList(QStringLiteral("Mira"));
    QCOMPARE(user.persons(), (QStringList { "(Name)", "Mira" }));
    // Stored before the window closes, so a crash now would lose nothing.
    QCOMPARE(StoredList(), QStringLiteral("1403111990Mira"));

    user.restart();
    QCOMPARE(user.persons(), (QStringList { "(Name)", "Mira" }));
    QCOMPARE(user.help(), kInsert);
    user.choosePerson(QStringLiteral("Mira"));
    QCOMPARE(user.birth1(), QStringLiteral("Birth date: 11.03.1990"));
    QCOMPARE(user.shownPage(), QStringLiteral("November 1990"));
    QCOMPARE(user.selectedDayOnScreen(), 3);
    QCOMPARE(user.help(), kStartOrInsert);

    user.press(user.dialog().m_btnStart);
    user.tickWalkToItsEnd();
    QCOMPARE(user.shownPage(), QStringLiteral("December 2026"));
    QCOMPARE(user.selectedDayOnScreen(), 7);
    QCOMPARE(user.time(), QStringLiteral("(Time) 04:48"));
    user.look("person-walked");

    user.choosePerson(QStringLiteral("(Name)"));
    QCOMPARE(user.help(), kInsertShort);
    QCOMPARE(user.birth1(), QStringLiteral("Birth date: "));
    QCOMPARE(user.selectedDayOnScreen(), 7);

    user.close();
    QCOMPARE(user.messages, QStringList());
}

QTEST_MAIN(TestJourneys)
#include "tst_journeys.moc"
