#include "platform/DeviceContext.h"

#include <QImage>
#include <QPaintEvent>
#include <QTest>
#include <QWidget>

#include <memory>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
const QColor kWhite(255, 255, 255);

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
            if (image.pixelColor(x, y) != kWhite)
                bounds |= QRect(x / ratio, y / ratio, 1, 1);
        }
    }
    return bounds;
}

int CountInRow(const QImage& image, int y, const QColor& colour)
{
    int count = 0;
    for (int x = 0; x < image.width() / qRound(image.devicePixelRatio()); ++x) {
        if (Pixel(image, x, y) == colour)
            ++count;
    }
    return count;
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

} // namespace

class TestDeviceContext : public QObject
{
    Q_OBJECT

private slots:
    void ratios_data();

    // Rectangles
    void rectangleOutlineExcludesRightAndBottom_data() { ratios_data(); }
    void rectangleOutlineExcludesRightAndBottom();
    void rectangleWithNullPenFillsOneLessEachWay();
    void rectangleWithNullBrushKeepsInside();
    void widePenRectangleIsCentredOnTheEdge();
    void fillSolidRectNormalisesNegativeSizes();
    void fillSolidRectLeavesTheBackgroundColourSet();
    void draw3dRectPutsCornersInTheRightColours_data() { ratios_data(); }
    void draw3dRectPutsCornersInTheRightColours();
    void ellipseStaysInsideItsBox_data() { ratios_data(); }
    void ellipseStaysInsideItsBox();
    void roundRectStaysInsideItsBox();

    // Lines
    void lineExcludesItsLastPixel_data();
    void lineExcludesItsLastPixel();
    void shallowLineHasOnePixelPerColumn();
    void lineToMovesTheCurrentPosition();
    void widePenCoversItsWidth_data();
    void widePenCoversItsWidth();
    void dottedPenAlternates();
    void dottedPenGapsTakeTheOpaqueBackground();
    void nullPenDrawsNoLine();

    // Text
    void textExtentHeightIsTheCellHeight_data();
    void textExtentHeightIsTheCellHeight();
    void textInkLiesInsideItsCell_data() { ratios_data(); }
    void textInkLiesInsideItsCell();
    void opaqueTextFillsItsExtent();
    void transparentTextLeavesTheBackground();
    void textUsesTheTextColour();

    // Objects, clipping, pictures
    void selectObjectReturnsThePreviousObject();
    void defaultObjectsAreBlackPenWhiteBrushSystemFont();
    void clipRectProtectsEverythingOutside();
    void drawIconDrawsAtFullSize();
    void missingIconDrawsNothing();
    void drawBitmapCopiesTheWholePicture();

    // Window layers
    void windowDcDrawsIntoTheLayer();
    void layerFollowsTheWidgetSize();
    void clearWindowLayerEmptiesIt();
    void layerIsDroppedWithTheWidget();
    void paintWindowLayerComposesOverTheFace();
};

void TestDeviceContext::ratios_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("ratio 1") << qreal(1);
    QTest::newRow("ratio 2") << qreal(2);
}

void TestDeviceContext::rectangleOutlineExcludesRightAndBottom()
{
    QFETCH(qreal, ratio);
    QImage image = WhiteImage(40, 30, ratio);
    {
        CDC dc(&image);
        CPen pen(PS_SOLID, 1, kRed);
        CBrush brush(kBlue);
        dc.SelectObject(&pen);
        dc.SelectObject(&brush);
        dc.Rectangle(10, 10, 20, 15);
    }
    const QColor red = ToQColor(kRed);
    const QColor blue = ToQColor(kBlue);
    QCOMPARE(Pixel(image, 10, 10), red);
    QCOMPARE(Pixel(image, 19, 10), red);
    QCOMPARE(Pixel(image, 19, 14), red);
    QCOMPARE(Pixel(image, 10, 14), red);
    QCOMPARE(Pixel(image, 20, 12), kWhite);
    QCOMPARE(Pixel(image, 15, 15), kWhite);
    QCOMPARE(Pixel(image, 9, 12), kWhite);
    QCOMPARE(Pixel(image, 15, 9), kWhite);
    QCOMPARE(Pixel(image, 11, 11), blue);
    QCOMPARE(Pixel(image, 18, 13), blue);
}

