// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandLine.h"

#include "app/Translation.h"
#include "app/BiorhythmApp.h"
#include "cli/Arguments.h"
#include "cli/Calendar.h"
#include "cli/CommandOptions.h"
#include "cli/HeadlessMessages.h"
#include "cli/Render.h"
#include "cli/Report.h"
#include "cli/Sheet.h"
#include "platform/PrintableText.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <cerrno>

namespace {

const char kProgramUsage[] = "       ryvanta [--help] [--version]\n";

void WriteHelp(CTextOutput& out)
{
    WriteUsage(out, { kProgramUsage, kReportUsage, kRenderUsage, kSheetUsage, kCalendarUsage });
    WriteText(out, Translated("Command", "\nWithout a command, ryvanta opens its window.\n"
           "\nCommands:\n"
           "  report     one month of a person's biorhythms as a table (text) or JSON\n"
           "  render     the window with a charted month as a PNG image\n"
           "  sheet      a charted month with its table of days as a one-page PDF\n"
           "  calendar   a person's long-cycle boundaries and critical days as an\n"
           "             iCalendar (.ics) file\n"
           "\nOptions:\n"
           "  --help     show this help and exit\n"
           "  --version  show the version and exit\n"
           "\nThe date taken as today is the machine's, or RYVANTA_TODAY (YYYY-MM-DD)\n"
           "when that variable is set.\n"));
}

QStringList ArgumentsAfterProgram(int argc, char** argv)
{
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(DecodeArgument(argv[index]));
    return arguments;
}

// The program's own options come before the command word; everything after
// it belongs to the command's own parser.
int RunCommand(const QStringList& arguments, CTextOutput& out, CTextOutput& err)
{
    InstallTranslations();
    const QCommandLineOption helpOption(QStringList { QStringLiteral("h"), QStringLiteral("help") });
    const QCommandLineOption versionOption(QStringLiteral("version"));
    QCommandLineParser parser;
    parser.addOptions({ helpOption, versionOption });
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    QStringList known = arguments;
    const QString unknownShort
        = TakeOutUnknownShortOptions({ helpOption, versionOption }, known, QCommandLineParser::ParseAsPositionalArguments);
    const bool parsed = parser.parse(QStringList { QStringLiteral("ryvanta") } + known);
    if (parser.isSet(helpOption)) {
        WriteHelp(out);
        return 0;
    }
    if (parser.isSet(versionOption)) {
        out << "ryvanta " << RYVANTA_VERSION << '\n';
        return 0;
    }
    const QStringList command = parser.positionalArguments();
    if (!unknownShort.isEmpty() || !parsed || command.isEmpty()) {
        const QString unknown = unknownShort.isEmpty() ? QStringLiteral("--") + parser.unknownOptionNames().value(0) : unknownShort;
        return Fail(err, Translated("Command", "unknown option '%1' (see ryvanta --help)").arg(PrintableText(unknown)));
    }

    HeadlessMessages quiet;
    if (command.first() == QLatin1String("report"))
        return RunReport(command.mid(1), out, err);
    if (command.first() == QLatin1String("render"))
        return RunRender(command.mid(1), out, err);
    if (command.first() == QLatin1String("sheet"))
        return RunSheet(command.mid(1), out, err);
    if (command.first() == QLatin1String("calendar"))
        return RunCalendar(command.mid(1), out, err);
    return Fail(err, Translated("Command", "unknown command '%1' (see ryvanta --help)").arg(PrintableText(command.first())));
}

// A report that could not be written, to a full disk or a closed standard
// output, is a fault and not a success. Once the stream has failed it makes
// no more calls, so errno still tells why.
int CheckOutput(CTextOutput& out, CTextOutput& err, int status)
{
    if (out.Flush())
        return status;
    const int cause = errno;
    if (status != 0)
        return status;
    return Fail(err, cause == 0 ? Translated("Command", "cannot write to standard output")
                                : Translated("Command", "cannot write to standard output: %1").arg(qt_error_string(cause)));
}

} // namespace

int RunRyvanta(int argc, char** argv)
{
    const QStringList arguments = ArgumentsAfterProgram(argc, argv);
    if (arguments.isEmpty())
        return RunWindow(argc, argv);
    CTextOutput out(stdout);
    CTextOutput err(stderr);
    return CheckOutput(out, err, RunCommand(arguments, out, err));
}
