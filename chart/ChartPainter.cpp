// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmDlg.h"

#include "app/Strings.h"
#include "calendar/CalendarPanel.h"
#include "chart/ChartLayout.h"
#include "chart/ChartView.h"
#include "model/CalendarArithmetic.h"
#include "platform/DeviceContext.h"
#include "res/ResourceIds.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cmath>

namespace {

// Three bevels, the outer one in a faded rose, the inner two white over black.
constexpr COLORREF kFrameRose = RGB(187, 170, 170);
constexpr COLORREF kFrameLight = RGB(255, 255, 255);
constexpr COLORREF kFrameShadow = RGB(0, 0, 0);
struct Bevel
{
    int x, y, width, height;
    COLORREF topLeft, bottomRight;
};
constexpr Bevel kFrameBevels[] = {
    { 0, 2, 377, 155, kFrameRose, kFrameShadow },
    { 1, 3, 376, 154, kFrameLight, kFrameShadow },
    { 3, 5, 375, 153, kFrameLight, kFrameShadow },
};

constexpr CPoint kStatusIconPosition { 2, 0 };
// Levels above this one are critical days; the others are merely hard.
constexpr int kHighestCalmLevel = 3;

constexpr int kFirstSummerMonth = 3;
constexpr int kLastSummerMonth = 8;

void DrawFrame(CDC& dc)
{
    for (const Bevel& bevel : kFrameBevels)
        dc.Draw3dRect(bevel.x, bevel.y, bevel.width, bevel.height, bevel.topLeft, bevel.bottomRight);
}

void DrawStatusIcon(QWidget* helpLine, int criticalLevel, bool compareMode, HICON warningIcon, HICON plainIcon)
{
    ClearWindowLayer(helpLine);
    const QString text = GetWindowText(helpLine);
    if (text.isEmpty())
        return;
    CWindowDC dc(helpLine);
    const bool warning = criticalLevel > kHighestCalmLevel && !compareMode;
    dc.DrawIcon(kStatusIconPosition.x, kStatusIconPosition.y, warning ? warningIcon : plainIcon);
}

// The picture control shows the season's bitmap as its own rather than
// having it copied over its face at every paint, so that only the bitmap
// on show is ever drawn.
void ShowSeasonPicture(CPictureStatic& picture, int chartMonth)
{
    const bool summer = chartMonth >= kFirstSummerMonth && chartMonth <= kLastSummerMonth;
    picture.SetBitmap(summer ? IDB_SUMMER : IDB_AUTUMN);
}

// Draws the picture with its top-left corner at position. Qt blends an image
// of more than about a hundred rows through a window of irregular shape on
// helper threads, and starting them costs more than the blend; bands of a
// few rows are blended where the paint runs, to the same pixels, as long as
// each band starts on a whole device pixel.
void DrawInBands(QPainter& painter, QPoint position, const QImage& picture)
{
    constexpr int kBandRows = 32;
    const qreal ratio = picture.devicePixelRatio();
    if (ratio != std::floor(ratio)) {
        painter.drawImage(position, picture);
        return;
    }
    const int logicalHeight = qRound(picture.height() / ratio);
    const int logicalWidth = qRound(picture.width() / ratio);
    for (int top = 0; top < logicalHeight; top += kBandRows) {
        const int rows = std::min(kBandRows, logicalHeight - top);
        painter.drawImage(QRectF(position.x(), position.y() + top, logicalWidth, rows), picture,
            QRectF(0, top * ratio, picture.width(), rows * ratio));
    }
}

// Draws the parts of the picture that lie on the window around the control,
// each clipped to a rectangle of its own. Clipped only to the window's paint
// region, which the controls cut into many rectangles, Qt lays out a list of
// spans for every row of the window first, some 400 KB.
void DrawAroundControl(QPainter& painter, const QRect& control, const QImage& picture)
{
    const QRect whole(control.topLeft(), picture.deviceIndependentSize().toSize());
    for (const QRect& part : QRegion(whole).subtracted(control)) {
        painter.setClipRect(part);
        DrawInBands(painter, control.topLeft(), picture);
    }
}

} // namespace

