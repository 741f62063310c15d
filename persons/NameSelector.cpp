// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmDlg.h"

#include "chart/ChartView.h"
#include "modes/ButtonFlags.h"
#include "persons/PersonsTexts.h"

// A person chosen in the name selector becomes the current birth date, shown
// on the calendar; "(Name)" takes the birth date away.
void CBiorhythmDlg::OnSelEndOkPersons()
{
    StopMonthScan();
    ChooseChartView(m_comboRhythms, ChartView::Year);
    SetButton(m_btnCurrentMonth, true);
    const int chosen = m_comboPersons.GetCurSel();
    if (chosen <= 0 || chosen >= m_arrPersons.size()) {
        ChooseNoPerson();
        return;
    }

    const QString& entry = m_arrPersons.at(chosen);
    const PersonBirthDate birth = ReadBirthDate(entry);
    m_nBirthDay = static_cast<short>(birth.day);
    m_nBirthMonth = static_cast<short>(birth.month);
    m_nBirthYear = static_cast<short>(birth.year);
    CCalendarPanel& calendar = *m_pCalendar;
    calendar.SetDayWarning(false);
    calendar.SetMonth(m_nBirthMonth);
    calendar.SetYear(m_nBirthYear);
    calendar.SelectDay(m_nBirthDay);

    // The calendar shows the birth month, so there is nothing to go back to.
    SetButton(m_btnStart, true);
    SetButton(m_btnNextDate, true);
    SetButton(m_btnPrevDate, false);
    SetButton(m_btnPrevMonth, false);
    ShowNewBirthDate();

    ClearReadouts();
    calendar.SetMarkedDays(0, 0, false);
    Invalidate();
    ClearTimeOfDay();
}

void CBiorhythmDlg::ChooseNoPerson()
{
    // The reset puts the calendar on today and takes out every button that
    // needs a birth date.
    OnReset();
    SetWindowText(&m_staticHelp, PersonTexts::HelpInsertShort());
}
