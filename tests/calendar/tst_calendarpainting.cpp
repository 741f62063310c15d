#include "calendar/CalendarPanel.h"
#include "tests/support/TestEnvironment.h"

#include <QImage>
#include <QTest>

#include <memory>

namespace {

const QColor kBackground(219, 227, 235);
const QColor kSelectionFill(0, 0, 144);
const QColor kTint(190, 255, 235);

QRect CellArea(int cell)
{
    return QRect(24 + 38 * (cell % 7), 62 + 18 * (cell / 7), 38, 17);
}

// Darkest pixel by summed channels inside the area, in logical coordinates.
QColor DarkestIn(const QImage& image, const QRect& area, int scale)
{
    QColor darkest(255, 255, 255);
    for (int y = area.top() * scale; y <= area.bottom() * scale; ++y) {
        for (int x = area.left() * scale; x <= area.right() * scale; ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.red() + colour.green() + colour.blue() < darkest.red() + darkest.green() + darkest.blue())
                darkest = colour;
        }
    }
    return darkest;
}

// Bounding box, in image pixels, of the pixels the predicate accepts.
template <typename Predicate>
QRect BoundsOf(const QImage& image, const QRect& area, Predicate accepts)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (accepts(image.pixelColor(x, y)))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

} // namespace

class TestCalendarPainting : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void backgroundAndSelectionFill_data();
    void backgroundAndSelectionFill();
    void currentMonthModeTintsDayArea();
    void titleIsCentredLeftOfMonthSelector_data();
    void titleIsCentredLeftOfMonthSelector();
    void headingsStandInTheirColumns();
    void neighbouringDaysAreGrey_data();
    void neighbouringDaysAreGrey();
    void selectedDayIsWrittenInWhite();
    void sameMarkedDayShowsBothUmbrellas();
    void savedWarningNeedsRememberedCell();

private:
    QImage render(int scale = 1) const;

    std::unique_ptr<CDialog> m_pParent;
    CCalendarPanel* m_pPanel = nullptr;
};

void TestCalendarPainting::init()
{
    ScopedToday today("2026-12-07");
    m_pParent = std::make_unique<CDialog>();
    m_pParent->resize(582, 458);
    m_pPanel = new CCalendarPanel(m_pParent.get());
    QVERIFY(m_pPanel->Create());
    m_pPanel->SetYear(2010);
    m_pPanel->SetMonth(2);
}

void TestCalendarPainting::cleanup()
{
    delete m_pPanel;
    m_pPanel = nullptr;
    m_pParent.reset();
}

QImage TestCalendarPainting::render(int scale) const
{
    QImage image(m_pPanel->size() * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::magenta);
    m_pPanel->render(&image);
    return image;
}

void TestCalendarPainting::backgroundAndSelectionFill_data()
{
    QTest::addColumn<int>("scale");
    QTest::newRow("1x") << 1;
    QTest::newRow("2x") << 2;
}

void TestCalendarPainting::backgroundAndSelectionFill()
{
    QFETCH(int, scale);
    // 1 February 2010 is a Monday: the 10th is in cell 9, the 11th in cell 10.
    m_pPanel->SelectDay(10);
    const QImage image = render(scale);

    QCOMPARE(image.pixelColor(5 * scale, 100 * scale), kBackground);
    QCOMPARE(image.pixelColor(298 * scale, 175 * scale), kBackground);
    QCOMPARE(image.pixelColor(140 * scale, 30 * scale), kBackground);

    const QRect selected = CellArea(9);
    QCOMPARE(image.pixelColor((selected.right() - 4) * scale, (selected.bottom() - 4) * scale), kSelectionFill);
    const QRect next = CellArea(10);
    QCOMPARE(image.pixelColor((next.right() - 4) * scale, (next.bottom() - 4) * scale), kBackground);
}

void TestCalendarPainting::currentMonthModeTintsDayArea()
{
    const QPoint interior(CellArea(10).right() - 4, CellArea(10).bottom() - 4);
    const QPoint rowGap(60, 79);
    QCOMPARE(render().pixelColor(rowGap), kBackground);

    m_pPanel->SetCurrentMonthMode(true);
    const QImage image = render();
    QCOMPARE(image.pixelColor(interior), kTint);
    QCOMPARE(image.pixelColor(rowGap), kTint);
    QCOMPARE(image.pixelColor(CellArea(41).bottomRight() - QPoint(4, 4)), kTint);
    // The headings and the title band stay on the background.
    QCOMPARE(image.pixelColor(60, 61), kBackground);
    QCOMPARE(image.pixelColor(5, 100), kBackground);
}

void TestCalendarPainting::titleIsCentredLeftOfMonthSelector_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::newRow("short title") << 5 << 2010;
    QTest::newRow("long title") << 9 << 1999;
}

