// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmDlg.h"

#include "chart/ChartView.h"
#include "model/Moon.h"
#include "modes/ButtonFlags.h"
#include "modes/Texts.h"

#include <algorithm>

// The chart view was chosen: the year view recharts the month with a new
// walk, the month views show it without one.
void CBiorhythmDlg::OnSelEndOkRhythms()
{
    StopMonthScan();
    if (!HasBirthDate()) {
        ChooseChartView(m_comboRhythms, ChartView::Year);
        Invalidate();
        return;
    }

    const ChartView view = ChosenChartView(m_comboRhythms);
    if (view == ChartView::Year) {
        SetButton(m_btnCurrentMonth, true);
        ClearDayInfo();
        ChartShownMonthAgain();
        return;
    }

    CheckBirthLimits();
    MarkFirstBirthLabel();
    m_nChartMonth = static_cast<short>(m_pCalendar->m_nMonth);
    ClearDayInfo();
    m_pCalendar->SelectDay(0);
    m_pCalendar->SetSavedWarning(false);
    if (view == ChartView::Rhythms) {
        SetButton(m_btnCurrentMonth, true);
        SetWindowText(&m_staticHelp, ModeTexts::HelpStudyMore());
    } else {
        // No day can be studied on the summary bars.
        SetButton(m_btnCurrentMonth, false, false);
        m_pCalendar->SetCurrentMonthMode(false);
        m_bCurrentMonthMode = false;
        SetWindowText(&m_staticHelp, QString());
    }
    Invalidate();
    ClearTimeOfDay();
}

// Switches current-month mode, in which a click on the calendar picks a
// day of the charted month to study instead of entering a birth date.
void CBiorhythmDlg::OnCurrentMonth()
{
    if (!m_btnCurrentMonth.m_bActive)
        return;
    StopMonthScan();
    m_bCurrentMonthMode = !m_bCurrentMonthMode;
    if (m_bCurrentMonthMode) {
        m_pCalendar->SetCurrentMonthMode(true);
        SetWindowText(&m_staticHelp, ModeTexts::HelpCurrentMonth());
        Invalidate();
        return;
    }

    m_pCalendar->SelectDay(0);
    SetWindowText(&m_staticHelp, QString());
    m_pCalendar->SetCurrentMonthMode(false);
    if (ChosenChartView(m_comboRhythms) == ChartView::Year) {
        SetButton(m_btnCurrentMonth, true);
        ClearDayInfo();
        ChartShownMonthAgain();
        return;
    }
    Invalidate();
}

// One month back and forward again. January 1850 has nothing before it,
// so there the month is charted where it stands.
void CBiorhythmDlg::ChartShownMonthAgain()
{
    const int month = m_pCalendar->m_nMonth;
    m_pCalendar->PrevMonth(0);
    StepMonthForward(m_pCalendar->m_nMonth != month);
}

// A day clicked in current-month mode. Days before the birth are not
// studied: a click on one shows the birth day.
void CBiorhythmDlg::StudyDay()
{
    CCalendarPanel& calendar = *m_pCalendar;
    const int clicked = calendar.m_nDay;
    m_nMoonMark = kNoMoonMark;
    calendar.SetDayWarning(false);
    if (!m_bCompareMode)
        m_nCriticalLevel = 0;
    m_strCriticalNote.clear();
    SetButton(m_btnInfo, false);

    if (CheckBirthLimits() == BirthLimit::None) {
        Invalidate();
        return;
    }

    if (!m_bCompareMode) {
        if (clicked > m_nBirthDay) {
            calendar.SelectDay(clicked);
            if (ChosenChartView(m_comboRhythms) == ChartView::Year)
                m_btnPrevDate.m_bActive = true;
            Invalidate();
        } else {
            ShowBirthDay();
        }
        return;
    }

    // Comparing, no day before the earlier of the two marks is studied.
    int mark1 = 0;
    int mark2 = 0;
    calendar.GetMarkedDays(&mark1, &mark2);
    const int earliest = mark1 != 0 && mark2 != 0 ? std::min(mark1, mark2) : std::max(mark1, mark2);
    calendar.SelectDay(clicked >= earliest ? clicked : earliest);
    Invalidate();
}

// Current-month mode studies one day, which the "Summary" view does not
// show, so the steps offer it in the other views only.
void CBiorhythmDlg::OfferCurrentMonth()
{
    SetButton(m_btnCurrentMonth, ChosenChartView(m_comboRhythms) != ChartView::Summary);
}
