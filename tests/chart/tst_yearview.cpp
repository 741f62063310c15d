#include "tests/chart/ChartFixture.h"

#include <QTest>

namespace {

const QColor kBackground = Rgb(40, 38, 90);
const QColor kBand = Rgb(5, 20, 144);
const QColor kCurve = Rgb(80, 233, 80);
const QColor kMarker = Rgb(153, 255, 153);
const QColor kIvory = Rgb(255, 255, 230);
const QColor kNewMoonRing = Rgb(180, 180, 225);
const QColor kWhite = Rgb(255, 255, 255);
const QColor kBlack = Rgb(0, 0, 0);
const QColor kCaption = Rgb(255, 204, 51);

// What the window itself would draw on a control's layer.
QImage Expected(const QImage& like, const std::function<void(CDC&)>& draw)
{
    QImage image(like.size(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(like.devicePixelRatio());
    image.fill(Qt::transparent);
    CDC dc(&image);
    draw(dc);
    return image;
}

} // namespace

class TestYearView : public QObject
{
    Q_OBJECT

private slots:
    // Geometry
    void plotAreaAndCentreLine();
    void monthBand_data();
    void monthBand();
    void dayLineFollowsSelectedDay();

    // Curves and markers
    void curveStartsOnBirthdayInYearOfBirth();
    void curveWithoutBirthDateStartsOnCentreLine();
    void birthdayOfLeapDayInCommonYear();
    void levelMarkerHangsBelowCurve_data();
    void levelMarkerHangsBelowCurve();
    void moonMovesLeftOfLateBand_data();
    void moonMovesLeftOfLateBand();
    void noteBoxShowsForOnePaint_data();
    void noteBoxShowsForOnePaint();
    void emptyNoteStillClearsRequest();

    // State the painter changes
    void paintRecordsChartMonth();
    void noSelectedDayClearsReadouts();
    void selectedDayKeepsReadouts();
    void comparisonKeepsLevelWhileDaysAreMarked_data();
    void comparisonKeepsLevelWhileDaysAreMarked();

    // The rest of the paint
    void statusIconFollowsLevel_data();
    void statusIconFollowsLevel();
    void seasonPictureFollowsChartMonth_data();
    void seasonPictureFollowsChartMonth();
};

void TestYearView::plotAreaAndCentreLine()
{
    ChartFixture fixture;
    fixture.setBirth(1985, 5, 7);
    fixture.showMonth(2026, 3, 10);
    fixture.dialog().m_nCriticalLevel = 0;
    const QImage chart = fixture.paint();

    QCOMPARE(chart.size(), fixture.chart()->size());
    QCOMPARE(PixelAt(chart, 200, 130), kBackground);
    QCOMPARE(PixelAt(chart, 3, 130), kBlack);
    QCOMPARE(PixelAt(chart, 5, 61), kBackground);
    QCOMPARE(PixelAt(chart, 6, 61), kCurve);
    QCOMPARE(PixelAt(chart, 371, 61), kCurve);
    QCOMPARE(PixelAt(chart, 372, 61), kBackground);
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
    QTest::newRow("July of a leap year") << 2024 << 7 << 186 << 221;
    QTest::newRow("December 2100") << 2100 << 12 << 338 << 374;
}

void TestYearView::monthBand()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, left);
    QFETCH(int, right);

    const MonthBand band = YearViewMonthBand(month, year);
    QCOMPARE(band.left, left);
    QCOMPARE(band.right, right);

    ChartFixture fixture;
    fixture.setBirth(1850, 1, 1);
    fixture.showMonth(year, month);
    fixture.dialog().m_bCurrentMonthMode = true;
    const QImage chart = fixture.paintWhole();
    // Below the curve and clear of the year label.
    const int y = 128;
    if (left > 4)
        QCOMPARE(PixelAt(chart, left - 1, y), kBackground);
    QCOMPARE(PixelAt(chart, left, y), kBlack);
    QCOMPARE(PixelAt(chart, left + 1, y), kBand);
    QCOMPARE(PixelAt(chart, right - 2, y), kBand);
    QCOMPARE(PixelAt(chart, right - 1, y), kBlack);
    QCOMPARE(PixelAt(chart, 200, 132), kBackground);
}

