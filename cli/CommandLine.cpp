#include "cli/CommandLine.h"

#include "app/BiorhythmApp.h"
#include "cli/Render.h"
#include "cli/Report.h"

#include <QString>
#include <QStringList>

#include <iostream>
#include <ostream>

namespace {

void WriteUsage(std::ostream& out)
{
    out << "Usage: ryvanta [--help] [--version]\n" << kReportUsage << kRenderUsage;
}

void WriteHelp(std::ostream& out)
{
    WriteUsage(out);
    out << "\nWithout a command, ryvanta opens its window.\n"
           "\nCommands:\n"
           "  report     one month of a person's biorhythms as a table (text) or JSON\n"
           "  render     the window with a charted month as a PNG image\n"
           "\nOptions:\n"
           "  --help     show this help and exit\n"
           "  --version  show the version and exit\n"
           "\nThe date taken as today is the machine's, or RYVANTA_TODAY (YYYY-MM-DD)\n"
           "when that variable is set.\n";
}

QStringList ArgumentsAfterProgram(int argc, char** argv)
{
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    return arguments;
}

int RunCommand(const QStringList& arguments, std::ostream& out, std::ostream& err)
{
    const QString& command = arguments.first();
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        WriteHelp(out);
        return 0;
    }
    if (command == QLatin1String("--version")) {
        out << "ryvanta " << RYVANTA_VERSION << '\n';
        return 0;
    }
    if (command == QLatin1String("report"))
        return RunReport(arguments.mid(1), out, err);
    if (command == QLatin1String("render"))
        return RunRender(arguments.mid(1), out, err);
    err << "ryvanta: unknown command '" << command.toStdString() << "' (see ryvanta --help)\n";
    return 2;
}

} // namespace

int RunRyvanta(int argc, char** argv)
{
    const QStringList arguments = ArgumentsAfterProgram(argc, argv);
    if (arguments.isEmpty())
        return RunWindow(argc, argv);
    return RunCommand(arguments, std::cout, std::cerr);
}
