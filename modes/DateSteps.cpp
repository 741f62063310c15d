#include "app/BiorhythmDlg.h"

#include "model/CalendarArithmetic.h"
#include "model/LongCycle.h"
#include "model/Moon.h"
#include "modes/Areas.h"
#include "modes/ButtonFlags.h"
#include "modes/Texts.h"

#include <cmath>

namespace {

// Shows the boundary that lies offset days after the start of the month
// the calendar shows.
void ShowBoundaryAt(CBiorhythmDlg& dialog, double offset, int index)
{
    const double whole = std::trunc(offset);
    dialog.ShowBoundary(static_cast<int>(whole) + 1, offset, offset - whole, index);
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
    selected.phase = std::fmod(selected.day + MonthPhase(dialog, selected.month, selected.year), kLongCycleWrapLength);
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
    const int next = m_nLongCycleSegment + 1;
    const double offset = selected.day + LongCycleBoundaries[next] - selected.phase;

    if (offset < DaysInMonth(month, year)) {
        ShowBoundaryAt(*this, offset, next);
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
            const int first = LocateBoundary(nextMonthPhase) + 1;
            const double firstOffset = LongCycleBoundaries[first] - nextMonthPhase;
            if (firstOffset < DaysInMonth(month, year)) {
                ShowBoundaryAt(*this, firstOffset, first);
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
    const int segment = m_nLongCycleSegment;

    // The selected day holds boundary segment; the one before it is wanted.
    const double offset = segment > 0 ? selected.day + LongCycleBoundaries[segment - 1] - selected.phase : 0.0;
    if (offset > 0.0) {
        ShowBoundaryAt(*this, offset, segment - 1);
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
                SetWindowText(&m_staticHelp, kHelpSorry);
                Invalidate();
                return;
            }
            const double earlierMonthPhase = MonthPhase(*this, month, year);
            m_dLongCyclePhase = earlierMonthPhase;
            m_nChartMonth = static_cast<short>(month);
            const int monthLength = DaysInMonth(month, year);
            int last = 0;
            while (last + 1 < LongCycleBoundaries.size() && LongCycleBoundaries[last + 1] - earlierMonthPhase < monthLength)
                ++last;
            m_nLongCycleSegment = last;
            const double lastOffset = LongCycleBoundaries[last] - earlierMonthPhase;
            if (lastOffset >= 0.0) {
                ShowBoundaryAt(*this, lastOffset, last);
                break;
            }
        }
    }
    InvalidateRect(kDayInfoRect);
}
