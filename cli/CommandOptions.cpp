// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandOptions.h"

#include "app/Translation.h"
#include "platform/AsciiDigits.h"
#include "platform/PrintableText.h"

#include <algorithm>

namespace {

const QString kHelpOption = QStringLiteral("help");

bool TakesValue(const QList<QCommandLineOption>& options, const QString& name)
{
    for (const QCommandLineOption& option : options) {
        if (!option.valueName().isEmpty() && option.names().contains(name))
            return true;
    }
    return false;
}

// Qt's parser would take the next option as the value. A following option
// means the value was forgotten, not that the value starts with dashes; a
// value that does is given as --name=value.
bool CheckForgottenValues(const QList<QCommandLineOption>& options, const QStringList& arguments, QString* error)
{
    for (qsizetype index = 0; index < arguments.size(); ++index) {
        const QString& argument = arguments[index];
        if (argument == QLatin1String("--"))
            return true;
        if (!argument.startsWith(QLatin1String("--")) || !TakesValue(options, argument.mid(2)))
            continue;
        if (index + 1 >= arguments.size() || arguments[index + 1].startsWith(QLatin1String("--"))) {
            *error = Translated("Command", "%1 needs a value").arg(argument);
            return false;
        }
        ++index;
    }
    return true;
}

} // namespace

QString TakeOutUnknownShortOptions(const QList<QCommandLineOption>& options, QStringList& arguments,
    QCommandLineParser::OptionsAfterPositionalArgumentsMode mode)
{
    QString first;
    qsizetype index = 0;
    while (index < arguments.size() && arguments[index] != QLatin1String("--")) {
        const QString& argument = arguments[index];
        if (!argument.startsWith(QLatin1Char('-')) || argument.size() == 1) {
            if (mode == QCommandLineParser::ParseAsPositionalArguments)
                break;
            ++index;
        } else if (argument.startsWith(QLatin1String("--"))) {
            index += TakesValue(options, argument.mid(2)) ? 2 : 1;
        } else if (argument == QLatin1String("-h")) {
            ++index;
        } else {
            if (first.isEmpty())
                first = argument;
            arguments.removeAt(index);
        }
    }
    return first;
}

bool ParseCommandOptions(QCommandLineParser& parser, const QString& command, const QList<QCommandLineOption>& options,
    const QStringList& arguments, QString* error)
{
    parser.addOptions(options);
    parser.addOption(QCommandLineOption(QStringList { QStringLiteral("h"), kHelpOption }));
    QStringList known = arguments;
    const QString unknownShort = TakeOutUnknownShortOptions(options, known, QCommandLineParser::ParseAsOptions);
    // The first argument stands where Qt expects the program's name.
    const bool parsed = parser.parse(QStringList { command } + known);
    if (parser.isSet(kHelpOption))
        return true;
    if (!CheckForgottenValues(options, arguments, error))
        return false;
    if (!unknownShort.isEmpty()) {
        *error = Translated("Command", "%1: unknown option '%2'").arg(command, PrintableText(unknownShort));
        return false;
    }
    if (!parsed) {
        // The parser's own text names an unknown option without its dashes;
        // Qt is left only long ones to find.
        const QStringList unknown = parser.unknownOptionNames();
        *error = unknown.isEmpty()
            ? QStringLiteral("%1: %2").arg(command, PrintableText(parser.errorText()))
            : Translated("Command", "%1: unknown option '--%2'").arg(command, PrintableText(unknown.first()));
        return false;
    }
    if (!parser.positionalArguments().isEmpty()) {
        *error = Translated("Command", "%1: unexpected argument '%2'").arg(command, PrintableText(parser.positionalArguments().first()));
        return false;
    }
    return true;
}

bool ParseSmallNumber(const QString& text, int* number)
{
    if (text.size() > 2 || !IsAsciiDigits(text))
        return false;
    *number = text.toInt();
    return true;
}

std::optional<QString> ReadRequiredOutput(const QCommandLineParser& parser, const QString& command,
    const QString& fileForm, QString* error)
{
    if (!parser.isSet(QStringLiteral("output"))) {
        *error = Translated("Command", "%1 needs --output %2").arg(command, fileForm);
        return std::nullopt;
    }
    const QString output = parser.value(QStringLiteral("output"));
    if (output.isEmpty()) {
        *error = Translated("Command", "--output needs a file name");
        return std::nullopt;
    }
    return output;
}

// An argument's bytes that were no UTF-8 arrive as lone surrogates, which
// are not printable either.
std::optional<QString> ReadNameOption(const QString& value, int longest, QString* error)
{
    const QString name = value.trimmed();
    const bool printable = std::all_of(name.cbegin(), name.cend(), [](QChar character) { return character.isPrint(); });
    if (name.isEmpty() || name.size() > longest || !printable) {
        *error = Translated("Command", "--name needs printable text of 1 to %1 characters, not '%2'")
                     .arg(longest)
                     .arg(PrintableText(value));
        return std::nullopt;
    }
    return name;
}