// A minimised window is drawn by the window manager from the window icon, so
// nothing is painted for that state here.
//
// The chart is drawn once, into a picture as large as the drawing reaches.
// The control keeps the part that falls on it; the rest lies on the window
// around the control and is drawn there while the window paints, as a
// drawing context shared with the parent would have put it.
void CBiorhythmDlg::OnPaint()
{
    if (QWidget* chart = GetDlgItem(IDC_CHART)) {
        const qreal ratio = chart->devicePixelRatioF();
        QImage picture(ChartExtent() * ratio, QImage::Format_ARGB32_Premultiplied);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        {
            CDC dc(&picture);
            PaintChart(dc);
        }
        ClearWindowLayer(chart);
        {
            CWindowDC dc(chart);
            dc.Painter().drawImage(QPoint(0, 0), picture);
        }
        chart->update();
        if (testAttribute(Qt::WA_WState_InPaintEvent)) {
            QPainter window(this);
            DrawAroundControl(window, chart->geometry(), picture);
        }
    }
    if (QWidget* helpLine = GetDlgItem(IDC_HELP_LINE)) {
        DrawStatusIcon(helpLine, m_nCriticalLevel, m_bCompareMode, m_hIcon140, m_hIcon158);
        helpLine->update();
    }
    ShowSeasonPicture(m_staticPicture, m_nChartMonth);
}

void CBiorhythmDlg::PaintChart(CDC& dc)
{
    DrawFrame(dc);
    if (!m_pCalendar)
        return;
    switch (ChosenChartView(m_comboRhythms)) {
    case ChartView::Year:
        DrawYearView(dc);
        break;
    case ChartView::Rhythms:
        DrawRhythmCurves(dc);
        break;
    case ChartView::Summary:
        DrawSummaryBars(dc);
        break;
    }
}

QStringList CBiorhythmDlg::DayAxisLabels() const
{
    // Before any month has been charted the shown month numbers the axis.
    const int month = m_nChartMonth >= 1 && m_nChartMonth <= 12 ? m_nChartMonth : (m_pCalendar ? m_pCalendar->m_nMonth : 1);
    const int year = m_pCalendar ? m_pCalendar->m_nYear : 0;
    return ::DayAxisLabels(DaysInMonth(month, year));
}

QString CBiorhythmDlg::ChartDescription() const
{
    if (!m_pCalendar)
        return {};
    const CCalendarPanel& calendar = *m_pCalendar;
    const int month = m_nChartMonth >= 1 && m_nChartMonth <= 12 ? m_nChartMonth : calendar.m_nMonth;
    const QString monthName = MonthName(month);
    QString text;
    switch (ChosenChartView(m_comboRhythms)) {
    case ChartView::Year:
        text = QCoreApplication::translate("Accessibility", "Biological year, %1 highlighted").arg(monthName);
        break;
    case ChartView::Rhythms:
        text = QCoreApplication::translate("Accessibility", "Physical, emotional and intellectual rhythms of %1 %2").arg(monthName).arg(calendar.m_nYear);
        break;
    case ChartView::Summary:
        text = QCoreApplication::translate("Accessibility", "Summary of the rhythms of %1 %2").arg(monthName).arg(calendar.m_nYear);
        break;
    }
    // The note names the boundary read out last, and the rhythms it finds
    // critical; it is empty while no day is read out.
    if (!m_strCriticalNote.trimmed().isEmpty() && calendar.m_nDay >= 1) {
        text += QCoreApplication::translate("Accessibility", "; %1: %2, level %3")
                    .arg(SpokenDateText(calendar.m_nDay, calendar.m_nMonth, calendar.m_nYear))
                    .arg(m_strCriticalNote.simplified())
                    .arg(m_nCriticalLevel);
    }
    return text;
}
