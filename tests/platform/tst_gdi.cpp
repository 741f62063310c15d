// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Gdi.h"
#include "platform/PictureCache.h"
#include "res/ResourceIds.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>

class TestGdi : public QObject
{
    Q_OBJECT

private slots:
    void colourIgnoresTheHighByte();
    void faceIsSubstitutedByAnInstalledFamily_data();
    void faceIsSubstitutedByAnInstalledFamily();
    void cellHeightFontIsTheLargestThatFits_data();
    void cellHeightFontIsTheLargestThatFits();
    void createFontKeepsHeightWeightAndSlant();
    void penStylesFollowTheOldRules();
    void iconsAreSharedAndRenderedPerRatio();
    void picturesAreParsedAndDrawnOncePerRatio();
    void preDrawnRatiosAreDecodedNotDrawn_data();
    void preDrawnRatiosAreDecodedNotDrawn();
    void missingResourcesAreNull();
};

void TestGdi::colourIgnoresTheHighByte()
{
    QCOMPARE(ToQColor(RGB(255, 204, 51)), QColor(255, 204, 51));
    QCOMPARE(ToQColor(RGB(255, 204, 51) | 0x80000000u), QColor(255, 204, 51));
}

void TestGdi::faceIsSubstitutedByAnInstalledFamily_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("family");
    const QString sans = QStringLiteral("Liberation Sans");
    const QString mono = QStringLiteral("Liberation Mono");
    QTest::newRow("Arial") << QStringLiteral("Arial") << sans;
    QTest::newRow("Arial Cyr") << QStringLiteral("Arial Cyr") << sans;
    QTest::newRow("MS Sans Serif") << QStringLiteral("MS Sans Serif") << sans;
    QTest::newRow("_sans") << QStringLiteral("_sans") << sans;
    QTest::newRow("Geneva") << QStringLiteral("Geneva") << sans;
    QTest::newRow("Courier") << QStringLiteral("Courier") << mono;
    QTest::newRow("Courier New in capitals") << QStringLiteral("COURIER NEW") << mono;
    QTest::newRow("unknown face") << QStringLiteral("Wingdings") << sans;
}

void TestGdi::faceIsSubstitutedByAnInstalledFamily()
{
    QFETCH(QString, face);
    QFETCH(QString, family);
    QCOMPARE(SubstituteFace(face), family);
    QCOMPARE(QFontInfo(FontForCellHeight(face, 14, FW_NORMAL, false)).family(), family);
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
    const auto height = [](const QFont& candidate) { return QFontMetrics(candidate).ascent() + CellDescent(candidate); };
    QVERIFY(height(font) <= cellHeight);
    // Descenders stay in the cell: the rounded-up depth is at least Qt's.
    QVERIFY(CellDescent(font) >= QFontMetrics(font).descent());
    font.setPixelSize(font.pixelSize() + 1);
    QVERIFY(height(font) > cellHeight);

    CFont created;
    QVERIFY(created.Create(face, cellHeight, weight));
    QCOMPARE(created.CellHeight(), cellHeight);
    QCOMPARE(created.Ascent() + CellDescent(created.ToQFont()), cellHeight);
    // Calling again must give the same font, from the cache or not.
    QCOMPARE(FontForCellHeight(face, cellHeight, weight, false), created.ToQFont());
}

void TestGdi::createFontKeepsHeightWeightAndSlant()
{
    CFont title;
    title.CreateFont(18, FW_BOLD, true, 0x20, QStringLiteral("Arial"));
    QCOMPARE(title.ToQFont().weight(), QFont::Bold);
    QVERIFY(title.ToQFont().italic());
    QCOMPARE(title.CellHeight(), 18);

    // A negative height is the size of the letters themselves.
    CFont letters;
    letters.CreateFont(-11, FW_NORMAL, false, 0x20, QStringLiteral("Arial"));
    QCOMPARE(letters.ToQFont().pixelSize(), 11);
    QVERIFY(!letters.ToQFont().italic());
    QCOMPARE(letters.CellHeight(), QFontMetrics(letters.ToQFont()).ascent() + CellDescent(letters.ToQFont()));

    // Without a face the family decides: fixed pitch is Courier's stand-in.
    CFont modern;
    modern.CreateFont(12, FW_NORMAL, false, 0x30, QString());
    QCOMPARE(QFontInfo(modern.ToQFont()).family(), QStringLiteral("Liberation Mono"));
}

void TestGdi::penStylesFollowTheOldRules()
{
    CPen wideDots(PS_DOT, 2, RGB(1, 2, 3));
    QCOMPARE(wideDots.Style(), int(PS_SOLID));
    CPen cosmetic(PS_DOT, 0, RGB(1, 2, 3));
    QCOMPARE(cosmetic.Style(), int(PS_DOT));
    QCOMPARE(cosmetic.Width(), 1);

    CPen unsupported;
    QTest::ignoreMessage(QtWarningMsg, "platform: pen style 1 is not supported");
    QVERIFY(!unsupported.CreatePen(1, 1, RGB(255, 0, 0)));
}

