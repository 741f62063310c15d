#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

static void InitResources()
{
    // The resources live in a static library; this pulls them into the test.
    Q_INIT_RESOURCE(resources);
}

namespace {

QImage Render(const QString& path, QSize size)
{
    QSvgRenderer renderer(path);
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// The smallest rectangle holding every clearly visible pixel.
QRect PaintedArea(const QImage& image)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 64)
                area |= QRect(x, y, 1, 1);
    return area;
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { InitResources(); }

    void iconSitsWhereItsControlShowsIt_data();
    void iconSitsWhereItsControlShowsIt();
    void seasonPictureIsAWholePainting_data();
    void seasonPictureIsAWholePainting();
    void helpPageLoads();
};

void TestResources::iconSitsWhereItsControlShowsIt_data()
{
    // The part of the 32 x 32 square that the control leaves visible, in both
    // the normal and the pressed look; the picture must stay inside it.
    QTest::addColumn<int>("id");
    QTest::addColumn<QRect>("visible");
    QTest::newRow("130 program icon") << 130 << QRect(0, 0, 32, 32);
    QTest::newRow("131 Help button at (8, 6)") << 131 << QRect(0, 0, 32, 18);
    QTest::newRow("135 List button at (8, 0)") << 135 << QRect(0, 2, 32, 22);
    QTest::newRow("139 calendar warning") << 139 << QRect(0, 0, 14, 11);
    QTest::newRow("159 calendar mark 1") << 159 << QRect(0, 0, 14, 11);
    QTest::newRow("160 calendar mark 2") << 160 << QRect(0, 0, 14, 11);
    QTest::newRow("164 remembered warning") << 164 << QRect(0, 0, 14, 11);
    QTest::newRow("140 status warning") << 140 << QRect(0, 0, 16, 16);
    QTest::newRow("158 status hint") << 158 << QRect(0, 0, 16, 16);
    QTest::newRow("141 info button at (3, 3)") << 141 << QRect(0, 0, 25, 13);
    QTest::newRow("143 inactive Reset at (5, 5)") << 143 << QRect(0, 0, 22, 11);
    QTest::newRow("149 Insert at (0, -3)") << 149 << QRect(3, 6, 25, 12);
    QTest::newRow("157 Insert inactive") << 157 << QRect(3, 6, 25, 12);
    QTest::newRow("150 Remove at (0, -3)") << 150 << QRect(3, 6, 25, 12);
    QTest::newRow("156 Remove inactive") << 156 << QRect(3, 6, 25, 12);
    QTest::newRow("151 Reset at (0, -2)") << 151 << QRect(3, 5, 25, 12);
    QTest::newRow("152 Compare at (0, -3)") << 152 << QRect(3, 6, 25, 12);
    QTest::newRow("155 Compare inactive at (0, -4)") << 155 << QRect(3, 7, 25, 14);
    QTest::newRow("154 Current month at (0, -2)") << 154 << QRect(3, 5, 25, 13);
    QTest::newRow("162 Current month inactive") << 162 << QRect(3, 5, 25, 13);
    QTest::newRow("161 padlock at (4, 10)") << 161 << QRect(0, 0, 11, 9);
    QTest::newRow("163 clock left of the time") << 163 << QRect(3, 4, 15, 15);
}

void TestResources::iconSitsWhereItsControlShowsIt()
{
    QFETCH(int, id);
    QFETCH(QRect, visible);
    const QString path = QStringLiteral(":/icons/%1.svg").arg(id);
    QVERIFY2(QSvgRenderer(path).isValid(), qPrintable(path));
    QCOMPARE(QSvgRenderer(path).defaultSize(), QSize(32, 32));

    const QImage image = Render(path, QSize(32, 32));
    const QRect painted = PaintedArea(image);
    QVERIFY2(painted.width() >= 6 && painted.height() >= 6, "picture is missing or tiny");
    QVERIFY2(visible.contains(painted),
             qPrintable(QStringLiteral("painted (%1,%2 %3x%4)").arg(painted.x()).arg(painted.y())
                            .arg(painted.width()).arg(painted.height())));
    QCOMPARE(qAlpha(image.pixel(31, 31)), 0);
}

void TestResources::seasonPictureIsAWholePainting_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("146 autumn") << QStringLiteral(":/bitmaps/146.svg");
    QTest::newRow("148 summer meadow") << QStringLiteral(":/bitmaps/148.svg");
}

void TestResources::seasonPictureIsAWholePainting()
{
    QFETCH(QString, path);
    QCOMPARE(QSvgRenderer(path).defaultSize(), QSize(120, 234));
    const QImage image = Render(path, QSize(120, 234));
    for (const QPoint corner : {QPoint(0, 0), QPoint(119, 0), QPoint(0, 233), QPoint(119, 233)})
        QCOMPARE(qAlpha(image.pixel(corner)), 255);
    const QColor sky = image.pixelColor(60, 2);
    QVERIFY2(sky.blue() > sky.red(), "the top of the picture is sky");
}

void TestResources::helpPageLoads()
{
    QFile page(QStringLiteral(":/help/index.html"));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QByteArray text = page.readAll();
    QVERIFY(text.contains("<title>Ryvanta Help</title>"));
    QVERIFY(text.contains("H1-H2"));
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
