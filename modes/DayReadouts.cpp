// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmDlg.h"

#include "model/CalendarArithmetic.h"
#include "model/LongCycle.h"
#include "model/Moon.h"
#include "model/Rhythms.h"
#include "modes/ButtonFlags.h"
#include "modes/Texts.h"

// Rates the shown day: its level's message on the help line, the windows
// hit added to the note, the warning sign on the calendar's day. Each call
// adds to the note as it finds it.
int CBiorhythmDlg::AssessCriticalDay(double age)
{
    const QString note = m_strCriticalNote;
    m_pCalendar->SetDayWarning(true);
    const CriticalDay critical = AssessCriticalWindows(age);
    SetWindowText(&m_staticHelp, QCoreApplication::translate("CriticalDays", critical.message));
    m_strCriticalNote = note + QString::fromLatin1(critical.suffix);
    return critical.level;
}

// Nothing is told about any day any more.
void CBiorhythmDlg::ClearReadouts()
{
    m_nCriticalLevel = 0;
    m_nDayOfYear = 0;
    m_nMoonMark = kNoMoonMark;
    m_strCriticalNote.clear();
    SetButton(m_btnInfo, false);
}

void CBiorhythmDlg::ClearDayInfo()
{
    ClearReadouts();
    m_btnPrevDate.m_bActive = false;
    m_btnNextDate.m_bActive = false;
    m_pCalendar->SetDayWarning(false);
    Invalidate();
}

// Selects the day of a long-cycle boundary found in the month the calendar
// shows, offset days after the month's start, and tells all about it.
void CBiorhythmDlg::ShowBoundary(int day, double offset, double fraction, int index)
{
    CCalendarPanel& calendar = *m_pCalendar;
    const auto month = static_cast<std::int16_t>(calendar.m_nMonth);
    const auto year = static_cast<std::int16_t>(calendar.m_nYear);

    m_nMoonMark = static_cast<short>(MoonPhaseMark(month, year, offset));
    calendar.SelectDay(day);
    m_dBoundaryFraction = fraction;
    ShowTimeOfDay(fraction);
    const auto shown = static_cast<std::int16_t>(calendar.m_nDay);
    m_dLongCyclePhase = DaysBetween(m_nBirthDay, m_nBirthMonth, m_nBirthYear, month, year, shown);
    m_nDayOfYear = DayOfYear(shown, month, year);
    m_strCriticalNote = QString::fromLatin1(LongCycleLabels[index]);
    SetButton(m_btnInfo, true);
    m_nCriticalLevel = AssessCriticalDay(m_dLongCyclePhase);
}

// The birth day starts the long cycle. Its time of day is not known, so
// the time label keeps what it showed.
void CBiorhythmDlg::ShowBirthDay()
{
    CCalendarPanel& calendar = *m_pCalendar;
    const auto month = static_cast<std::int16_t>(calendar.m_nMonth);
    const auto year = static_cast<std::int16_t>(calendar.m_nYear);

    calendar.SelectDay(m_nBirthDay);
    m_nDayOfYear = DayOfYear(static_cast<std::int16_t>(calendar.m_nDay), month, year);
    m_nMoonMark = static_cast<short>(MoonPhaseMark(month, year, m_nBirthDay));
    m_dLongCyclePhase = 0.0;
    m_strCriticalNote = QString::fromLatin1(LongCycleLabels[0]);
    SetButton(m_btnInfo, true);
    m_nCriticalLevel = AssessCriticalDay(0.0);
    Invalidate();
}

void CBiorhythmDlg::ShowTimeOfDay(double fraction)
{
    SetWindowText(&m_staticTime, QString::fromStdString(FormatTimeLabel(fraction)));
    InvalidateWindow(&m_staticTime);
}

void CBiorhythmDlg::ClearTimeOfDay()
{
    SetWindowText(&m_staticTime, ModeTexts::TimeEmpty());
    InvalidateWindow(&m_staticTime);
}
