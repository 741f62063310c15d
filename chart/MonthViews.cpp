// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmDlg.h"
#include "app/Strings.h"

#include "calendar/CalendarPanel.h"
#include "chart/ChartLayout.h"
#include "model/CalendarArithmetic.h"
#include "model/Rhythms.h"
#include "platform/DeviceContext.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

constexpr COLORREF kBackgroundColour = RGB(40, 40, 90);
constexpr COLORREF kIntellectualBarColour = RGB(0, 255, 0);
constexpr COLORREF kEmotionalBarColour = RGB(255, 0, 0);
constexpr COLORREF kPhysicalBarColour = RGB(0, 0, 255);
constexpr COLORREF kBirthColour = RGB(255, 170, 0);
constexpr COLORREF kIntellectualCurveColour = RGB(0, 225, 0);
constexpr COLORREF kEmotionalCurveColour = RGB(255, 0, 0);
constexpr COLORREF kPhysicalCurveColour = RGB(0, 0, 255);
constexpr COLORREF kScaleLineColour = RGB(200, 225, 200);
constexpr COLORREF kAxisTextColour = RGB(0, 0, 102);
constexpr COLORREF kCaptionColour = RGB(255, 204, 51);
constexpr COLORREF kScaleLabelColour = RGB(255, 255, 170);

constexpr CRect kPlotArea { 3, 5, 375, 141 };

// Day k of the view (1..31) stands in the column x = 6 + 12 (k - 1).
constexpr int kColumns = 31;
constexpr int kFirstColumnX = 6;
constexpr int kColumnWidth = 12;
constexpr int kAxisTickShiftX = 1;
constexpr int kAxisTickY = 136;
constexpr int kAxisNumberY = 145;

// "3 rhythms": a value v is drawn at y = 85 - 30 v.
constexpr int kCurveShiftX = 2;
constexpr int kZeroLineY = 85;
constexpr int kCurveAmplitude = 30;
constexpr int kZeroLineLeft = 5;
constexpr int kZeroLineRight = 375;
constexpr int kCaptionY = 19;
constexpr int kLegendY = 27;
constexpr int kLegendLength = 12;
constexpr int kDayTickTop = 137;
constexpr int kDayTickBottom = 140;
constexpr int kCurvesBirthShadingTop = 35;
constexpr int kBirthLineTop = 41;
constexpr int kCurvesBirthCaptionY = 125;
constexpr int kCurvesBirthCaptionLimit = 320;
constexpr int kCurvesBirthCaptionBack = 58;

// "Summary": the bar of the sum s of the three values reaches up to
// y = 2 (65 - trunc(20 s)) + 10.
constexpr int kBarWidth = 6;
constexpr int kBarBottom = 140;
constexpr int kBarScale = 20;
constexpr int kBarHeightBase = 65;
constexpr int kBarTopOffset = 10;
constexpr int kScaleLabelX = 179;
constexpr int kUpperScaleLabelY = 14;
constexpr int kLowerScaleLabelY = 71;
constexpr int kScaleLineLeft = 5;
constexpr int kScaleLineRight = 372;
constexpr int kUpperScaleLineY = 22;
constexpr int kLowerScaleLineY = 81;
constexpr int kSummaryBirthShadingTop = 5;
constexpr int kSummaryBirthCaptionY = 8;
constexpr int kSummaryBirthCaptionLimit = 80;
constexpr int kSummaryBirthCaptionBack = 54;
constexpr int kSummaryBirthLineTop = 13;
constexpr int kRepeatedScaleLeftLimit = 180;
constexpr int kRepeatedScaleRightLimit = 360;
constexpr int kRepeatedScaleShiftX = 4;

// The birth day d has its marker at x = 12 d - 4.
constexpr int kBirthDayScale = 12;
constexpr int kBirthDayBack = 4;
constexpr int kBirthShadingBottom = 141;
constexpr int kBirthDotRadius = 4;
constexpr int kBirthDotTop = 135;
constexpr int kBirthDotBottom = 143;
constexpr int kBirthCaptionGap = 8;

