// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmDlg.h"
#include "calendar/CalendarPanel.h"
#include "platform/HelpWindow.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"
#include "res/ResourceIds.h"
#include "tests/support/WindowFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QAbstractItemView>
#include <QMenu>
#include <QTest>

#include <memory>

namespace {

struct Message {
    QString text;
    QString caption;
    unsigned type;
};

// Answers message boxes with OK and remembers them.
class MessageRecorder
{
public:
    MessageRecorder()
    {
        SetMessageBoxHandler([this](const QString& text, const QString& caption, unsigned type) {
            messages.append({ text, caption, type });
            return int(IDOK);
        });
    }
    ~MessageRecorder() { SetMessageBoxHandler(nullptr); }

    QList<Message> messages;
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void startsWithNothingEntered();
    void eightButtonsStartInactive_data();
    void eightButtonsStartInactive();
    void infoFlipsDayInfoEvenWhenInactive();
    void helpOpensAndClosesWithWindow();

    void enterDoesNothing();
    void escapeClosesAndWritesList();
    void closeBoxClosesAndWritesList();
    void noPersonsWritesEmptyValue();
    void teardownRunsOnce();
    void destroyingUnshownWindowWritesList();

    void calendarWindowIsCreatedOnce();
    void shownWindowBuildsNoHiddenPopups();

    void loadsStoredPersons_data();
    void loadsStoredPersons();
    void damagedListIsReportedOnceAndKept();
    void unreadableSettingsFileIsReportedWithItsCopy();
    void personsSurviveRestart();
};

void TestMainWindow::startsWithNothingEntered()
{
    ScopedSettingsFolder settings;
    CBiorhythmDlg dialog;
    QCOMPARE(dialog.m_nBirthDay, short(0));
    QCOMPARE(dialog.m_nBirthMonth, short(0));
    QCOMPARE(dialog.m_nBirthYear, short(0));
    QCOMPARE(dialog.m_nChartMonth, short(0));
    QCOMPARE(dialog.m_nLongCycleSegment, -1);
    QCOMPARE(dialog.m_nCriticalLevel, 1);
    QCOMPARE(dialog.m_nCompareStep, CBiorhythmDlg::CompareStep::None);
    QVERIFY(!dialog.m_bShowDayInfo);
    QVERIFY(!dialog.m_bAwaitSecondDate);
    QVERIFY(dialog.m_strCriticalNote.isEmpty());
    QVERIFY(dialog.m_pCalendar);
    QVERIFY(!dialog.m_staticBirth1.IsAlternateColour());

    QCOMPARE(Items(dialog.m_comboPersons), QStringList { "(Name)" });
    QCOMPARE(dialog.m_comboPersons.GetCurSel(), 0);
    QCOMPARE(Items(dialog.m_comboRhythms), (QStringList { "(Default)", "3 rhythms", "Summary" }));
    QCOMPARE(dialog.m_comboRhythms.GetCurSel(), 0);
    QCOMPARE(dialog.m_arrPersons, QStringList { "1600000000(Name)" });
}

void TestMainWindow::eightButtonsStartInactive_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("active");

    QTest::newRow("start") << IDC_START << false;
    QTest::newRow("previous date") << IDC_PREV_DATE << false;
    QTest::newRow("next date") << IDC_NEXT_DATE << false;
    QTest::newRow("info") << IDC_INFO << false;
    QTest::newRow("insert") << IDC_INSERT << false;
    QTest::newRow("remove") << IDC_REMOVE << false;
    QTest::newRow("current month") << IDC_CURRENT_MONTH << false;
    QTest::newRow("compare") << IDC_COMPARE << false;
    QTest::newRow("previous month") << IDC_PREV_MONTH << true;
    QTest::newRow("next month") << IDC_NEXT_MONTH << true;
    QTest::newRow("reset") << IDC_RESET << true;
    QTest::newRow("help") << IDC_HELP << true;
    QTest::newRow("list") << IDC_LIST << true;
}

void TestMainWindow::eightButtonsStartInactive()
{
    QFETCH(int, id);
    QFETCH(bool, active);

    ScopedSettingsFolder settings;
    CBiorhythmDlg dialog;
    auto* button = qobject_cast<CIconButton*>(dialog.GetDlgItem(id));
    QVERIFY(button);
    QCOMPARE(button->m_bActive, active);
    QVERIFY(button->isEnabled());
}

void TestMainWindow::infoFlipsDayInfoEvenWhenInactive()
{
    ScopedSettingsFolder settings;
    CBiorhythmDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(!dialog.m_btnInfo.m_bActive);

    QTest::mouseClick(&dialog.m_btnInfo, Qt::LeftButton);
    QVERIFY(dialog.m_bShowDayInfo);
    // A second click before the next paint takes the request back.
    dialog.OnCommand(IDC_INFO, BN_CLICKED);
    QVERIFY(!dialog.m_bShowDayInfo);
    dialog.OnCommand(IDC_INFO, BN_CLICKED);
    QVERIFY(dialog.m_bShowDayInfo);
}