void TestDeviceContext::rectangleWithNullPenFillsOneLessEachWay()
{
    QImage image = WhiteImage(40, 30, 1);
    {
        CDC dc(&image);
        CPen pen(PS_NULL, 1, kRed);
        CBrush brush(kBlue);
        dc.SelectObject(&pen);
        dc.SelectObject(&brush);
        dc.Rectangle(10, 10, 20, 15);
    }
    QCOMPARE(InkBounds(image), QRect(QPoint(10, 10), QPoint(18, 13)));
    QCOMPARE(Pixel(image, 10, 10), ToQColor(kBlue));
}

void TestDeviceContext::rectangleWithNullBrushKeepsInside()
{
    QImage image = WhiteImage(40, 30, 1);
    {
        CDC dc(&image);
        CBrush hollow = CBrush::Null();
        dc.SelectObject(&hollow);
        dc.Rectangle(10, 10, 20, 15);
    }
    QCOMPARE(Pixel(image, 10, 10), QColor(Qt::black));
    QCOMPARE(Pixel(image, 15, 12), kWhite);
}

void TestDeviceContext::widePenRectangleIsCentredOnTheEdge()
{
    QImage image = WhiteImage(40, 30, 1);
    {
        CDC dc(&image);
        CPen pen(PS_SOLID, 3, kRed);
        CBrush hollow = CBrush::Null();
        dc.SelectObject(&pen);
        dc.SelectObject(&hollow);
        dc.Rectangle(10, 10, 20, 20);
    }
    // Three pixels around column 10 and around column 19.
    QCOMPARE(InkBounds(image), QRect(QPoint(9, 9), QPoint(20, 20)));
    QCOMPARE(Pixel(image, 11, 15), ToQColor(kRed));
    QCOMPARE(Pixel(image, 12, 15), kWhite);
    QCOMPARE(Pixel(image, 17, 15), kWhite);
    QCOMPARE(Pixel(image, 18, 15), ToQColor(kRed));
}

void TestDeviceContext::fillSolidRectNormalisesNegativeSizes()
{
    QImage image = WhiteImage(40, 30, 1);
    {
        CDC dc(&image);
        dc.FillSolidRect(20, 20, -5, -3, kGreen);
    }
    QCOMPARE(InkBounds(image), QRect(QPoint(15, 17), QPoint(19, 19)));
}

void TestDeviceContext::fillSolidRectLeavesTheBackgroundColourSet()
{
    QImage image = WhiteImage(10, 10, 1);
    CDC dc(&image);
    dc.FillSolidRect(0, 0, 2, 2, kGreen);
    QCOMPARE(dc.GetBkColor(), kGreen);
}

void TestDeviceContext::draw3dRectPutsCornersInTheRightColours()
{
    QFETCH(qreal, ratio);
    QImage image = WhiteImage(30, 30, ratio);
    {
        CDC dc(&image);
        dc.Draw3dRect(10, 10, 6, 5, kRed, kBlue);
    }
    const QColor red = ToQColor(kRed);
    const QColor blue = ToQColor(kBlue);
    QCOMPARE(InkBounds(image), QRect(10, 10, 6, 5));
    // Top edge up to the column before the right edge.
    QCOMPARE(Pixel(image, 10, 10), red);
    QCOMPARE(Pixel(image, 14, 10), red);
    QCOMPARE(Pixel(image, 15, 10), blue);
    // Left edge up to the row above the bottom edge.
    QCOMPARE(Pixel(image, 10, 13), red);
    QCOMPARE(Pixel(image, 10, 14), blue);
    QCOMPARE(Pixel(image, 15, 14), blue);
    QCOMPARE(Pixel(image, 12, 14), blue);
    QCOMPARE(Pixel(image, 15, 12), blue);
    QCOMPARE(Pixel(image, 12, 12), kWhite);
}

void TestDeviceContext::ellipseStaysInsideItsBox()
{
    QFETCH(qreal, ratio);
    QImage image = WhiteImage(40, 30, ratio);
    {
        CDC dc(&image);
        CPen pen(PS_SOLID, 1, kRed);
        CBrush brush(kBlue);
        dc.SelectObject(&pen);
        dc.SelectObject(&brush);
        dc.Ellipse(10, 10, 30, 20);
    }
    QCOMPARE(InkBounds(image), QRect(QPoint(10, 10), QPoint(29, 19)));
    QCOMPARE(Pixel(image, 20, 15), ToQColor(kBlue));
    // The corners of the box lie outside the ellipse.
    QCOMPARE(Pixel(image, 10, 10), kWhite);
    QCOMPARE(Pixel(image, 29, 19), kWhite);
}