struct CurveStyle
{
    Rhythm rhythm;
    const char* caption;
    COLORREF colour;
    int captionX;
    int legendX;
    int readoutX;
};
constexpr CurveStyle kCurveStyles[] = {
    { Rhythm::Intellectual, QT_TRANSLATE_NOOP("Chart", "Intellectual"), kIntellectualCurveColour, 41, 20, 96 },
    { Rhythm::Emotional, QT_TRANSLATE_NOOP("Chart", "Emotional"), kEmotionalCurveColour, 166, 145, 217 },
    { Rhythm::Physical, QT_TRANSLATE_NOOP("Chart", "Physical"), kPhysicalCurveColour, 286, 265, 332 },
};

// What the captions keep clear of: the read-out beside them, and the birth
// line when the caption stands left of it.
constexpr int kCaptionClearance = 3;
constexpr int kBirthCaptionRoom = std::min(kCurvesBirthCaptionBack, kSummaryBirthCaptionBack) - kCaptionClearance;

int CaptionRoom(const CurveStyle& style)
{
    return style.readoutX - style.captionX - kCaptionClearance;
}

int ColumnX(int column)
{
    return kFirstColumnX + kColumnWidth * (column - 1);
}

int CurveY(double value)
{
    return kZeroLineY - static_cast<int>(kCurveAmplitude * value);
}

// The drawing objects both month views share, made for one paint.
struct MonthPaint
{
    CBrush background { kBackgroundColour };
    CBrush intellectualBar { kIntellectualBarColour };
    CBrush emotionalBar { kEmotionalBarColour };
    CBrush physicalBar { kPhysicalBarColour };
    CBrush birthDot { kBirthColour };
    CPen shadingOutline { PS_SOLID, 1, kBackgroundColour };
    CPen dayTick { PS_SOLID, 2, kBirthColour };
    CPen birthLine { PS_SOLID, 1, kBirthColour };
    CPen scaleLine { PS_DOT, 1, kScaleLineColour };
    CFont captionFont;
    CFont axisFont;

    double firstAge = 0.0; // age in days on the 1st of the shown month
    QStringList axisLabels;
    CBrush* brushBefore = nullptr;
    CFont* fontBefore = nullptr;
};

void BeginMonthView(CDC& dc, MonthPaint& paint)
{
    CreateChartFont(paint.captionFont, QStringLiteral("_sans"), 14, FW_NORMAL);
    CreateChartFont(paint.axisFont, QStringLiteral("Geneva"), 8, FW_NORMAL);
    paint.fontBefore = dc.SelectObject(&paint.axisFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kAxisTextColour);
    paint.brushBefore = dc.SelectObject(&paint.background);
    dc.Rectangle(kPlotArea);
}

void EndMonthView(CDC& dc, MonthPaint& paint)
{
    dc.SelectObject(paint.brushBefore);
    dc.SelectObject(paint.fontBefore);
}

void DrawDayAxisEntry(CDC& dc, const MonthPaint& paint, int column)
{
    const int x = ColumnX(column);
    dc.TextOut(x + kAxisTickShiftX, kAxisTickY, QStringLiteral("|"));
    dc.TextOut(x, kAxisNumberY, paint.axisLabels.value(column - 1));
}

void DrawDayAxis(CDC& dc, const MonthPaint& paint)
{
    for (int column = 1; column <= kColumns; ++column)
        DrawDayAxisEntry(dc, paint, column);
}

