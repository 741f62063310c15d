// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmDlg.h"
#include "res/ResourceIds.h"
#include "tests/support/TestEnvironment.h"

#include <QTest>

namespace {

const QColor kDialogColour(219, 227, 235);

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void windowHasFixedSizeAndTitle();

    void runTimeControls_data();
    void runTimeControls();
    void onlyTheSelectorsAndDaysTakeTabFocus();

    void templateControls_data();
    void templateControls();
    void groupBoxFrames();

    void backgroundShowsDialogColour();
    void chartAreaDoesNotRepaintWindowWithoutEnd();

private:
    ScopedSettingsFolder m_settings;
};

void TestLayout::windowHasFixedSizeAndTitle()
{
    CBiorhythmDlg dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Ryvanta"));
    QCOMPARE(dialog.size(), QSize(582, 458));
    QCOMPARE(dialog.minimumSize(), QSize(582, 458));
    QCOMPARE(dialog.maximumSize(), QSize(582, 458));
    QVERIFY(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(dialog.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!dialog.windowIcon().isNull());
}

void TestLayout::runTimeControls_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("toolTip");

    // Rectangles are left, top, right, bottom; QRect takes the width.
    auto rect = [](int left, int top, int right, int bottom) { return QRect(left, top, right - left, bottom - top); };
    QTest::newRow("help line") << IDC_HELP_LINE << "CColorLabel"
                               << "        Insert date of birth into the calendar  [M-Y-D] and press \"< > \" button to start."
                               << rect(35, 410, 525, 430) << "";
    QTest::newRow("second birth date") << IDC_BIRTH2 << "CFramedLabel" << "Birth date:" << rect(410, 69, 542, 86) << "";
    QTest::newRow("tools caption") << IDC_TOOLS << "CColorLabel" << "Tools" << rect(334, 52, 363, 72) << "";
    QTest::newRow("first birth date") << IDC_BIRTH1 << "CFramedLabel" << "Birth date:" << rect(410, 47, 542, 64) << "";
    QTest::newRow("help") << IDC_HELP << "CIconButton" << "Help" << rect(464, 359, 544, 386) << "";
    QTest::newRow("list") << IDC_LIST << "CIconButton" << "List" << rect(372, 359, 452, 386) << "";
    QTest::newRow("start") << IDC_START << "CIconButton" << "Enter" << rect(185, 363, 229, 384) << " Start.";
    QTest::newRow("previous month") << IDC_PREV_MONTH << "CIconButton" << "" << rect(73, 363, 117, 384) << "Previous month";
    QTest::newRow("previous date") << IDC_PREV_DATE << "CIconButton" << "" << rect(129, 363, 173, 384) << "Previous date";
    QTest::newRow("next month") << IDC_NEXT_MONTH << "CIconButton" << "Next" << rect(297, 363, 341, 384) << "Next month";
    QTest::newRow("next date") << IDC_NEXT_DATE << "CIconButton" << "" << rect(241, 363, 285, 384) << "Next date";
    QTest::newRow("info") << IDC_INFO << "CIconButton" << "" << rect(314, 127, 346, 146)
                          << "Biorhythms info for  given day of tiredness";
    QTest::newRow("insert") << IDC_INSERT << "CIconButton" << "+" << rect(354, 75, 384, 94) << "Insert ";
    QTest::newRow("remove") << IDC_REMOVE << "CIconButton" << "-" << rect(354, 101, 384, 120) << "Remove";
    QTest::newRow("reset") << IDC_RESET << "CIconButton" << ">0<" << rect(354, 127, 384, 146) << "Reset";
    QTest::newRow("compare") << IDC_COMPARE << "CIconButton" << "C" << rect(314, 75, 344, 94) << "Compare";
    QTest::newRow("current month") << IDC_CURRENT_MONTH << "CIconButton" << "M" << rect(314, 101, 344, 120) << "Current month";
    QTest::newRow("time") << IDC_TIME << "CFramedLabel" << "(Time)" << rect(480, 19, 542, 38) << "";
}

void TestLayout::runTimeControls()
{
    QFETCH(int, id);
    QFETCH(QString, className);
    QFETCH(QString, text);
    QFETCH(QRect, rect);
    QFETCH(QString, toolTip);

    CBiorhythmDlg dialog;
    QWidget* control = dialog.GetDlgItem(id);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), &dialog);
    QCOMPARE(QString::fromLatin1(control->metaObject()->className()), className);
    QCOMPARE(GetWindowText(control), text);
    QCOMPARE(control->geometry(), rect);
    QCOMPARE(dialog.m_ToolTip.GetText(control), toolTip);
    QCOMPARE(control->toolTip(), toolTip);
}

