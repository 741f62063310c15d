// SPDX-License-Identifier: GPL-3.0-or-later
#include "persons/PersonsStore.h"
#include "platform/FileLock.h"
#include "platform/SettingsStore.h"
#include "tests/support/TestEnvironment.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTextStream>
#include <QThread>

#include <map>
#include <memory>

#include <unistd.h>

namespace {

const QString kStoreKey = QStringLiteral("Work string");

std::optional<QString> StoredBackup()
{
    return CSettingsStore(kStoreKey).ReadString(QStringLiteral("List.bak"), 1000);
}

// This test program run again as a child, in the role the arguments name.
std::unique_ptr<QProcess> StartChild(const QStringList& arguments)
{
    auto child = std::make_unique<QProcess>();
    child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child->start(QCoreApplication::applicationFilePath(), arguments);
    return child;
}

// The child, that adds Jo, run under program (strace) with its arguments;
// its exit code.
int RunChild(const QString& program, const QStringList& arguments)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // The leak checker of a sanitizer build cannot work under a tracer.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ASAN_OPTIONS"), environment.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":detect_leaks=0"));
    child.setProcessEnvironment(environment);
    child.start(program, arguments + QStringList { QCoreApplication::applicationFilePath(), QStringLiteral("add"), QStringLiteral("1205031990Jo") });
    child.waitForFinished(30000);
    return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
}

} // namespace

class TestPersonsStore : public QObject
{
    Q_OBJECT

private slots:
    void parsesStoredList_data();
    void parsesStoredList();
    void formatsEntry_data();
    void formatsEntry();
    void parserKeepsValidPrefixOfMutatedLists();

    void writesJoinedEntries();
    void unchangedListLeavesTheFileAlone_data();
    void unchangedListLeavesTheFileAlone();
    void damagedListIsKeptAsBackupOnceChanged();
    void overlongValueIsReadWhole();
    void readOnlyStoreNeverWrites();
    void unwritableFileFailsTheSave();

    void oddFileKeepsEveryPerson_data();
    void oddFileKeepsEveryPerson();
    void twoWindowsLoseNoOne_data();
    void twoWindowsLoseNoOne();
    void processesAddingAtOnceKeepEveryone();
    void locksOfEndedProcessesAreTakenAtOnce_data();
    void locksOfEndedProcessesAreTakenAtOnce();
    void liveLockIsNeverTakenOver();
    void killedSaveLosesNothing();
};

void TestPersonsStore::parsesStoredList_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("complete");

    QTest::newRow("empty") << "" << QStringList { "(Name)" } << true;
    QTest::newRow("two persons") << "1503071975Alice1309121980Bob" << QStringList { "(Name)", "Alice", "Bob" } << true;
    QTest::newRow("twelve-character name") << "2229021904Abcdefghijkl" << QStringList { "(Name)", "Abcdefghijkl" } << true;
    QTest::newRow("name with blanks") << "1801012000Mary Ann" << QStringList { "(Name)", "Mary Ann" } << true;
    QTest::newRow("first and last years") << "1101011850A1131122100B" << QStringList { "(Name)", "A", "B" } << true;

    QTest::newRow("length 00 would never advance") << "0000000000" << QStringList { "(Name)" } << false;
    QTest::newRow("length below ten") << "0903071975Alice" << QStringList { "(Name)" } << false;
    QTest::newRow("length ten, no name") << "1101011990A1001011990" << QStringList { "(Name)", "A" } << false;
    QTest::newRow("length 99 past the end") << "9903071975Alice" << QStringList { "(Name)" } << false;
    QTest::newRow("non-ASCII names") << "1301012000Zoë1401012000Иван" << QStringList { "(Name)", "Zoë", "Иван" } << true;
    QTest::newRow("letter outside the basic plane counts once")
        << QString::fromUtf8("1201012000\U0001D49Cx1101012000B") << QStringList { "(Name)", QString::fromUtf8("\U0001D49Cx"), "B" } << true;
    QTest::newRow("half a surrogate pair counts once")
        << QString::fromUtf16(u"1101012000\xD835" u"1101012000B") << QStringList { "(Name)", QString(QChar(0xD835)), "B" } << true;
    QTest::newRow("length not a number") << "1503071975AliceX50309121980Bob" << QStringList { "(Name)", "Alice" } << false;
    QTest::newRow("entry runs past the end") << "1503071975Alice1309121980Bo" << QStringList { "(Name)", "Alice" } << false;
    QTest::newRow("month 13") << "1503131975Alice" << QStringList { "(Name)" } << false;
    QTest::newRow("day 0") << "1500071975Alice" << QStringList { "(Name)" } << false;
    QTest::newRow("year 1849") << "1503071849Alice" << QStringList { "(Name)" } << false;
    QTest::newRow("year 2101") << "1503072101Alice" << QStringList { "(Name)" } << false;
    QTest::newRow("month 0") << "1503001975Alice" << QStringList { "(Name)" } << false;
    QTest::newRow("31 February") << "1101011990A1131022001B1101011990C" << QStringList { "(Name)", "A" } << false;
    QTest::newRow("31 April") << "1131041990A" << QStringList { "(Name)" } << false;
    QTest::newRow("29 February of a common year") << "1129022001A" << QStringList { "(Name)" } << false;
    QTest::newRow("29 February 1900, no leap year") << "1129021900A" << QStringList { "(Name)" } << false;
    QTest::newRow("29 February 2000, a leap year") << "1129022000A" << QStringList { "(Name)", "A" } << true;
    QTest::newRow("letter in the year") << "15030719x5Alice" << QStringList { "(Name)" } << false;
    QTest::newRow("damage after two good entries")
        << "1101011990A1102021991B##garbage" << QStringList { "(Name)", "A", "B" } << false;
}

