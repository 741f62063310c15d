// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ColorLabel.h"
#include "controls/FramedLabel.h"
#include "platform/DeviceContext.h"
#include "platform/Window.h"
#include "res/ResourceIds.h"

#include <QImage>
#include <QtTest>

namespace {

constexpr QRgb kDialogBack = qRgb(219, 227, 235);
constexpr QRgb kWhite = qRgb(255, 255, 255);

QRgb Pixel(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xff000000; }

// The darkest grey level inside the area, 255 for an empty area.
int Darkest(const QImage& image, const QRect& area)
{
    int darkest = 255;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    }
    return darkest;
}

int CountPixels(const QImage& image, const QRect& area, QRgb colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += Pixel(image, x, y) == colour;
    }
    return count;
}

QImage Render(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

} // namespace

class TestLabels : public QObject
{
    Q_OBJECT
private slots:
    void colourLabelShowsBlackTextOnTheDialogColour();
    void colourLabelLeavesOutALineCutByItsBottom();
    void colourLabelShowsWhatIsDrawnOntoIt();
    void timeFormShowsHoursAndMinutesInASmallBox();
    void timeFormShowsTheClock();
    void alternateColourGreysTheText();
    void twoPersonLabelKeepsTheYearInsideTheBox();
    void ordinaryBoxShowsOnlyItsRightAndBottomEdges();
};

void TestLabels::colourLabelShowsBlackTextOnTheDialogColour()
{
    CColorLabel label;
    label.Create("Tools", CRect { 334, 52, 363, 72 }, nullptr, IDC_TOOLS);
    const QImage image = Render(label);

    QCOMPARE(image.size(), QSize(29, 20));
    QCOMPARE(Pixel(image, 28, 19), kDialogBack);
    QCOMPARE(Pixel(image, 0, 16), kDialogBack);
    QVERIFY(Darkest(image, QRect(0, 0, 29, 14)) < 40);
}

void TestLabels::colourLabelLeavesOutALineCutByItsBottom()
{
    CColorLabel label;
    label.Create("", CRect { 35, 410, 525, 430 }, nullptr, IDC_HELP_LINE);
    // A help text some 7 % too wide is narrowed and read to its last word,
    // "comparison.", which ends near the right edge.
    SetWindowText(&label,
        "        Press \"< > \" button to study biorhythms for last date of birth or \"Insert\" to continue comparison.");
    QImage image = Render(label);
    QVERIFY(Darkest(image, QRect(0, 0, 490, 14)) < 40);
    QVERIFY(Darkest(image, QRect(460, 0, 30, 14)) < 40);
    QCOMPARE(CountPixels(image, QRect(0, 14, 490, 6), kDialogBack), 490 * 6);

    // One far too wide breaks instead, and the line cut by the bottom edge
    // is left out rather than shown as a row of stumps.
    SetWindowText(&label, QString("Press the button to study biorhythms. ").repeated(3));
    image = Render(label);
    QVERIFY(Darkest(image, QRect(0, 0, 490, 14)) < 40);
    QCOMPARE(CountPixels(image, QRect(0, 14, 490, 6), kDialogBack), 490 * 6);

    // A label repainted with no text keeps nothing of the last one.
    SetWindowText(&label, QString());
    QCOMPARE(CountPixels(Render(label), QRect(0, 0, 490, 20), kDialogBack), 490 * 20);
}

void TestLabels::colourLabelShowsWhatIsDrawnOntoIt()
{
    CColorLabel label;
    label.Create("", CRect { 35, 410, 525, 430 }, nullptr, IDC_HELP_LINE);
    {
        CWindowDC dc(&label);
        dc.FillSolidRect(4, 2, 16, 16, RGB(200, 0, 0));
    }
    QCOMPARE(Pixel(Render(label), 10, 10), qRgb(200, 0, 0));
}

void TestLabels::timeFormShowsHoursAndMinutesInASmallBox()
{
    CFramedLabel label;
    label.Create("(Time) 07:45\n", CRect { 480, 19, 542, 38 }, nullptr, IDC_TIME);
    const QImage image = Render(label);

    QCOMPARE(Pixel(image, 45, 0), qRgb(136, 136, 136));
    QCOMPARE(Pixel(image, 45, 1), qRgb(34, 34, 34));
    QCOMPARE(Pixel(image, 59, 0), qRgb(170, 170, 136));
    QCOMPARE(Pixel(image, 59, 18), qRgb(170, 170, 136));
    QCOMPARE(Pixel(image, 59, 9), kWhite);
    QVERIFY(Pixel(image, 60, 9) != kWhite);
    QVERIFY(Darkest(image, QRect(32, 2, 26, 14)) < 40);

    // The line break at the end is trimmed, not drawn.
    SetWindowText(&label, "(Time) 07:45");
    QCOMPARE(Render(label), image);
    SetWindowText(&label, "(Time) 08:45");
    QVERIFY(Render(label) != image);
}

void TestLabels::timeFormShowsTheClock()
{
    if (LoadIconResource(IDI_CLOCK)->IsNull())
        QSKIP("the clock picture is not among the resources");
    CFramedLabel label;
    label.Create("(Time)    ", CRect { 480, 19, 542, 38 }, nullptr, IDC_TIME);
    const QImage image = Render(label);
    QVERIFY(CountPixels(image, QRect(3, 3, 15, 13), kWhite) < 15 * 13);
}

void TestLabels::alternateColourGreysTheText()
{
    CFramedLabel label;
    label.Create("Birth date: 03.07.1975", CRect { 410, 47, 542, 64 }, nullptr, IDC_BIRTH1);
    const QRect text(2, 0, 120, 15);
    QVERIFY(Darkest(Render(label), text) < 40);

    label.SetAlternateColour(true);
    const QImage grey = Render(label);
    QVERIFY(qAbs(Darkest(grey, text) - 140) <= 4);
    // Repainting by itself keeps the text grey until the flag is cleared.
    QVERIFY(label.IsAlternateColour());

    label.SetAlternateColour(false);
    QVERIFY(Darkest(Render(label), text) < 40);
}

void TestLabels::twoPersonLabelKeepsTheYearInsideTheBox()
{
    CFramedLabel label;
    label.Create("Birth date 1: 03.05.1980", CRect { 410, 47, 542, 64 }, nullptr, IDC_BIRTH1);
    const QImage image = Render(label);
    int lastInk = -1;
    for (int x = 0; x < 131; ++x) {
        if (Darkest(image, QRect(x, 1, 1, 14)) < 100)
            lastInk = x;
    }
    // The last digit ends a few pixels clear of the frame (x 131) instead
    // of being cut by it.
    QVERIFY2(lastInk > 110 && lastInk < 127, qPrintable(QString::number(lastInk)));
}

void TestLabels::ordinaryBoxShowsOnlyItsRightAndBottomEdges()
{
    CFramedLabel label;
    label.Create("Birth date:", CRect { 410, 69, 542, 86 }, nullptr, IDC_BIRTH2);
    const QImage image = Render(label);

    QCOMPARE(Pixel(image, 131, 8), qRgb(170, 170, 136));
    QCOMPARE(Pixel(image, 100, 16), kWhite);
    QCOMPARE(Pixel(image, 100, 0), kWhite);
    QCOMPARE(Pixel(image, 0, 8), kWhite);
}

QTEST_MAIN(TestLabels)
#include "tst_labels.moc"