void TestYearView::dayLineFollowsSelectedDay()
{
    ChartFixture fixture;
    fixture.setBirth(1985, 5, 7);
    fixture.showMonth(2026, 3, 10);
    fixture.dialog().m_bCurrentMonthMode = true;
    fixture.dialog().m_nCriticalLevel = 0;
    const QImage chart = fixture.paint();

    // March 2026 starts at 63; day 10 stands at 63 + 10 + 2.
    QCOMPARE(PixelAt(chart, 75, 40), kWhite);
    QCOMPARE(PixelAt(chart, 75, 98), kWhite);
    QCOMPARE(PixelAt(chart, 75, 99), kBand);
    QCOMPARE(PixelAt(chart, 74, 98), kBand);
    QCOMPARE(PixelAt(chart, 76, 98), kBand);
}

void TestYearView::curveStartsOnBirthdayInYearOfBirth()
{
    ChartFixture fixture;
    fixture.setBirth(2026, 3, 10); // day 69 of the year, column 75
    fixture.showMonth(2026, 3);
    const QImage chart = fixture.paint();

    for (int y = 30; y <= 100; ++y)
        QCOMPARE(PixelAt(chart, 73, y), y == 61 ? kCurve : kBackground);
    // The odd birthday column first steps back to the even column 74,
    // which holds the curve 365 days after a birthday: height 36.
    QCOMPARE(PixelAt(chart, 75, 62), kCurve);
    QCOMPARE(PixelAt(chart, 74, 64), kCurve);
    QCOMPARE(PixelAt(chart, 74, 65), kCurve);
    // One day after the birthday the curve is at height 29.
    QCOMPARE(PixelAt(chart, 76, 58), kCurve);
}

void TestYearView::curveWithoutBirthDateStartsOnCentreLine()
{
    ChartFixture fixture;
    fixture.showMonth(2026, 3);
    const QImage chart = fixture.paint();

    for (int y = 62; y <= 66; ++y)
        QCOMPARE(PixelAt(chart, 6, y), kBackground);
    QCOMPARE(PixelAt(chart, 8, 56), kCurve);
    QCOMPARE(PixelAt(chart, 10, 51), kCurve);
    QVERIFY(CountTextPixels(chart, QRect(140, 103, 140, 16), kBackground, kCaption) > 20);
}

void TestYearView::birthdayOfLeapDayInCommonYear()
{
    ChartFixture fixture;
    fixture.setBirth(1984, 2, 29);
    fixture.showMonth(2026, 2, 1);
    fixture.dialog().m_nCriticalLevel = 0;
    const QImage chart = fixture.paint();

    // The birthday falls on 1 March, day 60: the curve restarts at column
    // 66, is at height 27 two days on and at height 38 two days before.
    QCOMPARE(PixelAt(chart, 66, 61), kCurve);
    QCOMPARE(PixelAt(chart, 68, 56), kCurve);
    QCOMPARE(PixelAt(chart, 64, 67), kCurve);
}

void TestYearView::levelMarkerHangsBelowCurve_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("lastY");

    // Day 100 of 2026 for a birthday on day 127: curve column 339, height
    // 54, so the curve point is at y = 83.
    QTest::newRow("three windows") << 18 << 100;
    QTest::newRow("one window") << 13 << 95;
    QTest::newRow("no window") << 11 << 93;
}

void TestYearView::levelMarkerHangsBelowCurve()
{
    QFETCH(int, level);
    QFETCH(int, lastY);

    ChartFixture fixture;
    fixture.setBirth(1985, 5, 7);
    fixture.showMonth(2026, 3, 10);
    fixture.dialog().m_nCriticalLevel = level;
    fixture.dialog().m_nDayOfYear = 100;
    const QImage chart = fixture.paint();

    QCOMPARE(PixelAt(chart, 106, 86), kMarker);
    QCOMPARE(PixelAt(chart, 106, lastY), kMarker);
    QCOMPARE(PixelAt(chart, 106, lastY + 1), kBackground);
    QCOMPARE(PixelAt(chart, 105, 90), kBackground);
    // The thick dash sits on the curve point.
    QCOMPARE(PixelAt(chart, 106, 83), kMarker);
    QCOMPARE(PixelAt(chart, 105, 83), kMarker);
    QCOMPARE(PixelAt(chart, 107, 83), kMarker);
}