void TestPersonsStore::parsesStoredList()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, names);
    QFETCH(bool, complete);

    const ParsedPersons parsed = ParsePersons(stored);
    QStringList parsedNames;
    for (const QString& entry : parsed.entries)
        parsedNames << PersonName(entry);
    QCOMPARE(parsedNames, names);
    QCOMPARE(parsed.entries.first(), QStringLiteral("1600000000(Name)"));
    QCOMPARE(parsed.complete, complete);
}

void TestPersonsStore::formatsEntry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QString>("entry");

    QTest::newRow("Jo, 5 March 1990") << "Jo" << QDate(1990, 3, 5) << "1205031990Jo";
    QTest::newRow("twelve characters") << "Abcdefghijkl" << QDate(2100, 12, 31) << "2231122100Abcdefghijkl";
    QTest::newRow("Zoë") << "Zoë" << QDate(1850, 1, 1) << "1301011850Zoë";
    QTest::newRow("Иван") << "Иван" << QDate(1975, 7, 3) << "1403071975Иван";
    QTest::newRow("letters outside the basic plane")
        << QString::fromUtf8("\U0001D49C\U0001D49C") << QDate(2000, 2, 29) << QString::fromUtf8("1229022000\U0001D49C\U0001D49C");
}

// An entry the program writes reads back as the same person.
void TestPersonsStore::formatsEntry()
{
    QFETCH(QString, name);
    QFETCH(QDate, birth);
    QFETCH(QString, entry);

    QCOMPARE(FormatPersonEntry(name, birth.day(), birth.month(), birth.year()), entry);
    const ParsedPersons parsed = ParsePersons(entry + entry);
    QVERIFY(parsed.complete);
    QCOMPARE(parsed.entries, (QStringList { kPlaceholderEntry, entry, entry }));
    QCOMPARE(PersonName(parsed.entries.at(1)), name);
}

