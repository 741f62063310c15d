// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmDlg.h"

#include "app/Strings.h"
#include "chart/ChartView.h"
#include "modes/ButtonFlags.h"
#include "modes/Texts.h"
#include "platform/MessageBox.h"
#include "platform/Today.h"

#include <QDate>

namespace {

QString BirthDateLabel(int day, int month, int year)
{
    return ModeTexts::BirthCaption() + QLatin1Char(' ') + NumericDateText(day, month, year);
}

} // namespace

LRESULT CBiorhythmDlg::OnCalendarClicked(WPARAM, LPARAM)
{
    // A click can still be on its way when the window has been torn down.
    if (!m_pCalendar)
        return 0;
    if (m_bCurrentMonthMode)
        StudyDay();
    else
        EnterBirthDate();
    return 0;
}

// The day the calendar selected becomes the birth date, unless it lies
// after today.
void CBiorhythmDlg::EnterBirthDate()
{
    CCalendarPanel& calendar = *m_pCalendar;
    // A click on a grey day at the ends of the calendar pages nowhere and
    // may leave no day selected: then there is no date to take.
    if (calendar.m_nDay == 0)
        return;

    ClearTimeOfDay();
    calendar.SetDayWarning(false);

    const QDate clicked(calendar.m_nYear, calendar.m_nMonth, calendar.m_nDay);
    const QDate today = Today();
    if (clicked > today) {
        MessageBox(this, ModeTexts::MsgFuture(), ModeTexts::InformationCaption(), MB_OK | MB_ICONINFORMATION);
        calendar.RestoreSelection();
        Invalidate();
        return;
    }

    StopMonthScan();
    ChooseChartView(m_comboRhythms, ChartView::Year);
    SetButton(m_btnCurrentMonth, true);
    calendar.SetDayWarning(false);
    calendar.SetMarkedDays(0, 0, false);

    ClearReadouts();
    m_nCriticalLevel1 = 0;
    m_nDayOfYear1 = 0;
    m_comboPersons.SetCurSel(0);

    m_nBirthDay = static_cast<short>(clicked.day());
    m_nBirthMonth = static_cast<short>(clicked.month());
    m_nBirthYear = static_cast<short>(clicked.year());

    SetButton(m_btnStart, true);
    SetButton(m_btnPrevDate, true);
    SetButton(m_btnNextDate, true);
    SetButton(m_btnPrevMonth, true);
    // Nothing of a life lies before its birth month.
    if (today.year() == clicked.year() && today.month() == clicked.month()) {
        SetButton(m_btnPrevDate, false);
        SetButton(m_btnPrevMonth, false);
    }

    ShowNewBirthDate();
    Invalidate();
}

// The label of a birth date just taken, and what it means for a
// comparison: the second date of one, or a date on its own that ends it.
void CBiorhythmDlg::ShowNewBirthDate()
{
    const QString label = BirthDateLabel(m_nBirthDay, m_nBirthMonth, m_nBirthYear);
    if (m_bAwaitSecondDate) {
        SetWindowText(&m_staticBirth2, label);
        SetWindowText(&m_staticHelp, ModeTexts::HelpLastOrContinue());
    } else {
        SetWindowText(&m_staticBirth1, label);
        SetWindowText(&m_staticBirth2, ModeTexts::BirthEmpty());
        SetButton(m_btnCompare, false, false);
        if (m_bCompareMode)
            PutBackChartViews();
        SetButton(m_btnRemove, false);
        SetWindowText(&m_staticHelp, ModeTexts::HelpStartOrInsert());
    }

    SetButton(m_btnInsert, true);
    m_bCompareMode = false;
}

void CBiorhythmDlg::OnReset()
{
    StopMonthScan();
    PutBackChartViews();
    ChooseChartView(m_comboRhythms, ChartView::Year);

    CCalendarPanel& calendar = *m_pCalendar;
    calendar.SetMarkedDays(0, 0, false);
    calendar.SetDayWarning(false);

    ClearReadouts();
    m_comboPersons.SetCurSel(0);

    m_nBirthDay = m_nBirthMonth = m_nBirthYear = 0;
    SetWindowText(&m_staticBirth1, ModeTexts::BirthEmpty());
    SetWindowText(&m_staticBirth2, ModeTexts::BirthEmpty());

    const QDate today = Today();
    calendar.SetMonth(today.month());
    calendar.SetYear(today.year());
    calendar.SelectDay(today.day());

    m_bAwaitSecondDate = false;
    m_nCompareStep = CompareStep::None;
    SetWindowText(&m_staticHelp, ModeTexts::HelpInsert());

    SetButton(m_btnInsert, false);
    SetButton(m_btnCompare, false, false);
    m_bCompareMode = false;
    SetButton(m_btnRemove, false);
    SetButton(m_btnStart, false);
    SetButton(m_btnPrevDate, false);
    SetButton(m_btnNextDate, false);
    SetButton(m_btnPrevMonth, true);
    SetButton(m_btnCurrentMonth, false, false);
    calendar.SetCurrentMonthMode(false);
    m_bCurrentMonthMode = false;

    Invalidate();
    ClearTimeOfDay();
}

// Comparison takes the month views out of the selector; they come back
// when it ends.
void CBiorhythmDlg::PutBackChartViews()
{
    if (m_comboRhythms.GetCount() != 1)
        return;
    ListChartViews(m_comboRhythms, ChartView::Rhythms);
}
