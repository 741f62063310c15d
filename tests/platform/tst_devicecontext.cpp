// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DeviceContext.h"
#include "res/ResourceIds.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <QWidget>

#include <functional>
#include <memory>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

using Drawing = std::function<void(CDC&)>;

struct Probe {
    int x;
    int y;
    COLORREF colour;
};
using Probes = QList<Probe>;

QImage WhiteImage(int width, int height, qreal ratio)
{
    QImage image(qRound(width * ratio), qRound(height * ratio), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

// The colour of a logical pixel; invalid when its device pixels disagree,
// which would mean the drawing is not crisp at this ratio.
QColor Pixel(const QImage& image, int x, int y)
{
    const int ratio = qRound(image.devicePixelRatio());
    const QColor first = image.pixelColor(x * ratio, y * ratio);
    for (int dy = 0; dy < ratio; ++dy) {
        for (int dx = 0; dx < ratio; ++dx) {
            if (image.pixelColor(x * ratio + dx, y * ratio + dy) != first)
                return QColor();
        }
    }
    return first;
}

// The smallest logical rectangle holding every pixel that is not white.
QRect InkBounds(const QImage& image)
{
    const int ratio = qRound(image.devicePixelRatio());
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != QColor(Qt::white))
                bounds |= QRect(x / ratio, y / ratio, 1, 1);
        }
    }
    return bounds;
}

class CLayeredWidget : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        PaintWindowLayer(this, painter);
    }
};

// Paints its whole face through a drawing context, as the calendar does.
class CFilledWidget : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        CPaintDC dc(this);
        CBrush brush(kBlue);
        dc.SelectObject(&brush);
        dc.Rectangle(0, 0, width(), height());
        dc.SelectDefaultBrush();
    }
};

} // namespace

Q_DECLARE_METATYPE(Drawing)
Q_DECLARE_METATYPE(Probes)

class TestDeviceContext : public QObject
{
    Q_OBJECT

private slots:
    // Each drawing reaches exactly the pixels it should, at ratios 1 and 2.
    void drawingCoversExactPixels_data();
    void drawingCoversExactPixels();
    void shallowLineHasOnePixelPerColumn();
    void widePenCoversItsWidth_data();
    void widePenCoversItsWidth();
    void linesOnAnImageMatchQtsOwnFill_data();
    void linesOnAnImageMatchQtsOwnFill();
    void widgetKeepsToTheRegionItRepaints();

    void textExtentHeightIsTheCellHeight_data();
    void textExtentHeightIsTheCellHeight();
    void textInkLiesInsideItsCell_data();
    void textInkLiesInsideItsCell();
    void opaqueTextFillsItsExtentTransparentDoesNot();

    void selectObjectReturnsThePreviousObject();
    void iconsAndBitmapsAreDrawnAtTheirSize();

    void windowLayerFollowsItsWidget();
    void paintWindowLayerComposesOverTheFace();
};