// Seeded mutations of valid lists: truncation, changed digits, stray code
// units, huge or tiny length fields, junk, and long lists. The parse ends,
// keeps every entry that lies wholly before the first change, and gives
// only entries that are well-formed and lie one after the other from the
// start of the text.
void TestPersonsStore::parserKeepsValidPrefixOfMutatedLists()
{
    const QStringList valid { QStringLiteral("1503071975Alice"), QStringLiteral("1309121980Bob"),
        QStringLiteral("1301012000Zoë"), QStringLiteral("1429022000Иван"), QStringLiteral("2231122100Abcdefghijkl"),
        QString::fromUtf8("1201011850\U0001D49Cx") };
    QRandomGenerator random(20261207);
    for (int round = 0; round < 20000; ++round) {
        QStringList entries;
        const int count = random.bounded(12);
        const int copies = round % 1000 == 0 ? 3000 : 1;
        for (int i = 0; i < count * copies; ++i)
            entries << valid.at(random.bounded(int(valid.size())));
        const QString original = entries.join(QString());
        QString text = original;
        qsizetype changed = text.size();
        const qsizetype at = random.bounded(text.size() + 1);
        switch (random.bounded(5)) {
        case 0:
            text.truncate(at);
            changed = at;
            break;
        case 1:
            if (at < text.size())
                text[at] = QChar(u'0' + random.bounded(10));
            changed = at;
            break;
        case 2:
            text.insert(at, QChar(char16_t(random.bounded(0x10000))));
            changed = at;
            break;
        case 3:
            text.insert(at, random.bounded(2) ? QStringLiteral("99") : QStringLiteral("00"));
            changed = at;
            break;
        default:
            for (int i = random.bounded(300); i > 0; --i)
                text += QChar(char16_t(random.bounded(0x80)));
            break;
        }

        const ParsedPersons parsed = ParsePersons(text);
        const QString joined = JoinPersons(parsed.entries);
        QVERIFY(text.startsWith(joined));
        QCOMPARE(parsed.complete, joined.size() == text.size());
        qsizetype end = 0;
        for (qsizetype i = 0; i < entries.size() && (end += entries.at(i).size()) <= changed; ++i) {
            QVERIFY(i + 1 < parsed.entries.size());
            QCOMPARE(parsed.entries.at(i + 1), entries.at(i));
        }
        for (qsizetype i = 1; i < parsed.entries.size(); ++i) {
            const QString& entry = parsed.entries.at(i);
            const PersonBirthDate stored = ReadBirthDate(entry);
            const QDate birth(stored.year, stored.month, stored.day);
            QVERIFY2(birth.isValid() && birth.year() >= 1850 && birth.year() <= 2100, qPrintable(entry));
            QCOMPARE(FormatPersonEntry(PersonName(entry), birth.day(), birth.month(), birth.year()), entry);
        }
    }
}

void TestPersonsStore::writesJoinedEntries()
{
    ScopedSettingsFolder folder;
    CPersonsStore store;
    store.Load();
    QCOMPARE(store.Entries(), QStringList { kPlaceholderEntry });
    QCOMPARE(store.LoadedValue(), CPersonsStore::StoredValue::Whole);
    QCOMPARE(store.Add(QStringLiteral("1205031990Jo")).outcome, CPersonsStore::Outcome::Saved);
    QCOMPARE(CSettingsStore(QStringLiteral("Work string")).ReadString(QStringLiteral("List"), 254),
        std::optional<QString>(QStringLiteral("1205031990Jo")));

    CPersonsStore again;
    again.Load();
    QCOMPARE(again.LoadedText(), QStringLiteral("1205031990Jo"));
}

void TestPersonsStore::unchangedListLeavesTheFileAlone_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("damaged");

    // A rewrite would drop the comment, or the part that could not be read.
    QTest::newRow("list with a comment kept by hand") << QByteArray("[Work%20string]\nList=1503071975Alice\n; kept by hand\n")
                                                      << false;
    QTest::newRow("damaged list") << QByteArray("[Work%20string]\nList=1503071975Alice99garbage\n") << true;
    QTest::newRow("empty file") << QByteArray() << false;
}

// An unchanged list is not written again, nor is a removal of someone who
// is not there.
void TestPersonsStore::unchangedListLeavesTheFileAlone()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, damaged);

    ScopedSettingsFolder folder;
    QVERIFY(folder.writeSettingsFile(file));
    CPersonsStore store;
    store.Load();
    QCOMPARE(store.LoadedValue() == CPersonsStore::StoredValue::Damaged, damaged);
    QCOMPARE(store.SavePending().outcome, CPersonsStore::Outcome::Saved);
    QCOMPARE(store.Remove(QStringLiteral("1205031990Jo")).outcome, CPersonsStore::Outcome::Saved);
    QCOMPARE(ReadFileBytes(folder.settingsFile()), file);
    QCOMPARE(QDir(QFileInfo(folder.settingsFile()).absolutePath()).entryList(QDir::Files | QDir::Hidden),
        QStringList { QStringLiteral("Ryvanta.conf") });
}

