#include "app/BiorhythmDlg.h"

#include "modes/Texts.h"
#include "platform/MessageBox.h"

void CBiorhythmDlg::LoadPersons()
{
    m_arrPersons.clear();
    const ParsedPersons parsed = ParsePersons(m_strListValue);
    m_personsStore.SetLoaded(m_strListValue, parsed);
    m_arrPersons = parsed.entries;
    m_bReportDamagedList = !parsed.complete;

    m_comboPersons.ResetContent();
    for (qsizetype i = 0; i < m_arrPersons.size(); ++i)
        m_comboPersons.InsertString(static_cast<int>(i), PersonName(m_arrPersons.at(i)));
    m_comboPersons.SetCurSel(0);

    m_comboRhythms.InsertString(0, kViewDefault);
    m_comboRhythms.InsertString(1, kViewRhythms);
    m_comboRhythms.InsertString(2, kViewSummary);
    m_comboRhythms.SetCurSel(0);
}

void CBiorhythmDlg::ReportDamagedList()
{
    MessageBox(this,
        QStringLiteral("The stored persons list could not be read completely.\n"
                       "Only the persons before the damaged entry are shown. The stored list is kept "
                       "as it is until you add or remove a person."),
        QStringLiteral("Information"), MB_OK | MB_ICONINFORMATION);
}
