#include "persons/PersonsStore.h"
#include "platform/SettingsStore.h"
#include "tests/support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTest>

#include <unistd.h>

namespace {

const QString kStoreKey = QStringLiteral("Work string");

std::optional<QString> StoredBackup()
{
    return CSettingsStore(kStoreKey).ReadString(QStringLiteral("List.bak"), 1000);
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
            const QDate birth(PersonYear(entry), PersonMonth(entry), PersonDay(entry));
            QVERIFY2(birth.isValid() && birth.year() >= 1850 && birth.year() <= 2100, qPrintable(entry));
            QCOMPARE(FormatPersonEntry(PersonName(entry), birth.day(), birth.month(), birth.year()), entry);
        }
    }
}

void TestPersonsStore::writesJoinedEntries()
{
    ScopedSettingsFolder folder;
    CPersonsStore store;
    QCOMPARE(store.Read(), QString());
    store.SetLoaded(ParsePersons(QString()));
    QVERIFY(!store.IsDamaged());
    QVERIFY(store.Write({ kPlaceholderEntry, QStringLiteral("1205031990Jo") }));
    QCOMPARE(CSettingsStore(QStringLiteral("Work string")).ReadString(QStringLiteral("List"), 254),
        std::optional<QString>(QStringLiteral("1205031990Jo")));

    CPersonsStore again;
    QCOMPARE(again.Read(), QStringLiteral("1205031990Jo"));
}

void TestPersonsStore::unchangedListLeavesTheFileAlone_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("damaged");

    // A rewrite would drop the comment, or the part that could not be read.
    QTest::newRow("list with a comment kept by hand") << QByteArray("[Work%20string]\nList=1503071975Alice\n; kept by hand\n")
                                                      << false;
    QTest::newRow("damaged list") << QByteArray("[Work%20string]\nList=1503071975Alice99garbage\n") << true;
}

// An unchanged list is not written again.
void TestPersonsStore::unchangedListLeavesTheFileAlone()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, damaged);

    ScopedSettingsFolder folder;
    QVERIFY(folder.writeSettingsFile(file));
    CPersonsStore store;
    const ParsedPersons parsed = ParsePersons(store.Read());
    store.SetLoaded(parsed);
    QCOMPARE(store.IsDamaged(), damaged);
    QVERIFY(store.Write(parsed.entries));
    QCOMPARE(ReadFileBytes(folder.settingsFile()), file);
}

// The first save over a damaged list keeps it as List.bak; later saves
// leave that copy alone.
void TestPersonsStore::damagedListIsKeptAsBackupOnceChanged()
{
    ScopedSettingsFolder folder;
    const QString damaged = QStringLiteral("1503071975Alice00");
    StoreList(damaged);

    CPersonsStore store;
    ParsedPersons parsed = ParsePersons(store.Read());
    store.SetLoaded(parsed);
    parsed.entries.append(QStringLiteral("1205031990Jo"));
    QVERIFY(store.Write(parsed.entries));
    QCOMPARE(StoredList(), QStringLiteral("1503071975Alice1205031990Jo"));
    QCOMPARE(StoredBackup(), damaged);
    QVERIFY(!store.IsDamaged());

    parsed.entries.removeAt(1);
    QVERIFY(store.Write(parsed.entries));
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
    const QString read = store.Read();
    QCOMPARE(read, overlong);
    const ParsedPersons parsed = ParsePersons(read);
    store.SetLoaded(parsed);
    QVERIFY(parsed.complete);
    QCOMPARE(parsed.entries.size(), 25);
    QVERIFY(!store.IsDamaged());
    QVERIFY(store.Write(parsed.entries.mid(0, 24)));
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
    QCOMPARE(store.Read(), QString());
    QVERIFY(store.Unreadable().has_value());
    QCOMPARE(store.Unreadable()->path, path);
    QVERIFY(store.Unreadable()->copy.isEmpty());
    store.SetLoaded(ParsePersons(QString()));
    QVERIFY(store.Write({ kPlaceholderEntry, QStringLiteral("1205031990Jo") }));
    QCOMPARE(ReadFileBytes(path), QByteArray("[Work string\n\xff"));
    QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files), QStringList { QStringLiteral("Ryvanta.conf") });
}

// A settings file the user may not write: the save says so and the file
// stays as it was.
void TestPersonsStore::unwritableFileFailsTheSave()
{
    if (::geteuid() == 0)
        QSKIP("root may write any file");
    ScopedSettingsFolder folder;
    StoreList(QStringLiteral("1503071975Alice"));
    const QString path = CSettingsStore(kStoreKey).Location();
    const QByteArray bytes = ReadFileBytes(path);
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));

    CPersonsStore store;
    ParsedPersons parsed = ParsePersons(store.Read());
    store.SetLoaded(parsed);
    parsed.entries.append(QStringLiteral("1205031990Jo"));
    QVERIFY(!store.Write(parsed.entries));
    QCOMPARE(ReadFileBytes(path), bytes);
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(store.Write(parsed.entries));
    QCOMPARE(StoredList(), QStringLiteral("1503071975Alice1205031990Jo"));
}

QTEST_GUILESS_MAIN(TestPersonsStore)
#include "tst_personsstore.moc"
