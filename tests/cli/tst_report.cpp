// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandLine.h"
#include "cli/Report.h"
#include "model/BioYear.h"
#include "model/Rhythms.h"
#include "tests/support/TestEnvironment.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>
#include <unistd.h>

namespace {

struct ReportRun
{
    int status = -1;
    QString out;
    QString err;
};

ReportRun Report(const QStringList& arguments)
{
    CTextOutput out;
    CTextOutput err;
    ReportRun run;
    run.status = RunReport(arguments, out, err);
    run.out = QString::fromStdString(out.Text());
    run.err = QString::fromStdString(err.Text());
    return run;
}

QJsonObject ReportObject(const QStringList& arguments)
{
    const ReportRun run = Report(arguments + QStringList{"--format", "json"});
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.out.toUtf8(), &error);
    if (run.status != 0 || error.error != QJsonParseError::NoError || !document.isObject())
        qWarning("report failed: %s%s", qPrintable(run.err), qPrintable(error.errorString()));
    return document.object();
}

QStringList Keys(const QJsonObject& object)
{
    QStringList keys = object.keys();
    keys.sort();
    return keys;
}

// Sends standard output to a file for the lifetime of the guard.
class CapturedStandardOutput
{
public:
    CapturedStandardOutput()
    {
        m_file.open();
        std::fflush(stdout);
        m_previous = ::dup(STDOUT_FILENO);
        ::dup2(m_file.handle(), STDOUT_FILENO);
    }
    ~CapturedStandardOutput() { Restore(); }
    QString text()
    {
        Restore();
        m_file.seek(0);
        return QString::fromUtf8(m_file.readAll());
    }

private:
    void Restore()
    {
        if (m_previous < 0)
            return;
        std::fflush(stdout);
        ::dup2(m_previous, STDOUT_FILENO);
        ::close(m_previous);
        m_previous = -1;
    }

    QTemporaryFile m_file;
    int m_previous = -1;
};

} // namespace

class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void jsonHoldsTheMonth();
    void jsonNumbersReadBackExactly();
    void birthMonthStartsOnTheBirthDay();
    void textListsDaysAndBoundaries();
    void birthTodayIsAccepted();
    void faultsExitWithStatusTwo_data();
    void faultsExitWithStatusTwo();
    void helpAndVersionSucceed_data();
    void helpAndVersionSucceed();
};

void TestReport::jsonHoldsTheMonth()
{
    ScopedToday today("2026-12-07");
    const QJsonObject report = ReportObject({"--birth", "1975-07-03", "--month", "2026-12"});

    QCOMPARE(Keys(report), (QStringList{"birth", "boundaries", "days", "month", "phase"}));
    QCOMPARE(report["birth"].toString(), QStringLiteral("1975-07-03"));
    QCOMPARE(report["month"].toString(), QStringLiteral("2026-12"));
    QVERIFY(std::abs(report["phase"].toDouble() - 123.7716667) < 1e-6);

    const QJsonArray days = report["days"].toArray();
    QCOMPARE(days.size(), 31);
    const QStringList dayKeys = {"age", "date", "emotional", "intellectual", "level", "moon", "physical", "windows", "year_curve"};
    for (qsizetype index = 0; index < days.size(); ++index) {
        const QJsonObject day = days[index].toObject();
        QCOMPARE(Keys(day), dayKeys);
        QCOMPARE(day["date"].toString(), QStringLiteral("2026-12-%1").arg(index + 1, 2, 10, QLatin1Char('0')));
        QCOMPARE(day["age"].toInt(), 18779 + int(index));
    }

    const QJsonArray boundaries = report["boundaries"].toArray();
    const QStringList boundaryKeys = {"date", "label", "level", "message", "moon", "time", "windows"};
    const QStringList moments = {"2026-12-01 14:07", "2026-12-19 08:35", "2026-12-26 11:14"};
    const QStringList labels = {"H1-H3", "H1-H2", "H2-H3"};
    QCOMPARE(boundaries.size(), moments.size());
    for (qsizetype index = 0; index < boundaries.size(); ++index) {
        const QJsonObject boundary = boundaries[index].toObject();
        QCOMPARE(Keys(boundary), boundaryKeys);
        QCOMPARE(boundary["date"].toString() + ' ' + boundary["time"].toString(), moments[index]);
        QCOMPARE(boundary["label"].toString(), labels[index]);
        QVERIFY(!boundary["message"].toString().startsWith(' '));
    }
    // Day 19 is 18797 days old: remainders 12.10, 7.35 and 26.29, no window.
    QCOMPARE(boundaries[1].toObject()["level"].toInt(), 11);
    QCOMPARE(boundaries[1].toObject()["message"].toString(), QStringLiteral("The day is hard enough"));
    // The message keeps its own trailing blank.
    QCOMPARE(boundaries[2].toObject()["level"].toInt(), 13);
    QCOMPARE(boundaries[2].toObject()["message"].toString(), QStringLiteral("The day is unfavorable. "));
}

