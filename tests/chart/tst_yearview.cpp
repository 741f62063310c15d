// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/chart/ChartFixture.h"

#include "platform/PictureCache.h"
#include "res/ResourceIds.h"

#include <QTest>

namespace {

const QColor kBackground(40, 38, 90);
const QColor kBand(5, 20, 144);
const QColor kCurve(80, 233, 80);
const QColor kMarker(153, 255, 153);
const QColor kIvory(255, 255, 230);
const QColor kNewMoonRing(180, 180, 225);
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kSecondCurve(255, 0, 255);
const QColor kFirstDateThin(255, 125, 255);
const QColor kFirstDateThick(255, 135, 255);

} // namespace

class TestYearView : public QObject
{
    Q_OBJECT

private slots:
    void plotAreaAndCentreLine();
    void monthBand_data();
    void monthBand();
    void curveStart_data();
    void curveStart();
    void levelMarkerHangsBelowCurve();
    void comparisonDrawsBothPersons();
    void moonMovesLeftOfLateBand_data();
    void moonMovesLeftOfLateBand();
    void noteBoxShowsForOnePaint_data();
    void noteBoxShowsForOnePaint();
    void paintResetsDayState_data();
    void paintResetsDayState();
    void seasonPictureFollowsChartedMonth_data();
    void seasonPictureFollowsChartedMonth();
    void repeatedPaintsLoadNoPicture();
};

void TestYearView::plotAreaAndCentreLine()
{
    ChartFixture fixture;
    fixture.setUp(1985, 5, 7, 2026, 3, 10);
    fixture.dialog().m_nCriticalLevel = 0;
    const QImage chart = fixture.paint();

    QCOMPARE(PixelAt(chart, 200, 130), kBackground);
    QCOMPARE(PixelAt(chart, 3, 130), kBlack);
    QCOMPARE(PixelAt(chart, 5, 61), kBackground);
    QCOMPARE(PixelAt(chart, 6, 61), kCurve);
    QCOMPARE(PixelAt(chart, 371, 61), kCurve);
    QCOMPARE(PixelAt(chart, 372, 61), kBackground);
    QCOMPARE(fixture.dialog().m_nChartMonth, 3);
}

void TestYearView::monthBand_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");

    QTest::newRow("January of a leap year") << 2024 << 1 << 4 << 40;
    QTest::newRow("February of a leap year") << 2024 << 2 << 36 << 68;
    QTest::newRow("March of a common year") << 2026 << 3 << 63 << 99;
    QTest::newRow("March of a leap year") << 2024 << 3 << 64 << 99;
    QTest::newRow("March 2000 is a leap year") << 2000 << 3 << 64 << 99;
    QTest::newRow("March 1900 has no leap day") << 1900 << 3 << 63 << 99;
    QTest::newRow("March 2100 has no leap day") << 2100 << 3 << 63 << 99;
    QTest::newRow("December 2100") << 2100 << 12 << 338 << 374;
}

void TestYearView::monthBand()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, left);
    QFETCH(int, right);

    ChartFixture fixture;
    fixture.setUp(1850, 1, 1, year, month, 10);
    fixture.dialog().m_bCurrentMonthMode = true;
    const QImage chart = fixture.paintWhole();

    const int y = 128; // below the curve, clear of the year label
    if (left > 4)
        QCOMPARE(PixelAt(chart, left - 1, y), kBackground);
    QCOMPARE(PixelAt(chart, left, y), kBlack);
    QCOMPARE(PixelAt(chart, left + 1, y), kBand);
    QCOMPARE(PixelAt(chart, right - 2, y), kBand);
    QCOMPARE(PixelAt(chart, right - 1, y), kBlack);
    // The selected day's line stands at left + day + 2, from y = 26 to 98.
    QCOMPARE(PixelAt(chart, left + 12, 98), kWhite);
    QCOMPARE(PixelAt(chart, left + 12, 99), kBand);
    QCOMPARE(PixelAt(chart, left + 11, 60) == kWhite, false);
}

