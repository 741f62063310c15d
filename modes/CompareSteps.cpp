// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmDlg.h"

#include "model/CalendarArithmetic.h"
#include "model/LongCycle.h"
#include "model/Moon.h"
#include "model/Rhythms.h"
#include "modes/Areas.h"
#include "modes/ButtonFlags.h"
#include "modes/Texts.h"

#include <cmath>

namespace {

using CalendarMark = CBiorhythmDlg::CalendarMark;

CalendarMark OtherMark(CalendarMark mark)
{
    return mark == CalendarMark::Current ? CalendarMark::Saved : CalendarMark::Current;
}

// A mark moves at least one day a step and never past the month's end, so
// no run of steps within one month takes more than this.
constexpr int kMostMarkSteps = 31;

// The days of the calendar's two marks, 0 where there is none.
struct Marks
{
    int first = 0;
    int second = 0;
    int operator[](CalendarMark mark) const { return mark == CalendarMark::Current ? first : second; }
};

Marks ReadMarks(const CCalendarPanel& calendar)
{
    Marks marks;
    calendar.GetMarkedDays(&marks.first, &marks.second);
    return marks;
}

struct BirthDate
{
    std::int16_t day = 0;
    std::int16_t month = 0;
    std::int16_t year = 0;
};

BirthDate OwnerOf(const CBiorhythmDlg& dialog, CalendarMark mark)
{
    if (mark == CalendarMark::Current)
        return { dialog.m_nBirthDay, dialog.m_nBirthMonth, dialog.m_nBirthYear };
    return { dialog.m_nBirthDay1, dialog.m_nBirthMonth1, dialog.m_nBirthYear1 };
}

double MonthPhase(const BirthDate& birth, int month, int year)
{
    return LongCyclePhase(birth.day, birth.month, birth.year, static_cast<std::int16_t>(month),
        static_cast<std::int16_t>(year));
}

bool IsBirthMonth(const BirthDate& birth, int month, int year)
{
    return birth.month == month && birth.year == year;
}

// Less than a day between the two long cycles, measured either way round:
// both persons reach every boundary on the same day.
bool CyclesAlign(const CBiorhythmDlg& dialog, int month, int year)
{
    const double apart = MonthPhase(OwnerOf(dialog, CalendarMark::Current), month, year)
        - MonthPhase(OwnerOf(dialog, CalendarMark::Saved), month, year);
    return std::abs(std::remainder(apart, kLongCycleWrapLength)) < 1.0;
}

bool ShowsMonth(const CCalendarPanel& calendar, int month, int year)
{
    return calendar.m_nMonth == month && calendar.m_nYear == year;
}

// What a mark step changes, to be put back when it is refused.
struct MarkReadouts
{
    Marks marks;
    int dayOfYear = 0;
    int criticalLevel = 0;
    int dayOfYear1 = 0;
    int criticalLevel1 = 0;
};

// Puts the mark on the day and reads that day out for its person.
void PlaceMark(CBiorhythmDlg& dialog, CalendarMark mark, int day, int day1, int day2)
{
    CCalendarPanel& calendar = *dialog.m_pCalendar;
    const bool current = mark == CalendarMark::Current;
    calendar.SetMarkedDays(current ? day : day1, current ? day2 : day, true);
    const auto month = static_cast<std::int16_t>(calendar.m_nMonth);
    const auto year = static_cast<std::int16_t>(calendar.m_nYear);
    const auto marked = static_cast<std::int16_t>(ReadMarks(calendar)[mark]);
    const BirthDate birth = OwnerOf(dialog, mark);
    dialog.m_dLongCyclePhase = DaysBetween(birth.day, birth.month, birth.year, month, year, marked);
    (current ? dialog.m_nDayOfYear : dialog.m_nDayOfYear1) = DayOfYear(marked, month, year);
    (current ? dialog.m_nCriticalLevel : dialog.m_nCriticalLevel1) = CriticalDayLevel(dialog.m_dLongCyclePhase);
}

// Persons whose cycles align share one mark's day and its read-outs.
void CopyFirstMarkToSecond(CBiorhythmDlg& dialog)
{
    const Marks marks = ReadMarks(*dialog.m_pCalendar);
    dialog.m_pCalendar->SetMarkedDays(marks.first, marks.first, true);
    dialog.m_nCriticalLevel1 = dialog.m_nCriticalLevel;
    dialog.m_nDayOfYear1 = dialog.m_nDayOfYear;
}

} // namespace