void TestLayout::onlyTheSelectorsAndDaysTakeTabFocus()
{
    CBiorhythmDlg dialog;
    dialog.show();
    QCOMPARE(dialog.m_ToolTip.GetToolCount(), 11);
    QVERIFY(dialog.m_ToolTip.IsActive());

    // Tab walks the window's selectors, then the calendar's, then its days.
    QList<int> tabStops;
    for (QWidget* widget = dialog.nextInFocusChain(); widget != &dialog; widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(&dialog))
            tabStops << GetDlgCtrlID(widget);
    }
    QCOMPARE(tabStops, (QList<int> { IDC_PERSONS, IDC_RHYTHMS, IDC_CALENDAR_MONTH, IDC_CALENDAR_YEAR, IDC_CALENDAR_DAYS }));

    QWidget* persons = dialog.GetDlgItem(IDC_PERSONS);
    QWidget* rhythms = dialog.GetDlgItem(IDC_RHYTHMS);
    QCOMPARE(QString::fromLatin1(persons->metaObject()->className()), QStringLiteral("CColorComboBox"));
    QCOMPARE(QString::fromLatin1(rhythms->metaObject()->className()), QStringLiteral("CColorComboBox"));
    QCOMPARE(persons->pos(), QPoint(307, 18));
    QCOMPARE(persons->width(), 79);
    QCOMPARE(rhythms->pos(), QPoint(396, 18));
    QCOMPARE(rhythms->width(), 78);
    QVERIFY(persons->toolTip().isEmpty());
    QVERIFY(rhythms->toolTip().isEmpty());
}

void TestLayout::templateControls_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QRect>("rect");

    // (11, 114, 249, 89) dialog units: 16.5 -> 17, 185.25 -> 185, right
    // 390, bottom 329.875 -> 330.
    QTest::newRow("chart area") << IDC_CHART << "CStatic" << QRect(17, 185, 373, 145);
    // Placed at (283, 62) units = (424.5 -> 425, 100.75 -> 101) and sized
    // to the 120 x 234 bitmap inside a two-pixel frame.
    QTest::newRow("season picture") << IDC_SEASON_PICTURE << "CPictureStatic" << QRect(425, 101, 124, 238);
}

void TestLayout::templateControls()
{
    QFETCH(int, id);
    QFETCH(QString, className);
    QFETCH(QRect, rect);

    CBiorhythmDlg dialog;
    QWidget* control = dialog.GetDlgItem(id);
    QVERIFY(control);
    QCOMPARE(QString::fromLatin1(control->metaObject()->className()), className);
    QCOMPARE(control->geometry(), rect);
    QVERIFY(control->testAttribute(Qt::WA_OpaquePaintEvent));
}

void TestLayout::groupBoxFrames()
{
    CBiorhythmDlg dialog;
    QList<QRect> frames;
    for (const CGroupBox* box : dialog.findChildren<CGroupBox*>(Qt::FindDirectChildrenOnly))
        frames << box->geometry();
    // Message line (14, 244, 349, 22), tools (204, 26, 58, 79), inner tools
    // (216, 37, 35, 63), navigation (38, 215, 200, 27), in dialog units.
    const QList<QRect> expected {
        QRect(21, 397, 524, 35),
        QRect(306, 42, 87, 129),
        QRect(324, 60, 53, 103),
        QRect(57, 349, 300, 44),
    };
    QCOMPARE(frames, expected);
}

void TestLayout::backgroundShowsDialogColour()
{
    CBiorhythmDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QImage image = dialog.grab().toImage();
    // Right of the season picture, and between the navigation frame and the
    // List button.
    QCOMPARE(image.pixelColor(565, 200), kDialogColour);
    QCOMPARE(image.pixelColor(363, 370), kDialogColour);
    // The picture's border and the help line, which shares the window's colour.
    QCOMPARE(image.pixelColor(425, 101), QColor(0, 0, 0));
    QCOMPARE(image.pixelColor(520, 425), kDialogColour);
    // Where a pixel is more than one device pixel, the message frame's
    // bottom edge runs under the help line as it does left of it.
    for (const qreal scale : { 1.5, 2.0 }) {
        QImage scaled((QSizeF(dialog.size()) * scale).toSize(), QImage::Format_RGB32);
        scaled.setDevicePixelRatio(scale);
        dialog.render(&scaled);
        for (int y = int(428 * scale); y < int(434 * scale); ++y)
            QCOMPARE(scaled.pixelColor(int(100 * scale), y), scaled.pixelColor(int(28 * scale), y));
    }
}

void TestLayout::chartAreaDoesNotRepaintWindowWithoutEnd()
{
    CBiorhythmDlg dialog;
    int paints = 0;
    class PaintCounter : public QObject
    {
    public:
        explicit PaintCounter(int& count) : m_count(count) { }
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                ++m_count;
            return false;
        }

    private:
        int& m_count;
    } counter(paints);
    dialog.installEventFilter(&counter);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::qWait(200);
    paints = 0;
    QTest::qWait(300);
    QCOMPARE(paints, 0);

    dialog.Invalidate();
    QTest::qWait(300);
    QVERIFY(paints >= 1);
    QVERIFY(paints <= 2);
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
