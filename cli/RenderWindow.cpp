// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/RenderWindow.h"

#include "app/BiorhythmDlg.h"
#include "calendar/CalendarPanel.h"
#include "chart/ChartView.h"
#include "cli/RenderOptions.h"
#include "model/LongCycle.h"
#include "res/ResourceIds.h"

#include <QCoreApplication>

namespace {

// Months counted from January of year 0, so that they compare in order.
int MonthNumber(int month, int year)
{
    return year * 12 + month - 1;
}

// A click on a day of the month the calendar shows, handed to the window
// as the calendar posts it.
void ClickDay(CBiorhythmDlg& dialog, int day)
{
    CCalendarPanel& calendar = *dialog.m_pCalendar;
    const CRect cell = CCalendarPanel::CellRect(calendar.CellOfDay(day));
    calendar.OnLButtonDown({ (cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2 });
    QCoreApplication::sendPostedEvents(&dialog, CPostedMessage::EventType());
}

void ClickBirthDate(CBiorhythmDlg& dialog, const QDate& birth)
{
    dialog.m_pCalendar->SetYear(birth.year());
    dialog.m_pCalendar->SetMonth(birth.month());
    ClickDay(dialog, birth.day());
}

} // namespace

void ChartMonthAsUser(CBiorhythmDlg& dialog, const RenderOptions& options)
{
    CCalendarPanel& calendar = *dialog.m_pCalendar;
    dialog.OnReset();
    ClickBirthDate(dialog, options.birth);
    if (options.compare.isValid()) {
        dialog.OnInsert();
        ClickBirthDate(dialog, options.compare);
        dialog.OnInsert();
        dialog.OnCompare();
    } else {
        dialog.OnStart();
    }

    const int wanted = MonthNumber(options.month, options.year);
    for (int shown = MonthNumber(calendar.m_nMonth, calendar.m_nYear); shown != wanted;) {
        if (shown < wanted)
            dialog.OnNextMonth();
        else
            dialog.OnPrevMonth();
        const int reached = MonthNumber(calendar.m_nMonth, calendar.m_nYear);
        if (reached == shown)
            break;
        shown = reached;
    }
    // A walk visits at most the cycle's 17 boundaries and returns once.
    for (int tick = 0; tick <= LongCycleBoundaries.size() && dialog.IsTimerRunning(IDT_SCAN); ++tick)
        dialog.OnTimer(IDT_SCAN);

    if (options.view != ChartView::Year) {
        ChooseChartView(dialog.m_comboRhythms, options.view);
        dialog.OnSelEndOkRhythms();
    }
    if (options.day != 0) {
        dialog.OnCurrentMonth();
        ClickDay(dialog, options.day);
    }
}
