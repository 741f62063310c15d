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

// Antialiased text blends its colour into the background: count the pixels
// in area that lie at least half-way from the background to the colour.
inline int CountTextPixels(const QImage& image, const QRect& area, const QColor& background, const QColor& colour)
{
    const int deltas[3] = { colour.red() - background.red(), colour.green() - background.green(),
        colour.blue() - background.blue() };
    int channel = 0;
    for (int index = 1; index < 3; ++index)
        if (std::abs(deltas[index]) > std::abs(deltas[channel]))
            channel = index;
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor pixel = QColor::fromRgba(image.pixel(x, y));
            const int values[3] = { pixel.red(), pixel.green(), pixel.blue() };
            const int bases[3] = { background.red(), background.green(), background.blue() };
            const double share = double(values[channel] - bases[channel]) / deltas[channel];
            bool onLine = share >= 0.5 && share <= 1.0;
            for (int index = 0; index < 3 && onLine; ++index)
                onLine = std::abs(values[index] - (bases[index] + share * deltas[index])) <= 12;
            count += onLine ? 1 : 0;
        }
    }
    return count;
}

// How many pixels in area have exactly the colour.
inline int CountColour(const QImage& image, const QRect& area, const QColor& colour)
{
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (QColor::fromRgba(image.pixel(x, y)) == colour)
                ++count;
    return count;
}