void TestDeviceContext::roundRectStaysInsideItsBox()
{
    QImage image = WhiteImage(40, 30, 1);
    {
        CDC dc(&image);
        CBrush brush(kYellow);
        dc.SelectObject(&brush);
        dc.RoundRect(15, 10, 35, 23, 3, 3);
    }
    QCOMPARE(InkBounds(image), QRect(QPoint(15, 10), QPoint(34, 22)));
    QCOMPARE(Pixel(image, 25, 16), ToQColor(kYellow));
    QCOMPARE(Pixel(image, 25, 10), QColor(Qt::black));
}

void TestDeviceContext::lineExcludesItsLastPixel_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QRect>("expectedInk");

    QTest::newRow("rightwards") << qreal(1) << QPoint(5, 8) << QPoint(15, 8) << QRect(QPoint(5, 8), QPoint(14, 8));
    QTest::newRow("leftwards") << qreal(1) << QPoint(15, 8) << QPoint(5, 8) << QRect(QPoint(6, 8), QPoint(15, 8));
    QTest::newRow("downwards") << qreal(1) << QPoint(7, 2) << QPoint(7, 12) << QRect(QPoint(7, 2), QPoint(7, 11));
    QTest::newRow("upwards") << qreal(1) << QPoint(7, 12) << QPoint(7, 2) << QRect(QPoint(7, 3), QPoint(7, 12));
    QTest::newRow("diagonal") << qreal(1) << QPoint(3, 3) << QPoint(9, 9) << QRect(QPoint(3, 3), QPoint(8, 8));
    QTest::newRow("rightwards at ratio 2") << qreal(2) << QPoint(5, 8) << QPoint(15, 8) << QRect(QPoint(5, 8), QPoint(14, 8));
    QTest::newRow("diagonal at ratio 2") << qreal(2) << QPoint(9, 3) << QPoint(3, 9) << QRect(QPoint(4, 3), QPoint(9, 8));
    QTest::newRow("zero length") << qreal(1) << QPoint(4, 4) << QPoint(4, 4) << QRect();
}

void TestDeviceContext::lineExcludesItsLastPixel()
{
    QFETCH(qreal, ratio);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QRect, expectedInk);
    QImage image = WhiteImage(20, 20, ratio);
    {
        CDC dc(&image);
        dc.MoveTo(from.x(), from.y());
        dc.LineTo(to.x(), to.y());
    }
    QCOMPARE(InkBounds(image), expectedInk);
    if (!expectedInk.isNull()) {
        QCOMPARE(Pixel(image, from.x(), from.y()), QColor(Qt::black));
        QCOMPARE(Pixel(image, to.x(), to.y()), kWhite);
    }
}

void TestDeviceContext::shallowLineHasOnePixelPerColumn()
{
    QImage image = WhiteImage(20, 20, 1);
    {
        CDC dc(&image);
        dc.MoveTo(2, 5);
        dc.LineTo(12, 8);
    }
    int previousRow = 5;
    for (int x = 2; x < 12; ++x) {
        int inkRows = 0;
        int row = -1;
        for (int y = 0; y < 20; ++y) {
            if (Pixel(image, x, y) != kWhite) {
                ++inkRows;
                row = y;
            }
        }
        QCOMPARE(inkRows, 1);
        QVERIFY(row >= previousRow && row <= previousRow + 1);
        previousRow = row;
    }
    QCOMPARE(InkBounds(image), QRect(QPoint(2, 5), QPoint(11, 8)));
}

void TestDeviceContext::lineToMovesTheCurrentPosition()
{
    QImage image = WhiteImage(20, 20, 1);
    {
        CDC dc(&image);
        dc.MoveTo(2, 2);
        dc.LineTo(10, 2);
        dc.LineTo(10, 10);
        QCOMPARE(dc.GetCurrentPosition().x, 10);
        QCOMPARE(dc.GetCurrentPosition().y, 10);
        const CPoint previous = dc.MoveTo(1, 1);
        QCOMPARE(previous.x, 10);
    }
    // The corner is drawn by the second line's first pixel.
    QCOMPARE(Pixel(image, 10, 2), QColor(Qt::black));
    QCOMPARE(Pixel(image, 10, 10), kWhite);
    QCOMPARE(InkBounds(image), QRect(QPoint(2, 2), QPoint(10, 9)));
}