void TestDeviceContext::drawingCoversExactPixels_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<Drawing>("drawing");
    QTest::addColumn<QRect>("ink");
    QTest::addColumn<Probes>("probes");

    const Drawing rectangle = [](CDC& dc) {
        CPen pen(PS_SOLID, 1, kRed);
        CBrush brush(kBlue);
        dc.SelectObject(&pen);
        dc.SelectObject(&brush);
        dc.Rectangle(10, 10, 20, 15);
        dc.SelectDefaultPen();
        dc.SelectDefaultBrush();
    };
    const Probes rectangleProbes { { 10, 10, kRed }, { 19, 10, kRed }, { 19, 14, kRed }, { 10, 14, kRed }, { 11, 11, kBlue }, { 18, 13, kBlue } };
    const Drawing draw3d = [](CDC& dc) { dc.Draw3dRect(10, 10, 6, 5, kRed, kBlue); };
    // The top-left colour stops one pixel short of the far corners.
    const Probes draw3dProbes { { 10, 10, kRed }, { 14, 10, kRed }, { 15, 10, kBlue }, { 10, 13, kRed }, { 10, 14, kBlue }, { 15, 14, kBlue }, { 12, 12, kWhite } };
    const Drawing ellipse = [](CDC& dc) {
        CPen pen(PS_SOLID, 1, kRed);
        CBrush brush(kBlue);
        dc.SelectObject(&pen);
        dc.SelectObject(&brush);
        dc.Ellipse(10, 10, 30, 20);
        dc.SelectDefaultPen();
        dc.SelectDefaultBrush();
    };
    const Probes ellipseProbes { { 20, 15, kBlue }, { 10, 10, kWhite }, { 29, 19, kWhite }, { 10, 14, kRed }, { 20, 10, kRed } };
    for (qreal ratio : { 1.0, 2.0 }) {
        QTest::addRow("rectangle, ratio %g", ratio) << ratio << rectangle << QRect(10, 10, 10, 5) << rectangleProbes;
        QTest::addRow("3-D rectangle, ratio %g", ratio) << ratio << draw3d << QRect(10, 10, 6, 5) << draw3dProbes;
        QTest::addRow("ellipse, ratio %g", ratio) << ratio << ellipse << QRect(10, 10, 20, 10) << ellipseProbes;
    }

    QTest::newRow("rectangle with null pen loses a column and a row")
        << 1.0 << Drawing([](CDC& dc) {
               CPen pen(PS_NULL, 1, kRed);
               CBrush brush(kBlue);
               dc.SelectObject(&pen);
               dc.SelectObject(&brush);
               dc.Rectangle(10, 10, 20, 15);
               dc.SelectDefaultPen();
               dc.SelectDefaultBrush();
           })
        << QRect(10, 10, 9, 4) << Probes { { 10, 10, kBlue }, { 18, 13, kBlue } };
    QTest::newRow("rectangle with null brush keeps its inside")
        << 1.0 << Drawing([](CDC& dc) {
               CBrush hollow = CBrush::Null();
               dc.SelectObject(&hollow);
               dc.Rectangle(10, 10, 20, 15);
               dc.SelectDefaultBrush();
           })
        << QRect(10, 10, 10, 5) << Probes { { 10, 10, kBlack }, { 15, 12, kWhite } };
    QTest::newRow("3-pixel rectangle outline is centred on the edge")
        << 1.0 << Drawing([](CDC& dc) {
               CPen pen(PS_SOLID, 3, kRed);
               CBrush hollow = CBrush::Null();
               dc.SelectObject(&pen);
               dc.SelectObject(&hollow);
               dc.Rectangle(10, 10, 20, 20);
               dc.SelectDefaultPen();
               dc.SelectDefaultBrush();
           })
        << QRect(9, 9, 12, 12) << Probes { { 11, 15, kRed }, { 12, 15, kWhite }, { 18, 15, kRed }, { 17, 15, kWhite } };
    QTest::newRow("rounded rectangle")
        << 1.0 << Drawing([](CDC& dc) {
               CBrush brush(kYellow);
               dc.SelectObject(&brush);
               dc.RoundRect(15, 10, 35, 23, 3, 3);
               dc.SelectDefaultBrush();
           })
        << QRect(15, 10, 20, 13) << Probes { { 25, 16, kYellow }, { 25, 10, kBlack }, { 34, 16, kBlack } };
    QTest::newRow("solid fill with negative sizes")
        << 1.0 << Drawing([](CDC& dc) { dc.FillSolidRect(20, 20, -5, -3, kGreen); })
        << QRect(15, 17, 5, 3) << Probes { { 15, 17, kGreen }, { 19, 19, kGreen } };
    QTest::newRow("clip rectangles intersect")
        << 1.0 << Drawing([](CDC& dc) {
               dc.IntersectClipRect({ 5, 5, 30, 30 });
               dc.IntersectClipRect({ 10, 0, 40, 20 });
               dc.FillSolidRect(0, 0, 40, 40, kRed);
           })
        << QRect(10, 5, 20, 15) << Probes {};

    const auto line = [](int x0, int y0, int x1, int y1) {
        return Drawing([=](CDC& dc) {
            dc.MoveTo(x0, y0);
            dc.LineTo(x1, y1);
        });
    };
    // The last point of a line is never drawn.
    QTest::newRow("line rightwards") << 1.0 << line(5, 8, 15, 8) << QRect(5, 8, 10, 1) << Probes { { 5, 8, kBlack }, { 15, 8, kWhite } };
    QTest::newRow("line leftwards") << 1.0 << line(15, 8, 5, 8) << QRect(6, 8, 10, 1) << Probes { { 15, 8, kBlack }, { 5, 8, kWhite } };
    QTest::newRow("line downwards") << 1.0 << line(7, 2, 7, 12) << QRect(7, 2, 1, 10) << Probes { { 7, 12, kWhite } };
    QTest::newRow("line upwards") << 1.0 << line(7, 12, 7, 2) << QRect(7, 3, 1, 10) << Probes { { 7, 2, kWhite } };
    QTest::newRow("line diagonal") << 1.0 << line(3, 3, 9, 9) << QRect(3, 3, 6, 6) << Probes { { 5, 5, kBlack }, { 6, 5, kWhite }, { 9, 9, kWhite } };
    QTest::newRow("line rightwards, ratio 2") << 2.0 << line(5, 8, 15, 8) << QRect(5, 8, 10, 1) << Probes { { 14, 8, kBlack } };
    QTest::newRow("line diagonal, ratio 2") << 2.0 << line(9, 3, 3, 9) << QRect(4, 3, 6, 6) << Probes { { 7, 5, kBlack } };
    QTest::newRow("line of no length") << 1.0 << line(4, 4, 4, 4) << QRect() << Probes {};
    QTest::newRow("joined lines draw their corner once")
        << 1.0 << Drawing([](CDC& dc) {
               dc.MoveTo(2, 2);
               dc.LineTo(10, 2);
               dc.LineTo(10, 10);
           })
        << QRect(2, 2, 9, 8) << Probes { { 10, 2, kBlack }, { 10, 10, kWhite } };
    QTest::newRow("dotted line alternates")
        << 1.0 << Drawing([](CDC& dc) {
               CPen pen(PS_DOT, 1, kGreen);
               dc.SelectObject(&pen);
               dc.SetBkMode(TRANSPARENT);
               dc.MoveTo(0, 5);
               dc.LineTo(11, 5);
               dc.SelectDefaultPen();
           })
        << QRect(0, 5, 11, 1) << Probes { { 0, 5, kGreen }, { 1, 5, kWhite }, { 2, 5, kGreen }, { 9, 5, kWhite }, { 10, 5, kGreen } };
    QTest::newRow("dotted line gaps take the opaque background")
        << 1.0 << Drawing([](CDC& dc) {
               CPen pen(PS_DOT, 1, kGreen);
               dc.SelectObject(&pen);
               dc.SetBkColor(kYellow);
               dc.MoveTo(0, 5);
               dc.LineTo(6, 5);
               dc.SelectDefaultPen();
           })
        << QRect(0, 5, 6, 1) << Probes { { 0, 5, kGreen }, { 1, 5, kYellow }, { 5, 5, kYellow } };
}

