#include "platform/SettingsStore.h"

#include "tests/support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

const QString kKey = QStringLiteral("Work string");
const QString kName = QStringLiteral("List");

QString ConfigFile(const ScopedSettingsFolder& folder)
{
    return folder.path() + QStringLiteral("/Vantrell/Ryvanta.conf");
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void valueRoundTrips_data();
    void valueRoundTrips();
    void fileLivesUnderTheConfigFolder();
    void valuesAreKeptApartByKeyAndName();
    void overlongValueIsUnreadable();
    void malformedFileGivesNothing_data();
    void malformedFileGivesNothing();
    void writingOverAMalformedFileKeepsACopy();
    void homeConfigIsUsedWithoutXdgFolder();
};

void TestSettingsStore::valueRoundTrips_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("plain list") << QStringLiteral("Anna;12;5;1970;Boris;1;1;1985;");
    QTest::newRow("empty") << QString();
    QTest::newRow("equals and percent") << QStringLiteral("a=b%20c%%=");
    QTest::newRow("quotes") << QStringLiteral("\"quoted\" and 'single' \"");
    QTest::newRow("backslashes") << QStringLiteral("C:\\names\\\\n\\");
    QTest::newRow("brackets and comment marks") << QStringLiteral("[Work string]\n;#x=\"y\"");
    QTest::newRow("line breaks and tabs") << QStringLiteral("one\ntwo\r\nthree\tfour");
    QTest::newRow("control characters") << QString::fromUtf16(u"nul\u0000bell\u0007del\u007f");
    QTest::newRow("non-ASCII") << QStringLiteral("Jürgen;Ольга;李;😀;");
    QTest::newRow("surrounding blanks") << QStringLiteral("  padded  ");
}

void TestSettingsStore::valueRoundTrips()
{
    QFETCH(QString, value);
    ScopedSettingsFolder folder;
    CSettingsStore store(kKey);
    QVERIFY(store.WriteString(kName, value));
    const auto read = CSettingsStore(kKey).ReadString(kName, 10000);
    QVERIFY(read.has_value());
    QCOMPARE(*read, value);
}

void TestSettingsStore::fileLivesUnderTheConfigFolder()
{
    ScopedSettingsFolder folder;
    CSettingsStore store(kKey);
    QCOMPARE(store.Location(), ConfigFile(folder));
    QVERIFY(store.WriteString(kName, QStringLiteral("x")));
    QVERIFY(QFile::exists(ConfigFile(folder)));
    // No temporary file is left beside it.
    QCOMPARE(QDir(folder.path() + QStringLiteral("/Vantrell")).entryList(QDir::Files), QStringList { QStringLiteral("Ryvanta.conf") });

    // The folder is looked up at every call.
    ScopedSettingsFolder other;
    QCOMPARE(store.Location(), ConfigFile(other));
    QVERIFY(!store.ReadString(kName, 100).has_value());
}

void TestSettingsStore::valuesAreKeptApartByKeyAndName()
{
    ScopedSettingsFolder folder;
    CSettingsStore work(kKey);
    QVERIFY(!work.ReadString(kName, 100).has_value());
    CSettingsStore odd(QStringLiteral("Odd]=[key"));
    QVERIFY(work.WriteString(QStringLiteral("Other"), QStringLiteral("kept")));
    QVERIFY(!work.ReadString(kName, 100).has_value());
    QVERIFY(work.WriteString(kName, QStringLiteral("first")));
    QVERIFY(work.WriteString(kName, QStringLiteral("work")));
    QVERIFY(odd.WriteString(kName, QStringLiteral("odd")));
    QVERIFY(odd.WriteString(QStringLiteral("Na=me;#[x]"), QStringLiteral("strange name")));
    QCOMPARE(work.ReadString(kName, 100).value_or(QString()), QStringLiteral("work"));
    QCOMPARE(work.ReadString(QStringLiteral("Other"), 100).value_or(QString()), QStringLiteral("kept"));
    QCOMPARE(odd.ReadString(kName, 100).value_or(QString()), QStringLiteral("odd"));
    QCOMPARE(odd.ReadString(QStringLiteral("Na=me;#[x]"), 100).value_or(QString()), QStringLiteral("strange name"));
    QVERIFY(!work.ReadString(QStringLiteral("Na=me;#[x]"), 100).has_value());
}

void TestSettingsStore::overlongValueIsUnreadable()
{
    ScopedSettingsFolder folder;
    CSettingsStore store(kKey);
    QVERIFY(store.WriteString(kName, QStringLiteral("12345")));
    QCOMPARE(store.ReadString(kName, 5).value_or(QString()), QStringLiteral("12345"));
    QVERIFY(!store.ReadString(kName, 4).has_value());
}

void TestSettingsStore::malformedFileGivesNothing_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("value before any group") << QByteArray("List=\"a\"\n[Work string]\n");
    QTest::newRow("unterminated value") << QByteArray("[Work string]\nList=\"abc\n");
    QTest::newRow("text after the value") << QByteArray("[Work string]\nList=\"abc\" junk\n");
    QTest::newRow("unquoted value") << QByteArray("[Work string]\nList=abc\n");
    QTest::newRow("unknown escape") << QByteArray("[Work string]\nList=\"a\\qb\"\n");
    QTest::newRow("short unicode escape") << QByteArray("[Work string]\nList=\"a\\u12\"\n");
    QTest::newRow("unclosed group") << QByteArray("[Work string\nList=\"a\"\n");
    QTest::newRow("invalid UTF-8") << QByteArray("[Work string]\nList=\"\xff\xfe\"\n");
    QTest::newRow("binary garbage") << QByteArray("\x00\x01\x02\x03[", 5);
}

void TestSettingsStore::malformedFileGivesNothing()
{
    QFETCH(QByteArray, contents);
    ScopedSettingsFolder folder;
    WriteFile(ConfigFile(folder), contents);
    QVERIFY(!CSettingsStore(kKey).ReadString(kName, 1000).has_value());
    // Reading never touches the file.
    QCOMPARE(ReadFile(ConfigFile(folder)), contents);
}

void TestSettingsStore::writingOverAMalformedFileKeepsACopy()
{
    ScopedSettingsFolder folder;
    const QByteArray damaged("[Work string]\nList=\"half a list");
    WriteFile(ConfigFile(folder), damaged);
    CSettingsStore store(kKey);
    QVERIFY(store.WriteString(kName, QStringLiteral("fresh")));
    QCOMPARE(store.ReadString(kName, 100).value_or(QString()), QStringLiteral("fresh"));
    QCOMPARE(ReadFile(ConfigFile(folder) + QStringLiteral(".damaged")), damaged);
}

void TestSettingsStore::homeConfigIsUsedWithoutXdgFolder()
{
    QTemporaryDir home;
    ScopedEnvironment homeVariable("HOME", home.path().toLocal8Bit());
    ScopedEnvironment xdg("XDG_CONFIG_HOME", QByteArray());
    CSettingsStore store(kKey);
    QCOMPARE(store.Location(), home.path() + QStringLiteral("/.config/Vantrell/Ryvanta.conf"));
    QVERIFY(store.WriteString(kName, QStringLiteral("at home")));
    QCOMPARE(store.ReadString(kName, 100).value_or(QString()), QStringLiteral("at home"));
}

QTEST_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