bool CBiorhythmDlg::NextMark(CalendarMark mark, int year, int month, int day1, int day2, bool quiet)
{
    const BirthDate birth = OwnerOf(*this, mark);
    const int from = mark == CalendarMark::Current ? day1 : day2;
    const double phase = PhaseAtEndOfDay(MonthPhase(birth, month, year), from);
    m_dLongCyclePhase = phase;
    LocateBoundary(phase);
    // February counts its leap day.
    if (const std::optional<MonthBoundary> next = NextBoundary(phase, from, DaysInMonth(month, year))) {
        PlaceMark(*this, mark, next->day, day1, day2);
        SetButton(m_btnPrevDate, true);
        return true;
    }
    if (quiet)
        return false;
    CompareNextMonth();
    SetButton(m_btnPrevMonth, true, true);
    SetWindowText(&m_staticHelp, ModeTexts::HelpUseNext());
    return false;
}

bool CBiorhythmDlg::PrevMark(CalendarMark mark, int year, int month, int day1, int day2, bool quiet)
{
    const BirthDate birth = OwnerOf(*this, mark);
    const int from = mark == CalendarMark::Current ? day1 : day2;
    const double phase = PhaseAtEndOfDay(MonthPhase(birth, month, year), from);
    m_dLongCyclePhase = phase;
    LocateBoundary(phase);
    // The mark stands on the last boundary passed; the one before it is
    // wanted.
    if (const std::optional<MonthBoundary> previous = PreviousBoundary(phase, from)) {
        PlaceMark(*this, mark, previous->day, day1, day2);
        return true;
    }
    if (quiet)
        return false;
    OnPrevMonth();
    if (ShowsMonth(*m_pCalendar, month, year))
        return false;
    FillMonthWithLastMarks();
    return false;
}

void CBiorhythmDlg::TrimMarksToBirth(int year, int month, int day1, int day2)
{
    const bool firstBorn = IsBirthMonth(OwnerOf(*this, CalendarMark::Current), month, year);
    const bool secondBorn = IsBirthMonth(OwnerOf(*this, CalendarMark::Saved), month, year);
    CCalendarPanel& calendar = *m_pCalendar;
    if (secondBorn && day1 < day2) {
        calendar.SetMarkedDays(0, day2, true);
        m_nCriticalLevel = 0;
    } else if (firstBorn && day2 < day1) {
        calendar.SetMarkedDays(day1, 0, true);
        m_nCriticalLevel1 = 0;
    }
}

// Each person's first boundary of the month the calendar shows.
void CBiorhythmDlg::FillMonthWithFirstMarks()
{
    CCalendarPanel& calendar = *m_pCalendar;
    const int month = calendar.m_nMonth;
    const int year = calendar.m_nYear;
    m_nChartMonth = static_cast<short>(month);
    m_nDayOfYear = m_nDayOfYear1 = 0;
    m_nCriticalLevel = m_nCriticalLevel1 = 0;
    calendar.SetMarkedDays(0, 0, true);
    SetButton(m_btnNextDate, true);

    NextMark1(year, month, 0, 0, true);
    Marks marks = ReadMarks(calendar);
    NextMark2(year, month, marks.first, marks.second, true);
    marks = ReadMarks(calendar);
    TrimMarksToBirth(year, month, marks.first, marks.second);
    CheckBirthLimits();
}

// Each person's last boundary of the month the calendar shows, after a
// step back out of the month that followed.
void CBiorhythmDlg::FillMonthWithLastMarks()
{
    CCalendarPanel& calendar = *m_pCalendar;
    const int month = calendar.m_nMonth;
    const int year = calendar.m_nYear;
    for (CalendarMark mark : { CalendarMark::Current, CalendarMark::Saved }) {
        for (int step = 0; step < kMostMarkSteps; ++step) {
            const Marks marks = ReadMarks(calendar);
            if (!NextMark(mark, year, month, marks.first, marks.second, true))
                break;
        }
    }
    Marks marks = ReadMarks(calendar);
    TrimMarksToBirth(year, month, marks.first, marks.second);
    marks = ReadMarks(calendar);
    if (marks.first == 0 || marks.second == 0)
        SetButton(m_btnPrevDate, false, false);
}

void CBiorhythmDlg::CompareNextMonth()
{
    CompareMonth(true);
}

// The next month, or with advancePanel false the month the calendar shows,
// charted afresh with the first marks.
void CBiorhythmDlg::CompareMonth(bool advancePanel)
{
    if (advancePanel)
        m_pCalendar->NextMonth(0);
    CheckBirthLimits();
    SetWindowText(&m_staticHelp, QString());
    FillMonthWithFirstMarks();
    Invalidate();
}

// January 1850 has nothing before it, so there the month is charted where
// it stands.
void CBiorhythmDlg::CompareShownMonthAgain()
{
    const int month = m_pCalendar->m_nMonth;
    m_pCalendar->PrevMonth(0);
    CompareMonth(m_pCalendar->m_nMonth != month);
}

