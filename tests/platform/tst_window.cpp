// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Window.h"
#include "res/ResourceIds.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <utility>
#include <vector>

namespace {

class CRecordingDialog : public CDialog
{
public:
    using CDialog::CDialog;

    void OnCommand(int id, int notificationCode) override { commands.push_back({ id, notificationCode }); }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        messages.push_back({ message, wParam, lParam });
        return 0;
    }
    void OnTimer(UINT_PTR id) override
    {
        ticks.push_back(id);
        if (killOnTick)
            KillTimer(id);
    }

    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<std::pair<int, int>> commands;
    std::vector<Message> messages;
    std::vector<UINT_PTR> ticks;
    bool killOnTick = false;
};

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    // Control ids and texts
    void controlWithoutIdHasIdZero();
    void getDlgItemFindsDirectAndNestedControls();
    void windowTextLivesWhereEachControlShowsIt();

    // Messages and notifications
    void postedMessagesArriveInOrderFromTheEventLoop();
    void notifyParentReachesTheNearestDialog();

    // Timers
    void timerTicksUntilKilled();
    void setTimerAgainReplacesTheRunningTimer();
    void timerCanBeKilledFromItsOwnTick();

    // Dialog units
    void dialogUnitsRoundHalfUp_data();
    void dialogUnitsRoundHalfUp();
    void dialogRectConvertsItsEdges();
};

void TestWindow::controlWithoutIdHasIdZero()
{
    QWidget widget;
    QCOMPARE(GetDlgCtrlID(&widget), 0);
    SetDlgCtrlID(&widget, IDC_CHART);
    QCOMPARE(GetDlgCtrlID(&widget), IDC_CHART);
    QCOMPARE(GetDlgCtrlID(nullptr), 0);
}

void TestWindow::getDlgItemFindsDirectAndNestedControls()
{
    CRecordingDialog dialog;
    auto* chart = new QLabel(&dialog);
    SetDlgCtrlID(chart, IDC_CHART);
    auto* panel = new QWidget(&dialog);
    auto* month = new QComboBox(panel);
    SetDlgCtrlID(month, IDC_CALENDAR_MONTH);
    // A nested control with the same id as a direct one does not hide it.
    auto* nestedTwin = new QLabel(panel);
    SetDlgCtrlID(nestedTwin, IDC_CHART);

    QCOMPARE(dialog.GetDlgItem(IDC_CHART), chart);
    QCOMPARE(dialog.GetDlgItem(IDC_CALENDAR_MONTH), month);
    QCOMPARE(dialog.GetDlgItem(4711), nullptr);
}