void TestCalendarPainting::titleIsCentredLeftOfMonthSelector()
{
    QFETCH(int, month);
    QFETCH(int, year);
    m_pPanel->SetYear(year);
    m_pPanel->SetMonth(month);
    for (int scale : { 1, 2 }) {
        const QImage image = render(scale);
        const QRect title = BoundsOf(image, QRect(0, 0, 147 * scale, 44 * scale),
            [](const QColor& colour) { return colour.red() > 200 && colour.green() < 120 && colour.blue() < 140; });
        QVERIFY(!title.isEmpty());
        // The band runs from x = 18 for 115 pixels.
        const double centre = (title.left() + title.right() + 1) / 2.0 / scale;
        QVERIFY2(qAbs(centre - 75.5) <= 3.0, qPrintable(QString::number(centre)));
        QVERIFY(title.top() >= 18 * scale);
        QVERIFY(title.bottom() < 44 * scale);
    }
}

void TestCalendarPainting::headingsStandInTheirColumns()
{
    const QImage image = render();
    for (int column = 0; column < 7; ++column) {
        const QRect heading(24 + 38 * column + 2, 46, 34, 14);
        const QRect ink = BoundsOf(image, heading, [](const QColor& colour) { return colour.value() < 60; });
        QVERIFY2(!ink.isEmpty(), qPrintable(QString("column %1").arg(column)));
        // Bold three-letter names start a few pixels into their cell.
        QVERIFY(ink.left() >= 24 + 38 * column + 4);
        QVERIFY(ink.left() <= 24 + 38 * column + 8);
    }
}

void TestCalendarPainting::neighbouringDaysAreGrey_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("lastDayCell");

    // The cell after the month's last day shows a grey 1.
    QTest::newRow("February 2010") << 2 << 2010 << 27;
    QTest::newRow("February 1900 ends on the 28th") << 2 << 1900 << 30;
    QTest::newRow("February 2100 ends on the 28th") << 2 << 2100 << 27;
    QTest::newRow("February 2000 ends on the 29th") << 2 << 2000 << 29;
}

void TestCalendarPainting::neighbouringDaysAreGrey()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, lastDayCell);
    m_pPanel->SetYear(year);
    m_pPanel->SetMonth(month);
    const QImage image = render();
    const QRect inside(3, 3, 32, 12);

    const QColor lastDay = DarkestIn(image, inside.translated(CellArea(lastDayCell).topLeft()), 1);
    QVERIFY(lastDay.red() < 60 && lastDay.green() < 60 && lastDay.blue() < 100);
    const QColor following = DarkestIn(image, inside.translated(CellArea(lastDayCell + 1).topLeft()), 1);
    QVERIFY2(qAbs(following.red() - 136) < 20 && qAbs(following.blue() - 136) < 20,
        qPrintable(following.name()));
}

void TestCalendarPainting::selectedDayIsWrittenInWhite()
{
    m_pPanel->SelectDay(22);
    const QImage image = render();
    const QRect fill = CellArea(21).adjusted(3, 3, -4, -4);
    const QRect white = BoundsOf(image, fill, [](const QColor& colour) { return colour.value() > 230 && colour.saturation() < 30; });
    QVERIFY(!white.isEmpty());
    QVERIFY(white.left() <= fill.left() + 4);
}

void TestCalendarPainting::sameMarkedDayShowsBothUmbrellas()
{
    m_pPanel->SetMarkedDays(17, 0, true);
    const QImage one = render();
    m_pPanel->SetMarkedDays(17, 17, true);
    const QImage both = render();
    m_pPanel->SetMarkedDays(17, 17, false);
    const QImage none = render();

    // The first umbrella begins 17 pixels into the cell; the second one 10
    // further, past the first one's right edge.
    const QRect cell = CellArea(16);
    QVERIFY(one != none);
    const QRect beyondFirst(cell.left() + 30, cell.top(), 12, cell.height());
    QRect changed;
    for (int y = beyondFirst.top(); y <= beyondFirst.bottom(); ++y)
        for (int x = beyondFirst.left(); x <= beyondFirst.right(); ++x)
            if (both.pixel(x, y) != one.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
    QVERIFY(!changed.isEmpty());
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
    const QRect saved = CellArea(11);
    QRect changed;
    for (int y = 0; y < marked.height(); ++y)
        for (int x = 0; x < marked.width(); ++x)
            if (marked.pixel(x, y) != plain.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
    QVERIFY(!changed.isEmpty());
    QVERIFY2(changed.left() >= saved.left() + 14 && changed.top() >= saved.top() + 2,
        qPrintable(QString("%1,%2").arg(changed.left()).arg(changed.top())));
}

QTEST_MAIN(TestCalendarPainting)
#include "tst_calendarpainting.moc"
