// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmDlg.h"
#include "persons/ListDlg.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"
#include "res/ResourceIds.h"
#include "tests/support/ListAnswers.h"
#include "tests/support/WindowFixture.h"

#include <QDir>
#include <QFile>

namespace {

const QString kFivePersons = QStringLiteral("1101011990A1102021991B1203031992Cy1104041993D1105051994E");

// The main window with the List command answered by actions, and birth
// dates set as the calendar leaves them.
class PersonsFixture : public WindowFixture
{
public:
    explicit PersonsFixture(const QString& stored = QString())
        : WindowFixture("2026-12-07", stored)
    {
    }

    void setBirth(const QDate& birth)
    {
        dialog().m_nBirthDay = static_cast<short>(birth.day());
        dialog().m_nBirthMonth = static_cast<short>(birth.month());
        dialog().m_nBirthYear = static_cast<short>(birth.year());
    }

    QList<ListShown> list(QList<ListAction> actions)
    {
        ListAnswers answers(std::move(actions));
        press(IDC_LIST);
        return answers.shown;
    }
};

} // namespace

class TestList : public QObject
{
    Q_OBJECT

private slots:
    void dialogLayout();
    void keysOfTheListBox_data();
    void keysOfTheListBox();
    void tooLongNameKeepsDialogOpen();

    void addsPersonWithTheBirthDate();
    void emptyNameAsksOnce_data();
    void emptyNameAsksOnce();
    void noBirthDateExplainsHowToAdd();
    void fullListRefusesAnotherPerson_data();
    void fullListRefusesAnotherPerson();
    void removesChosenPerson_data();
    void removesChosenPerson();
    void failedSaveIsReportedAndKept();

    void choosingPersonTakesBirthDate_data();
    void choosingPersonTakesBirthDate();
    void choosingNameResets();

    void cleanup() { SetMessageBoxHandler(nullptr); }
};

// 197 x 66 dialog units of 6 x 13 base units.
void TestList::dialogLayout()
{
    CListDlg list;
    QCOMPARE(list.windowTitle(), QStringLiteral("List"));
    QCOMPARE(list.size(), QSize(296, 107));
    const struct {
        int id;
        QRect rect;
        QString text;
    } controls[] = {
        { IDC_LIST_INFO, QRect(27, 29, 158, 20), QString() },
        { IDC_LIST_NAME, QRect(69, 63, 135, 20), QString() },
        { IDC_LIST_ADD, QRect(230, 11, 55, 23), QStringLiteral("Add") },
        { IDC_LIST_REMOVE, QRect(230, 41, 55, 22), QStringLiteral("Remove") },
        { IDCANCEL, QRect(230, 70, 55, 23), QStringLiteral("Cancel") },
    };
    for (const auto& control : controls) {
        QCOMPARE(Control(list, control.id)->geometry(), control.rect);
        QCOMPARE(GetWindowText(Control(list, control.id)), control.text);
    }
}

void TestList::keysOfTheListBox_data()
{
    QTest::addColumn<bool>("adding");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");

    // Result 0: the dialog is still open. Removing takes its button.
    QTest::newRow("adding: Enter adds") << true << int(Qt::Key_Return) << int(IDOK);
    QTest::newRow("removing: Enter does nothing") << false << int(Qt::Key_Return) << 0;
    QTest::newRow("removing: Escape cancels") << false << int(Qt::Key_Escape) << int(IDCANCEL);
}

void TestList::keysOfTheListBox()
{
    QFETCH(bool, adding);
    QFETCH(int, key);
    QFETCH(int, result);

    CListDlg list;
    list.m_bCanAdd = adding;
    list.m_bCanRemove = !adding;
    list.m_strName = adding ? QString() : QStringLiteral("Bob");
    list.OnInitDialog();
    list.show();
    if (adding)
        Type(list, QStringLiteral("Jo"));
    QTest::keyClick(Control(list, IDC_LIST_NAME), Qt::Key(key));

    QCOMPARE(list.isVisible(), result == 0);
    if (result != 0)
        QCOMPARE(list.result(), result);
    QCOMPARE(list.m_bAdd, adding);
    QVERIFY(!list.m_bRemove);
    if (adding)
        QCOMPARE(list.m_strName, QStringLiteral("Jo"));
}

// The framework's check: the message, the dialog still open with the name
// ready to be corrected, and nothing taken if it is then cancelled. The
// limit counts characters, not UTF-16 units.
void TestList::tooLongNameKeepsDialogOpen()
{
    QStringList messages;
    SetMessageBoxHandler([&messages](const QString& text, const QString&, unsigned type) {
        messages << text;
        return type == (MB_OK | MB_ICONEXCLAMATION) ? int(IDOK) : -1;
    });
    CListDlg list;
    list.m_bCanAdd = true;
    list.OnInitDialog();
    list.show();
    Type(list, QStringLiteral("Abcdefghijklm"));
    Click(list, IDC_LIST_ADD);
    QCOMPARE(messages, QStringList { "Please enter no more than 12 characters." });
    QVERIFY(list.isVisible());
    QCOMPARE(list.focusWidget(), Control(list, IDC_LIST_NAME));
    Click(list, IDCANCEL);
    QVERIFY(!list.m_bAdd);
    QCOMPARE(list.m_strName, QString());

    const QString twelve = QString::fromUtf8("\U0001D49C").repeated(12);
    list.m_strName = twelve;
    list.OnInitDialog();
    list.show();
    Enter(list);
    QVERIFY(list.m_bAdd);
    QCOMPARE(list.m_strName, twelve);
    QCOMPARE(messages.size(), 1);
}

