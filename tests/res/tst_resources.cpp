// SPDX-License-Identifier: GPL-3.0-or-later
#include "res/ResourceIds.h"

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
    QTest::newRow("program icon") << IDI_PROGRAM << QRect(0, 0, 32, 32);
    QTest::newRow("Help button at (8, 6)") << IDI_HELP << QRect(0, 0, 32, 18);
    QTest::newRow("List button at (8, 0)") << IDI_LIST << QRect(0, 2, 32, 22);
    QTest::newRow("calendar warning") << IDI_DAY_WARNING << QRect(0, 0, 14, 11);
    QTest::newRow("calendar mark 1") << IDI_MARK1 << QRect(0, 0, 14, 11);
    QTest::newRow("calendar mark 2") << IDI_MARK2 << QRect(0, 0, 14, 11);
    QTest::newRow("remembered warning") << IDI_SAVED_WARNING << QRect(0, 0, 14, 11);
    QTest::newRow("status warning") << IDI_STATUS_WARNING << QRect(0, 0, 16, 16);
    QTest::newRow("status hint") << IDI_STATUS_ARROW << QRect(0, 0, 16, 16);
    QTest::newRow("info button at (3, 3)") << IDI_INFO << QRect(0, 0, 25, 13);
    QTest::newRow("inactive Reset at (5, 5)") << IDI_INFO_INACTIVE << QRect(0, 0, 22, 11);
    QTest::newRow("Insert at (0, -3)") << IDI_INSERT << QRect(3, 6, 25, 12);
    QTest::newRow("Insert inactive") << IDI_INSERT_INACTIVE << QRect(3, 6, 25, 12);
    QTest::newRow("Remove at (0, -3)") << IDI_REMOVE << QRect(3, 6, 25, 12);
    QTest::newRow("Remove inactive") << IDI_REMOVE_INACTIVE << QRect(3, 6, 25, 12);
    QTest::newRow("Reset at (0, -2)") << IDI_RESET << QRect(3, 5, 25, 12);
    QTest::newRow("Compare at (0, -3)") << IDI_COMPARE << QRect(3, 6, 25, 12);
    QTest::newRow("Compare inactive at (0, -4)") << IDI_COMPARE_INACTIVE << QRect(3, 7, 25, 14);
    QTest::newRow("Current month at (0, -2)") << IDI_CURRENT_MONTH << QRect(3, 5, 25, 13);
    QTest::newRow("Current month inactive") << IDI_CURRENT_MONTH_INACTIVE << QRect(3, 5, 25, 13);
    QTest::newRow("padlock at (4, 10)") << IDI_LOCK << QRect(0, 0, 11, 9);
    QTest::newRow("clock left of the time") << IDI_CLOCK << QRect(3, 4, 15, 15);
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
    QTest::newRow("autumn") << QStringLiteral(":/bitmaps/%1.svg").arg(IDB_AUTUMN);
    QTest::newRow("summer meadow") << QStringLiteral(":/bitmaps/%1.svg").arg(IDB_SUMMER);
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
