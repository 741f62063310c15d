// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmDlg.h"

#include "app/Strings.h"
#include "app/Translation.h"
#include "calendar/CalendarPanel.h"
#include "chart/ChartLayout.h"
#include "model/BioYear.h"
#include "model/CalendarArithmetic.h"
#include "model/Moon.h"
#include "platform/DeviceContext.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>

namespace {

constexpr COLORREF kBackgroundColour = RGB(40, 38, 90);
constexpr COLORREF kMonthBandColour = RGB(5, 20, 144);
// The day dot, the full moon and the note box share one pale ivory.
constexpr COLORREF kIvoryColour = RGB(255, 255, 230);
constexpr COLORREF kNewMoonRingColour = RGB(180, 180, 225);
constexpr COLORREF kDayLineColour = RGB(255, 255, 255);
constexpr COLORREF kCurveColour = RGB(80, 233, 80);
constexpr COLORREF kLevelMarkerColour = RGB(153, 255, 153);
constexpr COLORREF kSecondCurveColour = RGB(255, 0, 255);
constexpr COLORREF kFirstDateThinColour = RGB(255, 125, 255);
constexpr COLORREF kFirstDateThickColour = RGB(255, 135, 255);
constexpr COLORREF kMonthNameColour = RGB(0, 0, 0);
constexpr COLORREF kLabelColour = RGB(255, 255, 255);
constexpr COLORREF kCaptionColour = RGB(255, 204, 51);
constexpr COLORREF kNoteTextColour = RGB(0, 0, 0);
constexpr COLORREF kNoteBackColour = RGB(255, 255, 220);

constexpr CRect kPlotArea { 3, 5, 375, 141 };

// Day d of the year stands in column x = d + 6; the curve is sampled every
// second column.
constexpr int kDayColumnOffset = 6;
constexpr int kCurveFirstX = 6;
constexpr int kCurveLastX = 372;
constexpr int kCurveStep = 2;
// A curve height h is drawn at y = h + 29; 32 is the centre line.
constexpr int kCurveOffsetY = 29;
constexpr int kCentreLineY = 61;

constexpr int kMonthNameBackX = 16;
constexpr int kMonthNameY = 143;
constexpr int kMonthSeparatorShiftX = 6;
constexpr int kMonthSeparatorY = 139;

constexpr int kBandTop = 5;
constexpr int kBandBottom = 131;
constexpr int kDayLineShiftX = 2;
constexpr int kDayLineTop = 26;
constexpr int kDayLineBottom = 99;
constexpr int kDayDotTop = 23;
constexpr int kDayDotSize = 4;
constexpr int kDateLabelY = 9;

constexpr int kYearLabelFromMonth = 6;
constexpr CPoint kYearLabelLeft { 25, 113 };
constexpr CPoint kYearLabelRight { 335, 113 };
constexpr CPoint kCaptionPosition { 140, 103 };

// Read-outs and the comparison legend sit right of the band, in December
// left of it, where the chart ends.
constexpr int kDecember = 12;
constexpr int kReadoutShiftX = 24;
constexpr int kReadoutShiftXDecember = 13;
constexpr int kReadoutY = 117;
constexpr int kSecondReadoutY = 105;
constexpr int kLegendShiftX = 8;
constexpr int kLegendShiftXDecember = -3;
constexpr int kLegendLength = 12;
constexpr int kLegendY = 123;
constexpr int kSecondLegendY = 111;
constexpr int kLegendDigitShiftXDecember = -11;
constexpr int kFirstDigitY = 106;
constexpr int kSecondDigitY = 118;

// The marker hangs below the curve point, as long as the level; the thick
// dash sits on the curve.
constexpr int kMarkerThinStart = 32;
constexpr int kMarkerThickTop = 28;
constexpr int kMarkerThickBottom = 30;

// A band reaching into the chart's last quarter would run under the moon.
constexpr int kMoonShiftThreshold = 290;
constexpr int kMoonShift = 62;
constexpr CRect kMoonFrame { 302, 1, 331, 29 };
constexpr CRect kMoonWindow { 304, 3, 329, 27 };
constexpr CRect kNewMoonRing { 309, 5, 326, 22 };
constexpr CRect kNewMoonShadow { 311, 7, 324, 20 };
constexpr CRect kFullMoonDisc { 309, 5, 324, 22 };

constexpr int kNoteLeft = 15;
constexpr int kNoteTop = 10;
constexpr int kNoteBottom = 23;
constexpr int kNoteTextY = 11;
constexpr int kNoteGap = 5;
constexpr int kNoteCorner = 3;

// The curve's point over a day of the year, for the birthday in column
// birthday.
int CurveY(int day, int birthday)
{
    return BioYearCurve(BioYearColumn(day, birthday)) + kCurveOffsetY;
}

// The yearly curve for the birthday in column birthday; the point of column
// x is the curve x - 6 - birthday days after the birthday, except that a
// whole year opens on its unreduced opening column. With a start column
// nothing is drawn before it.
void DrawYearCurve(CDC& dc, int birthday, std::optional<int> start)
{
    int firstX = kCurveFirstX + kCurveStep;
    if (start) {
        dc.MoveTo(*start + kDayColumnOffset, CurveY(*start, birthday));
        // From an odd start the first segment goes back to the even column.
        firstX = 2 * (*start / 2) + kDayColumnOffset;
        if (*start / 2 > (kCurveLastX - kDayColumnOffset) / 2)
            return;
    } else {
        dc.MoveTo(kCurveFirstX, BioYearCurve(YearCurveOpeningColumn(birthday)) + kCurveOffsetY);
    }
    for (int x = firstX; x <= kCurveLastX; x += kCurveStep)
        dc.LineTo(x, CurveY(x - kDayColumnOffset, birthday));
}

// A month's name ends before the separator after it.
constexpr int kMonthNameRoom = kMonthNameBackX + kMonthSeparatorShiftX - 1;

void DrawMonthAxis(CDC& dc, const CFont& font)
{
    int monthEnd = 0;
    for (int month = 1; month <= 12; ++month) {
        monthEnd += MonthLengths[month];
        TextOutInRoom(dc, monthEnd - kMonthNameBackX, kMonthNameY, MonthShortName(month), font, kMonthNameRoom);
        if (month < 12)
            dc.TextOut(monthEnd + kMonthSeparatorShiftX, kMonthSeparatorY, QStringLiteral("|"));
    }
}

QString FormatReading(float value)
{
    const QString text = WithDecimalSign(QString::asprintf("%.2f", value));
    return value > 0 ? QLatin1Char('+') + text : text;
}

void DrawLevelMarker(CDC& dc, int dayOfYear, int level, int birthday, CPen& thin, CPen& thick)
{
    const int x = dayOfYear + kDayColumnOffset;
    const int height = BioYearCurve(BioYearColumn(dayOfYear, birthday));
    CPen* previous = dc.SelectObject(&thin);
    dc.MoveTo(x, height + kMarkerThinStart);
    dc.LineTo(x, height + kCurveOffsetY + level);
    dc.SelectObject(&thick);
    dc.MoveTo(x, height + kMarkerThickTop);
    dc.LineTo(x, height + kMarkerThickBottom);
    dc.SelectObject(previous);
}

CRect Shifted(const CRect& rect, int shift)
{
    return { rect.left - shift, rect.top, rect.right - shift, rect.bottom };
}

void DrawMoon(CDC& dc, int moonMark, int shift, CBrush* frameBrush, CBrush& background, CBrush& ring, CBrush& fullMoon)
{
    if (moonMark != kNewMoonMark && moonMark != kFullMoonMark)
        return;
    CBrush* previous = dc.SelectObject(frameBrush);
    dc.Rectangle(Shifted(kMoonFrame, shift));
    dc.SelectObject(&background);
    dc.Rectangle(Shifted(kMoonWindow, shift));
    if (moonMark == kNewMoonMark) {
        const CRect ringRect = Shifted(kNewMoonRing, shift);
        const CRect shadowRect = Shifted(kNewMoonShadow, shift);
        dc.SelectObject(&ring);
        dc.Ellipse(ringRect.left, ringRect.top, ringRect.right, ringRect.bottom);
        dc.SelectObject(&background);
        dc.Ellipse(shadowRect.left, shadowRect.top, shadowRect.right, shadowRect.bottom);
    } else {
        const CRect moonRect = Shifted(kFullMoonDisc, shift);
        dc.SelectObject(&fullMoon);
        dc.Ellipse(moonRect.left, moonRect.top, moonRect.right, moonRect.bottom);
    }
    dc.SelectObject(previous);
}

// The box goes left of the band when it fits there, else right of it.
void DrawNoteBox(CDC& dc, const QString& note, const MonthBand& band, CBrush& brush, CFont& font)
{
    CBrush* previousBrush = dc.SelectObject(&brush);
    CFont* previousFont = dc.SelectObject(&font);
    dc.SetTextColor(kNoteTextColour);
    dc.SetBkColor(kNoteBackColour);
    dc.SetBkMode(TRANSPARENT);
    // As wide as the text, blanks included: they are the box's margins.
    const int width = dc.GetTextExtent(note).cx;
    const int left = width + kNoteLeft < band.left ? kNoteLeft : band.right + kNoteGap;
    dc.RoundRect(left, kNoteTop, left + width, kNoteBottom, kNoteCorner, kNoteCorner);
    dc.TextOut(left, kNoteTextY, note);
    dc.SelectObject(previousFont);
    dc.SelectObject(previousBrush);
}

} // namespace

