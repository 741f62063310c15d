#include "app/BiorhythmDlg.h"

#include "model/CalendarArithmetic.h"
#include "modes/Areas.h"
#include "modes/Texts.h"
#include "persons/ListDlg.h"
#include "platform/MessageBox.h"

namespace {

// "Birth date: March 5, 1990", as the list dialog shows it.
QString ListInfo(int day, int month, int year)
{
    return kListInfoFormat.arg(QString::fromLatin1(MonthNames[month])).arg(day).arg(year);
}

bool IsNewName(const QString& name)
{
    return !name.isEmpty() && name != kPlaceholderName;
}

} // namespace

// Adds the current birth date under a name, or removes the person chosen
// in the name selector.
void CBiorhythmDlg::OnList()
{
    CListDlg list(this);
    const int chosen = m_comboPersons.GetCurSel();
    const bool personChosen = chosen > 0 && chosen < m_arrPersons.size();
    bool dateMissing = !HasBirthDate();
    if (personChosen) {
        const QString& entry = m_arrPersons.at(chosen);
        list.m_strName = m_comboPersons.GetLBText(chosen);
        m_nBirthDay = static_cast<short>(PersonDay(entry));
        m_nBirthMonth = static_cast<short>(PersonMonth(entry));
        m_nBirthYear = static_cast<short>(PersonYear(entry));
        dateMissing = m_nBirthMonth == 0 || m_nBirthYear == 0;
        list.m_bCanRemove = true;
    } else {
        list.m_bCanAdd = true;
    }
    if (dateMissing) {
        InvalidateRect(kDayInfoRect);
        MessageBox(this, kMsgInsertBirth, kInformationCaption, MB_OK | MB_ICONINFORMATION);
        list.m_strName = kPlaceholderName;
        list.m_bCanAdd = list.m_bCanRemove = false;
        list.m_strInfo = kListInfoEmpty;
    } else {
        list.m_strInfo = ListInfo(m_nBirthDay, m_nBirthMonth, m_nBirthYear);
    }

    list.DoModal();
    if (list.m_bAdd) {
        if (list.m_strName.isEmpty()) {
            MessageBox(this, kMsgInsertName, kInformationCaption, MB_OK | MB_ICONINFORMATION);
            list.m_bAdd = false;
            list.DoModal();
        }
        // A second empty name is dropped without a word.
        if (list.m_bAdd && IsNewName(list.m_strName))
            AddPerson(list.m_strName);
    }
    if (list.m_bRemove
        && MessageBox(this, kMsgRemovePerson, kConfirmationCaption, MB_OKCANCEL | MB_ICONQUESTION) == IDOK)
        RemovePerson(chosen);
    Invalidate();
}

void CBiorhythmDlg::AddPerson(const QString& name)
{
    if (m_arrPersons.size() > kMaxPersons) {
        MessageBox(this, kMsgTooLong, kInformationCaption, MB_OK | MB_ICONINFORMATION);
        return;
    }
    m_arrPersons.append(FormatPersonEntry(name, m_nBirthDay, m_nBirthMonth, m_nBirthYear));
    m_comboPersons.InsertString(static_cast<int>(m_arrPersons.size() - 1), name);
    SavePersons(false);
}

// The removed person's birth date goes with it, and with it everything
// that was charted or compared for it: the window is reset as if "(Name)"
// had been chosen.
void CBiorhythmDlg::RemovePerson(int index)
{
    m_arrPersons.removeAt(index);
    m_comboPersons.DeleteString(index);
    ChooseNoPerson();
    SetWindowText(&m_staticBirth1, kBirthRemoved);
    SavePersons(false);
}
