// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ReportOptions.h"

#include "app/Translation.h"
#include "cli/CommandOptions.h"
#include "cli/DateOptions.h"
#include "platform/PrintableText.h"

std::optional<ReportOptions> ParseReportOptions(const QStringList& arguments, QString* error)
{
    const QCommandLineOption birthOption(QStringLiteral("birth"), QString(), QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption monthOption(QStringLiteral("month"), QString(), QStringLiteral("YYYY-MM"));
    const QCommandLineOption formatOption(QStringLiteral("format"), QString(), QStringLiteral("text|json"));
    QCommandLineParser parser;
    if (!ParseCommandOptions(parser, QStringLiteral("report"), { birthOption, monthOption, formatOption }, arguments, error))
        return std::nullopt;

    ReportOptions options;
    options.helpRequested = parser.isSet(QStringLiteral("help"));
    if (options.helpRequested)
        return options;

    const std::optional<QDate> birth = ReadRequiredBirth(parser, QStringLiteral("report"), error);
    if (!birth)
        return std::nullopt;
    options.birth = *birth;

    if (!parser.isSet(monthOption)) {
        *error = Translated("Command", "report needs --month YYYY-MM");
        return std::nullopt;
    }
    const std::optional<QDate> month = ReadMonthOption(parser.value(monthOption), error);
    if (!month)
        return std::nullopt;
    options.month = month->month();
    options.year = month->year();

    const QString format = parser.value(formatOption);
    if (format == QLatin1String("json")) {
        options.format = ReportFormat::Json;
    } else if (parser.isSet(formatOption) && format != QLatin1String("text")) {
        *error = Translated("Command", "--format must be text or json, not '%1'").arg(PrintableText(format));
        return std::nullopt;
    }
    return options;
}
