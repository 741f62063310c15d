// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Calendar.h"
#include "tests/support/TestEnvironment.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>


namespace {

const QStringList kDecember = {"--birth", "1975-07-03", "--from", "2026-12", "--months", "1"};

// What a reader independent of libical finds in the files.
QJsonArray ReadBack(const QStringList& paths)
{
    QProcess reader;
    reader.start(QStringLiteral(RYVANTA_PYTHON), QStringList{RYVANTA_ICS_READER} + paths);
    if (!reader.waitForFinished() || reader.exitCode() != 0)
        qWarning("%s", reader.readAllStandardError().constData());
    return QJsonDocument::fromJson(reader.readAllStandardOutput()).array();
}

QSet<QString> Uids(const QJsonValue& calendar, const QString& summary = {}, QString* start = nullptr)
{
    QSet<QString> uids;
    for (const QJsonValue& event : calendar["events"].toArray()) {
        uids << event["uid"].toString();
        if (start && event["summary"].toString() == summary && event["zone"].toString() == "None")
            *start = event["start"].toString();
    }
    return uids;
}

} // namespace

class TestCalendar : public QObject
{
    Q_OBJECT

private slots:
    void readsBackAsTheMonths_data();
    void readsBackAsTheMonths();
    void uidsAreStableAndPersonal();
    void refusesBadSpans_data();
    void refusesBadSpans();

private:
    bool ReaderMissing() const { return QProcess::execute(RYVANTA_PYTHON, {"-c", "import icalendar"}) != 0; }
    ScopedToday m_today {"2026-12-07"};
    QTemporaryDir m_folder;
};

void TestCalendar::readsBackAsTheMonths_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("events");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("start");

    const QString boundary = QStringLiteral("H1-H2 \u2013 level 11");
    QTest::newRow("no name") << kDecember << 7 << boundary << "2026-12-19T08:35:00";
    // Folded lines must not split a character's bytes, and no blank offers
    // a place to fold at.
    const QString name = QString(30, QChar(0xE4)) + QString(20, QChar(0x1C4));
    QTest::newRow("long name") << kDecember + QStringList{"--name", name} << 7 << name + ": " + boundary << "2026-12-19T08:35:00";
    QTest::newRow("birth month") << QStringList{"--birth", "2026-12-05", "--months", "2"} << 8
                                 << QStringLiteral("H1-H2-H3 \u2013 level 18") << "2026-12-05T13:59:00";
}

void TestCalendar::readsBackAsTheMonths()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, events);
    QFETCH(QString, summary);
    QFETCH(QString, start);
    if (ReaderMissing())
        QSKIP("/usr/bin/python3 with icalendar is not installed");

    const QString path = m_folder.filePath(QTest::currentDataTag() + QStringLiteral(".ics"));
    CTextOutput err;
    QCOMPARE(RunCalendar(arguments + QStringList{"--output", path}, err, err), 0);
    const QJsonValue calendar = ReadBack({path})[0];
    QVERIFY(calendar["longest"].toInt() <= 75);
    QString found;
    QCOMPARE(Uids(calendar, summary, &found).size(), events);
    QCOMPARE(calendar["events"].toArray().size(), events);
    QCOMPARE(found, start);
}

// Importing again updates the events, and persons born on the same day
// never share one.
void TestCalendar::uidsAreStableAndPersonal()
{
    if (ReaderMissing())
        QSKIP("/usr/bin/python3 with icalendar is not installed");
    QStringList paths;
    for (const char* name : {"Anna", "Anna", "anna  ", "Bob", ""}) {
        paths << m_folder.filePath(QStringLiteral("person%1.ics").arg(paths.size()));
        CTextOutput err;
        const QStringList person = *name ? QStringList{"--name", name} : QStringList();
        QCOMPARE(RunCalendar(kDecember + person + QStringList{"--output", paths.last()}, err, err), 0);
    }
    QFile first(paths[0]), again(paths[1]);
    QVERIFY(first.open(QIODevice::ReadOnly) && again.open(QIODevice::ReadOnly) && first.readAll() == again.readAll());
    const QJsonArray calendars = ReadBack(paths);
    QCOMPARE(Uids(calendars[2]), Uids(calendars[0]));
    QVERIFY(!Uids(calendars[0]).intersects(Uids(calendars[3])));
    QVERIFY(!Uids(calendars[0]).intersects(Uids(calendars[4])));
}

void TestCalendar::refusesBadSpans_data()
{
    QTest::addColumn<QStringList>("arguments");
    const QStringList birth = {"--birth", "1975-07-03"};
    QTest::newRow("before the birth month") << birth + QStringList{"--from", "1975-06"};
    QTest::newRow("past 2100-12") << birth + QStringList{"--from", "2100-06", "--months", "8"};
    QTest::newRow("0 months") << birth + QStringList{"--months", "0"};
    QTest::newRow("61 months") << birth + QStringList{"--months", "61"};
}

void TestCalendar::refusesBadSpans()
{
    QFETCH(QStringList, arguments);
    const QString path = m_folder.filePath(QStringLiteral("refused.ics"));
    CTextOutput err;
    QCOMPARE(RunCalendar(arguments + QStringList{"--output", path}, err, err), 2);
    const QString line = QString::fromStdString(err.Text());
    QVERIFY2(line.startsWith("ryvanta: ") && line.count('\n') == 1 && line.endsWith('\n'), qPrintable(line));
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(TestCalendar)
#include "tst_calendar.moc"