void TestDeviceContext::widePenCoversItsWidth_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("width");
    QTest::newRow("2 pixels") << qreal(1) << 2;
    QTest::newRow("3 pixels") << qreal(1) << 3;
    QTest::newRow("2 pixels at ratio 2") << qreal(2) << 2;
    QTest::newRow("3 pixels at ratio 2") << qreal(2) << 3;
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
        dc.MoveTo(15, 2);
        dc.LineTo(15, 10);
    }
    const QColor red = ToQColor(kRed);
    int rows = 0;
    for (int y = 0; y < 30; ++y) {
        if (Pixel(image, 10, y) == red)
            ++rows;
    }
    QCOMPARE(rows, width);
    QCOMPARE(CountInRow(image, 6, red), width);
    // Centred: a 3-pixel pen spreads one pixel to each side.
    if (width == 3) {
        QCOMPARE(Pixel(image, 10, 14), red);
        QCOMPARE(Pixel(image, 10, 16), red);
        QCOMPARE(Pixel(image, 14, 6), red);
        QCOMPARE(Pixel(image, 16, 6), red);
    }
}

void TestDeviceContext::dottedPenAlternates()
{
    QImage image = WhiteImage(20, 10, 1);
    {
        CDC dc(&image);
        CPen pen(PS_DOT, 1, kGreen);
        dc.SelectObject(&pen);
        dc.SetBkMode(TRANSPARENT);
        dc.MoveTo(0, 5);
        dc.LineTo(11, 5);
    }
    for (int x = 0; x < 11; ++x)
        QCOMPARE(Pixel(image, x, 5), x % 2 == 0 ? ToQColor(kGreen) : kWhite);
    QCOMPARE(Pixel(image, 11, 5), kWhite);
}

void TestDeviceContext::dottedPenGapsTakeTheOpaqueBackground()
{
    QImage image = WhiteImage(20, 10, 1);
    {
        CDC dc(&image);
        CPen pen(PS_DOT, 1, kGreen);
        dc.SelectObject(&pen);
        dc.SetBkColor(kYellow);
        dc.MoveTo(0, 5);
        dc.LineTo(6, 5);
    }
    QCOMPARE(Pixel(image, 0, 5), ToQColor(kGreen));
    QCOMPARE(Pixel(image, 1, 5), ToQColor(kYellow));
    QCOMPARE(Pixel(image, 5, 5), ToQColor(kYellow));
    QCOMPARE(Pixel(image, 6, 5), kWhite);
}

void TestDeviceContext::nullPenDrawsNoLine()
{
    QImage image = WhiteImage(20, 10, 1);
    {
        CDC dc(&image);
        CPen pen(PS_NULL, 1, kGreen);
        dc.SelectObject(&pen);
        dc.MoveTo(0, 5);
        dc.LineTo(15, 5);
    }
    QVERIFY(InkBounds(image).isNull());
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
    QTest::newRow("Arial Cyr bold 14") << QStringLiteral("Arial Cyr") << 14 << int(FW_BOLD);
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
    QVERIFY(extent.cx > 0);
    QCOMPARE(dc.GetTextExtent(QStringLiteral("HgHg")).cx, 2 * extent.cx);
}

void TestDeviceContext::textInkLiesInsideItsCell()
{
    QFETCH(qreal, ratio);
    QImage image = WhiteImage(80, 50, ratio);
    CSize extent;
    {
        CDC dc(&image);
        CFont font;
        font.Create(QStringLiteral("Arial"), 14, FW_NORMAL);
        dc.SelectObject(&font);
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(20, 10, QStringLiteral("Hg"));
        extent = dc.GetTextExtent(QStringLiteral("Hg"));
    }
    const QRect ink = InkBounds(image);
    QVERIFY(!ink.isNull());
    QVERIFY2(ink.top() >= 10 && ink.bottom() < 10 + 14, qPrintable(QStringLiteral("ink rows %1..%2").arg(ink.top()).arg(ink.bottom())));
    QVERIFY(ink.left() >= 20 && ink.left() <= 22);
    QVERIFY(ink.right() < 20 + extent.cx + 1);
    // A capital reaches well above the middle of the cell and g below the baseline.
    QVERIFY(ink.top() <= 13);
    QVERIFY(ink.bottom() >= 10 + 11);
}