// The first save over a damaged list keeps it as List.bak; later saves
// leave that copy alone.
void TestPersonsStore::damagedListIsKeptAsBackupOnceChanged()
{
    ScopedSettingsFolder folder;
    const QString damaged = QStringLiteral("1503071975Alice00");
    StoreList(damaged);

    CPersonsStore store;
    store.Load();
    QCOMPARE(store.BackupName(), QStringLiteral("List.bak"));
    QVERIFY(store.Add(QStringLiteral("1205031990Jo")).outcome == CPersonsStore::Outcome::Saved);
    QCOMPARE(StoredList(), QStringLiteral("1503071975Alice1205031990Jo"));
    QCOMPARE(StoredBackup(), damaged);

    QVERIFY(store.Remove(QStringLiteral("1503071975Alice")).outcome == CPersonsStore::Outcome::Saved);
    QCOMPARE(StoredList(), QStringLiteral("1205031990Jo"));
    QCOMPARE(StoredBackup(), damaged);
}

// The list may be longer than the program would ever write; all of it is
// read, and nothing is kept aside.
void TestPersonsStore::overlongValueIsReadWhole()
{
    ScopedSettingsFolder folder;
    QString overlong;
    for (int i = 0; i < 24; ++i)
        overlong += QStringLiteral("1101011990A");
    StoreList(overlong);

    CPersonsStore store;
    store.Load();
    QCOMPARE(store.LoadedText(), overlong);
    QCOMPARE(store.Entries().size(), 25);
    QCOMPARE(store.LoadedValue(), CPersonsStore::StoredValue::Whole);
    QCOMPARE(store.Remove(QStringLiteral("1101011990A")).outcome, CPersonsStore::Outcome::Saved);
    QCOMPARE(StoredList(), overlong.left(23 * 11));
    QCOMPARE(StoredBackup(), std::nullopt);
}

// For reading only: nothing is written or copied, whatever the list.
void TestPersonsStore::readOnlyStoreNeverWrites()
{
    ScopedSettingsFolder folder;
    const QString path = folder.settingsFile();
    QVERIFY(folder.writeSettingsFile("[Work string\n\xff"));

    CPersonsStore store(CPersonsStore::Access::ReadOnly);
    store.Load();
    QCOMPARE(store.Entries(), QStringList { kPlaceholderEntry });
    QVERIFY(store.Unreadable().has_value());
    QCOMPARE(store.Unreadable()->path, path);
    QVERIFY(store.Unreadable()->copy.isEmpty());
    QCOMPARE(store.Add(QStringLiteral("1205031990Jo")).outcome, CPersonsStore::Outcome::Saved);
    QCOMPARE(ReadFileBytes(path), QByteArray("[Work string\n\xff"));
    QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files), QStringList { QStringLiteral("Ryvanta.conf") });
}