void TestList::addsPersonWithTheBirthDate()
{
    PersonsFixture fixture(QStringLiteral("1503071975Alice"));
    fixture.setBirth(QDate(1990, 3, 5));
    const QList<ListShown> shown = fixture.list({ AddName(QStringLiteral("Jo")) });

    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().info, QStringLiteral("Birth date: March 5, 1990\n"));
    QCOMPARE(shown.first().name, QString());
    QCOMPARE(shown.first().controls, QStringLiteral("Add edit"));
    QCOMPARE(fixture.dialog().m_arrPersons, (QStringList { "1600000000(Name)", "1503071975Alice", "1205031990Jo" }));
    QCOMPARE(Items(fixture.dialog().m_comboPersons), (QStringList { "(Name)", "Alice", "Jo" }));
    QCOMPARE(fixture.dialog().m_comboPersons.GetCurSel(), 0);
    QVERIFY(fixture.messages.isEmpty());
}

void TestList::emptyNameAsksOnce_data()
{
    QTest::addColumn<QString>("second");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("then cancelled") << "cancel" << QStringList { "(Name)" };
    QTest::newRow("then named") << "Bob" << QStringList { "(Name)", "Bob" };
    QTest::newRow("empty again") << "" << QStringList { "(Name)" };
}

void TestList::emptyNameAsksOnce()
{
    QFETCH(QString, second);
    QFETCH(QStringList, names);

    PersonsFixture fixture;
    fixture.setBirth(QDate(1980, 12, 9));
    const QList<ListShown> shown = fixture.list(
        { AddName(QString()), second == QLatin1String("cancel") ? Press(IDCANCEL) : AddName(second) });
    QCOMPARE(shown.size(), 2);
    QCOMPARE(fixture.messages, QStringList { "To add new item into the list,  \n please, insert name." });
    QCOMPARE(fixture.captions, QStringList { "Information" });
    QCOMPARE(Items(fixture.dialog().m_comboPersons), names);
}

// Without a birth date the dialog only shows how to add one.
void TestList::noBirthDateExplainsHowToAdd()
{
    PersonsFixture fixture;
    const QList<ListShown> shown = fixture.list({ [](CListDlg& list) {
        Enter(list);
        QVERIFY(list.isVisible());
        Click(list, IDCANCEL);
    } });
    QCOMPARE(fixture.messages,
        QStringList { "To add new item into the list (Name) \n insert date of birth into the calendar  \n"
                      "  [M-Y-D] and press button \"List\" again " });
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().name, QStringLiteral("(Name)"));
    QCOMPARE(shown.first().info, QStringLiteral("Birth date: 00.00.00"));
    QCOMPARE(shown.first().controls, QString());
    QCOMPARE(fixture.dialog().m_arrPersons.size(), 1);
}

void TestList::fullListRefusesAnotherPerson_data()
{
    QTest::addColumn<int>("stored");

    QTest::newRow("eleven persons") << 11;
    // More than the program writes, from an older list or a hand.
    QTest::newRow("twenty-four persons") << 24;
}

void TestList::fullListRefusesAnotherPerson()
{
    QFETCH(int, stored);

    const QString full = QStringLiteral("1101011990A").repeated(stored);
    PersonsFixture fixture(full);
    QCOMPARE(fixture.dialog().m_comboPersons.GetCount(), stored + 1);
    fixture.setBirth(QDate(1990, 3, 5));
    fixture.list({ AddName(QStringLiteral("Max")) });
    QCOMPARE(fixture.messages, QStringList { " The list is too long! \n Remove unnecessary items \n to add new ones." });
    QCOMPARE(fixture.dialog().m_arrPersons.size(), stored + 1);
    QCOMPARE(fixture.dialog().m_comboPersons.GetCount(), stored + 1);
    QCOMPARE(StoredList(), full);
}

void TestList::removesChosenPerson_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("confirmed") << int(IDOK) << QStringList { "(Name)", "A", "B", "D", "E" };
    QTest::newRow("cancelled") << int(IDCANCEL) << QStringList { "(Name)", "A", "B", "Cy", "D", "E" };
}