void TestWindow::windowTextLivesWhereEachControlShowsIt()
{
    QLabel label;
    SetWindowText(&label, QStringLiteral("        Enter the date of birth"));
    QCOMPARE(label.text(), QStringLiteral("        Enter the date of birth"));
    QPushButton button;
    SetWindowText(&button, QStringLiteral("Help"));
    QCOMPARE(button.text(), QStringLiteral("Help"));
    CDialog dialog;
    SetWindowText(&dialog, QStringLiteral("Persons"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Persons"));
    QWidget parent;
    auto* custom = new QWidget(&parent);
    QCOMPARE(GetWindowText(custom), QString());
    SetWindowText(custom, QStringLiteral("(Time) 07:45\n"));
    QCOMPARE(GetWindowText(custom), QStringLiteral("(Time) 07:45\n"));
    QCOMPARE(GetWindowText(&label), label.text());
    QCOMPARE(GetWindowText(&dialog), QStringLiteral("Persons"));

    // A drop-down list selects the item with that text, if it has one.
    QComboBox combo;
    combo.addItems({ QStringLiteral("(Default)"), QStringLiteral("3 rhythms"), QStringLiteral("Summary") });
    SetWindowText(&combo, QStringLiteral("Summary"));
    QCOMPARE(combo.currentIndex(), 2);
    QCOMPARE(GetWindowText(&combo), QStringLiteral("Summary"));
    QTest::ignoreMessage(QtWarningMsg, "platform: a drop-down list has no item \"Weekly\"");
    SetWindowText(&combo, QStringLiteral("Weekly"));
    QCOMPARE(combo.currentIndex(), 2);
}

void TestWindow::postedMessagesArriveInOrderFromTheEventLoop()
{
    CRecordingDialog dialog;
    PostMessage(&dialog, WM_CALENDAR_CLICKED, IDD_CALENDAR, 0);
    PostMessage(&dialog, WM_CALENDAR_CLICKED + 1, 2, -1);
    QVERIFY(dialog.messages.empty());
    QTRY_COMPARE(dialog.messages.size(), size_t(2));
    QCOMPARE(dialog.messages[0].message, WM_CALENDAR_CLICKED);
    QCOMPARE(dialog.messages[0].wParam, WPARAM(IDD_CALENDAR));
    QCOMPARE(dialog.messages[0].lParam, LPARAM(0));
    QCOMPARE(dialog.messages[1].message, WM_CALENDAR_CLICKED + 1);
    QCOMPARE(dialog.messages[1].lParam, LPARAM(-1));
}

void TestWindow::notifyParentReachesTheNearestDialog()
{
    CRecordingDialog main;
    auto* button = new QPushButton(&main);
    SetDlgCtrlID(button, IDC_START);
    auto* panel = new CRecordingDialog(&main);
    panel->setWindowFlags(Qt::Widget);
    auto* frame = new QWidget(panel);
    auto* month = new QComboBox(frame);
    SetDlgCtrlID(month, IDC_CALENDAR_MONTH);

    NotifyParent(button, BN_CLICKED);
    NotifyParent(month, CBN_SELENDOK);

    QCOMPARE(main.commands.size(), size_t(1));
    QCOMPARE(main.commands[0], std::make_pair(IDC_START, BN_CLICKED));
    QCOMPARE(panel->commands.size(), size_t(1));
    QCOMPARE(panel->commands[0], std::make_pair(IDC_CALENDAR_MONTH, CBN_SELENDOK));
}

void TestWindow::timerTicksUntilKilled()
{
    CRecordingDialog dialog;
    QCOMPARE(dialog.SetTimer(1, 10), UINT_PTR(1));
    QVERIFY(dialog.IsTimerRunning(1));
    QTRY_VERIFY(dialog.ticks.size() >= 3);
    QVERIFY(dialog.KillTimer(1));
    QVERIFY(!dialog.IsTimerRunning(1));
    const size_t ticks = dialog.ticks.size();
    QTest::qWait(60);
    QCOMPARE(dialog.ticks.size(), ticks);
    // A second kill finds nothing to stop.
    QVERIFY(!dialog.KillTimer(1));
    QVERIFY(!dialog.KillTimer(2));
}

void TestWindow::setTimerAgainReplacesTheRunningTimer()
{
    CRecordingDialog dialog;
    dialog.SetTimer(1, 10);
    dialog.SetTimer(1, 10000);
    QTest::qWait(80);
    QVERIFY(dialog.ticks.empty());
    QVERIFY(dialog.IsTimerRunning(1));
    // Another id runs beside it.
    dialog.SetTimer(2, 10);
    QTRY_VERIFY(!dialog.ticks.empty());
    QCOMPARE(dialog.ticks.front(), UINT_PTR(2));
    QVERIFY(dialog.IsTimerRunning(1));
}

void TestWindow::timerCanBeKilledFromItsOwnTick()
{
    CRecordingDialog dialog;
    dialog.killOnTick = true;
    dialog.SetTimer(1, 5);
    QTRY_COMPARE(dialog.ticks.size(), size_t(1));
    QTest::qWait(50);
    QCOMPARE(dialog.ticks.size(), size_t(1));
    QVERIFY(!dialog.IsTimerRunning(1));
    // And started again afterwards.
    dialog.killOnTick = false;
    dialog.SetTimer(1, 5);
    QTRY_VERIFY(dialog.ticks.size() >= 2);
}

void TestWindow::dialogUnitsRoundHalfUp_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("pixelsX");
    QTest::addColumn<int>("pixelsY");
    // x * 6 / 4 and y * 13 / 8, worked out by hand.
    QTest::newRow("zero") << 0 << 0 << 0;
    QTest::newRow("one") << 1 << 2 << 2; // 1.5 -> 2, 1.625 -> 2
    QTest::newRow("eleven") << 11 << 17 << 18; // 16.5 -> 17, 17.875 -> 18
    QTest::newRow("four") << 4 << 6 << 7; // 6.5 -> 7
    QTest::newRow("five") << 5 << 8 << 8; // 7.5 -> 8, 8.125 -> 8
    QTest::newRow("panel width 203") << 203 << 305 << 330; // 304.5 -> 305, 329.875 -> 330
    QTest::newRow("panel height 111") << 111 << 167 << 180; // 166.5 -> 167, 180.375 -> 180
    QTest::newRow("114") << 114 << 171 << 185; // 185.25 -> 185
    QTest::newRow("minus one") << -1 << -1 << -2; // -1.5 -> -1, -1.625 -> -2
}

void TestWindow::dialogUnitsRoundHalfUp()
{
    QFETCH(int, units);
    QFETCH(int, pixelsX);
    QFETCH(int, pixelsY);
    QCOMPARE(DialogUnitsToPixelsX(units), pixelsX);
    QCOMPARE(DialogUnitsToPixelsY(units), pixelsY);
}

void TestWindow::dialogRectConvertsItsEdges()
{
    // Edges at x 1 and 5 (2 and 8 pixels), y 1 and 12 (2 and 20 pixels).
    QCOMPARE(DialogUnitsToPixels(1, 1, 4, 11), QRect(2, 2, 6, 18));
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