// A settings file the user may not write: the save says so, the file stays
// as it was, and the change is saved once it can be.
void TestPersonsStore::unwritableFileFailsTheSave()
{
    if (::geteuid() == 0)
        QSKIP("root may write any file");
    ScopedSettingsFolder folder;
    StoreList(QStringLiteral("1503071975Alice"));
    const QString path = CSettingsStore(kStoreKey).Location();
    const QString settingsFolder = QFileInfo(path).absolutePath();
    const QByteArray bytes = ReadFileBytes(path);
    QVERIFY(QFile::setPermissions(settingsFolder, QFile::ReadOwner | QFile::ExeOwner));

    CPersonsStore store;
    store.Load();
    const CPersonsStore::SaveResult failed = store.Add(QStringLiteral("1205031990Jo"));
    QCOMPARE(failed.outcome, CPersonsStore::Outcome::Failed);
    QVERIFY(!failed.reason.isEmpty());
    QCOMPARE(store.Entries().size(), 3);
    QCOMPARE(ReadFileBytes(path), bytes);
    QVERIFY(QFile::setPermissions(settingsFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QCOMPARE(store.SavePending().outcome, CPersonsStore::Outcome::Saved);
    QCOMPARE(StoredList(), QStringLiteral("1503071975Alice1205031990Jo"));
}

void TestPersonsStore::oddFileKeepsEveryPerson_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<bool>("copied");
    // Every value of the group once Jo is added, "name=value".
    QTest::addColumn<QStringList>("saved");

    const QString jo = QStringLiteral("1205031990Jo");
    const QString alice = QStringLiteral("1503071975Alice");
    QTest::newRow("comment line with #") << QByteArray("[Work%20string]\n# kept by hand\nList=1503071975Alice\n")
                                         << QStringList { "Alice" } << true << QStringList { "List=" + alice + jo };
    QTest::newRow("byte-order mark") << QByteArray("\xef\xbb\xbf[Work%20string]\nList=1503071975Alice\n")
                                     << QStringList { "Alice" } << false << QStringList { "List=" + alice + jo };
    QTest::newRow("line without =") << QByteArray("[Work%20string]\nList=1503071975Alice\nstray words\n")
                                    << QStringList { "Alice" } << true << QStringList { "List=" + alice + jo };
    QTest::newRow("List twice") << QByteArray("[Work%20string]\nList=1503071975Alice\nList=1309121980Bob\n")
                                << QStringList { "Alice" } << true
                                << QStringList { "List=" + alice + jo, "List.bak=1503071975Alice\n1309121980Bob" };
    QTest::newRow("; inside the value") << QByteArray("[Work%20string]\nList=1503071975Alice1305031990a;b1309121980Bob\n")
                                        << QStringList { "Alice" } << false
                                        << QStringList { "List=" + alice + jo, "List.bak=1503071975Alice1305031990a;b1309121980Bob" };
    QTest::newRow("a list of two values") << QByteArray("[Work%20string]\nList=a,b\n") << QStringList {} << false
                                          << QStringList { "List=" + jo, "List.bak=a,b" };
    QTest::newRow("empty file") << QByteArray() << QStringList {} << false << QStringList { "List=" + jo };
    QTest::newRow("an earlier List.bak") << QByteArray("[Work%20string]\nList=1503071975Alice00\nList.bak=older\n")
                                         << QStringList { "Alice" } << false
                                         << QStringList { "List=" + alice + jo, "List.bak=older", "List.bak2=1503071975Alice00" };
}

// A file edited by hand shows what can be read of it, is copied aside when
// part of it cannot be read, and is written whole at the first change,
// with the value as it stood kept beside the new list.
void TestPersonsStore::oddFileKeepsEveryPerson()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, shown);
    QFETCH(bool, copied);
    QFETCH(QStringList, saved);

    ScopedSettingsFolder folder;
    QVERIFY(folder.writeSettingsFile(file));
    CPersonsStore store;
    store.Load();
    QStringList names;
    for (const QString& entry : store.Entries().mid(1))
        names << PersonName(entry);
    QCOMPARE(names, shown);
    QCOMPARE(!store.Unreadable().value_or(CPersonsStore::UnreadableFile()).copy.isEmpty(), copied);
    QCOMPARE(ReadFileBytes(folder.settingsFile()), file);

    QCOMPARE(store.Add(QStringLiteral("1205031990Jo")).outcome, CPersonsStore::Outcome::Saved);
    QSettings settings(folder.settingsFile(), QSettings::IniFormat);
    QCOMPARE(settings.status(), QSettings::NoError);
    settings.beginGroup(kStoreKey);
    QStringList values;
    for (const QString& name : settings.childKeys())
        values << name + u'=' + settings.value(name).toString();
    QCOMPARE(values, saved);
}

