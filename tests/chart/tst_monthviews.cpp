// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/chart/ChartFixture.h"

#include <QTest>

namespace {

const QColor kBackground(40, 40, 90);
const QColor kBlack(0, 0, 0);
const QColor kIntellectualCurve(0, 225, 0);
const QColor kPhysical(0, 0, 255);
const QColor kEmotional(255, 0, 0);
const QColor kIntellectualBar(0, 255, 0);
const QColor kBirth(255, 170, 0);
const QColor kScaleLine(200, 225, 200);
const QColor kCaption(255, 204, 51);

constexpr int kRhythmCurves = 1;
constexpr int kSummary = 2;

bool IsCurve(const QColor& colour)
{
    return colour == kIntellectualCurve || colour == kEmotional || colour == kPhysical;
}

} // namespace

class TestMonthViews : public QObject
{
    Q_OBJECT

private slots:
    void dayAxisLabels_data();
    void dayAxisLabels();
    void curvePointsAtKnownValues();
    void readoutsAndTickOnlyInCurrentMonthMode_data();
    void readoutsAndTickOnlyInCurrentMonthMode();
    void captionsEndBeforeTheirReadouts();
    void birthShadingEndsAtBirthDay_data();
    void birthShadingEndsAtBirthDay();
    void barTopsAndColours_data();
    void barTopsAndColours();
    void birthDateHasEmptyBar();
};

void TestMonthViews::dayAxisLabels_data()
{
    QTest::addColumn<int>("chartMonth");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("tail");

    QTest::newRow("31-day month") << 1 << 2026 << QStringLiteral("29 30 31");
    QTest::newRow("30-day month ends with 1") << 4 << 2026 << QStringLiteral("29 30 1");
    QTest::newRow("February of a leap year") << 2 << 2024 << QStringLiteral("29 1 2");
    QTest::newRow("February 2000 has 29 days") << 2 << 2000 << QStringLiteral("29 1 2");
    QTest::newRow("February 1900 has 28 days") << 2 << 1900 << QStringLiteral("1 2 3");
    QTest::newRow("February 2100 has 28 days") << 2 << 2100 << QStringLiteral("1 2 3");
    QTest::newRow("no chart month yet numbers the shown April") << 0 << 2026 << QStringLiteral("29 30 1");
}

void TestMonthViews::dayAxisLabels()
{
    QFETCH(int, chartMonth);
    QFETCH(int, year);
    QFETCH(QString, tail);

    ChartFixture fixture;
    fixture.setUp(1850, 1, 1, year, chartMonth == 0 ? 4 : chartMonth);
    fixture.dialog().m_nChartMonth = static_cast<short>(chartMonth);
    const QStringList labels = fixture.dialog().DayAxisLabels();
    QCOMPARE(labels.size(), 31);
    QCOMPARE(labels.at(27), QStringLiteral("28"));
    QCOMPARE(labels.mid(28).join(QLatin1Char(' ')), tail);
}

void TestMonthViews::curvePointsAtKnownValues()
{
    ChartFixture fixture;
    fixture.setUp(2026, 3, 1, 2026, 3, 0, kRhythmCurves); // column k has the age k - 1
    const QImage chart = fixture.paintWhole();

    // Age 6: Physical is sin(1.5907) = 0.9998, 30-fold truncated to 29: the
    // point is one pixel below the top of 55; the pen runs two pixels down.
    QCOMPARE(PixelAt(chart, 80, 55), kBackground);
    QCOMPARE(PixelAt(chart, 80, 56), kPhysical);
    QCOMPARE(PixelAt(chart, 80, 57), kPhysical);
    // Age 18: Physical is -0.9982, drawn at 85 + 29.
    QCOMPARE(PixelAt(chart, 224, 113), kBackground);
    QCOMPARE(PixelAt(chart, 224, 114), kPhysical);
    QCOMPARE(PixelAt(chart, 224, 116), kBackground);
    for (int x = 20; x < 370; ++x)
        QVERIFY(!IsCurve(PixelAt(chart, x, 53)) && !IsCurve(PixelAt(chart, x, 117)));
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
    fixture.setUp(1990, 2, 10, 2026, 6, 7, kRhythmCurves);
    fixture.dialog().m_bCurrentMonthMode = currentMonthMode;
    const QImage chart = fixture.paintWhole();

    QCOMPARE(PixelAt(chart, 80, 138) == kBirth, currentMonthMode); // day 7's column
    const int readouts = CountPixels(chart, QRect(100, 19, 25, 14), kCaption, kBackground, true)
        + CountPixels(chart, QRect(336, 19, 25, 14), kCaption, kBackground, true);
    QCOMPARE(readouts > 10, currentMonthMode);
}

