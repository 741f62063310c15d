#include "cli/OptionScanner.h"

bool ScanOptions(const OptionScan& scan, const QStringList& arguments, bool* helpRequested, QString* error)
{
    *helpRequested = false;
    for (qsizetype position = 0; position < arguments.size(); ++position) {
        const QString& argument = arguments[position];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            *helpRequested = true;
            return true;
        }
        if (scan.flags.contains(argument)) {
            if (!scan.apply(argument, QString(), error))
                return false;
            continue;
        }
        QString name = argument;
        QString value;
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const bool inlineValue = argument.startsWith(QLatin1String("--")) && equals > 0;
        if (inlineValue) {
            name = argument.left(equals);
            value = argument.mid(equals + 1);
        }
        if (!scan.valueOptions.contains(name)) {
            *error = argument.startsWith(QLatin1Char('-'))
                ? QStringLiteral("%1: unknown option '%2'").arg(scan.command, argument)
                : QStringLiteral("%1: unexpected argument '%2'").arg(scan.command, argument);
            return false;
        }
        if (!inlineValue) {
            // A following option means the value was forgotten, not that the
            // option's value starts with dashes.
            if (position + 1 >= arguments.size() || arguments[position + 1].startsWith(QLatin1String("--"))) {
                *error = QStringLiteral("%1 needs a value").arg(name);
                return false;
            }
            value = arguments[++position];
        }
        if (!scan.apply(name, value, error))
            return false;
    }
    return true;
}