void TestDeviceContext::drawingCoversExactPixels()
{
    QFETCH(qreal, ratio);
    QFETCH(Drawing, drawing);
    QFETCH(QRect, ink);
    QFETCH(Probes, probes);
    QImage image = WhiteImage(40, 40, ratio);
    {
        CDC dc(&image);
        drawing(dc);
    }
    QCOMPARE(InkBounds(image), ink);
    for (const Probe& probe : probes)
        QCOMPARE(Pixel(image, probe.x, probe.y), ToQColor(probe.colour));
}

void TestDeviceContext::shallowLineHasOnePixelPerColumn()
{
    QImage image = WhiteImage(20, 20, 1);
    {
        CDC dc(&image);
        dc.MoveTo(2, 5);
        dc.LineTo(12, 8);
    }
    QCOMPARE(InkBounds(image), QRect(2, 5, 10, 4));
    int previousRow = 5;
    for (int x = 2; x < 12; ++x) {
        QList<int> rows;
        for (int y = 0; y < 20; ++y) {
            if (Pixel(image, x, y) != QColor(Qt::white))
                rows.append(y);
        }
        QCOMPARE(rows.size(), 1);
        QVERIFY(rows[0] == previousRow || rows[0] == previousRow + 1);
        previousRow = rows[0];
    }
}

void TestDeviceContext::widePenCoversItsWidth_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("width");
    QTest::newRow("2 pixels") << 1.0 << 2;
    QTest::newRow("3 pixels") << 1.0 << 3;
    QTest::newRow("2 pixels, ratio 2") << 2.0 << 2;
    QTest::newRow("3 pixels, ratio 2") << 2.0 << 3;
}

