// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmDlg.h"

#include "chart/ChartView.h"
#include "modes/ButtonFlags.h"
#include "modes/Texts.h"
#include "platform/MessageBox.h"
#include "platform/Today.h"

#include <QDate>

#include <utility>

namespace {

// Whether month/year lies before the given birth month, or is that month.
bool NotAfterBirthMonth(int birthMonth, int birthYear, int month, int year)
{
    return birthYear > year || (birthYear == year && birthMonth >= month);
}

// A numbered birth-date label holds a date once it runs past its caption,
// the number and a blank by the shortest date in figures ("5.3.1980"):
// 22 characters in English.
constexpr int kShortestDate = 8;
constexpr int kNumberAndBlanks = 3;

} // namespace

// Charts today's month for the entered birth date.
void CBiorhythmDlg::OnStart()
{
    if (!m_btnStart.m_bActive)
        return;

    ChooseChartView(m_comboRhythms, ChartView::Year);
    m_bCompareMode = false;
    m_btnCompare.m_bLit = false;
    InvalidateWindow(&m_btnCompare);
    OfferCurrentMonth();
    MarkFirstBirthLabel();

    const QDate today = Today();
    m_pCalendar->SetMonth(today.month());
    m_pCalendar->SetYear(today.year());
    m_pCalendar->SetMarkedDays(0, 0, false);

    if (CheckBirthLimits() == BirthLimit::None) {
        SetButton(m_btnPrevDate, true);
        SetButton(m_btnNextDate, true);
        SetButton(m_btnPrevMonth, true, true);
    }
    StartMonthScan(today.month(), today.year());
}

void CBiorhythmDlg::OnNextMonth()
{
    StepMonthForward(true);
}

// The next month, or with advancePanel false the month the calendar shows,
// charted afresh: in the default view with a new walk over its boundaries,
// in the month views with the day read-outs cleared.
void CBiorhythmDlg::StepMonthForward(bool advancePanel)
{
    SetButton(m_btnPrevMonth, true, true);
    if (m_bCompareMode) {
        CompareMonth(advancePanel);
        SetWindowText(&m_staticHelp, ModeTexts::HelpUseNext());
        return;
    }

    StopMonthScan();
    ClearTimeOfDay();
    MarkFirstBirthLabel();
    m_strCriticalNote.clear();
    m_btnInfo.m_bActive = false;

    if (advancePanel)
        m_pCalendar->NextMonth(0);

    const BirthLimit limits = CheckBirthLimits();
    const int month = m_pCalendar->m_nMonth;
    const int year = m_pCalendar->m_nYear;
    m_pCalendar->SelectDay(0);
    SetWindowText(&m_staticHelp, QString());

    if (!HasBirthDate()) {
        SetWindowText(&m_staticHelp, ModeTexts::HelpInsert());
        Invalidate();
        return;
    }

    if (ChosenChartView(m_comboRhythms) == ChartView::Year) {
        if (limits == BirthLimit::None)
            SetButton(m_btnPrevDate, true, true);
        SetButton(m_btnNextDate, true);
        OfferCurrentMonth();
        StartMonthScan(month, year);
        return;
    }

    m_nChartMonth = static_cast<short>(month);
    ClearDayInfo();
    if (m_bCurrentMonthMode)
        SetWindowText(&m_staticHelp, ModeTexts::HelpCurrentMonth());
    Invalidate();
}

void CBiorhythmDlg::OnPrevMonth()
{
    StopMonthScan();
    if (!m_btnPrevMonth.m_bActive)
        return;

    ClearTimeOfDay();

    // In the birth month the step goes forward first, so that it charts
    // the birth month again instead of leaving it; in December 2100 there
    // is no forward, and the month stays.
    bool stepBack = true;
    if (CheckBirthLimits() != BirthLimit::None) {
        const int month = m_pCalendar->m_nMonth;
        m_pCalendar->NextMonth(0);
        stepBack = m_pCalendar->m_nMonth != month;
    }

    m_pCalendar->SelectDay(1);
    m_nCriticalLevel = 0;
    m_strCriticalNote.clear();
    m_btnInfo.m_bActive = false;
    if (stepBack)
        m_pCalendar->PrevMonth(0);

    if (!HasBirthDate()) {
        SetWindowText(&m_staticHelp, ModeTexts::HelpInsert());
        Invalidate();
        return;
    }

    if (m_bCompareMode) {
        // The month stepped back to, with each person's first marks.
        CompareShownMonthAgain();
        SetWindowText(&m_staticHelp, ModeTexts::HelpUseNext());
        return;
    }

    MarkFirstBirthLabel();
    const int month = m_pCalendar->m_nMonth;
    const int year = m_pCalendar->m_nYear;
    m_pCalendar->SelectDay(0);
    SetWindowText(&m_staticHelp, QString());

    if (ChosenChartView(m_comboRhythms) != ChartView::Year) {
        ClearDayInfo();
        m_nChartMonth = static_cast<short>(month);
        if (m_bCurrentMonthMode)
            SetWindowText(&m_staticHelp, ModeTexts::HelpCurrentMonth());
        Invalidate();
    } else {
        OfferCurrentMonth();
        StartMonthScan(month, year);
    }
    // Greys the backward steps once the birth month is reached.
    CheckBirthLimits();
}

CBiorhythmDlg::BirthLimit CBiorhythmDlg::CheckBirthLimits()
{
    CCalendarPanel& calendar = *m_pCalendar;
    // A month before both compared births moves twice, but the user is
    // told once.
    bool told = false;
    auto keepFromMonthsBefore = [&](int birthMonth, int birthYear, BirthLimit movedResult) {
        SetButton(m_btnPrevMonth, false, false);
        SetButton(m_btnPrevDate, false, false);
        if (calendar.m_nYear == birthYear && calendar.m_nMonth == birthMonth)
            return BirthLimit::BirthMonth;
        if (!std::exchange(told, true))
            MessageBox(this, ModeTexts::MsgNotBorn(), ModeTexts::InformationCaption(), MB_OK | MB_ICONINFORMATION);
        calendar.SetYear(birthYear);
        calendar.SetMonth(birthMonth);
        return movedResult;
    };

    BirthLimit result = BirthLimit::None;
    if (NotAfterBirthMonth(m_nBirthMonth, m_nBirthYear, calendar.m_nMonth, calendar.m_nYear))
        result = keepFromMonthsBefore(m_nBirthMonth, m_nBirthYear, BirthLimit::MovedToBirthMonth);
    if (!m_bCompareMode)
        return result;
    if (NotAfterBirthMonth(m_nBirthMonth1, m_nBirthYear1, calendar.m_nMonth, calendar.m_nYear))
        return keepFromMonthsBefore(m_nBirthMonth1, m_nBirthYear1, BirthLimit::MovedToSavedBirthMonth);
    return result;
}

// Once the second birth-date label holds a date, the first one is greyed.
void CBiorhythmDlg::MarkFirstBirthLabel()
{
    const qsizetype readLength = ModeTexts::BirthCaption().size() + kNumberAndBlanks + kShortestDate;
    QString text = GetWindowText(&m_staticBirth2).left(readLength);
    while (!text.isEmpty() && text.back() == QLatin1Char(' '))
        text.chop(1);
    if (text.size() >= readLength) {
        m_staticBirth1.SetAlternateColour(true);
        InvalidateWindow(&m_staticBirth1);
    }
}