// Days before the birth are shaded over, up to the birth day's column, with
// a dot on the axis and a line up from it.
void DrawBirthMarker(CDC& dc, MonthPaint& paint, int birthDay, int shadingTop, bool summary)
{
    const int x = kBirthDayScale * birthDay - kBirthDayBack;
    CBrush* brushBefore = dc.SelectObject(&paint.background);
    CPen* penBefore = dc.SelectObject(&paint.shadingOutline);
    dc.Rectangle(kPlotArea.left, shadingTop, x, kBirthShadingBottom);
    dc.SelectObject(&paint.birthDot);
    dc.Ellipse(x - kBirthDotRadius, kBirthDotTop, x + kBirthDotRadius, kBirthDotBottom);

    CFont* fontBefore = dc.SelectObject(&paint.captionFont);
    dc.SetTextColor(kCaptionColour);
    if (!summary) {
        dc.SelectObject(&paint.birthLine);
        dc.MoveTo(x, kBirthLineTop);
        dc.LineTo(x, kBarBottom);
        const int captionX = x < kCurvesBirthCaptionLimit ? x + kBirthCaptionGap : x - kCurvesBirthCaptionBack;
        TextOutInRoom(dc, captionX, kCurvesBirthCaptionY, QCoreApplication::translate("Chart", "Birth date"),
            paint.captionFont, kBirthCaptionRoom);
    } else {
        if (x < kSummaryBirthCaptionLimit) {
            TextOutInRoom(dc, x + kBirthCaptionGap, kSummaryBirthCaptionY, QCoreApplication::translate("Chart", "Birth date"),
                paint.captionFont, kBirthCaptionRoom);
        } else {
            TextOutInRoom(dc, x - kSummaryBirthCaptionBack, kSummaryBirthCaptionY,
                QCoreApplication::translate("Chart", "Birth date"), paint.captionFont, kBirthCaptionRoom);
            // The shading has covered the scale labels at the chart's middle.
            if (x > kRepeatedScaleLeftLimit && x < kRepeatedScaleRightLimit) {
                dc.SelectObject(&paint.axisFont);
                dc.SetTextColor(kScaleLabelColour);
                dc.TextOut(x + kRepeatedScaleShiftX, kUpperScaleLabelY, QStringLiteral("1.0"));
                dc.TextOut(x + kRepeatedScaleShiftX, kLowerScaleLabelY, QStringLiteral("0.5"));
            }
        }
        dc.SelectObject(&paint.birthLine);
        dc.MoveTo(x, kSummaryBirthLineTop);
        dc.LineTo(x, kBarBottom);
    }
    dc.SelectObject(fontBefore);
    dc.SelectObject(penBefore);
    dc.SelectObject(brushBefore);
}

// The birth marker shows in the birth month and, in the birth year, in the
// months before it.
bool ShowsBirthMarker(int month, int year, int birthMonth, int birthYear)
{
    return year == birthYear && month <= birthMonth;
}

} // namespace

void CBiorhythmDlg::DrawRhythmCurves(CDC& dc)
{
    const int month = m_pCalendar->m_nMonth;
    const int year = m_pCalendar->m_nYear;
    const int selectedDay = m_pCalendar->m_nDay;

    MonthPaint paint;
    paint.firstAge = DaysBetween(m_nBirthDay, m_nBirthMonth, m_nBirthYear, static_cast<short>(month), static_cast<short>(year), 1);
    paint.axisLabels = DayAxisLabels();
    BeginMonthView(dc, paint);

    DrawDayAxis(dc, paint);

    dc.SelectObject(&paint.captionFont);
    dc.SetTextColor(kCaptionColour);
    for (const CurveStyle& style : kCurveStyles)
        TextOutInRoom(dc, style.captionX, kCaptionY, QCoreApplication::translate("Chart", style.caption), paint.captionFont,
            CaptionRoom(style));

    CPen* penBefore = nullptr;
    for (const CurveStyle& style : kCurveStyles) {
        CPen pen(PS_SOLID, 2, style.colour);
        CPen* previous = dc.SelectObject(&pen);
        if (!penBefore)
            penBefore = previous;
        dc.MoveTo(style.legendX, kLegendY);
        dc.LineTo(style.legendX + kLegendLength, kLegendY);

        int tickX = -1;
        dc.MoveTo(ColumnX(1) + kCurveShiftX, CurveY(RhythmValue(paint.firstAge, style.rhythm)));
        for (int column = 1; column <= kColumns; ++column) {
            const double value = RhythmValue(paint.firstAge + column - 1, style.rhythm);
            const int x = ColumnX(column) + kCurveShiftX;
            dc.LineTo(x, CurveY(value));
            if (column == selectedDay && m_bCurrentMonthMode) {
                dc.TextOut(style.readoutX, kCaptionY, WithDecimalSign(QString::asprintf("(%.2f)", value)));
                tickX = x;
            }
        }
        if (style.rhythm == Rhythm::Intellectual && tickX >= 0) {
            dc.SelectObject(&paint.dayTick);
            dc.MoveTo(tickX, kDayTickTop);
            dc.LineTo(tickX, kDayTickBottom);
        }
        dc.SelectObject(previous);
    }

    dc.SelectObject(&paint.scaleLine);
    dc.MoveTo(kZeroLineLeft, kZeroLineY);
    dc.LineTo(kZeroLineRight, kZeroLineY);
    dc.SelectObject(penBefore);

    if (ShowsBirthMarker(month, year, m_nBirthMonth, m_nBirthYear))
        DrawBirthMarker(dc, paint, m_nBirthDay, kCurvesBirthShadingTop, false);

    EndMonthView(dc, paint);
}