void TestDeviceContext::opaqueTextFillsItsExtent()
{
    QImage image = WhiteImage(80, 40, 1);
    CSize extent;
    {
        CDC dc(&image);
        dc.SetBkColor(kYellow);
        dc.SetBkMode(OPAQUE);
        dc.TextOut(10, 10, QStringLiteral("ab"));
        extent = dc.GetTextExtent(QStringLiteral("ab"));
    }
    QCOMPARE(InkBounds(image), QRect(10, 10, extent.cx, extent.cy));
    QCOMPARE(Pixel(image, 10, 10), ToQColor(kYellow));
    QCOMPARE(Pixel(image, 10 + extent.cx - 1, 10 + extent.cy - 1), ToQColor(kYellow));
}

void TestDeviceContext::transparentTextLeavesTheBackground()
{
    QImage image = WhiteImage(80, 40, 1);
    {
        CDC dc(&image);
        dc.FillSolidRect(0, 0, 80, 40, kGreen);
        dc.SetBkColor(kYellow);
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(10, 10, QStringLiteral("ab"));
    }
    // The top row of the cell is leading, above any letter.
    QCOMPARE(Pixel(image, 10, 10), ToQColor(kGreen));
    QCOMPARE(Pixel(image, 12, 10), ToQColor(kGreen));
}

void TestDeviceContext::textUsesTheTextColour()
{
    QImage image = WhiteImage(80, 40, 1);
    {
        CDC dc(&image);
        CFont font;
        font.Create(QStringLiteral("Arial"), 18, FW_BOLD);
        dc.SelectObject(&font);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(kRed);
        dc.TextOut(10, 10, QStringLiteral("I"));
    }
    // A bold capital I is solid in its middle, whatever the smoothing.
    bool foundRed = false;
    for (int x = 10; x < 16 && !foundRed; ++x)
        foundRed = Pixel(image, x, 18) == ToQColor(kRed);
    QVERIFY(foundRed);
}

void TestDeviceContext::selectObjectReturnsThePreviousObject()
{
    QImage image = WhiteImage(10, 10, 1);
    CDC dc(&image);
    CPen first(PS_SOLID, 1, kRed);
    CPen second(PS_SOLID, 2, kBlue);
    CPen* original = dc.SelectObject(&first);
    QVERIFY(original);
    QVERIFY(original != &first);
    QCOMPARE(dc.SelectObject(&second), &first);
    QCOMPARE(dc.SelectObject(original), &second);
    QCOMPARE(dc.SelectObject(&first), original);

    CBrush brush(kGreen);
    CBrush* originalBrush = dc.SelectObject(&brush);
    QCOMPARE(dc.SelectObject(originalBrush), &brush);

    CFont font;
    font.Create(QStringLiteral("Arial"), 12, FW_NORMAL);
    CFont* originalFont = dc.SelectObject(&font);
    QCOMPARE(dc.SelectObject(originalFont), &font);
    dc.SelectObject(&font);
    dc.SelectDefaultFont();
    QCOMPARE(dc.SelectObject(&font), originalFont);
}

void TestDeviceContext::defaultObjectsAreBlackPenWhiteBrushSystemFont()
{
    QImage image = WhiteImage(10, 10, 1);
    CDC dc(&image);
    CPen pen;
    CBrush brush;
    CPen* defaultPen = dc.SelectObject(&pen);
    CBrush* defaultBrush = dc.SelectObject(&brush);
    QCOMPARE(defaultPen->Style(), int(PS_SOLID));
    QCOMPARE(defaultPen->Width(), 1);
    QCOMPARE(defaultPen->Colour(), RGB(0, 0, 0));
    QVERIFY(!defaultBrush->IsNull());
    QCOMPARE(defaultBrush->Colour(), RGB(255, 255, 255));
    QCOMPARE(dc.GetTextExtent(QStringLiteral("Ag")).cy, 13);
    QCOMPARE(dc.GetBkMode(), int(OPAQUE));
    QCOMPARE(dc.GetTextColor(), RGB(0, 0, 0));
}

void TestDeviceContext::clipRectProtectsEverythingOutside()
{
    QImage image = WhiteImage(40, 40, 1);
    {
        CDC dc(&image);
        dc.IntersectClipRect({ 5, 5, 30, 30 });
        dc.IntersectClipRect({ 10, 0, 40, 20 });
        dc.FillSolidRect(0, 0, 40, 40, kRed);
    }
    QCOMPARE(InkBounds(image), QRect(QPoint(10, 5), QPoint(29, 19)));
}

