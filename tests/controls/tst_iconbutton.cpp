// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/IconButton.h"
#include "platform/DeviceContext.h"
#include "platform/Window.h"
#include "res/ResourceIds.h"

#include <QImage>
#include <QList>
#include <QPair>
#include <QtTest>

namespace {

constexpr QRgb kFace = qRgb(221, 230, 237);
constexpr QRgb kHighlight = qRgb(250, 253, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);

class CRecordingDialog : public CDialog
{
public:
    void OnCommand(int id, int notificationCode) override { m_commands.append({ id, notificationCode }); }
    QList<QPair<int, int>> m_commands;
    int m_nPaints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++m_nPaints;
        CDialog::paintEvent(event);
    }
};

void Prepare(CIconButton& button, int id, const QString& caption)
{
    SetDlgCtrlID(&button, id);
    SetWindowText(&button, caption);
}

QImage Draw(CIconButton& button, QSize size, bool selected)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    CDC dc(&image);
    button.DrawItem(dc, CRect { 0, 0, size.width(), size.height() }, selected);
    return image;
}

QRgb Pixel(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xff000000; }

int CountDarkPixels(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 100)
                ++count;
        }
    }
    return count;
}

} // namespace

class TestIconButton : public QObject
{
    Q_OBJECT
private slots:
    void normalLookHasThreeFramesOnTheFace();
    void pressedLookSinksTheFrameAndShiftsTheChevrons();
    void inactiveButtonIsNeverDrawnPressed();
    void litToggleShowsASunkenFrame();
    void nextMonthLooksTheSameWhenInactive();
    void captionShownOnlyForHelpAndList_data();
    void captionShownOnlyForHelpAndList();
    void clickReportsToTheDialogAndTurnsTogglesOnce_data();
    void clickReportsToTheDialogAndTurnsTogglesOnce();
    void repaintWhileHeldDoesNotTurnTheToggleAgain();
    void clickLeavesTheDialogUnpainted();
};

void TestIconButton::normalLookHasThreeFramesOnTheFace()
{
    CIconButton button;
    Prepare(button, IDC_NEXT_MONTH, "Next");
    const QImage image = Draw(button, QSize(44, 21), false);

    QCOMPARE(Pixel(image, 0, 0), qRgb(119, 136, 136));
    QCOMPARE(Pixel(image, 43, 10), kBlack);
    QCOMPARE(Pixel(image, 20, 20), kBlack);
    QCOMPARE(Pixel(image, 1, 10), kHighlight);
    QCOMPARE(Pixel(image, 2, 10), kHighlight);
    QCOMPARE(Pixel(image, 42, 10), qRgb(153, 170, 170));
    QCOMPARE(Pixel(image, 6, 15), kFace);
}

void TestIconButton::pressedLookSinksTheFrameAndShiftsTheChevrons()
{
    CIconButton button;
    Prepare(button, IDC_NEXT_DATE, "");
    const QImage normal = Draw(button, QSize(44, 21), false);
    const QImage pressed = Draw(button, QSize(44, 21), true);

    QCOMPARE(Pixel(pressed, 0, 0), qRgb(34, 34, 0));
    QCOMPARE(Pixel(pressed, 1, 1), kBlack);
    QCOMPARE(Pixel(pressed, 43, 10), kHighlight);
    QCOMPARE(Pixel(pressed, 20, 20), kHighlight);
    QCOMPARE(Pixel(pressed, 2, 10), kFace);

    // The dark stroke of the first chevron starts at (17, 4), two pixels
    // further right and down when pressed.
    QCOMPARE(Pixel(normal, 17, 4), qRgb(45, 45, 45));
    QCOMPARE(Pixel(pressed, 19, 6), qRgb(45, 45, 45));
    QCOMPARE(Pixel(pressed, 17, 4), kFace);
}

void TestIconButton::inactiveButtonIsNeverDrawnPressed()
{
    CIconButton button;
    Prepare(button, IDC_COMPARE, "C");
    button.m_bActive = false;
    const QImage normal = Draw(button, QSize(30, 19), false);
    const QImage pressed = Draw(button, QSize(30, 19), true);

    QCOMPARE(pressed, normal);
    QCOMPARE(button.m_bLit, false);
}

void TestIconButton::litToggleShowsASunkenFrame()
{
    // Large enough that the frame runs clear of the 32 x 32 picture.
    const QSize size(60, 40);
    CIconButton button;
    Prepare(button, IDC_COMPARE, "C");
    const QImage unlit = Draw(button, size, false);
    button.m_bLit = true;
    const QImage lit = Draw(button, size, false);

    QCOMPARE(Pixel(unlit, 40, 2), kHighlight);
    QCOMPARE(Pixel(unlit, 58, 35), qRgb(153, 170, 170));
    QCOMPARE(Pixel(lit, 40, 2), qRgb(136, 153, 153));
    QCOMPARE(Pixel(lit, 58, 35), kHighlight);
    QCOMPARE(Pixel(lit, 40, 0), kFace);
}