void CBiorhythmDlg::DrawSummaryBars(CDC& dc)
{
    const int month = m_pCalendar->m_nMonth;
    const int year = m_pCalendar->m_nYear;

    MonthPaint paint;
    paint.firstAge = DaysBetween(m_nBirthDay, m_nBirthMonth, m_nBirthYear, static_cast<short>(month), static_cast<short>(year), 1);
    paint.axisLabels = DayAxisLabels();
    BeginMonthView(dc, paint);

    for (int column = 1; column <= kColumns; ++column) {
        const double age = paint.firstAge + column - 1;
        const double physical = std::fabs(RhythmValue(age, Rhythm::Physical));
        const double emotional = std::fabs(RhythmValue(age, Rhythm::Emotional));
        const double intellectual = std::fabs(RhythmValue(age, Rhythm::Intellectual));
        const int height = static_cast<int>(kBarScale * (intellectual + emotional + physical));
        const int top = 2 * (kBarHeightBase - height) + kBarTopOffset;
        // Ties go to Emotional, then to Intellectual.
        CBrush* bar = &paint.physicalBar;
        if (emotional >= intellectual && emotional >= physical)
            bar = &paint.emotionalBar;
        else if (intellectual >= physical)
            bar = &paint.intellectualBar;
        const int x = ColumnX(column);
        // A sum of 0, as on the birth date, leaves the column empty.
        if (top < kBarBottom) {
            dc.SelectObject(bar);
            dc.Rectangle(x, top, x + kBarWidth, kBarBottom);
            dc.SelectObject(&paint.background);
        }
        DrawDayAxisEntry(dc, paint, column);
    }

    dc.SetTextColor(kScaleLabelColour);
    dc.TextOut(kScaleLabelX, kUpperScaleLabelY, QStringLiteral("1.0"));
    dc.TextOut(kScaleLabelX, kLowerScaleLabelY, QStringLiteral("0.5"));
    CPen* penBefore = dc.SelectObject(&paint.scaleLine);
    dc.MoveTo(kScaleLineLeft, kLowerScaleLineY);
    dc.LineTo(kScaleLineRight, kLowerScaleLineY);
    dc.MoveTo(kScaleLineLeft, kUpperScaleLineY);
    dc.LineTo(kScaleLineRight, kUpperScaleLineY);
    dc.SelectObject(penBefore);

    if (ShowsBirthMarker(month, year, m_nBirthMonth, m_nBirthYear))
        DrawBirthMarker(dc, paint, m_nBirthDay, kSummaryBirthShadingTop, true);

    EndMonthView(dc, paint);
}

std::vector<TextRoom> MonthViewTextRooms()
{
    CFont captionFont;
    CreateChartFont(captionFont, QStringLiteral("_sans"), 14, FW_NORMAL);
    std::vector<TextRoom> rooms;
    for (const CurveStyle& style : kCurveStyles)
        rooms.push_back({ style.caption, QCoreApplication::translate("Chart", style.caption), captionFont.ToQFont(),
            CaptionRoom(style) });
    const char* birth = QT_TRANSLATE_NOOP("Chart", "Birth date");
    rooms.push_back({ birth, QCoreApplication::translate("Chart", birth), captionFont.ToQFont(), kBirthCaptionRoom });
    return rooms;
}
