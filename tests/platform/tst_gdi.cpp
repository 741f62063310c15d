#include "platform/Gdi.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>

class TestGdi : public QObject
{
    Q_OBJECT

private slots:
    void colourIgnoresTheHighByte();

    void faceIsSubstituted_data();
    void faceIsSubstituted();
    void substitutedFaceIsInstalled_data() { faceIsSubstituted_data(); }
    void substitutedFaceIsInstalled();

    void cellHeightFontIsTheLargestThatFits_data();
    void cellHeightFontIsTheLargestThatFits();
    void negativeHeightIsTheCharacterHeight();
    void weightAndItalicAreKept();
    void cachedFontsAreEqual();

    void wideDottedPenBecomesSolid();
    void unsupportedPenStyleIsRefused();

    void iconHandlesAreShared();
    void iconRendersAtThirtyTwoPixelsTimesTheRatio();
    void missingIconIsNull();
    void bitmapKnowsItsSize();
    void missingBitmapIsNull();
};

void TestGdi::colourIgnoresTheHighByte()
{
    QCOMPARE(ToQColor(0x80336699u), QColor(0x99, 0x66, 0x33));
    QCOMPARE(ToQColor(RGB(255, 204, 51)), QColor(255, 204, 51));
    QCOMPARE(ToQColor(RGB(255, 204, 51) | 0x80000000u), QColor(255, 204, 51));
}

void TestGdi::faceIsSubstituted_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("family");
    QTest::newRow("Arial") << QStringLiteral("Arial") << QStringLiteral("Liberation Sans");
    QTest::newRow("Arial Cyr") << QStringLiteral("Arial Cyr") << QStringLiteral("Liberation Sans");
    QTest::newRow("MS Sans Serif") << QStringLiteral("MS Sans Serif") << QStringLiteral("Liberation Sans");
    QTest::newRow("_sans") << QStringLiteral("_sans") << QStringLiteral("Liberation Sans");
    QTest::newRow("Geneva") << QStringLiteral("Geneva") << QStringLiteral("Liberation Sans");
    QTest::newRow("Helvetica") << QStringLiteral("Helvetica") << QStringLiteral("Liberation Sans");
    QTest::newRow("Courier") << QStringLiteral("Courier") << QStringLiteral("Liberation Mono");
    QTest::newRow("Courier New") << QStringLiteral("Courier New") << QStringLiteral("Liberation Mono");
    QTest::newRow("other case") << QStringLiteral("COURIER") << QStringLiteral("Liberation Mono");
    QTest::newRow("unknown face") << QStringLiteral("Wingdings") << QStringLiteral("Liberation Sans");
    QTest::newRow("empty face") << QStringLiteral("") << QStringLiteral("Liberation Sans");
}

void TestGdi::faceIsSubstituted()
{
    QFETCH(QString, face);
    QFETCH(QString, family);
    QCOMPARE(SubstituteFace(face), family);
}

void TestGdi::substitutedFaceIsInstalled()
{
    QFETCH(QString, face);
    QFETCH(QString, family);
    const QFont font = FontForCellHeight(face, 14, FW_NORMAL, false);
    QCOMPARE(QFontInfo(font).family(), family);
}

void TestGdi::cellHeightFontIsTheLargestThatFits_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<int>("cellHeight");
    QTest::addColumn<int>("weight");
    for (int height : { 8, 10, 12, 13, 14, 15, 16, 18, 30 }) {
        QTest::addRow("Arial %d", height) << QStringLiteral("Arial") << height << int(FW_NORMAL);
        QTest::addRow("Arial bold %d", height) << QStringLiteral("Arial") << height << int(FW_BOLD);
    }
    QTest::newRow("Courier 15") << QStringLiteral("Courier") << 15 << int(FW_NORMAL);
}

void TestGdi::cellHeightFontIsTheLargestThatFits()
{
    QFETCH(QString, face);
    QFETCH(int, cellHeight);
    QFETCH(int, weight);
    QFont font = FontForCellHeight(face, cellHeight, weight, false);
    QVERIFY(font.pixelSize() > 0);
    const QFontMetrics metrics(font);
    QVERIFY(metrics.ascent() + metrics.descent() <= cellHeight);
    // One pixel more would no longer fit.
    font.setPixelSize(font.pixelSize() + 1);
    const QFontMetrics larger(font);
    QVERIFY(larger.ascent() + larger.descent() > cellHeight);

    CFont created;
    QVERIFY(created.Create(face, cellHeight, weight));
    QCOMPARE(created.CellHeight(), cellHeight);
    QVERIFY(created.Ascent() >= metrics.ascent());
    QCOMPARE(created.Ascent() + metrics.descent(), cellHeight);
}