void CBiorhythmDlg::DrawYearView(CDC& dc)
{
    const int year = m_pCalendar->m_nYear;
    const int month = std::clamp(m_pCalendar->m_nMonth, 1, 12);
    const int day = m_pCalendar->m_nDay;
    const bool december = month == kDecember;

    CBrush background(kBackgroundColour);
    CBrush monthBand(kMonthBandColour);
    CBrush ivory(kIvoryColour);
    CBrush newMoonRing(kNewMoonRingColour);
    CPen dayLine(PS_SOLID, 1, kDayLineColour);
    CPen curve(PS_SOLID, 1, kCurveColour);
    CPen markerThin(PS_SOLID, 1, kLevelMarkerColour);
    CPen markerThick(PS_SOLID, 3, kLevelMarkerColour);
    CPen secondCurve(PS_SOLID, 1, kSecondCurveColour);
    CPen firstDateThin(PS_SOLID, 1, kFirstDateThinColour);
    CPen firstDateThick(PS_SOLID, 3, kFirstDateThickColour);

    CBrush* brushBefore = dc.SelectObject(&background);
    dc.Rectangle(kPlotArea);
    dc.SelectObject(brushBefore);

    m_nChartMonth = static_cast<short>(month);
    const MonthBand band = YearViewMonthBand(month, year);

    CFont mainFont;
    CFont captionFont;
    CFont smallFont;
    CFont noteFont;
    CreateChartFont(mainFont, QStringLiteral("Arial"), 12, FW_NORMAL);
    CreateChartFont(captionFont, QStringLiteral("Courier"), 15, FW_NORMAL);
    CreateChartFont(smallFont, QStringLiteral("Arial"), 10, FW_NORMAL);
    CreateChartFont(noteFont, QStringLiteral("Arial"), 10, FW_BOLD);
    CFont* fontBefore = dc.SelectObject(&mainFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kMonthNameColour);

    DrawMonthAxis(dc, mainFont);

    bool moonOnBand = false;
    if (m_bCurrentMonthMode) {
        dc.SelectObject(&monthBand);
        dc.Rectangle(band.left, kBandTop, band.right, kBandBottom);
        dc.SelectObject(brushBefore);
        if (day != 0) {
            const int x = band.left + day + kDayLineShiftX;
            CPen* penBefore = dc.SelectObject(&dayLine);
            dc.MoveTo(x, kDayLineTop);
            dc.LineTo(x, kDayLineBottom);
            dc.SelectObject(&ivory);
            dc.Ellipse(band.left + day, kDayDotTop, band.left + day + kDayDotSize, kDayDotTop + kDayDotSize);
            dc.SelectObject(brushBefore);
            dc.SelectObject(penBefore);
            moonOnBand = true;
        }
        dc.SetTextColor(kLabelColour);
        const QString date = TranslatedLocale() && day > 0 ? NumericDateText(day, month, year)
                                                           : QString::asprintf("%02d.%02d.%02d", month, day, year % 100);
        // A date with four figures for its year keeps inside the plot in December.
        const QString label = date.trimmed();
        dc.TextOut(std::min(band.left, kPlotArea.right - 1 - dc.GetTextExtent(label).cx), kDateLabelY, label);
    }

    CPen* penBefore = dc.SelectObject(&curve);
    int birthday = 0;
    if (m_nBirthYear != 0) {
        birthday = static_cast<int>(DaysBetween(1, 1, year, m_nBirthMonth, year, m_nBirthDay)) + 1;
        dc.SetTextColor(kLabelColour);
        const CPoint position = month >= kYearLabelFromMonth ? kYearLabelLeft : kYearLabelRight;
        dc.TextOut(position.x, position.y, QString::number(year));
    } else {
        dc.SelectObject(&captionFont);
        dc.SetTextColor(kCaptionColour);
        dc.TextOut(kCaptionPosition.x, kCaptionPosition.y, QCoreApplication::translate("Chart", "Biological year"));
    }

    // A curve starts on the birthday in the year of birth; in a comparison
    // both curves start on the later of the two birthdays.
    int firstBirthday = 0;
    std::optional<int> start;
    if (m_nBirthYear == year)
        start = birthday;
    if (m_bCompareMode) {
        firstBirthday = static_cast<int>(DaysBetween(1, 1, year, m_nBirthMonth1, year, m_nBirthDay1)) + 1;
        if (m_nBirthYear1 == year)
            start = std::max(start.value_or(firstBirthday), firstBirthday);
    }
    DrawYearCurve(dc, birthday, start);

    dc.MoveTo(kCurveFirstX, kCentreLineY);
    dc.LineTo(kCurveLastX, kCentreLineY);

    const int readoutX = band.left + (december ? kReadoutShiftXDecember : kReadoutShiftX);
    const int dayOfYear = static_cast<int>(DaysBetween(1, 1, year, month, year, static_cast<short>(day))) + 1;
    if (m_bCurrentMonthMode && day != 0)
        dc.TextOut(readoutX, kReadoutY, FormatReading(BioYearReading(BioYearColumn(dayOfYear, birthday))));

    const int legendX = band.left + (december ? kLegendShiftXDecember : kLegendShiftX);
    if (m_bCompareMode) {
        dc.MoveTo(legendX, kLegendY);
        dc.LineTo(legendX + kLegendLength, kLegendY);
    }

    if (day == 0) {
        int marked1 = 0;
        int marked2 = 0;
        if (m_bCompareMode)
            m_pCalendar->GetMarkedDays(&marked1, &marked2);
        if (!m_bCompareMode || (marked1 == 0 && marked2 == 0))
            m_nCriticalLevel = 0;
        if (!m_bCompareMode) {
            m_btnInfo.m_bActive = false;
            InvalidateWindow(&m_btnInfo);
        }
    }

    if (m_nCriticalLevel != 0)
        DrawLevelMarker(dc, m_nDayOfYear, m_nCriticalLevel, birthday, markerThin, markerThick);
    dc.SelectObject(penBefore);

    if (m_bCompareMode) {
        dc.SelectObject(&secondCurve);
        dc.SelectObject(&smallFont);
        const int digitX = band.left + (december ? kLegendDigitShiftXDecember : 0);
        dc.TextOut(digitX, kFirstDigitY, QStringLiteral("1"));
        dc.TextOut(digitX, kSecondDigitY, QStringLiteral("2"));
        dc.MoveTo(legendX, kSecondLegendY);
        dc.LineTo(legendX + kLegendLength, kSecondLegendY);
        dc.SelectObject(fontBefore);

        DrawYearCurve(dc, firstBirthday, start);

        if (m_bCurrentMonthMode && day != 0) {
            dc.SelectObject(&mainFont);
            dc.TextOut(readoutX, kSecondReadoutY, FormatReading(BioYearReading(BioYearColumn(dayOfYear, firstBirthday))));
            dc.SelectObject(fontBefore);
        }

        int marked1 = 0;
        int marked2 = 0;
        m_pCalendar->GetMarkedDays(&marked1, &marked2);
        if (marked1 == 0 && marked2 == 0)
            m_nCriticalLevel1 = 0;
        if (m_nCriticalLevel1 != 0)
            DrawLevelMarker(dc, m_nDayOfYear1, m_nCriticalLevel1, firstBirthday, firstDateThin, firstDateThick);
        dc.SelectObject(penBefore);
    }

    if (day == 0)
        m_nMoonMark = kNoMoonMark;
    const int moonShift = band.right > kMoonShiftThreshold ? kMoonShift : 0;
    DrawMoon(dc, m_nMoonMark, moonShift, moonOnBand ? &monthBand : brushBefore, background, newMoonRing, ivory);

    if (m_bShowDayInfo) {
        if (!m_strCriticalNote.isEmpty())
            DrawNoteBox(dc, m_strCriticalNote, band, ivory, noteFont);
        m_bShowDayInfo = false;
    }

    dc.SelectObject(brushBefore);
    dc.SelectObject(fontBefore);
    dc.SelectObject(penBefore);
}

std::vector<TextRoom> YearViewTextRooms()
{
    CFont mainFont;
    CFont captionFont;
    CreateChartFont(mainFont, QStringLiteral("Arial"), 12, FW_NORMAL);
    CreateChartFont(captionFont, QStringLiteral("Courier"), 15, FW_NORMAL);
    std::vector<TextRoom> rooms;
    for (int month = 1; month <= 12; ++month)
        rooms.push_back({ nullptr, MonthShortName(month), mainFont.ToQFont(), kMonthNameRoom });
    const char* caption = QT_TRANSLATE_NOOP("Chart", "Biological year");
    rooms.push_back({ caption, QCoreApplication::translate("Chart", caption), captionFont.ToQFont(),
        kPlotArea.right - kCaptionPosition.x });
    return rooms;
}