void TestDeviceContext::widePenCoversItsWidth()
{
    QFETCH(qreal, ratio);
    QFETCH(int, width);
    QImage image = WhiteImage(30, 30, ratio);
    {
        CDC dc(&image);
        CPen pen(PS_SOLID, width, kRed);
        dc.SelectObject(&pen);
        dc.MoveTo(5, 15);
        dc.LineTo(25, 15);
        dc.SelectDefaultPen();
    }
    const QRect ink = InkBounds(image);
    QCOMPARE(ink.height(), width);
    // Centred on the line, and the round ends reach past both points.
    QVERIFY(ink.top() <= 15 && ink.bottom() >= 15 && ink.bottom() <= 16);
    QVERIFY(ink.left() < 5 || width == 2);
    QVERIFY(ink.right() >= 25);
    QCOMPARE(Pixel(image, 10, ink.top()), ToQColor(kRed));
    QCOMPARE(Pixel(image, 10, ink.bottom()), ToQColor(kRed));
}

// A clip keeps the painter's own fill, so a clip larger than the image
// gives the pixels lines written straight into an image must match.
void TestDeviceContext::linesOnAnImageMatchQtsOwnFill_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QPoint>("offset");
    QTest::newRow("ratio 1") << 1.0 << QPoint();
    QTest::newRow("ratio 2") << 2.0 << QPoint();
    QTest::newRow("ratio 3, shifted") << 3.0 << QPoint(7, -4);
    QTest::newRow("shifted past the top left") << 1.0 << QPoint(-6, -9);
}

void TestDeviceContext::linesOnAnImageMatchQtsOwnFill()
{
    QFETCH(qreal, ratio);
    QFETCH(QPoint, offset);
    const auto draw = [&](bool clipped) {
        QImage image = WhiteImage(30, 30, ratio);
        QPainter painter(&image);
        painter.translate(offset);
        if (clipped)
            painter.setClipRect(QRect(-100, -100, 300, 300));
        CDC dc(painter);
        CPen wide(PS_SOLID, 3, kRed);
        CPen dotted(PS_DOT, 1, kBlue);
        dc.SelectObject(&wide);
        dc.MoveTo(-2, 3);
        dc.LineTo(12, 27);
        dc.LineTo(33, 5);
        dc.SelectObject(&dotted);
        dc.MoveTo(1, 15);
        dc.LineTo(29, 16);
        dc.SelectDefaultPen();
        dc.LineTo(4, 1);
        return image;
    };
    QCOMPARE(draw(false), draw(true));
}

void TestDeviceContext::widgetKeepsToTheRegionItRepaints()
{
    CFilledWidget widget;
    widget.resize(40, 20);
    for (const qreal ratio : { 1.0, 2.0 }) {
        QImage image = WhiteImage(40, 20, ratio);
        widget.render(&image, QPoint(), QRegion(0, 0, 20, 20));
        QCOMPARE(Pixel(image, 10, 10), ToQColor(kBlue));
        QCOMPARE(InkBounds(image), QRect(0, 0, 20, 20));
    }
}

void TestDeviceContext::textExtentHeightIsTheCellHeight_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<int>("cellHeight");
    QTest::addColumn<int>("weight");
    for (int height : { 8, 10, 12, 13, 14, 15, 16, 18 }) {
        QTest::addRow("Arial %d", height) << QStringLiteral("Arial") << height << int(FW_NORMAL);
        QTest::addRow("Arial bold %d", height) << QStringLiteral("Arial") << height << int(FW_BOLD);
    }
    QTest::newRow("Courier 15") << QStringLiteral("Courier") << 15 << int(FW_NORMAL);
}

void TestDeviceContext::textExtentHeightIsTheCellHeight()
{
    QFETCH(QString, face);
    QFETCH(int, cellHeight);
    QFETCH(int, weight);
    QImage image = WhiteImage(10, 10, 1);
    CDC dc(&image);
    CFont font;
    font.Create(face, cellHeight, weight);
    dc.SelectObject(&font);
    const CSize extent = dc.GetTextExtent(QStringLiteral("Hg"));
    QCOMPARE(extent.cy, cellHeight);
    // Widths add up letter by letter, so measured texts can be laid side by side.
    QCOMPARE(dc.GetTextExtent(QStringLiteral("HgHg")).cx, 2 * extent.cx);
    dc.SelectDefaultFont();
}

