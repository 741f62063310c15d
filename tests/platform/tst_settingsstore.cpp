// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SettingsStore.h"

#include "tests/support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

#include <atomic>
#include <future>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kKey = QStringLiteral("Work string");
const QString kName = QStringLiteral("List");

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
    void listWrittenByQSettingsLoads();
    void badFileIsNeitherReadNorWrittenOver_data();
    void badFileIsNeitherReadNorWrittenOver();
    void damagedFileIsCopiedOnce();
    void twoSavesOverADamagedFileKeepItsBytes();
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
    QTest::newRow("at sign and list marks") << QStringLiteral("@String(a), b;c");
    QTest::newRow("escape before a hex digit") << QString::fromUtf16(u"\u0001a\u0000f");
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
    // What is written is what QSettings itself reads, and the other way round.
    QSettings settings(folder.settingsFile(), QSettings::IniFormat);
    QCOMPARE(settings.value(kKey + QStringLiteral("/") + kName), QVariant(value));
    settings.setValue(kKey + QStringLiteral("/Other"), value);
    settings.sync();
    QCOMPARE(CSettingsStore(kKey).ReadString(QStringLiteral("Other"), 10000), std::optional<QString>(value));
}

void TestSettingsStore::fileLivesUnderTheConfigFolder()
{
    ScopedSettingsFolder folder;
    CSettingsStore store(kKey);
    QCOMPARE(store.Location(), folder.settingsFile());
    QVERIFY(store.WriteString(kName, QStringLiteral("x")));
    QVERIFY(QFile::exists(folder.settingsFile()));
    // No temporary file is left beside it.
    QCOMPARE(QDir(folder.path() + QStringLiteral("/Vantrell")).entryList(QDir::Files), QStringList { QStringLiteral("Ryvanta.conf") });

    // The folder is looked up at every call.
    ScopedSettingsFolder other;
    QCOMPARE(store.Location(), other.settingsFile());
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

void TestSettingsStore::listWrittenByQSettingsLoads()
{
    ScopedSettingsFolder folder;
    {
        QSettings settings(folder.settingsFile(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Work string/List"), QStringLiteral("1503071975Alice"));
    }
    QCOMPARE(CSettingsStore(kKey).ReadString(kName, 254), std::optional<QString>(QStringLiteral("1503071975Alice")));
}

void TestSettingsStore::badFileIsNeitherReadNorWrittenOver_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("damaged");

    QTest::newRow("unclosed group") << "bytes" << QByteArray("[Work string\nList=a\n") << true;
    QTest::newRow("invalid UTF-8") << "bytes" << QByteArray("[Work%20string]\nList=\xff\xfe\n") << true;
    QTest::newRow("binary garbage") << "bytes" << QByteArray("\x00\x01\x02\x03[", 5) << true;
    QTest::newRow("larger than a megabyte") << "bytes" << QByteArray(1024 * 1024 + 1, 'x') << false;
    QTest::newRow("no permission to read") << "no permission" << QByteArray("[Work%20string]\nList=x\n") << false;
    QTest::newRow("FIFO") << "fifo" << QByteArray() << false;
    QTest::newRow("link to /dev/zero") << "link" << QByteArray("/dev/zero") << false;
    QTest::newRow("folder") << "folder" << QByteArray() << false;
}

// A file QSettings cannot read is copied aside before it is replaced; one
// whose bytes cannot be had (or that is not a file) is left as it is, and
// reading it neither blocks nor reads without bound.
void TestSettingsStore::badFileIsNeitherReadNorWrittenOver()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, contents);
    QFETCH(bool, damaged);

    ScopedSettingsFolder folder;
    const QString path = folder.settingsFile();
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (kind == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == QLatin1String("link")) {
        QVERIFY(QFile::link(QString::fromLatin1(contents), path));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
    } else {
        QVERIFY(folder.writeSettingsFile(contents));
        if (kind == QLatin1String("no permission")) {
            if (::geteuid() == 0)
                QSKIP("Permissions do not stop root from reading");
            QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        }
    }
    const QFileInfo before(path);

    CSettingsStore store(kKey);
    QVERIFY(!store.ReadString(kName, 1000).has_value());
    QCOMPARE(store.State(), damaged ? CSettingsStore::FileState::Damaged : CSettingsStore::FileState::Unreadable);
    QCOMPARE(store.WriteString(kName, QStringLiteral("fresh")), damaged);

    const QStringList copies = QDir(QFileInfo(path).absolutePath()).entryList({ QStringLiteral("Ryvanta.conf.damaged-*") });
    if (damaged) {
        QCOMPARE(store.ReadString(kName, 100), std::optional<QString>(QStringLiteral("fresh")));
        QCOMPARE(copies.size(), 1);
        QCOMPARE(ReadFileBytes(QFileInfo(path).absolutePath() + QLatin1Char('/') + copies.first()), contents);
    } else {
        QVERIFY(copies.isEmpty());
        const QFileInfo after(path);
        QCOMPARE(after.isSymLink(), before.isSymLink());
        QCOMPARE(after.isDir(), before.isDir());
        QCOMPARE(after.size(), before.size());
        QCOMPARE(after.lastModified(), before.lastModified());
    }
}

void TestSettingsStore::damagedFileIsCopiedOnce()
{
    ScopedSettingsFolder folder;
    const QByteArray damaged("[Work string\nList=half a list");
    QVERIFY(folder.writeSettingsFile(damaged));
    CSettingsStore store(kKey);
    const std::optional<QString> copy = store.KeepDamagedFile();
    QVERIFY(copy.has_value());
    QCOMPARE(store.KeepDamagedFile(), copy);
    QCOMPARE(ReadFileBytes(folder.settingsFile()), damaged);

    QVERIFY(store.WriteString(kName, QStringLiteral("fresh")));
    QCOMPARE(store.KeepDamagedFile(), std::nullopt);
    QCOMPARE(ReadFileBytes(*copy), damaged);
    QCOMPARE(QDir(folder.path() + QStringLiteral("/Vantrell")).entryList(QDir::Files).size(), 2);
}

// Two saves at once over a damaged file: whichever comes second must not
// take the first one's fresh file for the damaged one, nor lose the copy.
void TestSettingsStore::twoSavesOverADamagedFileKeepItsBytes()
{
    ScopedSettingsFolder folder;
    const QByteArray damaged("\xff\xfe damaged");
    QVERIFY(folder.writeSettingsFile(damaged));

    std::atomic<int> ready = 0;
    auto save = [&ready](const QString& value) {
        ++ready;
        while (ready < 2) { }
        return CSettingsStore(kKey).WriteString(kName, value);
    };
    std::future<bool> first = std::async(std::launch::async, save, QStringLiteral("first"));
    std::future<bool> second = std::async(std::launch::async, save, QStringLiteral("second"));
    QVERIFY(first.get());
    QVERIFY(second.get());

    const QString stored = CSettingsStore(kKey).ReadString(kName, 100).value_or(QString());
    QVERIFY2(stored == QLatin1String("first") || stored == QLatin1String("second"), qPrintable(stored));
    const QDir settings(folder.path() + QStringLiteral("/Vantrell"));
    const QStringList copies = settings.entryList({ QStringLiteral("Ryvanta.conf.damaged-*") });
    QCOMPARE(copies.size(), 1);
    QCOMPARE(ReadFileBytes(settings.filePath(copies.first())), damaged);
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
