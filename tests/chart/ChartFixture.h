// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/BiorhythmDlg.h"
#include "calendar/CalendarPanel.h"
#include "chart/ChartLayout.h"
#include "platform/DeviceContext.h"
#include "res/ResourceIds.h"
#include "tests/support/TestEnvironment.h"

#include <QColor>
#include <QImage>

#include <cmath>
#include <memory>

// A shown main window in a private settings folder with a fixed today.
class ChartFixture
{
public:
    ChartFixture() : m_dialog(std::make_unique<CBiorhythmDlg>()) { m_dialog->show(); }

    CBiorhythmDlg& dialog() { return *m_dialog; }

    void setUp(int birthYear, int birthMonth, int birthDay, int year, int month, int day = 0, int view = 0)
    {
        m_dialog->m_nBirthYear = static_cast<short>(birthYear);
        m_dialog->m_nBirthMonth = static_cast<short>(birthMonth);
        m_dialog->m_nBirthDay = static_cast<short>(birthDay);
        m_dialog->m_pCalendar->SetYear(year);
        m_dialog->m_pCalendar->SetMonth(month);
        m_dialog->m_pCalendar->SelectDay(day);
        m_dialog->m_nChartMonth = static_cast<short>(month);
        m_dialog->m_comboRhythms.SetCurSel(view);
    }

    // The window's paint handler; returns what it left on the chart control.
    QImage paint()
    {
        m_dialog->OnPaint();
        return WindowLayer(m_dialog->GetDlgItem(IDC_CHART))->copy();
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

inline QColor PixelAt(const QImage& image, int x, int y)
{
    return QColor::fromRgba(image.pixel(x, y));
}

// Pixels in area that have the colour, or, with text set, that lie at least
// half-way from the background to it (antialiased text).
inline int CountPixels(const QImage& image, const QRect& area, const QColor& colour,
    const QColor& background = QColor(), bool text = false)
{
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor pixel = PixelAt(image, x, y);
            if (!text) {
                count += pixel == colour ? 1 : 0;
                continue;
            }
            const double share = double(pixel.red() + pixel.green() + pixel.blue() - background.red() - background.green() - background.blue())
                / (colour.red() + colour.green() + colour.blue() - background.red() - background.green() - background.blue());
            const auto near = [&](int value, int from, int to) { return std::abs(value - (from + share * (to - from))) <= 12; };
            count += share >= 0.5 && share <= 1.0 && near(pixel.red(), background.red(), colour.red())
                    && near(pixel.green(), background.green(), colour.green())
                    && near(pixel.blue(), background.blue(), colour.blue())
                ? 1 : 0;
        }
    }
    return count;
}