void TestDeviceContext::textInkLiesInsideItsCell_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("cellHeight");
    QTest::newRow("cell 14") << 1.0 << 14;
    QTest::newRow("cell 14, ratio 2") << 2.0 << 14;
    QTest::newRow("cell 10") << 1.0 << 10;
    QTest::newRow("cell 18, ratio 2") << 2.0 << 18;
}

void TestDeviceContext::textInkLiesInsideItsCell()
{
    QFETCH(qreal, ratio);
    QFETCH(int, cellHeight);
    QImage image = WhiteImage(80, 50, ratio);
    CSize extent;
    {
        CDC dc(&image);
        CFont font;
        font.Create(QStringLiteral("Arial"), cellHeight, FW_NORMAL);
        dc.SelectObject(&font);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(kBlue);
        dc.TextOut(20, 10, QStringLiteral("Hg"));
        extent = dc.GetTextExtent(QStringLiteral("Hg"));
        dc.SelectDefaultFont();
    }
    const QRect ink = InkBounds(image);
    QVERIFY2(ink.top() >= 10 && ink.bottom() < 10 + cellHeight, qPrintable(QStringLiteral("ink rows %1..%2").arg(ink.top()).arg(ink.bottom())));
    QVERIFY(ink.left() >= 20 && ink.left() <= 22);
    QVERIFY(ink.right() <= 20 + extent.cx);
    // The capital rises to near the top of the cell, g hangs below the baseline.
    QVERIFY(ink.top() <= 10 + cellHeight / 4);
    QVERIFY(ink.bottom() >= 10 + cellHeight * 3 / 4);
    // Drawn in the text colour: somewhere the ink is nearly pure blue.
    bool foundBlue = false;
    for (int y = ink.top(); y <= ink.bottom(); ++y) {
        for (int x = ink.left(); x <= ink.right(); ++x) {
            const QColor colour = image.pixelColor(qRound(x * ratio), qRound(y * ratio));
            foundBlue = foundBlue || (colour.blue() > 200 && colour.red() < 90 && colour.green() < 90);
        }
    }
    QVERIFY(foundBlue);
}

void TestDeviceContext::opaqueTextFillsItsExtentTransparentDoesNot()
{
    QImage image = WhiteImage(80, 60, 1);
    CSize extent;
    {
        CDC dc(&image);
        dc.FillSolidRect(0, 30, 80, 30, kGreen);
        dc.SetBkColor(kYellow);
        dc.SetBkMode(OPAQUE);
        dc.TextOut(10, 10, QStringLiteral("ab"));
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(10, 40, QStringLiteral("ab"));
        extent = dc.GetTextExtent(QStringLiteral("ab"));
    }
    QCOMPARE(Pixel(image, 10, 10), ToQColor(kYellow));
    QCOMPARE(Pixel(image, 10 + extent.cx - 1, 10 + extent.cy - 1), ToQColor(kYellow));
    QCOMPARE(Pixel(image, 10 + extent.cx, 10), QColor(Qt::white));
    QCOMPARE(Pixel(image, 10, 10 + extent.cy), QColor(Qt::white));
    // The top row of the cell is leading, above any letter.
    QCOMPARE(Pixel(image, 10, 40), ToQColor(kGreen));
    QCOMPARE(Pixel(image, 12, 40), ToQColor(kGreen));
}

void TestDeviceContext::selectObjectReturnsThePreviousObject()
{
    QImage image = WhiteImage(10, 10, 1);
    CDC dc(&image);
    CPen first(PS_SOLID, 1, kRed);
    CPen second(PS_SOLID, 2, kBlue);
    CPen* original = dc.SelectObject(&first);
    QCOMPARE(original->Width(), 1);
    QCOMPARE(original->Colour(), kBlack);
    QCOMPARE(dc.SelectObject(&second), &first);
    QCOMPARE(dc.SelectObject(original), &second);
    QCOMPARE(dc.SelectObject(&first), original);

    CBrush brush(kGreen);
    CBrush* originalBrush = dc.SelectObject(&brush);
    QCOMPARE(originalBrush->Colour(), kWhite);
    QCOMPARE(dc.SelectObject(originalBrush), &brush);

    // The system font has a 13-pixel cell.
    QCOMPARE(dc.GetTextExtent(QStringLiteral("Ag")).cy, 13);
    CFont font;
    font.Create(QStringLiteral("Arial"), 16, FW_NORMAL);
    CFont* originalFont = dc.SelectObject(&font);
    QCOMPARE(dc.GetTextExtent(QStringLiteral("Ag")).cy, 16);
    QCOMPARE(dc.SelectObject(originalFont), &font);
    dc.SelectObject(&font);
    dc.SelectDefaultFont();
    QCOMPARE(dc.SelectObject(&font), originalFont);
    dc.SelectDefaultFont();
    dc.SelectDefaultPen();
}

