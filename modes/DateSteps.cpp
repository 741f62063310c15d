// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmDlg.h"

#include "model/CalendarArithmetic.h"
#include "model/LongCycle.h"
#include "model/Moon.h"
#include "modes/Areas.h"
#include "modes/ButtonFlags.h"
#include "modes/Texts.h"

namespace {

// Shows a boundary found in the month the calendar shows.
void ShowBoundaryOf(CBiorhythmDlg& dialog, const MonthBoundary& boundary)
{
    dialog.ShowBoundary(boundary.day, boundary.offset, boundary.fraction, boundary.index);
}

bool BeforeMonth(int month, int year, int otherMonth, int otherYear)
{
    return year < otherYear || (year == otherYear && month < otherMonth);
}

double MonthPhase(const CBiorhythmDlg& dialog, int month, int year)
{
    return LongCyclePhase(dialog.m_nBirthDay, dialog.m_nBirthMonth, dialog.m_nBirthYear,
        static_cast<std::int16_t>(month), static_cast<std::int16_t>(year));
}

// The day the calendar has selected (0 when none) and its place in the
// long cycle: the phase at the day's end, so that the boundaries on the day
// itself lie below it.
struct SelectedDay
{
    int month = 1;
    int year = 1850;
    int day = 0;
    double phase = 0.0;
};

// Also records the phase, the month and the segment in the window's state.
SelectedDay LocateSelectedDay(CBiorhythmDlg& dialog)
{
    const CCalendarPanel& calendar = *dialog.m_pCalendar;
    SelectedDay selected { calendar.m_nMonth, calendar.m_nYear, calendar.m_nDay };
    selected.phase = PhaseAtEndOfDay(MonthPhase(dialog, selected.month, selected.year), selected.day);
    dialog.m_dLongCyclePhase = selected.phase;
    dialog.m_nChartMonth = static_cast<short>(selected.month);
    dialog.LocateBoundary(selected.phase);
    return selected;
}

} // namespace

int CBiorhythmDlg::LocateBoundary(double phase)
{
    m_nLongCycleSegment = ::LocateBoundary(phase);
    return m_nLongCycleSegment;
}

// Moves to the next long-cycle boundary after the selected day, paging
// forward through months that hold none.
void CBiorhythmDlg::OnNextDate()
{
    if (!m_btnNextDate.m_bActive || !HasBirthDate())
        return;
    if (m_bCompareMode) {
        CompareNextDate();
        return;
    }

    StopMonthScan();
    MarkFirstBirthLabel();
    m_nMoonMark = kNoMoonMark;
    if (CheckBirthLimits() == BirthLimit::MovedToBirthMonth) {
        ShowBirthDay();
        return;
    }
    OfferCurrentMonth();

    CCalendarPanel& calendar = *m_pCalendar;
    const SelectedDay selected = LocateSelectedDay(*this);
    int month = selected.month;
    int year = selected.year;

    if (const std::optional<MonthBoundary> next = NextBoundary(selected.phase, selected.day, DaysInMonth(month, year))) {
        ShowBoundaryOf(*this, *next);
    } else {
        // Boundaries lie at most 35.53 days apart, so the search passes at
        // most one month without any; it ends at the calendar's last month.
        for (;;) {
            calendar.NextMonth(0);
            if (calendar.m_nMonth == month && calendar.m_nYear == year) {
                EndDateSearchAtRangeEnd();
                break;
            }
            month = calendar.m_nMonth;
            year = calendar.m_nYear;
            SetButton(m_btnPrevMonth, true, true);
            const double nextMonthPhase = MonthPhase(*this, month, year);
            m_dLongCyclePhase = nextMonthPhase;
            m_nChartMonth = static_cast<short>(month);
            LocateBoundary(nextMonthPhase);
            if (const std::optional<MonthBoundary> first = NextBoundary(nextMonthPhase, 0, DaysInMonth(month, year))) {
                ShowBoundaryOf(*this, *first);
                break;
            }
            calendar.SelectDay(0);
        }
    }

    SetButton(m_btnPrevDate, true);
    Invalidate();
}

// Nothing follows December 2100: the search ends there with no day shown.
void CBiorhythmDlg::EndDateSearchAtRangeEnd()
{
    m_pCalendar->SelectDay(0);
    m_pCalendar->SetDayWarning(false);
    ClearReadouts();
    ClearTimeOfDay();
    SetWindowText(&m_staticHelp, QString());
}

// Moves to the long-cycle boundary before the one on the selected day,
// paging back through months that hold none; in the birth month, to the
// birth day.
void CBiorhythmDlg::OnPrevDate()
{
    if (!m_btnPrevDate.m_bActive || !HasBirthDate())
        return;
    if (m_bCompareMode) {
        ComparePrevDate();
        return;
    }

    MarkFirstBirthLabel();
    StopMonthScan();
    SetWindowText(&m_staticHelp, QString());
    m_nMoonMark = kNoMoonMark;
    const BirthLimit limits = CheckBirthLimits();
    if (limits == BirthLimit::BirthMonth || limits == BirthLimit::MovedToBirthMonth) {
        ShowBirthDay();
        return;
    }
    // A day clicked in current-month mode shows nothing yet: the step goes
    // back from the boundary that follows it.
    if (m_bCurrentMonthMode && m_nCriticalLevel == 0)
        OnNextDate();
    OfferCurrentMonth();

    // Read after the forward step, which may have paged to the next month.
    CCalendarPanel& calendar = *m_pCalendar;
    const SelectedDay selected = LocateSelectedDay(*this);
    int month = selected.month;
    int year = selected.year;

    // The selected day holds the last boundary passed; the one before it is
    // wanted.
    if (const std::optional<MonthBoundary> previous = PreviousBoundary(selected.phase, selected.day)) {
        ShowBoundaryOf(*this, *previous);
    } else {
        // The birth month always holds the birth day's boundary, so the
        // search ends there at the latest.
        for (;;) {
            calendar.PrevMonth(0);
            const bool paged = calendar.m_nMonth != month || calendar.m_nYear != year;
            month = calendar.m_nMonth;
            year = calendar.m_nYear;
            calendar.SelectDay(0);
            if (!paged || BeforeMonth(month, year, m_nBirthMonth, m_nBirthYear)) {
                SetWindowText(&m_staticHelp, ModeTexts::HelpSorry());
                Invalidate();
                return;
            }
            const double earlierMonthPhase = MonthPhase(*this, month, year);
            m_dLongCyclePhase = earlierMonthPhase;
            m_nChartMonth = static_cast<short>(month);
            LocateBoundary(earlierMonthPhase);
            if (const std::optional<MonthBoundary> last = LastBoundary(earlierMonthPhase, DaysInMonth(month, year))) {
                m_nLongCycleSegment = last->index;
                ShowBoundaryOf(*this, *last);
                break;
            }
        }
    }
    InvalidateRect(kDayInfoRect);
}