void TestYearView::curveStart_data()
{
    QTest::addColumn<QList<int>>("birth");
    QTest::addColumn<QList<QPoint>>("onCurve");
    QTest::addColumn<QList<QPoint>>("empty");

    // Born on day 69 of the shown year: nothing before column 75, and the
    // odd start steps back to column 74, 365 days after a birthday (36).
    QTest::newRow("born in the shown year") << QList<int> { 2026, 3, 10 }
                                            << QList<QPoint> { { 75, 62 }, { 74, 64 }, { 74, 65 }, { 76, 58 } }
                                            << QList<QPoint> { { 73, 50 }, { 73, 70 }, { 40, 65 } };
    // Without a birth date the curve opens on column 366, the table's sample
    // 183 (35, so y = 64), not on the birthday's 32, then climbs from column 2.
    QTest::newRow("no birth date") << QList<int> { 0, 0, 0 } << QList<QPoint> { { 6, 64 }, { 8, 56 }, { 10, 51 } }
                                   << QList<QPoint> { { 6, 65 }, { 5, 64 } };
    // 29 February falls on 1 March (day 60) in a common year.
    QTest::newRow("leap-day birthday in a common year")
        << QList<int> { 1984, 2, 29 } << QList<QPoint> { { 68, 56 }, { 64, 67 } } << QList<QPoint> { { 66, 67 } };
}

void TestYearView::curveStart()
{
    QFETCH(QList<int>, birth);
    QFETCH(QList<QPoint>, onCurve);
    QFETCH(QList<QPoint>, empty);

    ChartFixture fixture;
    fixture.setUp(birth[0], birth[1], birth[2], 2026, 3);
    const QImage chart = fixture.paint();
    for (const QPoint& point : onCurve)
        QVERIFY2(PixelAt(chart, point.x(), point.y()) == kCurve, qPrintable(QStringLiteral("%1,%2").arg(point.x()).arg(point.y())));
    for (const QPoint& point : empty)
        QVERIFY2(PixelAt(chart, point.x(), point.y()) == kBackground, qPrintable(QStringLiteral("%1,%2").arg(point.x()).arg(point.y())));
}

void TestYearView::levelMarkerHangsBelowCurve()
{
    ChartFixture fixture;
    fixture.setUp(1985, 5, 7, 2026, 3, 10);
    // Day 100 for a birthday on day 127: column 339, height 54, y = 83.
    fixture.dialog().m_nCriticalLevel = 15;
    fixture.dialog().m_nDayOfYear = 100;
    const QImage chart = fixture.paint();

    QCOMPARE(PixelAt(chart, 106, 86), kMarker);
    QCOMPARE(PixelAt(chart, 106, 97), kMarker);
    QCOMPARE(PixelAt(chart, 106, 98), kBackground);
    QCOMPARE(PixelAt(chart, 105, 90), kBackground);
    QCOMPARE(PixelAt(chart, 105, 83), kMarker);
    QCOMPARE(PixelAt(chart, 107, 83), kMarker);
}

void TestYearView::comparisonDrawsBothPersons()
{
    ChartFixture fixture;
    fixture.setUp(1985, 5, 7, 2026, 3);
    CBiorhythmDlg& dialog = fixture.dialog();
    dialog.m_bCompareMode = true;
    dialog.m_nBirthDay1 = 3;
    dialog.m_nBirthMonth1 = 11;
    dialog.m_nBirthYear1 = 1990;
    dialog.m_pCalendar->SetMarkedDays(5, 9, true);
    dialog.m_nCriticalLevel = 15;
    dialog.m_nDayOfYear = 100;
    dialog.m_nCriticalLevel1 = 13;
    dialog.m_nDayOfYear1 = 200;
    const QImage chart = fixture.paint();

    // The first date's curve runs through the whole year. March's band
    // starts at 63: legend lines at 111 and 123, digits left of them.
    QVERIFY(CountPixels(chart, QRect(6, 5, 367, 136), kSecondCurve) > 300);
    QCOMPARE(PixelAt(chart, 76, 111), kSecondCurve);
    QCOMPARE(PixelAt(chart, 76, 123), kCurve);
    QVERIFY(CountPixels(chart, QRect(63, 106, 7, 22), kWhite, kBackground, true) > 6);
    // Each person's marker, 13 long for the first date's on day 200.
    QCOMPARE(PixelAt(chart, 106, 86), kMarker);
    QCOMPARE(CountPixels(chart, QRect(206, 5, 1, 136), kFirstDateThin), 10);
    QVERIFY(CountPixels(chart, QRect(204, 5, 5, 136), kFirstDateThick) >= 6);
}