void TestDeviceContext::iconsAndBitmapsAreDrawnAtTheirSize()
{
    CBitmap bitmap;
    QVERIFY(bitmap.LoadBitmap(IDB_SUMMER));
    QImage image = WhiteImage(200, 260, 2);
    image.fill(Qt::black);
    {
        CDC dc(&image);
        QVERIFY(dc.DrawIcon(150, 12, LoadIconResource(IDI_STATUS_WARNING)));
        QVERIFY(dc.DrawBitmap(5, 6, bitmap));
        QTest::ignoreMessage(QtWarningMsg, "platform: icon resource 9999 is missing");
        QVERIFY(!dc.DrawIcon(150, 100, LoadIconResource(9999)));
        QVERIFY(!dc.DrawIcon(150, 100, LoadIconResource(9999)));
    }
    // The 120 x 234 picture covers its area and nothing beyond.
    QVERIFY(Pixel(image, 5, 6) != QColor(Qt::black));
    QVERIFY(Pixel(image, 124, 239) != QColor(Qt::black));
    QCOMPARE(Pixel(image, 125, 100), QColor(Qt::black));
    QCOMPARE(Pixel(image, 60, 240), QColor(Qt::black));
    // The icon keeps inside its 32 x 32 square, and the missing one drew nothing.
    QRect iconInk;
    for (int y = 0; y < 260; ++y) {
        for (int x = 130; x < 200; ++x) {
            if (Pixel(image, x, y) != QColor(Qt::black))
                iconInk |= QRect(x, y, 1, 1);
        }
    }
    QVERIFY(!iconInk.isNull());
    QVERIFY(QRect(150, 12, 32, 32).contains(iconInk));
}

void TestDeviceContext::windowLayerFollowsItsWidget()
{
    auto widget = std::make_unique<QWidget>();
    widget->resize(50, 40);
    QVERIFY(!WindowLayer(widget.get()));
    {
        CWindowDC dc(widget.get());
        dc.FillSolidRect(3, 4, 5, 6, kRed);
    }
    const QImage* layer = WindowLayer(widget.get());
    QVERIFY(layer);
    QCOMPARE(layer->size(), QSize(50, 40) * widget->devicePixelRatioF());
    QCOMPARE(layer->pixelColor(3, 4), ToQColor(kRed));
    QCOMPARE(layer->pixelColor(8, 4).alpha(), 0);

    // A new size starts an empty layer of that size.
    widget->resize(70, 30);
    {
        CWindowDC dc(widget.get());
        dc.FillSolidRect(60, 0, 5, 5, kBlue);
    }
    layer = WindowLayer(widget.get());
    QCOMPARE(layer->size(), QSize(70, 30));
    QCOMPARE(layer->pixelColor(62, 2), ToQColor(kBlue));
    QCOMPARE(layer->pixelColor(4, 5).alpha(), 0);

    ClearWindowLayer(widget.get());
    QCOMPARE(WindowLayer(widget.get())->pixelColor(62, 2).alpha(), 0);

    const QWidget* address = widget.get();
    widget.reset();
    QVERIFY(!WindowLayer(address));
}

void TestDeviceContext::paintWindowLayerComposesOverTheFace()
{
    CLayeredWidget widget;
    widget.resize(40, 30);
    {
        CWindowDC dc(&widget);
        CBrush brush(kBlue);
        dc.SelectObject(&brush);
        dc.Rectangle(5, 5, 15, 15);
        dc.SelectDefaultBrush();
    }
    const QImage face = widget.grab().toImage();
    QCOMPARE(face.pixelColor(5, 5), QColor(Qt::black));
    QCOMPARE(face.pixelColor(10, 10), ToQColor(kBlue));
    QCOMPARE(face.pixelColor(20, 20), QColor(Qt::white));
}

QTEST_MAIN(TestDeviceContext)
#include "tst_devicecontext.moc"