void TestIconButton::nextMonthLooksTheSameWhenInactive()
{
    CIconButton button;
    Prepare(button, IDC_NEXT_MONTH, "Next");
    const QImage active = Draw(button, QSize(44, 21), false);
    button.m_bActive = false;
    QCOMPARE(Draw(button, QSize(44, 21), false), active);

    // Its neighbour does carry the padlock when inactive.
    CIconButton nextDate;
    Prepare(nextDate, IDC_NEXT_DATE, "");
    const QImage unlocked = Draw(nextDate, QSize(44, 21), false);
    nextDate.m_bActive = false;
    QVERIFY(Draw(nextDate, QSize(44, 21), false) != unlocked);
}

void TestIconButton::captionShownOnlyForHelpAndList_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("shown");

    QTest::newRow("Help") << IDC_HELP << "Help" << true;
    QTest::newRow("List") << IDC_LIST << "List" << true;
    QTest::newRow("help in lower case") << IDC_HELP << "help" << false;
    QTest::newRow("Help with a trailing blank") << IDC_HELP << "Help " << false;
    QTest::newRow("Enter on the start button") << IDC_START << "Enter" << false;
    QTest::newRow("Next on the next-month button") << IDC_NEXT_MONTH << "Next" << false;
}

void TestIconButton::captionShownOnlyForHelpAndList()
{
    QFETCH(int, id);
    QFETCH(QString, caption);
    QFETCH(bool, shown);

    const QSize size(80, 27);
    const QRect captionArea(42, 4, 34, 19);
    CIconButton button;
    Prepare(button, id, caption);
    const QImage withCaption = Draw(button, size, false);
    Prepare(button, id, "");
    const QImage withoutCaption = Draw(button, size, false);

    if (shown) {
        QVERIFY(CountDarkPixels(withCaption, captionArea) > 20);
        QCOMPARE(CountDarkPixels(withoutCaption, captionArea), 0);
    } else {
        QCOMPARE(withCaption, withoutCaption);
    }
}

void TestIconButton::clickReportsToTheDialogAndTurnsTogglesOnce_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("active");
    QTest::addColumn<bool>("litAfterOneClick");

    QTest::newRow("compare") << IDC_COMPARE << true << true;
    QTest::newRow("current month") << IDC_CURRENT_MONTH << true << true;
    QTest::newRow("inactive compare") << IDC_COMPARE << false << false;
    QTest::newRow("insert is no toggle") << IDC_INSERT << true << false;
}

void TestIconButton::clickReportsToTheDialogAndTurnsTogglesOnce()
{
    QFETCH(int, id);
    QFETCH(bool, active);
    QFETCH(bool, litAfterOneClick);

    CRecordingDialog dialog;
    dialog.resize(100, 60);
    CIconButton button;
    button.Create("", CRect { 10, 10, 40, 29 }, &dialog, id);
    button.m_bActive = active;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(button.m_bLit, litAfterOneClick);
    QCOMPARE(dialog.m_commands, (QList<QPair<int, int>> { { id, BN_CLICKED } }));
    QVERIFY(!button.hasFocus());

    // The second half of a double click neither presses nor reports.
    QTest::mouseDClick(&button, Qt::LeftButton);
    QTest::mouseRelease(&button, Qt::LeftButton);
    QCOMPARE(button.m_bLit, litAfterOneClick);
    QCOMPARE(dialog.m_commands.size(), 1);

    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(button.m_bLit, false);
    QCOMPARE(dialog.m_commands.size(), 2);
}

void TestIconButton::repaintWhileHeldDoesNotTurnTheToggleAgain()
{
    CRecordingDialog dialog;
    dialog.resize(100, 60);
    CIconButton button;
    button.Create("C", CRect { 10, 10, 40, 29 }, &dialog, IDC_COMPARE);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QTest::mousePress(&button, Qt::LeftButton);
    QCOMPARE(button.m_bLit, true);
    button.repaint();
    QTest::mouseRelease(&button, Qt::LeftButton);
    QCOMPARE(button.m_bLit, true);
    QCOMPARE(dialog.m_commands.size(), 1);
}

void TestIconButton::clickLeavesTheDialogUnpainted()
{
    CRecordingDialog dialog;
    dialog.resize(100, 60);
    CIconButton button;
    button.Create("", CRect { 10, 10, 54, 31 }, &dialog, IDC_NEXT_MONTH);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTRY_VERIFY(dialog.m_nPaints > 0);
    QCoreApplication::processEvents();
    const int paints = dialog.m_nPaints;

    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(dialog.m_nPaints, paints);
}

QTEST_MAIN(TestIconButton)
#include "tst_iconbutton.moc"