void TestMainWindow::helpOpensAndClosesWithWindow()
{
    ScopedSettingsFolder settings;
    CBiorhythmDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(!IsHelpOpen());

    QTest::mouseClick(&dialog.m_btnHelp, Qt::LeftButton);
    QVERIFY(IsHelpOpen());
    dialog.reject();
    QVERIFY(!IsHelpOpen());
}

void TestMainWindow::enterDoesNothing()
{
    ScopedSettingsFolder settings;
    CBiorhythmDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    for (auto key : { Qt::Key_Return, Qt::Key_Enter }) {
        QTest::keyClick(&dialog, key);
        QTest::keyClick(&dialog.m_comboPersons, key);
    }
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.m_pCalendar);
    QCOMPARE(StoredList(), std::nullopt);
}

// A window saves only what its user changed: closing it leaves a list
// changed elsewhere meanwhile as it is, and shows that change while open.
void TestMainWindow::escapeClosesAndWritesList()
{
    ScopedSettingsFolder settings;
    StoreList(QStringLiteral("1503071975Alice"));
    CBiorhythmDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.m_comboPersons.SetCurSel(1);
    CPersonsStore elsewhere;
    elsewhere.Load();
    QCOMPARE(elsewhere.Add(QStringLiteral("1205031990Jo")).outcome, CPersonsStore::Outcome::Saved);
    QTRY_COMPARE(Items(dialog.m_comboPersons), (QStringList { "(Name)", "Alice", "Jo" }));
    QCOMPARE(dialog.m_comboPersons.GetCurSel(), 1);
    QCOMPARE(elsewhere.Remove(QStringLiteral("1503071975Alice")).outcome, CPersonsStore::Outcome::Saved);
    QTRY_COMPARE(Items(dialog.m_comboPersons), (QStringList { "(Name)", "Jo" }));
    QCOMPARE(dialog.m_comboPersons.GetCurSel(), 0);

    QTest::keyClick(&dialog.m_comboPersons, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(StoredList(), QStringLiteral("1205031990Jo"));
    QCOMPARE(dialog.m_pCalendar, nullptr);
    QVERIFY(dialog.m_arrPersons.isEmpty());
}

void TestMainWindow::closeBoxClosesAndWritesList()
{
    ScopedSettingsFolder settings;
    StoreList(QStringLiteral("1503071975Alice1309121980Bob"));
    CBiorhythmDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    StoreList(QStringLiteral("1309121980Bob"));

    QVERIFY(dialog.close());
    QVERIFY(!dialog.isVisible());
    QCOMPARE(StoredList(), QStringLiteral("1309121980Bob"));
}

// Nothing changed, nothing written: not even a file, nor a lock.
void TestMainWindow::noPersonsWritesEmptyValue()
{
    ScopedSettingsFolder settings;
    {
        CBiorhythmDlg dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(&dialog, Qt::Key_Escape);
    }
    QCOMPARE(StoredList(), std::nullopt);
    QVERIFY(!QFileInfo::exists(QFileInfo(settings.settingsFile()).absolutePath()));
}

void TestMainWindow::teardownRunsOnce()
{
    ScopedSettingsFolder settings;
    {
        CBiorhythmDlg dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(StoredList(), std::nullopt);
        // Whatever happens after the window closed must not write again.
        StoreList(QStringLiteral("1205031990Jo"));
        dialog.reject();
        dialog.close();
    }
    QCOMPARE(StoredList(), QStringLiteral("1205031990Jo"));
}

void TestMainWindow::destroyingUnshownWindowWritesList()
{
    ScopedSettingsFolder settings;
    StoreList(QStringLiteral("1503071975Alice"));
    {
        CBiorhythmDlg dialog;
        StoreList(QStringLiteral("1205031990Jo"));
    }
    QCOMPARE(StoredList(), QStringLiteral("1205031990Jo"));
}

void TestMainWindow::calendarWindowIsCreatedOnce()
{
    ScopedSettingsFolder settings;
    CBiorhythmDlg dialog;
    CCalendarPanel* panel = dialog.m_pCalendar;
    QVERIFY(!panel->isVisible());

    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(panel->isVisible());
    QVERIFY(!panel->isWindow());
    QCOMPARE(panel->parentWidget(), &dialog);
    QCOMPARE(panel->pos(), QPoint(0, 0));
    const int selectors = panel->findChildren<CColorComboBox*>().size();

    // A second creation would put the panel back on today.
    panel->SetMonth(3);
    panel->SelectDay(5);
    dialog.hide();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.m_pCalendar, panel);
    QCOMPARE(panel->m_nMonth, 3);
    QCOMPARE(panel->m_nDay, 5);
    QCOMPARE(panel->findChildren<CColorComboBox*>().size(), selectors);
}

