// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmDlg.h"

#include "chart/ChartView.h"
#include "model/Moon.h"
#include "modes/ButtonFlags.h"
#include "modes/Texts.h"
#include "platform/Today.h"

#include <QDate>

namespace {

// "Birth date: " becomes "Birth date 1: " or "Birth date 2: ": the number
// goes before the caption's colon, wherever a language puts it.
void NumberBirthLabel(QWidget* label, const char* number)
{
    const QString caption = ModeTexts::BirthCaption();
    qsizetype position = caption.endsWith(QLatin1Char(':')) ? caption.size() - 1 : caption.size();
    // French sets its colon off by a (no-break) blank: "Né le 1 :".
    while (position > 0 && caption.at(position - 1).isSpace())
        --position;
    SetWindowText(label, GetWindowText(label).insert(position, QLatin1String(number)));
}

} // namespace

// Saves the entered birth date as the first of two, or fixes the second one
// once it has been entered; either way the calendar returns to today.
void CBiorhythmDlg::OnInsert()
{
    if (!HasBirthDate() || !m_btnInsert.m_bActive)
        return;
    StopMonthScan();

    ChooseChartView(m_comboRhythms, ChartView::Year);
    m_pCalendar->SetDayWarning(false);
    ClearReadouts();
    m_bCurrentMonthMode = false;
    SetButton(m_btnCurrentMonth, true, false);
    m_pCalendar->SetCurrentMonthMode(false);
    ClearTimeOfDay();

    if (m_bAwaitSecondDate) {
        NumberBirthLabel(&m_staticBirth2, " 2");
        m_staticBirth1.SetAlternateColour(false);
        m_nCompareStep = CompareStep::BothFixed;
        m_bAwaitSecondDate = false;
        SetButton(m_btnInsert, false);
        SetButton(m_btnCompare, true);
        SetWindowText(&m_staticHelp, ModeTexts::HelpCompareOrSecond());
        SetButton(m_btnRemove, true);
    } else {
        m_nBirthDay1 = m_nBirthDay;
        m_nBirthMonth1 = m_nBirthMonth;
        m_nBirthYear1 = m_nBirthYear;
        NumberBirthLabel(&m_staticBirth1, " 1");
        m_comboPersons.SetCurSel(0);
        m_nCompareStep = CompareStep::FirstSaved;
        m_bAwaitSecondDate = true;
        SetButton(m_btnRemove, true);
        SetButton(m_btnInsert, false);
        SetWindowText(&m_staticHelp, ModeTexts::HelpStartOrSecond());
    }

    const QDate today = Today();
    m_pCalendar->SetMonth(today.month());
    m_pCalendar->SetYear(today.year());
    m_pCalendar->SelectDay(today.day());

    if (CheckBirthLimits() != BirthLimit::None) {
        SetButton(m_btnNextDate, true);
    } else {
        SetButton(m_btnPrevDate, true);
        SetButton(m_btnNextDate, true);
        SetButton(m_btnPrevMonth, true, true);
    }
    Invalidate();
}

// Undoes the last insertion: the second date gives way to the first, which
// awaits a new second date; without a second date everything is reset.
void CBiorhythmDlg::OnRemove()
{
    ClearTimeOfDay();
    if ((!HasBirthDate() && !HasSavedBirthDate()) || !m_btnRemove.m_bActive || m_nCompareStep == CompareStep::None)
        return;
    StopMonthScan();

    if (m_nCompareStep == CompareStep::BothFixed) {
        m_nBirthDay = m_nBirthDay1;
        m_nBirthMonth = m_nBirthMonth1;
        m_nBirthYear = m_nBirthYear1;
        m_nCriticalLevel1 = 0;
        m_nDayOfYear1 = 0;
        SetWindowText(&m_staticBirth2, ModeTexts::BirthEmpty());
        m_staticBirth1.SetAlternateColour(false);
        m_bAwaitSecondDate = true;
        SetButton(m_btnCompare, false, false);
        if (m_bCompareMode) {
            PutBackChartViews();
            SetButton(m_btnStart, true, true);
        }
        m_pCalendar->SetMarkedDays(0, 0, false);
        m_bCompareMode = false;
        SetWindowText(&m_staticHelp, QString());
    }
    if (m_nCompareStep == CompareStep::FirstSaved) {
        OnReset();
        return;
    }

    m_comboPersons.SetCurSel(0);
    const QDate today = Today();
    m_pCalendar->SetMonth(today.month());
    m_pCalendar->SetYear(today.year());
    m_pCalendar->SelectDay(today.day());
    m_pCalendar->SetDayWarning(false);
    // Today shows no boundary: nothing of the day charted before stays.
    ClearReadouts();

    if (CheckBirthLimits() == BirthLimit::None) {
        SetButton(m_btnPrevDate, true);
        SetButton(m_btnNextDate, true);
        SetButton(m_btnPrevMonth, true, true);
    } else if (!m_bCurrentMonthMode) {
        SetButton(m_btnNextDate, true);
    }
    m_nCompareStep = CompareStep::FirstSaved;
    Invalidate();
}

// Switches comparison mode on or off and charts today's month, in which
// each person's first long-cycle boundary is marked on the calendar.
void CBiorhythmDlg::OnCompare()
{
    if (!m_btnCompare.m_bActive)
        return;
    StopMonthScan();

    ClearTimeOfDay();
    SetButton(m_btnInfo, false);
    ChooseChartView(m_comboRhythms, ChartView::Year);

    const QDate today = Today();
    m_pCalendar->SetMonth(today.month());
    m_pCalendar->SetYear(today.year());
    m_pCalendar->SetMarkedDays(0, 0, false);
    SetButton(m_btnNextDate, true);

    m_bCompareMode = !m_bCompareMode;
    if (m_bCompareMode) {
        m_staticBirth1.SetAlternateColour(false);
        InvalidateWindow(&m_staticBirth1);
        // Only the year view shows two persons.
        while (m_comboRhythms.GetCount() > 1)
            m_comboRhythms.DeleteString(m_comboRhythms.GetCount() - 1);
        SetButton(m_btnStart, false, false);
    } else {
        PutBackChartViews();
        ChooseChartView(m_comboRhythms, ChartView::Year);
        SetButton(m_btnStart, true, true);
    }

    SetWindowText(&m_staticHelp, ModeTexts::HelpUseNext());
    m_nMoonMark = kNoMoonMark;
    FillMonthWithFirstMarks();
    if (!m_bCompareMode) {
        m_pCalendar->SetMarkedDays(0, 0, false);
        SetWindowText(&m_staticHelp, QString());
    }
    Invalidate();
}