void TestReport::jsonNumbersReadBackExactly()
{
    ScopedToday today("2026-12-07");
    const QJsonObject day = ReportObject({"--birth", "1975-07-03", "--month", "2026-12"})["days"].toArray()[3].toObject();
    QCOMPARE(day["physical"].toDouble(), RhythmValue(18782, Rhythm::Physical));
    QCOMPARE(day["intellectual"].toDouble(), RhythmValue(18782, Rhythm::Intellectual));
    // 4 December is day 338 of 2026, the birthday day 184.
    QCOMPARE(day["year_curve"].toDouble(), double(BioYearReading(154)));
}

void TestReport::birthMonthStartsOnTheBirthDay()
{
    ScopedToday today("2026-12-07");
    const QJsonObject report = ReportObject({"--birth", "2026-12-05", "--month", "2026-12"});
    const QJsonArray days = report["days"].toArray();
    QCOMPARE(days.size(), 27);
    const QJsonObject birth = days[0].toObject();
    QCOMPARE(birth["date"].toString(), QStringLiteral("2026-12-05"));
    QCOMPARE(birth["age"].toInt(), 0);
    QCOMPARE(birth["level"].toInt(), 18);
    QCOMPARE(birth["windows"].toString(), QStringLiteral("F1-F2-F3"));
    QCOMPARE(birth["physical"].toDouble(), 0.0);

    // The cycle starts 0.5833333 day into the birth day.
    const QJsonArray boundaries = report["boundaries"].toArray();
    QCOMPARE(boundaries.size(), 1);
    QCOMPARE(boundaries[0].toObject()["date"].toString(), QStringLiteral("2026-12-05"));
    QCOMPARE(boundaries[0].toObject()["time"].toString(), QStringLiteral("13:59"));
    QCOMPARE(boundaries[0].toObject()["label"].toString(), QStringLiteral("H1-H2-H3"));
}

void TestReport::textListsDaysAndBoundaries()
{
    ScopedToday today("2026-12-07");
    const ReportRun run = Report({"--birth", "1975-07-03", "--month", "2026-12"});
    QCOMPARE(run.status, 0);
    QVERIFY(run.err.isEmpty());
    const QStringList lines = run.out.split('\n');
    QCOMPARE(lines.filter(QRegularExpression("^2026-12-\\d\\d  +\\d+ ")).size(), 31);
    QVERIFY(run.out.contains(QRegularExpression("\\n2026-12-19  08:35  H1-H2 +\\w+ +11 +The day is hard enough\\n")));
}

void TestReport::birthTodayIsAccepted()
{
    ScopedToday today("2026-12-07");
    QCOMPARE(Report({"--birth", "2026-12-07", "--month", "2026-12"}).status, 0);
}

