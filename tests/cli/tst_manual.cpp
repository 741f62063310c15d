// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

using Names = QSet<QString>;

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : { "LANGUAGE", "LC_MESSAGES", "LANG" })
        environment.remove(QString::fromLatin1(variable));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

Names Matches(const QString& text, const QString& pattern)
{
    Names names;
    for (const QRegularExpressionMatch& match : QRegularExpression(pattern).globalMatch(text))
        names.insert(match.captured(1));
    return names;
}

// The commands the program's help lists under "Commands:".
Names HelpCommands()
{
    const QString help = Run(QStringLiteral(RYVANTA_PROGRAM), { QStringLiteral("--help") });
    return Matches(help.section(QStringLiteral("Commands:"), 1).section(QStringLiteral("\n\n"), 0, 0),
        QStringLiteral("(?m)^  ([a-z]+) "));
}

Names HelpOptions(const QString& command)
{
    return Matches(Run(QStringLiteral(RYVANTA_PROGRAM), { command, QStringLiteral("--help") }) + QStringLiteral(" --help"),
        QStringLiteral("(--[a-z]+)"));
}

QString Manual()
{
    QFile file(QStringLiteral(RYVANTA_MANUAL));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).replace(QStringLiteral("\\-"), QStringLiteral("-")) : QString();
}

// The options of a command's synopsis in the manual page, up to the next one.
Names ManualSynopsisOptions(const QString& command)
{
    const QString synopsis = Manual().section(QStringLiteral(".SY \"ryvanta %1\"").arg(command), 1).section(QStringLiteral(".YS"), 0, 0);
    return Matches(synopsis + QStringLiteral(" --help"), QStringLiteral("(--[a-z]+)"));
}

Names CompletionWords(const QStringList& words)
{
    const QString script = QStringLiteral("source '%1' && complete -p ryvanta >/dev/null && COMP_WORDS=(%2) "
                                          "&& COMP_CWORD=%3 && _ryvanta && printf '%s\\n' \"${COMPREPLY[@]}\"")
                               .arg(QStringLiteral(RYVANTA_COMPLETION), words.join(QLatin1Char(' ')))
                               .arg(words.size() - 1);
    const QStringList lines = Run(QStringLiteral("bash"), { QStringLiteral("-c"), script }).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return Names(lines.begin(), lines.end());
}

} // namespace

class ManualTest : public QObject
{
    Q_OBJECT

private slots:
    // The manual page and the completion name every command and option the
    // help names, and no other.
    void agreesWithHelp_data()
    {
        QTest::addColumn<QString>("command");
        for (const QString& command : HelpCommands())
            QTest::newRow(qPrintable(command)) << command;
    }
    void agreesWithHelp()
    {
        QFETCH(QString, command);
        const Names help = HelpOptions(command);
        QVERIFY(help.size() > 2);
        QCOMPARE(ManualSynopsisOptions(command), help);
        const QString options = Manual().section(QStringLiteral(".SH OPTIONS"), 1).section(QStringLiteral(".SH"), 0, 0);
        for (const QString& option : help)
            QVERIFY2(options.contains(QRegularExpression(QStringLiteral("(?m)^\\.B[IR]? %1\\b").arg(option))), qPrintable(option));
        const Names offered = CompletionWords({ QStringLiteral("ryvanta"), command, QStringLiteral("--") });
        QCOMPARE(offered, help);
    }

    void commandsAgree()
    {
        const Names commands = HelpCommands();
        QVERIFY(commands.contains(QStringLiteral("report")));
        QCOMPARE(Matches(Manual(), QStringLiteral("\\.SY \"ryvanta ([a-z]+)\"")), commands);
        const Names expected = commands + Names { QStringLiteral("--help"), QStringLiteral("--version") };
        QCOMPARE(CompletionWords({ QStringLiteral("ryvanta"), QStringLiteral("''") }), expected);
    }
};

QTEST_GUILESS_MAIN(ManualTest)
#include "tst_manual.moc"