// Each step is "<window> load", "<window> add <entry>", "<window> remove
// <entry>" or "<window> close", for windows A and B on one settings file.
void TestPersonsStore::twoWindowsLoseNoOne_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected");

    QTest::newRow("both add") << "" << QStringList { "A load", "B load", "A add 1101011990A", "B add 1101011991B", "A close", "B close" }
                              << "1101011990A1101011991B";
    QTest::newRow("the untouched one closes last")
        << "1501011980Carol" << QStringList { "A load", "B load", "B add 1301011985Bob", "B close", "A close" }
        << "1501011980Carol1301011985Bob";
    QTest::newRow("an addition and a removal crossing")
        << "1501011980Carol" << QStringList { "A load", "B load", "A remove 1501011980Carol", "B add 1301011985Bob" }
        << "1301011985Bob";
    QTest::newRow("a removal of someone removed already")
        << "1501011980Carol1301011985Bob" << QStringList { "A load", "B load", "A remove 1501011980Carol", "B remove 1501011980Carol" }
        << "1301011985Bob";
}

void TestPersonsStore::twoWindowsLoseNoOne()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);

    ScopedSettingsFolder folder;
    StoreList(stored);
    std::map<QString, CPersonsStore> windows;
    for (const QString& step : steps) {
        const QStringList words = step.split(u' ');
        CPersonsStore& window = windows[words.at(0)];
        if (words.at(1) == QLatin1String("load"))
            window.Load();
        else if (words.at(1) == QLatin1String("add"))
            QCOMPARE(window.Add(words.at(2)).outcome, CPersonsStore::Outcome::Saved);
        else if (words.at(1) == QLatin1String("remove"))
            QCOMPARE(window.Remove(words.at(2)).outcome, CPersonsStore::Outcome::Saved);
        else
            QCOMPARE(window.SavePending().outcome, CPersonsStore::Outcome::Saved);
    }
    QCOMPARE(StoredList(), expected);
}

// Real processes, each adding one person at the same moment.
void TestPersonsStore::processesAddingAtOnceKeepEveryone()
{
    ScopedSettingsFolder folder;
    std::vector<std::unique_ptr<QProcess>> children;
    for (int i = 0; i < 6; ++i)
        children.push_back(StartChild({ QStringLiteral("add"), FormatPersonEntry(QStringLiteral("P%1").arg(i), 1, 1, 1990) }));
    for (const auto& child : children) {
        QVERIFY(child->waitForFinished(30000));
        QCOMPARE(child->exitCode(), 0);
    }
    QCOMPARE(StoredPersons().size(), 7);
    QCOMPARE(CPersonsStore().Add(FormatPersonEntry(QStringLiteral("Full"), 1, 1, 1990)).outcome, CPersonsStore::Outcome::Saved);
}

void TestPersonsStore::locksOfEndedProcessesAreTakenAtOnce_data()
{
    QTest::addColumn<QByteArray>("lock");
    QTest::newRow("empty lock file") << QByteArray();
    QTest::newRow("lock of an ended process") << QByteArray("999999999\nRyvanta\nlocalhost\n");
}

