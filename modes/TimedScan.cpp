// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmDlg.h"

#include "model/CalendarArithmetic.h"
#include "model/LongCycle.h"
#include "model/Moon.h"
#include "model/Rhythms.h"
#include "modes/Areas.h"
#include "modes/ButtonFlags.h"
#include "platform/MessageBox.h"

namespace {

constexpr int kScanPeriod = 900; // milliseconds

// While the walk goes on, the first boundary's moon is kept in these forms,
// which the chart does not draw; the walk's end turns them into the marks.
constexpr short kPendingNewMoon = 3;
constexpr short kPendingFullMoon = 4;

short SettledMoonMark(short mark)
{
    if (mark == kPendingNewMoon)
        return kNewMoonMark;
    if (mark == kPendingFullMoon)
        return kFullMoonMark;
    return mark;
}

} // namespace

// Charts a month and starts the walk over its long-cycle boundaries.
void CBiorhythmDlg::StartMonthScan(int month, int year)
{
    m_dLongCyclePhase = LongCyclePhase(m_nBirthDay, m_nBirthMonth, m_nBirthYear,
        static_cast<std::int16_t>(month), static_cast<std::int16_t>(year));
    m_nChartMonth = static_cast<short>(month);
    LocateBoundary(m_dLongCyclePhase);
    m_nMoonMark = kNoMoonMark;
    m_bSeekBoundary = true;
    m_nBoundaryDay = 0;
    // Nothing of the month charted before may stay beside this one, also
    // when the month turns out to hold no boundary.
    m_strCriticalNote.clear();
    m_btnInfo.m_bActive = false;
    ClearTimeOfDay();
    m_nScanMonth = static_cast<short>(month);
    m_nScanYear = static_cast<short>(year);
    SetTimer(IDT_SCAN, kScanPeriod);
}

void CBiorhythmDlg::StopMonthScan()
{
    KillTimer(IDT_SCAN);
}

// One step of the walk: selects the next boundary of the month, or, after
// the last one, returns to the first.
void CBiorhythmDlg::OnTimer(UINT_PTR id)
{
    CDialog::OnTimer(id);
    // A tick that was already on its way when the walk was stopped, or one
    // after the window was torn down, has nothing to walk.
    if (!m_pCalendar || !IsTimerRunning(IDT_SCAN))
        return;
    CCalendarPanel& calendar = *m_pCalendar;
    // The calendar's own selectors page it without telling the window.
    if (calendar.m_nMonth != m_nScanMonth || calendar.m_nYear != m_nScanYear) {
        StopMonthScan();
        return;
    }

    const auto month = static_cast<std::int16_t>(calendar.m_nMonth);
    const auto year = static_cast<std::int16_t>(calendar.m_nYear);
    const int monthLength = DaysInMonth(month, year);
    const double monthPhase = m_dLongCyclePhase;
    const int next = m_nLongCycleSegment + 1;
    const std::optional<MonthBoundary> boundary = BoundaryInMonth(next, monthPhase, monthLength);
    if (!boundary) {
        EndScanOnFirstBoundary();
        return;
    }

    calendar.SelectDay(boundary->day);
    const auto shown = static_cast<std::int16_t>(calendar.m_nDay);
    const double age = DaysBetween(m_nBirthDay, m_nBirthMonth, m_nBirthYear, month, year, shown);
    m_nDayOfYear = DayOfYear(shown, month, year);
    m_nCriticalLevel = CriticalDayLevel(age);
    InvalidateRect(kDayInfoRect);

    if (m_bSeekBoundary) {
        m_bSeekBoundary = false;
        m_nBoundaryDay = static_cast<short>(boundary->day);
        m_strCriticalNote = QString::fromLatin1(LongCycleLabels[next]);
        m_dBoundaryFraction = boundary->fraction;
        const int moon = MoonPhaseMark(month, year, boundary->offset);
        if (moon == kNewMoonMark)
            m_nMoonMark = kPendingNewMoon;
        else if (moon == kFullMoonMark)
            m_nMoonMark = kPendingFullMoon;
    }
    MessageBeep();
    m_nLongCycleSegment = next;

    const int last = LongCycleBoundaries.size() - 1;
    const bool walkOn = next < last
        && (shown != m_nBoundaryDay || BoundaryInMonth(next + 1, monthPhase, monthLength));
    if (!walkOn)
        EndScanOnBoundary(age);
}

// The month's only boundary has just been visited: the walk ends on it.
void CBiorhythmDlg::EndScanOnBoundary(double age)
{
    m_nLongCycleSegment = -1;
    m_nCriticalLevel = AssessCriticalDay(age);
    StopMonthScan();
    ShowTimeOfDay(m_dBoundaryFraction);
    if (!m_strCriticalNote.isEmpty()) {
        SetButton(m_btnInfo, true);
        m_nMoonMark = SettledMoonMark(m_nMoonMark);
    }
}

// No boundary is left in the month: the walk returns to the first one, or
// ends with no day selected when the month held none.
void CBiorhythmDlg::EndScanOnFirstBoundary()
{
    CCalendarPanel& calendar = *m_pCalendar;
    StopMonthScan();
    m_nLongCycleSegment = -1;
    calendar.SelectDay(m_nBoundaryDay);
    if (m_nBoundaryDay != 0)
        ShowTimeOfDay(m_dBoundaryFraction);
    SetButton(m_btnInfo, m_btnInfo.m_bActive || !m_strCriticalNote.isEmpty());
    m_nMoonMark = SettledMoonMark(m_nMoonMark);

    if (m_bSeekBoundary) {
        m_nCriticalLevel = 0;
        InvalidateRect(kLowerChartRect);
        return;
    }
    MessageBeep();
    const auto month = static_cast<std::int16_t>(calendar.m_nMonth);
    const auto year = static_cast<std::int16_t>(calendar.m_nYear);
    const auto shown = static_cast<std::int16_t>(calendar.m_nDay);
    m_dLongCyclePhase = DaysBetween(m_nBirthDay, m_nBirthMonth, m_nBirthYear, month, year, shown);
    m_nDayOfYear = DayOfYear(shown, month, year);
    m_nCriticalLevel = AssessCriticalDay(m_dLongCyclePhase);
    InvalidateRect(kLowerChartRect);
}
