#pragma once

#include "app/BiorhythmDlg.h"
#include "calendar/CalendarPanel.h"
#include "chart/ChartLayout.h"
#include "platform/DeviceContext.h"
#include "tests/support/TestEnvironment.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <cstdlib>
#include <functional>
#include <memory>

// A main window in a private settings folder with a fixed today, and ways to
// get at the chart it paints.
class ChartFixture
{
public:
    ChartFixture()
    {
        m_dialog = std::make_unique<CBiorhythmDlg>();
        m_dialog->show();
    }

    CBiorhythmDlg& dialog() { return *m_dialog; }
    CCalendarPanel& calendar() { return *m_dialog->m_pCalendar; }
    QWidget* chart() { return m_dialog->GetDlgItem(1008); }

    void setBirth(int year, int month, int day)
    {
        m_dialog->m_nBirthYear = static_cast<short>(year);
        m_dialog->m_nBirthMonth = static_cast<short>(month);
        m_dialog->m_nBirthDay = static_cast<short>(day);
    }

    void showMonth(int year, int month, int day = 0)
    {
        calendar().SetYear(year);
        calendar().SetMonth(month);
        calendar().SelectDay(day);
        m_dialog->m_nChartMonth = static_cast<short>(month);
    }

    void selectView(int item) { m_dialog->m_comboRhythms.SetCurSel(item); }

    // The window's own paint handler; returns what landed on the chart
    // control.
    QImage paint()
    {
        m_dialog->OnPaint();
        const QImage* layer = WindowLayer(chart());
        return layer ? layer->copy() : QImage();
    }

    // The chart's whole drawing, also the part past the control.
    QImage paintWhole()
    {
        QImage image(ChartExtent(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        CDC dc(&image);
        m_dialog->PaintChart(dc);
        return image;
    }

private:
    ScopedSettingsFolder m_settings;
    ScopedToday m_today { "2026-12-07" };
    std::unique_ptr<CBiorhythmDlg> m_dialog;
};

inline QColor Rgb(int red, int green, int blue)
{
    return QColor(red, green, blue);
}

inline QColor PixelAt(const QImage& image, int x, int y)
{
    return QColor::fromRgba(image.pixel(x, y));
}

// Pixels of antialiased text count when they are near the colour.
inline int CountNear(const QImage& image, const QRect& area, const QColor& colour, int tolerance = 40)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = QColor::fromRgba(image.pixel(x, y));
            if (std::abs(pixel.red() - colour.red()) <= tolerance && std::abs(pixel.green() - colour.green()) <= tolerance
                && std::abs(pixel.blue() - colour.blue()) <= tolerance)
                ++count;
        }
    }
    return count;
}

// How many pixels in area have exactly the colour.
inline int CountColour(const QImage& image, const QRect& area, const QColor& colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (QColor::fromRgba(image.pixel(x, y)) == colour)
                ++count;
    return count;
}