void TestMonthViews::captionsEndBeforeTheirReadouts()
{
    ChartFixture fixture;
    fixture.setUp(1990, 2, 10, 2026, 6, 7, kRhythmCurves);
    fixture.dialog().m_bCurrentMonthMode = true;
    const QImage chart = fixture.paintWhole();

    // The two columns left of each read-out ("(" at 96, 217 and 332) stay
    // clear of the captions "Intellectual", "Emotional" and "Physical".
    for (int readout : { 96, 217, 332 }) {
        for (int x = readout - 2; x < readout; ++x) {
            for (int y = 19; y < 34; ++y)
                QVERIFY2(PixelAt(chart, x, y) == kBackground, qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
        }
    }
}

void TestMonthViews::birthShadingEndsAtBirthDay_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<bool>("marker");

    QTest::newRow("birth month") << 3 << true;
    QTest::newRow("month before the birth month") << 2 << true;
    QTest::newRow("month after the birth month") << 4 << false;
}

void TestMonthViews::birthShadingEndsAtBirthDay()
{
    QFETCH(int, month);
    QFETCH(bool, marker);

    ChartFixture fixture;
    fixture.setUp(2026, 3, 15, 2026, month, 0, kRhythmCurves); // marker at x = 12 * 15 - 4
    const QImage chart = fixture.paintWhole();

    int leftOfBirth = 0;
    int rightOfBirth = 0;
    for (int y = 35; y <= 134; ++y) {
        leftOfBirth += IsCurve(PixelAt(chart, 150, y)) ? 1 : 0;
        rightOfBirth += IsCurve(PixelAt(chart, 200, y)) ? 1 : 0;
    }
    QCOMPARE(leftOfBirth == 0, marker);
    QVERIFY(rightOfBirth > 0);
    QCOMPARE(PixelAt(chart, 176, 41) == kBirth, marker);
    QVERIFY(PixelAt(chart, 176, 40) != kBirth);
}

void TestMonthViews::barTopsAndColours_data()
{
    QTest::addColumn<int>("view");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("top");
    QTest::addColumn<QColor>("colour");

    // Born 15 March 2026; column k of March has the age k - 15, and a sum s
    // of the three values reaches up to 2 (65 - trunc(20 s)) + 10.
    // Age 1: 0.262 + 0.219 + 0.188, Physical largest.
    QTest::newRow("day after birth, Physical") << kSummary << 186 << 114 << kPhysical;
    // Age 7: 0.960 + 1.000 + 0.970.
    QTest::newRow("Emotional largest") << kSummary << 258 << 24 << kEmotional;
    // Age 9: 0.686 + 0.914 + 0.991.
    QTest::newRow("Intellectual largest") << kSummary << 282 << 38 << kIntellectualBar;
    QTest::newRow("no selection shows the bars") << -1 << 186 << 114 << kPhysical;
}

void TestMonthViews::barTopsAndColours()
{
    QFETCH(int, view);
    QFETCH(int, x);
    QFETCH(int, top);
    QFETCH(QColor, colour);

    ChartFixture fixture;
    fixture.setUp(2026, 3, 15, 2026, 3, 0, view);
    const QImage chart = fixture.paintWhole();

    // Probed right of the axis tick that stands in each column.
    QCOMPARE(PixelAt(chart, x + 4, top - 1), kBackground);
    QCOMPARE(PixelAt(chart, x + 4, top), kBlack);
    QCOMPARE(PixelAt(chart, x + 4, top + 1), colour);
    QCOMPARE(PixelAt(chart, x + 4, 130), colour);
    QCOMPARE(PixelAt(chart, x + 5, 130), kBlack);
    QCOMPARE(PixelAt(chart, x + 6, 130), kBackground);
}

void TestMonthViews::birthDateHasEmptyBar()
{
    ChartFixture fixture;
    fixture.setUp(2026, 3, 15, 2026, 3, 0, kSummary);
    CBiorhythmDlg& dialog = fixture.dialog();
    dialog.m_nCriticalLevel = 13;
    dialog.m_nMoonMark = 1;
    dialog.m_bShowDayInfo = true;
    const QImage chart = fixture.paintWhole();

    // The birth date's column runs from 174 to 179 with the birth line at
    // 176; the shading ends right before the line, over the earlier bars.
    for (int y = 30; y <= 130; ++y) {
        QCOMPARE(PixelAt(chart, 178, y), kBackground);
        QCOMPARE(PixelAt(chart, 176, y), kBirth);
        QCOMPARE(PixelAt(chart, 175, y), kBackground);
        QCOMPARE(PixelAt(chart, 164, y), kBackground);
    }
    // The month views change no state.
    QCOMPARE(dialog.m_nCriticalLevel, 13);
    QCOMPARE(dialog.m_nMoonMark, 1);
    QCOMPARE(dialog.m_bShowDayInfo, true);
}

QTEST_MAIN(TestMonthViews)
#include "tst_monthviews.moc"