void TestPersonsStore::locksOfEndedProcessesAreTakenAtOnce()
{
    QFETCH(QByteArray, lock);
    ScopedSettingsFolder folder;
    QVERIFY(folder.writeSettingsFile("[Work%20string]\nList=1503071975Alice\n"));
    QFile file(folder.settingsFile() + QStringLiteral(".lock"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(lock) == lock.size());
    file.close();

    CPersonsStore store;
    store.Load();
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(store.Add(QStringLiteral("1205031990Jo")).outcome, CPersonsStore::Outcome::Saved);
    QCOMPARE_LT(timer.elapsed(), 1000);
    QCOMPARE(StoredList(), QStringLiteral("1503071975Alice1205031990Jo"));
}

// A process that holds the lock is never taken over: the save gives up
// after about a second and says why; the change stays to be saved later.
void TestPersonsStore::liveLockIsNeverTakenOver()
{
    ScopedSettingsFolder folder;
    StoreList(QStringLiteral("1503071975Alice"));
    const std::unique_ptr<QProcess> holder = StartChild({ QStringLiteral("hold"), QStringLiteral("3000") });
    QVERIFY(holder->waitForReadyRead(10000));

    CPersonsStore store;
    store.Load();
    QElapsedTimer timer;
    timer.start();
    const CPersonsStore::SaveResult result = store.Add(QStringLiteral("1205031990Jo"));
    QCOMPARE(result.outcome, CPersonsStore::Outcome::Failed);
    QVERIFY2(result.reason.contains(QString::number(holder->processId())), qPrintable(result.reason));
    QVERIFY(timer.elapsed() >= 900 && timer.elapsed() < 2500);
    QCOMPARE(StoredList(), QStringLiteral("1503071975Alice"));

    QVERIFY(holder->waitForFinished(10000));
    QCOMPARE(store.SavePending().outcome, CPersonsStore::Outcome::Saved);
    QCOMPARE(StoredList(), QStringLiteral("1503071975Alice1205031990Jo"));
}

// A save killed at each of its system calls in turn leaves the list whole,
// no copy of it outside the settings folder, and nothing in that folder
// that the next start does not clear away.
void TestPersonsStore::killedSaveLosesNothing()
{
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    if (strace.isEmpty())
        QSKIP("strace is not installed");
    ScopedSettingsFolder folder;
    QTemporaryDir temp;
    ScopedEnvironment tempVariable("TMPDIR", temp.path().toLocal8Bit());
    const QByteArray original("[Work%20string]\nList=1503071975Alice\n");
    const QString traced = QStringLiteral("openat,newfstatat,mkdir,flock,ftruncate,write,pread64,read,fsync,fchmod,rename,link,unlink,close");

    // Which invocation of which call each step of the save is.
    QVERIFY(folder.writeSettingsFile(original));
    const QString log = temp.filePath(QStringLiteral("calls"));
    QCOMPARE(RunChild(strace, { QStringLiteral("-qq"), QStringLiteral("-o"), log, QStringLiteral("-e"), QStringLiteral("trace=") + traced }), 0);
    std::map<QString, int> counts;
    std::vector<std::pair<QString, int>> steps;
    qsizetype first = -1;
    qsizetype last = -1;
    for (const QByteArray& line : ReadFileBytes(log).split('\n')) {
        const QString call = QString::fromLatin1(line.left(line.indexOf('(')));
        if (call.isEmpty() || !traced.split(u',').contains(call))
            continue;
        steps.emplace_back(call, ++counts[call]);
        if (line.contains(".lock\"") && first < 0)
            first = qsizetype(steps.size()) - 1;
        if (line.contains(".lock\"") && call == QLatin1String("unlink"))
            last = qsizetype(steps.size());
    }
    QVERIFY(first >= 0 && last > first);
    steps = std::vector(steps.begin() + first, steps.begin() + last);
    QFile::remove(log);
    QVERIFY(steps.size() > 8);

    for (const auto& [call, invocation] : steps) {
        QVERIFY(folder.writeSettingsFile(original));
        RunChild(strace, { QStringLiteral("-qq"), QStringLiteral("-o"), QStringLiteral("/dev/null"), QStringLiteral("-e"),
                             QStringLiteral("inject=%1:signal=KILL:when=%2").arg(call).arg(invocation) });
        const QString at = QStringLiteral("killed at %1 #%2").arg(call).arg(invocation);
        const QStringList persons = StoredPersons();
        QVERIFY2(persons.size() == 2 || persons.size() == 3, qPrintable(at));
        QVERIFY2(QDir(temp.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), qPrintable(at));
        CPersonsStore().Load();
        const QStringList left = QDir(QFileInfo(folder.settingsFile()).absolutePath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        QVERIFY2(left == QStringList { QStringLiteral("Ryvanta.conf") }, qPrintable(at + u' ' + left.join(u' ')));
    }
}

namespace {

// What a child process started by the tests does; false when the
// arguments ask for nothing of this kind.
int RunChildRole(const QStringList& arguments)
{
    if (arguments.value(1) == QLatin1String("add")) {
        CPersonsStore store;
        store.Load();
        return store.Add(arguments.value(2)).outcome == CPersonsStore::Outcome::Saved ? 0 : 1;
    }
    if (arguments.value(1) == QLatin1String("hold")) {
        CFileLock lock(CSettingsStore(kStoreKey).Location() + QStringLiteral(".lock"));
        if (!lock.Acquire(1000))
            return 1;
        QTextStream(stdout) << "held" << Qt::endl;
        QThread::msleep(arguments.value(2).toULong());
        return 0;
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (const int role = RunChildRole(application.arguments()); role >= 0)
        return role;
    TestPersonsStore test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_personsstore.moc"