void TestYearView::moonMovesLeftOfLateBand_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("moonMark");
    QTest::addColumn<int>("shift");

    QTest::newRow("full moon beside September") << 9 << 2 << 0;
    QTest::newRow("full moon moves for October") << 10 << 2 << 62;
    QTest::newRow("new moon beside March") << 3 << 1 << 0;
    QTest::newRow("new moon moves for December") << 12 << 1 << 62;
}

void TestYearView::moonMovesLeftOfLateBand()
{
    QFETCH(int, month);
    QFETCH(int, moonMark);
    QFETCH(int, shift);

    ChartFixture fixture;
    fixture.setUp(1985, 5, 7, 2026, month, 10);
    fixture.dialog().m_nCriticalLevel = 0;
    fixture.dialog().m_nMoonMark = static_cast<short>(moonMark);
    const QImage chart = fixture.paint();

    const QColor symbol = moonMark == 2 ? kIvory : kNewMoonRing;
    QVERIFY(CountPixels(chart, QRect(302 - shift, 1, 29, 28), symbol) > 20);
    QCOMPARE(CountPixels(chart, QRect(240 + shift, 1, 29, 28), symbol), 0);
    // Outside current-month mode the outer frame keeps the DC's white brush.
    QCOMPARE(PixelAt(chart, 302 - shift, 15), kBlack);
    QCOMPARE(PixelAt(chart, 303 - shift, 15), kWhite);
    QCOMPARE(PixelAt(chart, 305 - shift, 15), kBackground);
}

void TestYearView::noteBoxShowsForOnePaint_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QRect>("box");

    // The box's start, 4 pixels a character at least; left of the band when it ends before it.
    QTest::newRow("left of the July band") << 7 << QStringLiteral("  H1-H2 ") << QRect(15, 10, 32, 13);
    QTest::newRow("right of the February band") << 2 << QStringLiteral("  H1-H2 / F1 ") << QRect(73, 10, 52, 13);
    QTest::newRow("longest note") << 7 << QStringLiteral("  H1-H2-H3 / F1-F2-F3 ") << QRect(15, 10, 88, 13);
    QTest::newRow("empty note") << 7 << QString() << QRect(15, 10, 32, 13);
}

void TestYearView::noteBoxShowsForOnePaint()
{
    QFETCH(int, month);
    QFETCH(QString, note);
    QFETCH(QRect, box);

    ChartFixture fixture;
    fixture.setUp(1985, 5, 7, 2026, month, 10);
    fixture.dialog().m_nCriticalLevel = 0;
    fixture.dialog().m_strCriticalNote = note;
    fixture.dialog().m_bShowDayInfo = true;

    const QImage first = fixture.paint();
    QCOMPARE(CountPixels(first, box, kIvory) > box.width() * 4, !note.isEmpty());
    QCOMPARE(CountPixels(first, QRect(0, 0, box.left(), 30), kIvory), 0);
    // No dark text runs past the box's outline onto the chart.
    int outline = box.left() + 1;
    while (CountPixels(first, QRect(outline, box.top(), 1, box.height()), kIvory) > 0)
        ++outline;
    QCOMPARE(CountPixels(first, QRect(outline + 1, box.top(), 20, box.height()), kBlack, kBackground, true), 0);
    QCOMPARE(fixture.dialog().m_bShowDayInfo, false);
    QCOMPARE(CountPixels(fixture.paint(), box, kIvory), 0);
}