void TestGdi::negativeHeightIsTheCharacterHeight()
{
    CFont font;
    font.CreateFont(-11, 0, 0, 0, FW_NORMAL, false, false, false, 0, 0, 0, 0, 0x20, QStringLiteral("Arial"));
    QCOMPARE(font.ToQFont().pixelSize(), 11);
    const QFontMetrics metrics(font.ToQFont());
    QCOMPARE(font.CellHeight(), metrics.ascent() + metrics.descent());
}

void TestGdi::weightAndItalicAreKept()
{
    CFont font;
    font.CreateFont(18, 0, 0, 0, FW_BOLD, true, false, false, 0, 0, 0, 0, 0x20, QStringLiteral("Arial"));
    QCOMPARE(font.ToQFont().weight(), QFont::Bold);
    QVERIFY(font.ToQFont().italic());
    QCOMPARE(QFontInfo(font.ToQFont()).family(), QStringLiteral("Liberation Sans"));

    CFont plain;
    plain.Create(QStringLiteral("Arial"), 18, FW_NORMAL);
    QCOMPARE(plain.ToQFont().weight(), QFont::Normal);
    QVERIFY(!plain.ToQFont().italic());
}

void TestGdi::cachedFontsAreEqual()
{
    const QFont first = FontForCellHeight(QStringLiteral("Arial"), 14, FW_BOLD, false);
    const QFont second = FontForCellHeight(QStringLiteral("Arial Cyr"), 14, FW_BOLD, false);
    QCOMPARE(first, second);
    QVERIFY(first != FontForCellHeight(QStringLiteral("Arial"), 14, FW_NORMAL, false));
}

void TestGdi::wideDottedPenBecomesSolid()
{
    CPen pen(PS_DOT, 2, RGB(1, 2, 3));
    QCOMPARE(pen.Style(), int(PS_SOLID));
    QCOMPARE(pen.Width(), 2);
    CPen cosmetic(PS_DOT, 0, RGB(1, 2, 3));
    QCOMPARE(cosmetic.Style(), int(PS_DOT));
    QCOMPARE(cosmetic.Width(), 1);
}

void TestGdi::unsupportedPenStyleIsRefused()
{
    CPen pen;
    QTest::ignoreMessage(QtWarningMsg, "platform: pen style 1 is not supported");
    QVERIFY(!pen.CreatePen(1, 1, RGB(255, 0, 0)));
    QCOMPARE(pen.Colour(), RGB(0, 0, 0));
}

void TestGdi::iconHandlesAreShared()
{
    HICON first = LoadIconResource(140);
    QVERIFY(first);
    QCOMPARE(LoadIconResource(140), first);
    QVERIFY(LoadIconResource(158) != first);
    QCOMPARE(first->ResourceId(), 140);
}

void TestGdi::iconRendersAtThirtyTwoPixelsTimesTheRatio()
{
    HICON icon = LoadIconResource(158);
    QVERIFY(!icon->IsNull());
    const QPixmap single = icon->Pixmap(1);
    QCOMPARE(single.size(), QSize(32, 32));
    const QPixmap doubled = icon->Pixmap(2);
    QCOMPARE(doubled.size(), QSize(64, 64));
    QCOMPARE(doubled.devicePixelRatio(), qreal(2));
    // Mostly transparent, with a picture in it.
    const QImage image = single.toImage();
    QCOMPARE(image.pixelColor(31, 31).alpha(), 0);
    bool painted = false;
    for (int y = 0; y < 32 && !painted; ++y) {
        for (int x = 0; x < 32 && !painted; ++x)
            painted = image.pixelColor(x, y).alpha() == 255;
    }
    QVERIFY(painted);
}

void TestGdi::missingIconIsNull()
{
    HICON icon = LoadIconResource(4242);
    QVERIFY(icon);
    QVERIFY(icon->IsNull());
    QTest::ignoreMessage(QtWarningMsg, "platform: icon resource 4242 is missing");
    QVERIFY(icon->Pixmap(1).isNull());
}

void TestGdi::bitmapKnowsItsSize()
{
    CBitmap bitmap;
    QVERIFY(bitmap.IsNull());
    QVERIFY(bitmap.LoadBitmap(146));
    QVERIFY(!bitmap.IsNull());
    QCOMPARE(bitmap.GetSize().cx, 120);
    QCOMPARE(bitmap.GetSize().cy, 234);
    QCOMPARE(bitmap.Pixmap(2).size(), QSize(240, 468));
}

void TestGdi::missingBitmapIsNull()
{
    CBitmap bitmap;
    QTest::ignoreMessage(QtWarningMsg, "platform: bitmap resource 4343 is missing");
    QVERIFY(!bitmap.LoadBitmap(4343));
    QVERIFY(bitmap.IsNull());
    QVERIFY(bitmap.Pixmap(1).isNull());
}

QTEST_MAIN(TestGdi)
#include "tst_gdi.moc"
