// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmDlg.h"

#include "app/Strings.h"
#include "model/CalendarArithmetic.h"
#include "modes/Areas.h"
#include "modes/Texts.h"
#include "persons/ListDlg.h"
#include "persons/PersonsTexts.h"
#include "platform/MessageBox.h"

#include <utility>

namespace {

// "Birth date: March 5, 1990", as the list dialog shows it.
QString ListInfo(int day, int month, int year)
{
    return PersonTexts::ListInfoFormat().arg(LongDateText(day, month, year));
}

bool IsNewName(const QString& name)
{
    return !name.isEmpty() && name != kPlaceholderName && name != PersonTexts::PlaceholderName();
}

} // namespace

// Adds the current birth date under a name, or removes the person chosen
// in the name selector.
void CBiorhythmDlg::OnList()
{
    m_bListCommandOpen = true;
    RunListCommand();
    m_bListCommandOpen = false;
    if (std::exchange(m_bStoredListChanged, false) && m_personsStore.Refresh())
        ShowStoredPersons();
}

void CBiorhythmDlg::RunListCommand()
{
    CListDlg list(this);
    const int chosen = m_comboPersons.GetCurSel();
    const bool personChosen = chosen > 0 && chosen < m_arrPersons.size();
    bool dateMissing = !HasBirthDate();
    if (personChosen) {
        const QString& entry = m_arrPersons.at(chosen);
        list.m_strName = m_comboPersons.GetLBText(chosen);
        const PersonBirthDate birth = ReadBirthDate(entry);
        m_nBirthDay = static_cast<short>(birth.day);
        m_nBirthMonth = static_cast<short>(birth.month);
        m_nBirthYear = static_cast<short>(birth.year);
        dateMissing = m_nBirthMonth == 0 || m_nBirthYear == 0;
        list.m_bCanRemove = true;
    } else {
        list.m_bCanAdd = true;
    }
    if (dateMissing) {
        InvalidateRect(kDayInfoRect);
        MessageBox(this, PersonTexts::MsgInsertBirth(), ModeTexts::InformationCaption(), MB_OK | MB_ICONINFORMATION);
        list.m_strName = PersonTexts::PlaceholderName();
        list.m_bCanAdd = list.m_bCanRemove = false;
        list.m_strInfo = PersonTexts::ListInfoEmpty();
    } else {
        list.m_strInfo = ListInfo(m_nBirthDay, m_nBirthMonth, m_nBirthYear);
    }

    list.DoModal();
    if (list.m_bAdd) {
        if (list.m_strName.isEmpty()) {
            MessageBox(this, PersonTexts::MsgInsertName(), ModeTexts::InformationCaption(), MB_OK | MB_ICONINFORMATION);
            list.m_bAdd = false;
            list.DoModal();
        }
        // A second empty name is dropped without a word.
        if (list.m_bAdd && IsNewName(list.m_strName))
            AddPerson(list.m_strName);
    }
    if (list.m_bRemove
        && MessageBox(this, PersonTexts::MsgRemovePerson(), PersonTexts::ConfirmationCaption(), MB_OKCANCEL | MB_ICONQUESTION) == IDOK)
        RemovePerson(m_arrPersons.at(chosen));
    Invalidate();
}

// The limit is checked against the list shown first, and again against the
// list as stored when the change is applied to it.
void CBiorhythmDlg::AddPerson(const QString& name)
{
    CPersonsStore::SaveResult result { CPersonsStore::Outcome::Full, QString() };
    if (m_arrPersons.size() <= kMaxPersons)
        result = m_personsStore.Add(FormatPersonEntry(name, m_nBirthDay, m_nBirthMonth, m_nBirthYear));
    ShowStoredPersons();
    if (result.outcome == CPersonsStore::Outcome::Full)
        MessageBox(this, PersonTexts::MsgTooLong(), ModeTexts::InformationCaption(), MB_OK | MB_ICONINFORMATION);
    else if (result.outcome == CPersonsStore::Outcome::Failed)
        ReportSaveFailure(result.reason, false);
}

// The removed person's birth date goes with it, and with it everything
// that was charted or compared for it: the window is reset as if "(Name)"
// had been chosen.
void CBiorhythmDlg::RemovePerson(const QString& entry)
{
    const CPersonsStore::SaveResult result = m_personsStore.Remove(entry);
    ShowStoredPersons();
    ChooseNoPerson();
    SetWindowText(&m_staticBirth1, PersonTexts::BirthRemoved());
    if (result.outcome == CPersonsStore::Outcome::Failed)
        ReportSaveFailure(result.reason, false);
}
