// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/CalendarPanel.h"
#include "tests/support/TestEnvironment.h"

#include <QImage>
#include <QTest>

#include <memory>

namespace {

const QColor kBackground(219, 227, 235);

QRect CellArea(int cell)
{
    return QRect(24 + 38 * (cell % 7), 62 + 18 * (cell / 7), 38, 17);
}

// Bounding box, in image pixels, of the pixels inside area that accepts takes.
template <typename Predicate>
QRect BoundsOf(const QImage& image, const QRect& area, Predicate accepts)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (accepts(image.pixelColor(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

bool IsGreyText(const QColor& colour)
{
    return colour.saturation() < 20 && colour.value() < 190;
}

bool IsDayText(const QColor& colour)
{
    return colour.red() < 90 && colour.green() < 90 && colour.blue() < 130;
}

} // namespace

class TestCalendarPainting : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void selectionAndTintKeepTheirColours_data();
    void selectionAndTintKeepTheirColours();
    void titleIsCentredLeftOfMonthSelector();
    void daysAfterMonthEndAreGrey_data();
    void daysAfterMonthEndAreGrey();
    void savedWarningNeedsRememberedCell();

private:
    QImage render(int scale = 1) const
    {
        QImage image(m_pPanel->size() * scale, QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        m_pPanel->render(&image);
        return image;
    }

    std::unique_ptr<CDialog> m_pParent;
    CCalendarPanel* m_pPanel = nullptr;
};

void TestCalendarPainting::init()
{
    ScopedToday today("2026-12-07");
    m_pParent = std::make_unique<CDialog>();
    m_pPanel = new CCalendarPanel(m_pParent.get());
    QVERIFY(m_pPanel->Create());
    m_pPanel->SetYear(2010);
    m_pPanel->SetMonth(2);
}

void TestCalendarPainting::cleanup()
{
    delete m_pPanel;
    m_pParent.reset();
}

void TestCalendarPainting::selectionAndTintKeepTheirColours_data()
{
    QTest::addColumn<int>("scale");
    QTest::newRow("1x") << 1;
    QTest::newRow("2x") << 2;
}

void TestCalendarPainting::selectionAndTintKeepTheirColours()
{
    QFETCH(int, scale);
    // 1 February 2010 is a Monday: the 10th is in cell 9.
    m_pPanel->SelectDay(10);
    const auto probe = [scale](const QImage& image, QPoint point) { return image.pixelColor(point * scale); };
    const QPoint selected = CellArea(9).bottomRight() - QPoint(4, 4);
    const QPoint neighbour = CellArea(10).bottomRight() - QPoint(4, 4);
    const QPoint rowGap(60, 79);

    QImage image = render(scale);
    QCOMPARE(probe(image, { 5, 100 }), kBackground);
    QCOMPARE(probe(image, { 140, 30 }), kBackground);
    QCOMPARE(probe(image, selected), QColor(0, 0, 144));
    QCOMPARE(probe(image, neighbour), kBackground);
    QCOMPARE(probe(image, rowGap), kBackground);

    m_pPanel->SetCurrentMonthMode(true);
    image = render(scale);
    QCOMPARE(probe(image, selected), QColor(0, 0, 144));
    QCOMPARE(probe(image, neighbour), QColor(190, 255, 235));
    QCOMPARE(probe(image, rowGap), QColor(190, 255, 235));
    QCOMPARE(probe(image, { 60, 61 }), kBackground);
}

void TestCalendarPainting::titleIsCentredLeftOfMonthSelector()
{
    for (auto [month, year] : { std::pair { 5, 2010 }, std::pair { 9, 1999 } }) {
        m_pPanel->SetYear(year);
        m_pPanel->SetMonth(month);
        for (int scale : { 1, 2 }) {
            const QRect title = BoundsOf(render(scale), QRect(0, 0, 147 * scale, 44 * scale),
                [](const QColor& colour) { return colour.red() > 200 && colour.green() < 120; });
            QVERIFY(!title.isEmpty());
            // The band runs 115 pixels from x = 18.
            const double centre = (title.left() + title.right() + 1) / 2.0 / scale;
            QVERIFY2(qAbs(centre - 75.5) <= 3.0, qPrintable(QString::number(centre)));
            QVERIFY(title.top() >= 18 * scale);
        }
    }
}

void TestCalendarPainting::daysAfterMonthEndAreGrey_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("lastDayCell");
    // 1 February falls on a Monday in 2010 and 2100, a Thursday in 1900, a
    // Tuesday in 2000.
    QTest::newRow("February 2010") << 2010 << 27;
    QTest::newRow("February 1900 ends on the 28th") << 1900 << 30;
    QTest::newRow("February 2100 ends on the 28th") << 2100 << 27;
    QTest::newRow("February 2000 ends on the 29th") << 2000 << 29;
}

void TestCalendarPainting::daysAfterMonthEndAreGrey()
{
    QFETCH(int, year);
    QFETCH(int, lastDayCell);
    m_pPanel->SetYear(year);
    const QImage image = render();
    const QRect lastDay = CellArea(lastDayCell).adjusted(2, 2, -2, -2);
    const QRect following = CellArea(lastDayCell + 1).adjusted(2, 2, -2, -2);
    QVERIFY(!BoundsOf(image, lastDay, IsDayText).isEmpty());
    QVERIFY(BoundsOf(image, following, IsDayText).isEmpty());
    QVERIFY(!BoundsOf(image, following, IsGreyText).isEmpty());
}

void TestCalendarPainting::savedWarningNeedsRememberedCell()
{
    m_pPanel->SetCurrentMonthMode(true);
    m_pPanel->SelectDay(25);
    const QImage plain = render();
    // Nothing remembered yet: the icon has no cell to go to.
    m_pPanel->SetSavedWarning(true);
    QCOMPARE(render(), plain);

    m_pPanel->SelectDay(12);
    m_pPanel->SaveSelection();
    m_pPanel->SetSavedWarning(true);
    m_pPanel->SelectDay(25);
    const QImage marked = render();
    QRect difference;
    for (int y = 0; y < marked.height(); ++y)
        for (int x = 0; x < marked.width(); ++x)
            if (marked.pixel(x, y) != plain.pixel(x, y))
                difference |= QRect(x, y, 1, 1);
    QVERIFY(!difference.isEmpty());
    // The icon hangs from the remembered cell, 14 pixels in and 2 down.
    QVERIFY(CellArea(11).adjusted(14, 2, 32, 32).contains(difference));
}

QTEST_MAIN(TestCalendarPainting)
#include "tst_calendarpainting.moc"