void TestGdi::iconsAreSharedAndRenderedPerRatio()
{
    HICON icon = LoadIconResource(IDI_STATUS_ARROW);
    QCOMPARE(LoadIconResource(IDI_STATUS_ARROW), icon);
    QVERIFY(LoadIconResource(IDI_STATUS_WARNING) != icon);
    QVERIFY(!icon->IsNull());
    QCOMPARE(icon->Pixmap(1).size(), QSize(32, 32));
    const QPixmap doubled = icon->Pixmap(2);
    QCOMPARE(doubled.size(), QSize(64, 64));
    QCOMPARE(doubled.devicePixelRatio(), qreal(2));
    // Mostly transparent, with an opaque picture in it.
    const QImage image = icon->Pixmap(1).toImage();
    QCOMPARE(image.pixelColor(31, 31).alpha(), 0);
    bool painted = false;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            painted = painted || image.pixelColor(x, y).alpha() == 255;
    }
    QVERIFY(painted);

    CBitmap bitmap;
    QVERIFY(bitmap.LoadBitmap(IDB_AUTUMN));
    QCOMPARE(bitmap.GetSize().cx, 120);
    QCOMPARE(bitmap.GetSize().cy, 234);
    QCOMPARE(bitmap.Pixmap(2).size(), QSize(240, 468));
}

void TestGdi::picturesAreParsedAndDrawnOncePerRatio()
{
    // Neither picture is drawn by another case.
    HICON icon = LoadIconResource(IDI_MARK1);
    CBitmap bitmap;
    const int loads = CPictureCache::LoadCount();
    const int rasters = CPictureCache::RasterCount();
    // The bitmap's root element states its size.
    QVERIFY(bitmap.LoadBitmap(IDB_SUMMER));
    QCOMPARE(CPictureCache::LoadCount(), loads);

    // Ratios that no picture is drawn at ahead of time.
    for (qreal ratio : { 3.0, 1.5, 3.0, 1.5, 3.0 }) {
        QVERIFY(!icon->Pixmap(ratio).isNull());
        QVERIFY(!bitmap.Pixmap(ratio).isNull());
    }
    QCOMPARE(CPictureCache::LoadCount(), loads + 4);
    QCOMPARE(CPictureCache::RasterCount(), rasters + 4);
}

void TestGdi::preDrawnRatiosAreDecodedNotDrawn_data()
{
    // None of them is drawn by another case.
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("ratio");
    const QString summer = QStringLiteral(":/bitmaps/%1.svg").arg(IDB_SUMMER);
    const QString faces = QStringLiteral(":/icons/%1.svg").arg(IDI_LIST);
    QTest::newRow("opaque picture at 1") << summer << QSize(120, 234) << qreal(1);
    QTest::newRow("opaque picture at 2") << summer << QSize(120, 234) << qreal(2);
    QTest::newRow("icon with soft edges at 1") << faces << QSize(32, 32) << qreal(1);
    QTest::newRow("icon with soft edges at 2") << faces << QSize(32, 32) << qreal(2);
}

void TestGdi::preDrawnRatiosAreDecodedNotDrawn()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(qreal, ratio);
    const int loads = CPictureCache::LoadCount();
    const int rasters = CPictureCache::RasterCount();
    const QPixmap pixmap = CPictureCache::Pixmap(path, size, ratio);
    QCOMPARE(CPictureCache::LoadCount(), loads + 1);
    QCOMPARE(CPictureCache::RasterCount(), rasters);
    QCOMPARE(pixmap.devicePixelRatio(), ratio);
    // Every pixel as the SVG draws it now, also where it is partly
    // transparent.
    const QImage drawn = CPictureCache::Draw(path, size, ratio);
    QCOMPARE(drawn.size(), size * ratio);
    QCOMPARE(pixmap.toImage().convertToFormat(drawn.format()), drawn);
}

void TestGdi::missingResourcesAreNull()
{
    HICON icon = LoadIconResource(4242);
    QVERIFY(icon && icon->IsNull());
    QTest::ignoreMessage(QtWarningMsg, "platform: icon resource 4242 is missing");
    QVERIFY(icon->Pixmap(1).isNull());

    CBitmap bitmap;
    QTest::ignoreMessage(QtWarningMsg, "platform: bitmap resource 4343 is missing");
    QVERIFY(!bitmap.LoadBitmap(4343));
    QVERIFY(bitmap.IsNull());
}

QTEST_MAIN(TestGdi)
#include "tst_gdi.moc"
