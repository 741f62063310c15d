#include "tests/chart/ChartFixture.h"

#include <QTest>

namespace {

const QColor kBackground = Rgb(40, 40, 90);
const QColor kBlack = Rgb(0, 0, 0);
const QColor kPhysical = Rgb(0, 0, 255);
const QColor kEmotional = Rgb(255, 0, 0);
const QColor kIntellectualBar = Rgb(0, 255, 0);
const QColor kBirth = Rgb(255, 170, 0);
const QColor kScaleLine = Rgb(200, 225, 200);
const QColor kCaption = Rgb(255, 204, 51);
const QColor kScaleLabel = Rgb(255, 255, 170);

constexpr int kRhythmCurves = 1;
constexpr int kSummary = 2;

bool IsCurveColour(const QColor& colour)
{
    return colour == Rgb(0, 225, 0) || colour == kEmotional || colour == kPhysical;
}

} // namespace

class TestMonthViews : public QObject
{
    Q_OBJECT

private slots:
    // Day axis
    void dayAxisLabels_data();
    void dayAxisLabels();

    // "3 rhythms"
    void curvePointsAtKnownValues();
    void readoutsAndTickOnlyInCurrentMonthMode_data();
    void readoutsAndTickOnlyInCurrentMonthMode();
    void birthShadingCoversDaysBeforeBirth_data();
    void birthShadingCoversDaysBeforeBirth();

    // "Summary"
    void barTopsAndColours_data();
    void barTopsAndColours();
    void birthDateHasEmptyBar();
    void scaleLabelsRepeatRightOfBirthLine_data();
    void scaleLabelsRepeatRightOfBirthLine();
    void noSelectionShowsSummary();
    void monthViewsLeaveStateAlone();
};

void TestMonthViews::dayAxisLabels_data()
{
    QTest::addColumn<int>("chartMonth");
    QTest::addColumn<int>("shownMonth");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("lastFour");

    QTest::newRow("31-day month") << 1 << 1 << 2026 << QStringLiteral("28 29 30 31");
    QTest::newRow("30-day month ends with 1") << 4 << 4 << 2026 << QStringLiteral("29 30 1");
    QTest::newRow("30-day month in a leap year") << 6 << 6 << 2024 << QStringLiteral("29 30 1");
    QTest::newRow("February of a leap year") << 2 << 2 << 2024 << QStringLiteral("29 1 2");
    QTest::newRow("February 2000 has 29 days") << 2 << 2 << 2000 << QStringLiteral("29 1 2");
    QTest::newRow("February 1900 has 28 days") << 2 << 2 << 1900 << QStringLiteral("1 2 3");
    QTest::newRow("February 2100 has 28 days") << 2 << 2 << 2100 << QStringLiteral("1 2 3");
    QTest::newRow("no chart month yet numbers the shown month") << 0 << 4 << 2026 << QStringLiteral("29 30 1");
}

void TestMonthViews::dayAxisLabels()
{
    QFETCH(int, chartMonth);
    QFETCH(int, shownMonth);
    QFETCH(int, year);
    QFETCH(QString, lastFour);

    ChartFixture fixture;
    fixture.setBirth(1850, 1, 1);
    fixture.showMonth(year, shownMonth);
    fixture.dialog().m_nChartMonth = static_cast<short>(chartMonth);
    const QStringList labels = fixture.dialog().DayAxisLabels();
    QCOMPARE(labels.size(), 31);
    QCOMPARE(labels.first(), QStringLiteral("1"));
    const QStringList tail = lastFour.split(QLatin1Char(' '));
    QCOMPARE(labels.mid(31 - tail.size()), tail);
    if (tail.size() == 3)
        QCOMPARE(labels.at(27), QStringLiteral("28"));
}