void TestYearView::moonMovesLeftOfLateBand_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("moonMark");
    QTest::addColumn<int>("shift");

    QTest::newRow("full moon beside March") << 3 << 2 << 0;
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
    fixture.setBirth(1985, 5, 7);
    fixture.showMonth(2026, month, 10);
    fixture.dialog().m_nCriticalLevel = 0;
    fixture.dialog().m_nMoonMark = static_cast<short>(moonMark);
    const QImage chart = fixture.paint();

    const QRect moon(302 - shift, 1, 29, 28);
    const QRect otherPlace(302 - (62 - shift), 1, 29, 28);
    const QColor symbol = moonMark == 2 ? kIvory : kNewMoonRing;
    QVERIFY(CountColour(chart, moon, symbol) > 20);
    QCOMPARE(CountColour(chart, otherPlace, symbol), 0);
    // Without a highlighted day the outer frame keeps the DC's white brush.
    QCOMPARE(PixelAt(chart, 302 - shift, 15), kBlack);
    QCOMPARE(PixelAt(chart, 303 - shift, 15), kWhite);
    QCOMPARE(PixelAt(chart, 304 - shift, 15), kBlack);
    QCOMPARE(PixelAt(chart, 305 - shift, 15), kBackground);
    QCOMPARE(fixture.dialog().m_nMoonMark, moonMark);
}

void TestYearView::noteBoxShowsForOnePaint_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QRect>("box");

    // 4 pixels a character; the box goes left when it ends before the band.
    QTest::newRow("left of the July band") << 7 << QStringLiteral("  H1-H2 ") << QRect(15, 10, 32, 13);
    QTest::newRow("long note right of the February band")
        << 2 << QStringLiteral("  H1-H2 / F1 ") << QRect(73, 10, 52, 13);
}

void TestYearView::noteBoxShowsForOnePaint()
{
    QFETCH(int, month);
    QFETCH(QString, note);
    QFETCH(QRect, box);

    ChartFixture fixture;
    fixture.setBirth(1985, 5, 7);
    fixture.showMonth(2026, month, 10);
    fixture.dialog().m_nCriticalLevel = 0;
    fixture.dialog().m_strCriticalNote = note;
    fixture.dialog().m_bShowDayInfo = true;

    const QImage first = fixture.paint();
    QVERIFY(CountColour(first, box, kIvory) > box.width() * 4);
    QCOMPARE(CountColour(first, QRect(0, 0, box.left(), 30), kIvory), 0);
    QCOMPARE(fixture.dialog().m_bShowDayInfo, false);

    const QImage second = fixture.paint();
    QCOMPARE(CountColour(second, box, kIvory), 0);
}

void TestYearView::emptyNoteStillClearsRequest()
{
    ChartFixture fixture;
    fixture.setBirth(1985, 5, 7);
    fixture.showMonth(2026, 7, 10);
    fixture.dialog().m_bShowDayInfo = true;
    const QImage chart = fixture.paint();
    QCOMPARE(fixture.dialog().m_bShowDayInfo, false);
    QCOMPARE(CountColour(chart, QRect(0, 0, chart.width(), 30), kIvory), 0);
}

void TestYearView::paintRecordsChartMonth()
{
    ChartFixture fixture;
    fixture.setBirth(1985, 5, 7);
    fixture.showMonth(2026, 7);
    fixture.dialog().m_nChartMonth = 0;
    fixture.paint();
    QCOMPARE(fixture.dialog().m_nChartMonth, 7);
}

void TestYearView::noSelectedDayClearsReadouts()
{
    ChartFixture fixture;
    fixture.setBirth(1985, 5, 7);
    fixture.showMonth(2026, 3);
    CBiorhythmDlg& dialog = fixture.dialog();
    dialog.m_nCriticalLevel = 13;
    dialog.m_nMoonMark = 2;
    dialog.m_btnInfo.m_bActive = true;
    fixture.paint();
    QCOMPARE(dialog.m_nCriticalLevel, 0);
    QCOMPARE(dialog.m_nMoonMark, 0);
    QCOMPARE(dialog.m_btnInfo.m_bActive, false);
}

void TestYearView::selectedDayKeepsReadouts()
{
    ChartFixture fixture;
    fixture.setBirth(1985, 5, 7);
    fixture.showMonth(2026, 3, 17);
    CBiorhythmDlg& dialog = fixture.dialog();
    dialog.m_nCriticalLevel = 13;
    dialog.m_nMoonMark = 2;
    dialog.m_btnInfo.m_bActive = true;
    fixture.paint();
    QCOMPARE(dialog.m_nCriticalLevel, 13);
    QCOMPARE(dialog.m_nMoonMark, 2);
    QCOMPARE(dialog.m_btnInfo.m_bActive, true);
}