void TestList::removesChosenPerson()
{
    QFETCH(int, answer);
    QFETCH(QStringList, names);

    PersonsFixture fixture(kFivePersons);
    fixture.choosePerson(3);
    fixture.answer = answer;
    const QList<ListShown> shown = fixture.list({ Press(IDC_LIST_REMOVE) });

    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().name, QStringLiteral("Cy"));
    QCOMPARE(shown.first().info, QStringLiteral("Birth date: March 3, 1992\n"));
    QCOMPARE(shown.first().controls, QStringLiteral("Remove"));
    QCOMPARE(fixture.messages, QStringList { "Do you really want  to remove this item from the list?" });
    QCOMPARE(fixture.captions, QStringList { "Confirmation" });
    QCOMPARE(Items(fixture.dialog().m_comboPersons), names);

    CBiorhythmDlg& window = fixture.dialog();
    if (answer == IDOK) {
        QCOMPARE(window.m_comboPersons.GetCurSel(), 0);
        QCOMPARE(window.m_nBirthYear, short(0));
        QCOMPARE(fixture.shownDay(), QDate(2026, 12, 7));
        QCOMPARE(fixture.birth1(), QStringLiteral("Birth date:        "));
        QCOMPARE(fixture.activeButtons(), QStringLiteral("PrevMonth"));
    } else {
        QCOMPARE(window.m_comboPersons.GetCurSel(), 3);
        QCOMPARE(window.m_nBirthYear, short(1992));
    }
}

// Settings that cannot be written (the folder became a file): the user is
// told, the person stays in the list, and the close saves it once it can.
void TestList::failedSaveIsReportedAndKept()
{
    PersonsFixture fixture(QStringLiteral("1503071975Alice"));
    const QString folder = QFileInfo(CSettingsStore(QStringLiteral("Work string")).Location()).absolutePath();
    QVERIFY(QDir().rename(folder, folder + QStringLiteral(".away")));
    QFile blocker(folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    fixture.setBirth(QDate(1990, 3, 5));
    fixture.list({ AddName(QStringLiteral("Jo")) });
    QCOMPARE(fixture.captions, QStringList { "Alert" });
    QVERIFY(fixture.messages.first().contains(QStringLiteral("could not be saved")));
    QCOMPARE(Items(fixture.dialog().m_comboPersons), (QStringList { "(Name)", "Alice", "Jo" }));

    QVERIFY(blocker.remove());
    QVERIFY(QDir().rename(folder + QStringLiteral(".away"), folder));
    QCOMPARE(StoredList(), QStringLiteral("1503071975Alice"));
    fixture.dialog().reject();
    QCOMPARE(StoredList(), QStringLiteral("1503071975Alice1205031990Jo"));
    QCOMPARE(fixture.messages.size(), 1);
}

void TestList::choosingPersonTakesBirthDate_data()
{
    QTest::addColumn<bool>("secondDate");

    QTest::newRow("on its own") << false;
    QTest::newRow("second date of a comparison") << true;
}

void TestList::choosingPersonTakesBirthDate()
{
    QFETCH(bool, secondDate);

    PersonsFixture fixture(QStringLiteral("1503071975Alice1309121980Bob"));
    CBiorhythmDlg& window = fixture.dialog();
    fixture.choosePerson(1);
    fixture.press(IDC_START);
    QVERIFY(fixture.scanning());
    if (secondDate)
        fixture.press(IDC_INSERT);

    fixture.choosePerson(2);
    QVERIFY(!fixture.scanning());
    QCOMPARE(QDate(window.m_nBirthYear, window.m_nBirthMonth, window.m_nBirthDay), QDate(1980, 12, 9));
    QCOMPARE(fixture.shownDay(), QDate(1980, 12, 9));
    QCOMPARE(fixture.birth1(), secondDate ? "Birth date 1: 07.03.1975" : "Birth date: 12.09.1980");
    QCOMPARE(fixture.birth2(), secondDate ? "Birth date: 12.09.1980" : "Birth date: ");
    QCOMPARE(fixture.help(), secondDate ? Expected::kLastOrContinue : Expected::kStartOrInsert);
    QCOMPARE(fixture.time(), Expected::kNoTime);
    QCOMPARE(fixture.activeButtons(),
        secondDate ? "Start NextDate Insert Remove CurrentMonth" : "Start NextDate Insert CurrentMonth");
    QCOMPARE(window.m_nCriticalLevel + window.m_nDayOfYear + window.m_nMoonMark, 0);
    QVERIFY(window.m_strCriticalNote.isEmpty());
    QVERIFY(!window.m_bCompareMode);
}

void TestList::choosingNameResets()
{
    PersonsFixture fixture(QStringLiteral("1503071975Alice1309121980Bob"));
    fixture.choosePerson(2);
    fixture.choosePerson(0);
    QCOMPARE(fixture.dialog().m_nBirthYear, short(0));
    QCOMPARE(fixture.shownDay(), QDate(2026, 12, 7));
    QCOMPARE(fixture.help(), Expected::kInsertShort);
    QCOMPARE(fixture.birth1(), QStringLiteral("Birth date: "));
    QCOMPARE(fixture.activeButtons(), QStringLiteral("PrevMonth"));
}

QTEST_MAIN(TestList)
#include "tst_list.moc"