// Every hidden widget lays itself out whenever the window is shown or
// grabbed; the menu and the drop-down lists wait until they first open.
void TestMainWindow::shownWindowBuildsNoHiddenPopups()
{
    ScopedSettingsFolder settings;
    CBiorhythmDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.grab();
    QCOMPARE(dialog.findChildren<QMenu*>().size(), 0);
    QCOMPARE(dialog.findChildren<QAbstractItemView*>().size(), 0);
}

void TestMainWindow::loadsStoredPersons_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("empty") << "" << QStringList { "(Name)" };
    QTest::newRow("two persons") << "1503071975Alice1309121980Bob" << QStringList { "(Name)", "Alice", "Bob" };
    QTest::newRow("zero length") << "00" << QStringList { "(Name)" };
    QTest::newRow("runs past the end") << "1503071975Alice1309121980Bo" << QStringList { "(Name)", "Alice" };
    QTest::newRow("month out of range") << "1309131980Bob1503071975Alice" << QStringList { "(Name)" };
}

void TestMainWindow::loadsStoredPersons()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, names);

    ScopedSettingsFolder settings;
    MessageRecorder messages;
    StoreList(stored);
    CBiorhythmDlg dialog;
    QCOMPARE(dialog.m_strListValue, stored);
    QCOMPARE(Items(dialog.m_comboPersons), names);
    QCOMPARE(dialog.m_arrPersons.size(), names.size());
    QCOMPARE(dialog.m_comboPersons.GetCurSel(), 0);

    dialog.reject();
    QCOMPARE(StoredList(), stored);
}

void TestMainWindow::damagedListIsReportedOnceAndKept()
{
    ScopedSettingsFolder settings;
    MessageRecorder messages;
    const QString damaged = QStringLiteral("1503071975Alice13091219");
    StoreList(damaged);

    CBiorhythmDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTRY_COMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages.first().caption, QStringLiteral("Information"));
    QCOMPARE(messages.messages.first().type, unsigned(MB_OK | MB_ICONINFORMATION));
    QVERIFY(messages.messages.first().text.contains(QStringLiteral("could not be read completely")));
    QVERIFY(messages.messages.first().text.contains(QStringLiteral("\"List.bak\"")));

    dialog.hide();
    dialog.show();
    QTest::qWait(50);
    QCOMPARE(messages.messages.size(), 1);

    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(StoredList(), damaged);
}

// The file is named with the copy kept of it, once; closing with the list
// unchanged leaves the file as it was.
void TestMainWindow::unreadableSettingsFileIsReportedWithItsCopy()
{
    ScopedSettingsFolder settings;
    MessageRecorder messages;
    const QString path = settings.settingsFile();
    QVERIFY(settings.writeSettingsFile("[Work string]\nList=\xff\xfe\n"));
    QFile file(path);

    CBiorhythmDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTRY_COMPARE(messages.messages.size(), 1);
    const QStringList copies = QDir(QFileInfo(path).absolutePath()).entryList({ QStringLiteral("Ryvanta.conf.damaged-*") });
    QCOMPARE(copies.size(), 1);
    const QString& text = messages.messages.first().text;
    QVERIFY2(text.contains(path) && text.contains(copies.first()), qPrintable(text));
    QCOMPARE(messages.messages.first().caption, QStringLiteral("Information"));

    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[Work string]\nList=\xff\xfe\n"));
    QCOMPARE(messages.messages.size(), 1);
}

// Persons added by another window while this one is open survive both.
void TestMainWindow::personsSurviveRestart()
{
    ScopedSettingsFolder settings;
    MessageRecorder messages;
    {
        CBiorhythmDlg first;
        first.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        CPersonsStore other;
        other.Load();
        QCOMPARE(other.Add(QStringLiteral("1205031990Jo")).outcome, CPersonsStore::Outcome::Saved);
        QCOMPARE(other.Add(QStringLiteral("1503071975Alice")).outcome, CPersonsStore::Outcome::Saved);
        QTest::keyClick(&first, Qt::Key_Escape);
    }
    CBiorhythmDlg second;
    QCOMPARE(Items(second.m_comboPersons), (QStringList { "(Name)", "Jo", "Alice" }));
    QCOMPARE(second.m_arrPersons.at(1), QStringLiteral("1205031990Jo"));
    QVERIFY(messages.messages.isEmpty());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
