#include "app/BiorhythmDlg.h"

#include "modes/Texts.h"
#include "platform/MessageBox.h"

namespace {

const QString kAlertCaption = QStringLiteral("Alert");
const QString kChangeNotSaved = QStringLiteral(
    "The persons list could not be saved in\n%1\n\n"
    "The change is kept while the program runs, and the list is saved again when it closes.");
const QString kListNotSaved = QStringLiteral(
    "The persons list could not be saved in\n%1\n\nPersons added or removed since it was last saved are lost.");

// What the user is told once the window is up when the stored list could
// not be read whole; empty when it could.
QString StoredListNotice(const CPersonsStore& store)
{
    if (const auto& file = store.Unreadable()) {
        const QString unread = QStringLiteral("The settings file could not be read, so the persons list starts empty:\n%1\n\n").arg(file->path);
        if (file->copy.isEmpty())
            return unread + QStringLiteral("The file is left as it is, and changes to the list will not be saved.");
        return unread + QStringLiteral("A copy of the file is kept as:\n%1").arg(file->copy);
    }
    if (store.IsDamaged()) {
        return QStringLiteral("The stored persons list could not be read completely.\n"
                              "Only the persons before the damaged entry are shown. The stored list is kept "
                              "as it is until you add or remove a person; then it is kept as \"List.bak\" "
                              "beside the new list in\n%1").arg(store.Location());
    }
    return {};
}

} // namespace

void CBiorhythmDlg::LoadPersons()
{
    m_arrPersons.clear();
    const ParsedPersons parsed = ParsePersons(m_strListValue);
    m_personsStore.SetLoaded(parsed);
    m_arrPersons = parsed.entries;
    // A window that only reads the settings shows no one a message.
    if (!m_personsStore.IsReadOnly())
        m_strStoredListNotice = StoredListNotice(m_personsStore);

    m_comboPersons.ResetContent();
    for (qsizetype i = 0; i < m_arrPersons.size(); ++i)
        m_comboPersons.InsertString(static_cast<int>(i), PersonName(m_arrPersons.at(i)));
    m_comboPersons.SetCurSel(0);

    m_comboRhythms.InsertString(0, kViewDefault);
    m_comboRhythms.InsertString(1, kViewRhythms);
    m_comboRhythms.InsertString(2, kViewSummary);
    m_comboRhythms.SetCurSel(0);
}

void CBiorhythmDlg::ReportStoredListProblem(const QString& notice)
{
    MessageBox(this, notice, QStringLiteral("Information"), MB_OK | MB_ICONINFORMATION);
}

void CBiorhythmDlg::SavePersons(bool closing)
{
    if (m_personsStore.Write(m_arrPersons))
        return;
    const QString text = (closing ? kListNotSaved : kChangeNotSaved).arg(m_personsStore.Location());
    MessageBox(isVisible() ? this : nullptr, text, kAlertCaption, MB_OK | MB_ICONERROR);
}