void TestYearView::comparisonKeepsLevelWhileDaysAreMarked_data()
{
    QTest::addColumn<int>("mark1");
    QTest::addColumn<int>("mark2");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("level1");

    QTest::newRow("both marked") << 5 << 9 << 13 << 15;
    QTest::newRow("first marked only") << 5 << 0 << 13 << 15;
    QTest::newRow("nothing marked") << 0 << 0 << 0 << 0;
}

void TestYearView::comparisonKeepsLevelWhileDaysAreMarked()
{
    QFETCH(int, mark1);
    QFETCH(int, mark2);
    QFETCH(int, level);
    QFETCH(int, level1);

    ChartFixture fixture;
    fixture.setBirth(1985, 5, 7);
    fixture.showMonth(2026, 3);
    CBiorhythmDlg& dialog = fixture.dialog();
    dialog.m_bCompareMode = true;
    dialog.m_nBirthDay1 = 3;
    dialog.m_nBirthMonth1 = 11;
    dialog.m_nBirthYear1 = 1990;
    dialog.m_nCriticalLevel = 13;
    dialog.m_nCriticalLevel1 = 15;
    dialog.m_nDayOfYear = 64;
    dialog.m_nDayOfYear1 = 68;
    dialog.m_btnInfo.m_bActive = true;
    fixture.calendar().SetMarkedDays(mark1, mark2, true);
    fixture.paint();
    QCOMPARE(dialog.m_nCriticalLevel, level);
    QCOMPARE(dialog.m_nCriticalLevel1, level1);
    QCOMPARE(dialog.m_btnInfo.m_bActive, true);
}

void TestYearView::statusIconFollowsLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("compare");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("icon");

    const QString message = QStringLiteral("        The day is unfavorable. ");
    QTest::newRow("critical day warns") << 13 << false << message << 140;
    QTest::newRow("low level shows the arrow") << 3 << false << message << 158;
    QTest::newRow("comparison never warns") << 18 << true << message << 158;
    QTest::newRow("empty line shows nothing") << 18 << false << QString() << 0;
}

void TestYearView::statusIconFollowsLevel()
{
    QFETCH(int, level);
    QFETCH(bool, compare);
    QFETCH(QString, text);
    QFETCH(int, icon);

    ChartFixture fixture;
    fixture.setBirth(1985, 5, 7);
    fixture.showMonth(2026, 3, 10);
    CBiorhythmDlg& dialog = fixture.dialog();
    dialog.m_nCriticalLevel = level;
    dialog.m_bCompareMode = compare;
    SetWindowText(&dialog.m_staticHelp, text);
    fixture.paint();

    const QImage* layer = WindowLayer(&dialog.m_staticHelp);
    if (icon == 0 && !layer)
        return;
    QVERIFY(layer);
    const QImage expected = Expected(*layer, [&](CDC& dc) {
        if (icon != 0)
            dc.DrawIcon(2, 0, LoadIconResource(icon));
    });
    QVERIFY(*layer == expected);
}

void TestYearView::seasonPictureFollowsChartMonth_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("bitmap");

    QTest::newRow("February is autumn") << 2 << 146;
    QTest::newRow("March is summer") << 3 << 148;
    QTest::newRow("August is summer") << 8 << 148;
    QTest::newRow("September is autumn") << 9 << 146;
}

void TestYearView::seasonPictureFollowsChartMonth()
{
    QFETCH(int, month);
    QFETCH(int, bitmap);

    ChartFixture fixture;
    fixture.setBirth(1985, 5, 7);
    fixture.showMonth(2026, month, 10);
    fixture.dialog().m_nChartMonth = 0;
    fixture.paint();

    const QImage* layer = WindowLayer(fixture.dialog().GetDlgItem(1054));
    QVERIFY(layer);
    const QImage expected = Expected(*layer, [&](CDC& dc) {
        CBitmap picture;
        QVERIFY(picture.LoadBitmap(bitmap));
        dc.DrawBitmap(0, 0, picture);
    });
    QVERIFY(*layer == expected);
}

QTEST_MAIN(TestYearView)
#include "tst_yearview.moc"