void TestReport::faultsExitWithStatusTwo_data()
{
    QTest::addColumn<QByteArray>("today");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    const QByteArray today = "2026-12-07";
    QTest::newRow("impossible date") << today << QStringList{"--birth", "2001-02-29", "--month", "2026-12"} << "";
    QTest::newRow("malformed date") << today << QStringList{"--birth", "1975-7-3", "--month", "2026-12"} << "";
    QTest::newRow("date ending in a line break") << today << QStringList{"--birth", "1975-07-03\n", "--month", "2026-12"}
        << "ryvanta: --birth needs a date YYYY-MM-DD that exists, not '1975-07-03\\n'";
    QTest::newRow("month with an escape inside") << today << QStringList{"--birth", "1975-07-03", "--month", "2026\x1b\n12"}
        << "ryvanta: --month needs a month YYYY-MM, not '2026\\x1b\\n12'";
    QTest::newRow("birth tomorrow") << today << QStringList{"--birth", "2026-12-08", "--month", "2026-12"}
        << "ryvanta: Invalid date of birth! Date of birth must be in the past.";
    QTest::newRow("month before the birth month") << today << QStringList{"--birth", "1975-07-03", "--month", "1975-06"}
        << "ryvanta: The person was not born yet at the period of interest!";
    QTest::newRow("birth in 1849") << today << QStringList{"--birth", "1849-12-31", "--month", "1850-01"} << "";
    QTest::newRow("month in 2101") << today << QStringList{"--birth", "1975-07-03", "--month", "2101-01"} << "";
    QTest::newRow("sign for a digit") << today << QStringList{"--birth", "+975-07-03", "--month", "2026-12"} << "";
    QTest::newRow("digits of another script") << today << QStringList{"--birth", QString::fromUtf8("\u0661\u0669\u0667\u0665-07-03"), "--month", "2026-12"} << "";
    QTest::newRow("month with a day") << today << QStringList{"--birth", "1975-07-03", "--month", "2026-12-01"} << "";
    QTest::newRow("month 13") << today << QStringList{"--birth", "1975-07-03", "--month", "2026-13"} << "";
    QTest::newRow("unknown option") << today << QStringList{"--birth", "1975-07-03", "--month", "2026-12", "--colour", "red"} << "";
    QTest::newRow("single-dash word holding h") << today << QStringList{"--birth", "1975-07-03", "--month", "2026-12", "-birth"}
        << "ryvanta: report: unknown option '-birth'";
    QTest::newRow("h with another letter") << today << QStringList{"--birth", "1975-07-03", "--month", "2026-12", "-hx"} << "";
    QTest::newRow("missing value") << today << QStringList{"--month", "2026-12", "--birth"} << "";
    QTest::newRow("option as value") << today << QStringList{"--birth", "--month", "2026-12"} << "";
    QTest::newRow("no month") << today << QStringList{"--birth", "1975-07-03"} << "";
    QTest::newRow("unknown format") << today << QStringList{"--birth", "1975-07-03", "--month", "2026-12", "--format", "xml"} << "";
    QTest::newRow("malformed RYVANTA_TODAY") << QByteArray("7.12.2026")
        << QStringList{"--birth", "1975-07-03", "--month", "2026-12"} << "";
    QTest::newRow("impossible RYVANTA_TODAY") << QByteArray("2026-02-30")
        << QStringList{"--birth", "1975-07-03", "--month", "2026-12"} << "";
}

void TestReport::faultsExitWithStatusTwo()
{
    QFETCH(QByteArray, today);
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);

    ScopedToday fixedToday(today);
    const ReportRun run = Report(arguments);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.out, QString());
    QVERIFY2(run.err.startsWith("ryvanta: ") && run.err.endsWith('\n') && run.err.count('\n') == 1, qPrintable(run.err));
    if (!message.isEmpty())
        QCOMPARE(run.err, message + '\n');
}

void TestReport::helpAndVersionSucceed_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");
    QTest::newRow("--help") << QStringList{"--help"} << "ryvanta report --birth YYYY-MM-DD --month YYYY-MM";
    QTest::newRow("report --help") << QStringList{"report", "--help"} << "ryvanta report --birth YYYY-MM-DD";
    QTest::newRow("--version") << QStringList{"--version"} << "ryvanta " RYVANTA_VERSION "\n";
}

void TestReport::helpAndVersionSucceed()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);

    std::vector<QByteArray> storage = {"ryvanta"};
    for (const QString& argument : arguments)
        storage.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& argument : storage)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    CapturedStandardOutput output;
    QCOMPARE(RunRyvanta(int(storage.size()), argv.data()), 0);
    const QString text = output.text();
    QVERIFY2(text.contains(expected), qPrintable(text));
}

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"