void TestYearView::paintResetsDayState_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<bool>("compare");
    QTest::addColumn<int>("marks");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("level1");
    QTest::addColumn<bool>("info");
    QTest::addColumn<int>("moon");

    QTest::newRow("day selected") << 17 << false << 0 << 13 << 15 << true << 2;
    QTest::newRow("no day selected") << 0 << false << 0 << 0 << 15 << false << 0;
    QTest::newRow("comparison with a marked day") << 0 << true << 5 << 13 << 15 << true << 0;
    QTest::newRow("comparison without marks") << 0 << true << 0 << 0 << 0 << true << 0;
}

void TestYearView::paintResetsDayState()
{
    QFETCH(int, day);
    QFETCH(bool, compare);
    QFETCH(int, marks);
    QFETCH(int, level);
    QFETCH(int, level1);
    QFETCH(bool, info);
    QFETCH(int, moon);

    ChartFixture fixture;
    fixture.setUp(1985, 5, 7, 2026, 3, day);
    CBiorhythmDlg& dialog = fixture.dialog();
    dialog.m_bCompareMode = compare;
    dialog.m_nBirthDay1 = 3;
    dialog.m_nBirthMonth1 = 11;
    dialog.m_nBirthYear1 = 1990;
    dialog.m_nCriticalLevel = 13;
    dialog.m_nCriticalLevel1 = 15;
    dialog.m_nMoonMark = 2;
    dialog.m_btnInfo.m_bActive = true;
    dialog.m_pCalendar->SetMarkedDays(marks, 0, marks != 0);
    fixture.paint();
    QCOMPARE(dialog.m_nCriticalLevel, level);
    QCOMPARE(dialog.m_nCriticalLevel1, level1);
    QCOMPARE(dialog.m_btnInfo.m_bActive, info);
    QCOMPARE(dialog.m_nMoonMark, moon);
}

void TestYearView::seasonPictureFollowsChartedMonth_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("bitmap");

    QTest::newRow("February: autumn") << 2 << IDB_AUTUMN;
    QTest::newRow("March: summer") << 3 << IDB_SUMMER;
    QTest::newRow("August: summer") << 8 << IDB_SUMMER;
    QTest::newRow("September: autumn") << 9 << IDB_AUTUMN;
}

void TestYearView::seasonPictureFollowsChartedMonth()
{
    QFETCH(int, month);
    QFETCH(int, bitmap);

    ChartFixture fixture;
    fixture.setUp(1985, 5, 7, 2026, month);
    fixture.paint();
    const auto* picture = qobject_cast<CPictureStatic*>(fixture.dialog().GetDlgItem(IDC_SEASON_PICTURE));
    QVERIFY(picture);
    QCOMPARE(picture->BitmapId(), bitmap);
}

void TestYearView::repeatedPaintsLoadNoPicture()
{
    ChartFixture fixture;
    const auto grabMonth = [&fixture](int month) {
        fixture.setUp(1985, 5, 7, 2026, month, 10);
        return fixture.dialog().grab();
    };
    // Autumn and summer: both pictures and the icons on show are drawn once.
    grabMonth(11);
    grabMonth(3);
    const int loads = CPictureCache::LoadCount();
    const int rasters = CPictureCache::RasterCount();
    QVERIFY(loads > 0);
    for (int round = 0; round < 3; ++round) {
        grabMonth(11);
        grabMonth(3);
    }
    QCOMPARE(CPictureCache::LoadCount(), loads);
    QCOMPARE(CPictureCache::RasterCount(), rasters);
}

QTEST_MAIN(TestYearView)
#include "tst_yearview.moc"