void TestMonthViews::curvePointsAtKnownValues()
{
    ChartFixture fixture;
    fixture.setBirth(2026, 3, 1);
    fixture.showMonth(2026, 3);
    fixture.selectView(kRhythmCurves);
    const QImage chart = fixture.paintWhole();

    // Age 6: Physical is sin(1.5907) = 0.9998, whose 30-fold is truncated
    // to 29, so the point lies one pixel below the top at 55. The pen is
    // two pixels wide, downwards.
    QCOMPARE(PixelAt(chart, 80, 55), kBackground);
    QCOMPARE(PixelAt(chart, 80, 56), kPhysical);
    QCOMPARE(PixelAt(chart, 80, 57), kPhysical);
    // Age 18: Physical is -0.9982, drawn at 85 + 29.
    QCOMPARE(PixelAt(chart, 224, 113), kBackground);
    QCOMPARE(PixelAt(chart, 224, 114), kPhysical);
    QCOMPARE(PixelAt(chart, 224, 116), kBackground);
    // No curve reaches past the top and bottom of the range.
    for (int x = 20; x < 370; ++x) {
        QVERIFY(!IsCurveColour(PixelAt(chart, x, 53)));
        QVERIFY(!IsCurveColour(PixelAt(chart, x, 117)));
    }
    // The dotted zero line lies over the curves.
    QCOMPARE(PixelAt(chart, 101, 85), kScaleLine);
}

void TestMonthViews::readoutsAndTickOnlyInCurrentMonthMode_data()
{
    QTest::addColumn<bool>("currentMonthMode");
    QTest::newRow("current month") << true;
    QTest::newRow("not in current month mode") << false;
}

void TestMonthViews::readoutsAndTickOnlyInCurrentMonthMode()
{
    QFETCH(bool, currentMonthMode);

    ChartFixture fixture;
    fixture.setBirth(1990, 2, 10);
    fixture.showMonth(2026, 6, 7);
    fixture.selectView(kRhythmCurves);
    fixture.dialog().m_bCurrentMonthMode = currentMonthMode;
    const QImage chart = fixture.paintWhole();

    // Day 7 stands in the column of x = 80.
    QCOMPARE(PixelAt(chart, 80, 138) == kBirth, currentMonthMode);
    const int readoutPixels = CountTextPixels(chart, QRect(100, 19, 25, 14), kBackground, kCaption)
        + CountTextPixels(chart, QRect(336, 19, 25, 14), kBackground, kCaption);
    QCOMPARE(readoutPixels > 10, currentMonthMode);
}

void TestMonthViews::birthShadingCoversDaysBeforeBirth_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<bool>("marker");

    QTest::newRow("birth month") << 3 << true;
    QTest::newRow("month before the birth month") << 2 << true;
    QTest::newRow("month after the birth month") << 4 << false;
}

void TestMonthViews::birthShadingCoversDaysBeforeBirth()
{
    QFETCH(int, month);
    QFETCH(bool, marker);

    ChartFixture fixture;
    fixture.setBirth(2026, 3, 15); // marker at x = 12 * 15 - 4
    fixture.showMonth(2026, month);
    fixture.selectView(kRhythmCurves);
    const QImage chart = fixture.paintWhole();

    int curvePixelsLeft = 0;
    for (int y = 35; y <= 134; ++y)
        curvePixelsLeft += IsCurveColour(PixelAt(chart, 150, y)) ? 1 : 0;
    QCOMPARE(curvePixelsLeft == 0, marker);
    if (marker)
        QCOMPARE(PixelAt(chart, 175, 60), kBackground);
    QCOMPARE(PixelAt(chart, 176, 60) == kBirth, marker);
    QCOMPARE(PixelAt(chart, 176, 41) == kBirth, marker);
    QVERIFY(PixelAt(chart, 176, 40) != kBirth);
    int curvePixelsRight = 0;
    for (int y = 50; y <= 120; ++y)
        curvePixelsRight += IsCurveColour(PixelAt(chart, 200, y)) ? 1 : 0;
    QVERIFY(curvePixelsRight > 0);
}

void TestMonthViews::barTopsAndColours_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("top");
    QTest::addColumn<QColor>("colour");

    // Born 15 March 2026; column k of March has the age k - 15.
    // Age 1: 0.262 + 0.219 + 0.188, Physical largest: 2 (65 - 13) + 10.
    QTest::newRow("day after birth, Physical") << 186 << 114 << kPhysical;
    // Age 7: 0.960 + 1.000 + 0.970, Emotional largest: 2 (65 - 58) + 10.
    QTest::newRow("Emotional largest") << 258 << 24 << kEmotional;
    // Age 9: 0.686 + 0.914 + 0.991, Intellectual largest.
    QTest::newRow("Intellectual largest") << 282 << 38 << kIntellectualBar;
    // Age 14: 0.540 + 0.049 + 0.471.
    QTest::newRow("low sum") << 342 << 98 << kPhysical;
}