void TestDeviceContext::drawIconDrawsAtFullSize()
{
    HICON icon = LoadIconResource(140);
    QVERIFY(!icon->IsNull());
    QImage image = WhiteImage(60, 60, 2);
    {
        CDC dc(&image);
        QVERIFY(dc.DrawIcon(10, 12, icon));
    }
    const QRect ink = InkBounds(image);
    QVERIFY(!ink.isNull());
    QVERIFY(QRect(10, 12, 32, 32).contains(ink));
}

void TestDeviceContext::missingIconDrawsNothing()
{
    HICON icon = LoadIconResource(9999);
    QVERIFY(icon->IsNull());
    QImage image = WhiteImage(40, 40, 1);
    {
        CDC dc(&image);
        QTest::ignoreMessage(QtWarningMsg, "platform: icon resource 9999 is missing");
        QVERIFY(!dc.DrawIcon(0, 0, icon));
        // Warned once only.
        QVERIFY(!dc.DrawIcon(0, 0, icon));
    }
    QVERIFY(InkBounds(image).isNull());
}

void TestDeviceContext::drawBitmapCopiesTheWholePicture()
{
    CBitmap bitmap;
    QVERIFY(bitmap.LoadBitmap(148));
    QCOMPARE(bitmap.GetSize().cx, 120);
    QCOMPARE(bitmap.GetSize().cy, 234);
    QImage image = WhiteImage(140, 250, 2);
    image.fill(Qt::black);
    {
        CDC dc(&image);
        QVERIFY(dc.DrawBitmap(5, 6, bitmap));
    }
    // Every pixel of the picture's area is covered; around it nothing changed.
    QVERIFY(image.pixelColor(2 * 5, 2 * 6) != QColor(Qt::black));
    QVERIFY(image.pixelColor(2 * 124 + 1, 2 * 239 + 1) != QColor(Qt::black));
    QCOMPARE(image.pixelColor(2 * 125, 2 * 100), QColor(Qt::black));
    QCOMPARE(image.pixelColor(2 * 60, 2 * 240), QColor(Qt::black));
}

void TestDeviceContext::windowDcDrawsIntoTheLayer()
{
    QWidget widget;
    widget.resize(50, 40);
    QVERIFY(!WindowLayer(&widget));
    {
        CWindowDC dc(&widget);
        dc.FillSolidRect(3, 4, 5, 6, kRed);
    }
    const QImage* layer = WindowLayer(&widget);
    QVERIFY(layer);
    QCOMPARE(layer->size(), QSize(50, 40) * widget.devicePixelRatioF());
    QCOMPARE(layer->pixelColor(3, 4), ToQColor(kRed));
    QCOMPARE(layer->pixelColor(8, 4).alpha(), 0);
}

void TestDeviceContext::layerFollowsTheWidgetSize()
{
    QWidget widget;
    widget.resize(50, 40);
    {
        CWindowDC dc(&widget);
        dc.FillSolidRect(0, 0, 5, 5, kRed);
    }
    widget.resize(70, 30);
    {
        CWindowDC dc(&widget);
        dc.FillSolidRect(60, 0, 5, 5, kBlue);
    }
    const QImage* layer = WindowLayer(&widget);
    QCOMPARE(layer->size(), QSize(70, 30));
    QCOMPARE(layer->pixelColor(62, 2), ToQColor(kBlue));
    // A new size starts an empty layer.
    QCOMPARE(layer->pixelColor(2, 2).alpha(), 0);
}

void TestDeviceContext::clearWindowLayerEmptiesIt()
{
    QWidget widget;
    widget.resize(20, 20);
    {
        CWindowDC dc(&widget);
        dc.FillSolidRect(0, 0, 20, 20, kRed);
    }
    ClearWindowLayer(&widget);
    const QImage* layer = WindowLayer(&widget);
    QVERIFY(layer);
    QCOMPARE(layer->pixelColor(10, 10).alpha(), 0);
}

void TestDeviceContext::layerIsDroppedWithTheWidget()
{
    auto widget = std::make_unique<QWidget>();
    widget->resize(20, 20);
    {
        CWindowDC dc(widget.get());
        dc.FillSolidRect(0, 0, 20, 20, kRed);
    }
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
    }
    const QImage face = widget.grab().toImage();
    QCOMPARE(face.pixelColor(5, 5), QColor(Qt::black));
    QCOMPARE(face.pixelColor(10, 10), ToQColor(kBlue));
    QCOMPARE(face.pixelColor(20, 20), kWhite);
}

QTEST_MAIN(TestDeviceContext)
#include "tst_devicecontext.moc"
