// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmDlg.h"

#include "chart/ChartView.h"
#include "modes/Texts.h"
#include "persons/PersonsTexts.h"
#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

namespace {

const char kAlertCaption[] = QT_TRANSLATE_NOOP("Persons", "Alert");
const char kChangeNotSaved[] = QT_TRANSLATE_NOOP("Persons",
    "The persons list could not be saved in\n%1\n\nWhy: %2.\n\n"
    "The change is kept in this window; saving it is tried again with your next change and when the window closes.");
const char kListNotSaved[] = QT_TRANSLATE_NOOP("Persons",
    "The persons list could not be saved in\n%1\n\nWhy: %2.\n\n"
    "Persons added or removed in this window since it was last saved are lost.");
QString Translated(const char* text)
{
    return QCoreApplication::translate("Persons", text);
}

// Saves made elsewhere come as several changes to the folder; one reading
// after the last of them is enough.
constexpr int kStoredListSettleMs = 50;

// What happens to what could not be read, told the same way in every case:
// where it is kept, and until when it stays as it is.
QString StoredValueNotice(const CPersonsStore& store, int shown)
{
    const QString kept = QCoreApplication::translate("Persons", "The stored list is left exactly as it is until you add or remove a person; "
                                        "then it is kept, as it stands, as the value \"%1\" beside the new list in\n%2")
                             .arg(store.BackupName(), store.Location());
    if (store.LoadedValue() == CPersonsStore::StoredValue::NotText)
        return QCoreApplication::translate("Persons", "The stored persons list is not a list of persons, so the list starts empty.\n") + kept;
    const QString shownText = shown == 0
        ? QCoreApplication::translate("Persons", "No person could be read from it, so the list starts empty.\n")
        : QCoreApplication::translate("Persons", "The %n persons before the damaged entry are shown.\n", nullptr, shown);
    return QCoreApplication::translate("Persons", "The stored persons list could not be read completely.\n") + shownText + kept;
}

// What the user is told once the window is up when the stored list could
// not be read whole; empty when it could.
QString StoredListNotice(const CPersonsStore& store, int shown)
{
    if (const auto& file = store.Unreadable()) {
        if (file->unreadable || file->copy.isEmpty())
            return QCoreApplication::translate("Persons", "The settings file cannot be read, so the persons list starts empty:\n%1\n\n"
                                  "The file is left as it is. Persons you add or remove are kept in this window; "
                                  "saving them is tried with each change and when the window closes.")
                .arg(file->path);
        const QString persons = shown == 0 ? QCoreApplication::translate("Persons", "No person could be read from it.")
                                           : QCoreApplication::translate("Persons", "The %n persons of its list are shown.", nullptr, shown);
        return QCoreApplication::translate("Persons", "The settings file could not be read completely:\n%1\n\n%2 A copy of the file as it is "
                              "was kept as:\n%3\n\nThe file is written anew when you add or remove a person.")
            .arg(file->path, persons, file->copy);
    }
    if (store.LoadedValue() != CPersonsStore::StoredValue::Whole)
        return StoredValueNotice(store, shown);
    return {};
}

} // namespace

void CBiorhythmDlg::LoadPersons()
{
    m_personsStore.Load();
    m_strListValue = m_personsStore.LoadedText();
    m_arrPersons = m_personsStore.Entries();
    // A window that only reads the settings shows no one a message.
    if (!m_personsStore.IsReadOnly()) {
        m_strStoredListNotice = StoredListNotice(m_personsStore, static_cast<int>(m_arrPersons.size() - 1));
        WatchStoredList();
    }

    FillNameSelector(QString());

    ListChartViews(m_comboRhythms);
    ChooseChartView(m_comboRhythms, ChartView::Year);
}

// The names of m_arrPersons, with the person whose entry is chosen still
// chosen, or "(Name)" when that person is gone.
void CBiorhythmDlg::FillNameSelector(const QString& chosenEntry)
{
    m_comboPersons.ResetContent();
    for (qsizetype i = 0; i < m_arrPersons.size(); ++i)
        m_comboPersons.InsertString(static_cast<int>(i), i == 0 ? PersonTexts::PlaceholderName() : PersonName(m_arrPersons.at(i)));
    const qsizetype chosen = chosenEntry.isEmpty() ? 0 : m_arrPersons.indexOf(chosenEntry, 1);
    m_comboPersons.SetCurSel(static_cast<int>(qMax<qsizetype>(chosen, 0)));
}

QString CBiorhythmDlg::ChosenPersonEntry() const
{
    const int chosen = m_comboPersons.GetCurSel();
    return chosen > 0 && chosen < m_arrPersons.size() ? m_arrPersons.at(chosen) : QString();
}

void CBiorhythmDlg::ShowStoredPersons()
{
    const QString chosen = ChosenPersonEntry();
    m_arrPersons = m_personsStore.Entries();
    FillNameSelector(chosen);
}

// A save renames a new file over the old one, which a watch on the file
// itself would lose, so the folder is watched; while it is not there yet,
// the folder it will be made in.
void CBiorhythmDlg::WatchStoredList()
{
    if (!m_pListWatcher) {
        m_pListWatcher = new QFileSystemWatcher(this);
        m_pListSettle = new QTimer(this);
        m_pListSettle->setSingleShot(true);
        m_pListSettle->setInterval(kStoredListSettleMs);
        connect(m_pListWatcher, &QFileSystemWatcher::directoryChanged, m_pListSettle, qOverload<>(&QTimer::start));
        connect(m_pListSettle, &QTimer::timeout, this, &CBiorhythmDlg::OnStoredListChanged);
    }
    QString folder = QFileInfo(m_personsStore.Location()).absolutePath();
    while (!QFileInfo(folder).isDir() && QFileInfo(folder).absolutePath() != folder)
        folder = QFileInfo(folder).absolutePath();
    const QStringList watched = m_pListWatcher->directories();
    if (watched != QStringList { folder }) {
        if (!watched.isEmpty())
            m_pListWatcher->removePaths(watched);
        m_pListWatcher->addPath(folder);
    }
}

void CBiorhythmDlg::OnStoredListChanged()
{
    if (m_bDestroyed)
        return;
    WatchStoredList();
    // The List command works on the entries it was opened with; what came
    // meanwhile is shown once it is done.
    if (m_bListCommandOpen) {
        m_bStoredListChanged = true;
        return;
    }
    if (m_personsStore.Refresh())
        ShowStoredPersons();
}

void CBiorhythmDlg::ReportStoredListProblem(const QString& notice)
{
    MessageBox(this, notice, ModeTexts::InformationCaption(), MB_OK | MB_ICONINFORMATION);
}

void CBiorhythmDlg::ReportSaveFailure(const QString& reason, bool closing)
{
    const QString text = Translated(closing ? kListNotSaved : kChangeNotSaved).arg(m_personsStore.Location(), reason);
    MessageBox(isVisible() ? this : nullptr, text, Translated(kAlertCaption), MB_OK | MB_ICONERROR);
}

void CBiorhythmDlg::SavePendingPersons()
{
    const CPersonsStore::SaveResult result = m_personsStore.SavePending();
    if (result.outcome == CPersonsStore::Outcome::Failed)
        ReportSaveFailure(result.reason, true);
}