// What both date steps start with: no day read out, no day selected
// outside a birth month, and a month before either birth charted afresh
// as that birth month, which ends the step. Answers nothing when the step
// ends, else what CheckBirthLimits answered.
std::optional<CBiorhythmDlg::BirthLimit> CBiorhythmDlg::BeginCompareDateStep()
{
    CCalendarPanel& calendar = *m_pCalendar;
    SetButton(m_btnInfo, false);
    m_nMoonMark = kNoMoonMark;
    const int month = calendar.m_nMonth;
    const int year = calendar.m_nYear;
    if (!IsBirthMonth(OwnerOf(*this, CalendarMark::Current), month, year)
        && !IsBirthMonth(OwnerOf(*this, CalendarMark::Saved), month, year))
        calendar.SelectDay(0);
    if (!HasBirthDate() || !HasSavedBirthDate())
        return std::nullopt;
    const BirthLimit limits = CheckBirthLimits();
    if (limits == BirthLimit::MovedToBirthMonth || limits == BirthLimit::MovedToSavedBirthMonth) {
        CompareShownMonthAgain();
        return std::nullopt;
    }
    return limits;
}

// Advances the mark that is behind; where it has no boundary left in the
// month, the other one.
void CBiorhythmDlg::CompareNextDate()
{
    CCalendarPanel& calendar = *m_pCalendar;
    const int month = calendar.m_nMonth;
    const int year = calendar.m_nYear;
    const std::optional<BirthLimit> limits = BeginCompareDateStep();
    if (!limits)
        return;
    Marks marks = ReadMarks(calendar);
    if (limits == BirthLimit::BirthMonth && marks.first == 0 && marks.second == 0) {
        CompareShownMonthAgain();
        marks = {};
    }

    if (CyclesAlign(*this, month, year)) {
        NextMark1(year, month, marks.first, 0, false);
        CopyFirstMarkToSecond(*this);
    } else {
        const CalendarMark behind = marks.second < marks.first ? CalendarMark::Saved : CalendarMark::Current;
        if (!NextMark(behind, year, month, marks.first, marks.second, true)) {
            NextMark(OtherMark(behind), year, month, marks.first, marks.second, false);
        } else if (limits == BirthLimit::BirthMonth) {
            CatchUpMark(behind, month, year);
            return;
        }
    }
    InvalidateRect(kLowerChartRect);
}

// In a birth month the mark that was behind goes on until it has passed
// the other one. The calendar may stand still in December 2100, where a
// search that finds nothing charts the same month again; such a search
// ends the run.
void CBiorhythmDlg::CatchUpMark(CalendarMark mark, int month, int year)
{
    const CalendarMark other = OtherMark(mark);
    for (int step = 0; step < kMostMarkSteps; ++step) {
        const Marks marks = ReadMarks(*m_pCalendar);
        if (marks[mark] >= marks[other] || !ShowsMonth(*m_pCalendar, month, year))
            break;
        if (!NextMark(mark, year, month, marks.first, marks.second, false))
            break;
    }
}

// Moves the mark that is ahead back; where it has no boundary left in the
// month, the other one.
void CBiorhythmDlg::ComparePrevDate()
{
    CCalendarPanel& calendar = *m_pCalendar;
    const int month = calendar.m_nMonth;
    const int year = calendar.m_nYear;
    const std::optional<BirthLimit> limits = BeginCompareDateStep();
    if (!limits)
        return;
    const Marks marks = ReadMarks(calendar);
    if (CyclesAlign(*this, month, year)) {
        PrevMark1(year, month, marks.first, 0, false);
        CopyFirstMarkToSecond(*this);
    } else {
        const CalendarMark ahead = marks.first < marks.second ? CalendarMark::Saved : CalendarMark::Current;
        const MarkReadouts before { marks, m_nDayOfYear, m_nCriticalLevel, m_nDayOfYear1, m_nCriticalLevel1 };
        if (PrevMark(ahead, year, month, marks.first, marks.second, true)) {
            // In a birth month the mark going back may not pass the other:
            // the step is taken back, with the read-outs it changed.
            const Marks now = ReadMarks(calendar);
            if (limits != BirthLimit::None && now[ahead] < now[OtherMark(ahead)]) {
                calendar.SetMarkedDays(before.marks.first, before.marks.second, true);
                m_nDayOfYear = before.dayOfYear;
                m_nCriticalLevel = before.criticalLevel;
                m_nDayOfYear1 = before.dayOfYear1;
                m_nCriticalLevel1 = before.criticalLevel1;
                return;
            }
            SetButton(m_btnPrevDate, true, true);
        } else {
            PrevMark(OtherMark(ahead), year, month, marks.first, marks.second, false);
        }
    }
    InvalidateRect(kLowerChartRect);
}
