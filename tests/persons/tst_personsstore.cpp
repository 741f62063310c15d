#include "persons/PersonsStore.h"
#include "platform/SettingsStore.h"
#include "tests/support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace {

const QString kStoreKey = QStringLiteral("Work string");

std::optional<QString> StoredList()
{
    return CSettingsStore(kStoreKey).ReadString(QStringLiteral("List"), 1000);
}

void StoreList(const QString& text)
{
    QVERIFY(CSettingsStore(kStoreKey).WriteString(QStringLiteral("List"), text));
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestPersonsStore : public QObject
{
    Q_OBJECT

private slots:
    void parsesStoredList_data();
    void parsesStoredList();
    void readsDateFieldsByPosition();
    void formatsEntryWithLengthAndZeroPadding();

    void missingValueReadsEmpty();
    void writesJoinedEntries();
    void damagedListIsWrittenBackUntouched();
    void damagedListIsReplacedOnceChanged();
    void overlongValueIsKeptUnlessChanged();
    void unchangedListIsNotRewritten();
    void readOnlyStoreNeverWrites();
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

void TestPersonsStore::readsDateFieldsByPosition()
{
    const QString bob = QStringLiteral("1309121980Bob");
    QCOMPARE(PersonDay(bob), 9);
    QCOMPARE(PersonMonth(bob), 12);
    QCOMPARE(PersonYear(bob), 1980);
    QCOMPARE(PersonName(bob), QStringLiteral("Bob"));

    QCOMPARE(PersonDay(kPlaceholderEntry), 0);
    QCOMPARE(PersonMonth(kPlaceholderEntry), 0);
    QCOMPARE(PersonYear(kPlaceholderEntry), 0);
    QCOMPARE(PersonName(kPlaceholderEntry), QStringLiteral("(Name)"));
}

void TestPersonsStore::formatsEntryWithLengthAndZeroPadding()
{
    QCOMPARE(FormatPersonEntry(QStringLiteral("Jo"), 5, 3, 1990), QStringLiteral("1205031990Jo"));
    QCOMPARE(FormatPersonEntry(QStringLiteral("Abcdefghijkl"), 31, 12, 2100), QStringLiteral("2231122100Abcdefghijkl"));
}

void TestPersonsStore::missingValueReadsEmpty()
{
    ScopedSettingsFolder folder;
    CPersonsStore store;
    QCOMPARE(store.Read(), QString());
    QVERIFY(!store.IsDamaged());
}

void TestPersonsStore::writesJoinedEntries()
{
    ScopedSettingsFolder folder;
    CPersonsStore store;
    store.SetLoaded(ParsePersons(store.Read()));
    QVERIFY(store.Write({ kPlaceholderEntry, QStringLiteral("1205031990Jo") }));
    QCOMPARE(CSettingsStore(QStringLiteral("Work string")).ReadString(QStringLiteral("List"), 254),
        std::optional<QString>(QStringLiteral("1205031990Jo")));

    CPersonsStore again;
    QCOMPARE(again.Read(), QStringLiteral("1205031990Jo"));
}

void TestPersonsStore::damagedListIsWrittenBackUntouched()
{
    ScopedSettingsFolder folder;
    const QString damaged = QStringLiteral("1503071975Alice99garbage");
    CSettingsStore(QStringLiteral("Work string")).WriteString(QStringLiteral("List"), damaged);

    CPersonsStore store;
    const QString read = store.Read();
    QCOMPARE(read, damaged);
    const ParsedPersons parsed = ParsePersons(read);
    store.SetLoaded(parsed);
    QVERIFY(store.IsDamaged());

    QVERIFY(store.Write(parsed.entries));
    QCOMPARE(CSettingsStore(QStringLiteral("Work string")).ReadString(QStringLiteral("List"), 254),
        std::optional<QString>(damaged));
}

void TestPersonsStore::damagedListIsReplacedOnceChanged()
{
    ScopedSettingsFolder folder;
    StoreList(QStringLiteral("1503071975Alice00"));

    CPersonsStore store;
    ParsedPersons parsed = ParsePersons(store.Read());
    store.SetLoaded(parsed);
    parsed.entries.append(QStringLiteral("1205031990Jo"));
    QVERIFY(store.Write(parsed.entries));
    QCOMPARE(StoredList(), QStringLiteral("1503071975Alice1205031990Jo"));
}

void TestPersonsStore::overlongValueIsKeptUnlessChanged()
{
    ScopedSettingsFolder folder;
    // 24 entries of 11 characters: more than the 254 the list may hold.
    QString overlong;
    for (int i = 0; i < 24; ++i)
        overlong += QStringLiteral("1101011990A");
    StoreList(overlong);

    CPersonsStore store;
    const QString read = store.Read();
    QCOMPARE(read, QString());
    const ParsedPersons parsed = ParsePersons(read);
    store.SetLoaded(parsed);
    QVERIFY(store.Write(parsed.entries));
    QCOMPARE(StoredList(), overlong);
    QVERIFY(store.Write({ kPlaceholderEntry, QStringLiteral("1205031990Jo") }));
    QCOMPARE(StoredList(), QStringLiteral("1205031990Jo"));
}

// An unchanged list is not written again: the file keeps even what a
// rewrite would drop, such as a comment.
void TestPersonsStore::unchangedListIsNotRewritten()
{
    ScopedSettingsFolder folder;
    StoreList(QStringLiteral("1503071975Alice"));
    const QString path = CSettingsStore(kStoreKey).Location();
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    file.write("; kept by hand\n");
    file.close();
    const QByteArray bytes = ReadBytes(path);

    CPersonsStore store;
    const ParsedPersons parsed = ParsePersons(store.Read());
    store.SetLoaded(parsed);
    QVERIFY(store.Write(parsed.entries));
    QCOMPARE(ReadBytes(path), bytes);
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
    QCOMPARE(ReadBytes(path), QByteArray("[Work string\n\xff"));
    QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files), QStringList { QStringLiteral("Ryvanta.conf") });
}

QTEST_GUILESS_MAIN(TestPersonsStore)
#include "tst_personsstore.moc"