void TestMonthViews::barTopsAndColours()
{
    QFETCH(int, x);
    QFETCH(int, top);
    QFETCH(QColor, colour);

    ChartFixture fixture;
    fixture.setBirth(2026, 3, 15);
    fixture.showMonth(2026, 3);
    fixture.selectView(kSummary);
    const QImage chart = fixture.paintWhole();

    // Probed right of the axis ticks that stand in each column.
    QCOMPARE(PixelAt(chart, x + 4, top - 1), kBackground);
    QCOMPARE(PixelAt(chart, x + 4, top), kBlack);
    QCOMPARE(PixelAt(chart, x + 4, top + 1), colour);
    QCOMPARE(PixelAt(chart, x + 4, 130), colour);
    QCOMPARE(PixelAt(chart, x, 130), kBlack);
    QCOMPARE(PixelAt(chart, x + 5, 130), kBlack);
    QCOMPARE(PixelAt(chart, x + 6, 130), kBackground);
}

void TestMonthViews::birthDateHasEmptyBar()
{
    ChartFixture fixture;
    fixture.setBirth(2026, 3, 15);
    fixture.showMonth(2026, 3);
    fixture.selectView(kSummary);
    const QImage chart = fixture.paintWhole();

    // The birth date's column runs from 174 to 179, the birth line at 176.
    for (int y = 30; y <= 130; ++y) {
        QCOMPARE(PixelAt(chart, 178, y), kBackground);
        QCOMPARE(PixelAt(chart, 176, y), kBirth);
    }
    // The shading ends right before the birth line and covers the bars.
    QCOMPARE(PixelAt(chart, 175, 130), kBackground);
    QCOMPARE(PixelAt(chart, 164, 130), kBackground);
    QCOMPARE(PixelAt(chart, 176, 12), kBackground);
}

void TestMonthViews::scaleLabelsRepeatRightOfBirthLine_data()
{
    QTest::addColumn<int>("birthDay");
    QTest::addColumn<bool>("repeated");

    QTest::newRow("birth line in the middle") << 20 << true;
    QTest::newRow("birth line near the right end") << 29 << true;
    QTest::newRow("birth line at the right end") << 31 << false;
}

void TestMonthViews::scaleLabelsRepeatRightOfBirthLine()
{
    QFETCH(int, birthDay);
    QFETCH(bool, repeated);

    ChartFixture fixture;
    fixture.setBirth(2026, 3, birthDay);
    fixture.showMonth(2026, 3);
    fixture.selectView(kSummary);
    const QImage chart = fixture.paintWhole();

    const int x = 12 * birthDay - 4;
    const int labelPixels = CountTextPixels(chart, QRect(x + 4, 14, 16, 9), kBackground, kScaleLabel);
    QCOMPARE(labelPixels > 3, repeated);
    // The first pair lies under the shading.
    QCOMPARE(CountTextPixels(chart, QRect(179, 14, 16, 9), kBackground, kScaleLabel), 0);
}

void TestMonthViews::noSelectionShowsSummary()
{
    ChartFixture fixture;
    fixture.setBirth(2026, 3, 15);
    fixture.showMonth(2026, 3);
    fixture.selectView(-1);
    const QImage chart = fixture.paintWhole();
    QCOMPARE(PixelAt(chart, 190, 120), kPhysical);
}

void TestMonthViews::monthViewsLeaveStateAlone()
{
    ChartFixture fixture;
    fixture.setBirth(1985, 5, 7);
    fixture.showMonth(2026, 6);
    fixture.selectView(kSummary);
    CBiorhythmDlg& dialog = fixture.dialog();
    dialog.m_nChartMonth = 4;
    dialog.m_nCriticalLevel = 13;
    dialog.m_nMoonMark = 1;
    dialog.m_bShowDayInfo = true;
    fixture.paint();
    QCOMPARE(dialog.m_nChartMonth, 4);
    QCOMPARE(dialog.m_nCriticalLevel, 13);
    QCOMPARE(dialog.m_nMoonMark, 1);
    QCOMPARE(dialog.m_bShowDayInfo, true);
    // The axis keeps numbering April's 30 days while June is shown.
    QCOMPARE(dialog.DayAxisLabels().at(30), QStringLiteral("1"));
}

QTEST_MAIN(TestMonthViews)
#include "tst_monthviews.moc"
