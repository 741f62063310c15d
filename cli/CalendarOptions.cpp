// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CalendarOptions.h"

#include "app/Translation.h"
#include "calendar/CalendarExport.h"
#include "cli/CommandOptions.h"
#include "cli/DateOptions.h"
#include "cli/IsoDateText.h"
#include "model/CalendarArithmetic.h"
#include "platform/PrintableText.h"

namespace {

// A calendar program shows a title of any length; this keeps a mistyped
// argument from filling every title.
constexpr int kLongestName = 100;

} // namespace

std::optional<CalendarOptions> ParseCalendarOptions(const QStringList& arguments, QString* error)
{
    const QCommandLineOption birthOption(QStringLiteral("birth"), QString(), QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption fromOption(QStringLiteral("from"), QString(), QStringLiteral("YYYY-MM"));
    const QCommandLineOption monthsOption(QStringLiteral("months"), QString(), QStringLiteral("N"));
    const QCommandLineOption nameOption(QStringLiteral("name"), QString(), QStringLiteral("TEXT"));
    const QCommandLineOption outputOption(QStringLiteral("output"), QString(), QStringLiteral("FILE.ics"));
    QCommandLineParser parser;
    if (!ParseCommandOptions(parser, QStringLiteral("calendar"),
            { birthOption, fromOption, monthsOption, nameOption, outputOption }, arguments, error))
        return std::nullopt;

    CalendarOptions options;
    options.helpRequested = parser.isSet(QStringLiteral("help"));
    if (options.helpRequested)
        return options;

    const std::optional<QDate> birth = ReadRequiredBirth(parser, QStringLiteral("calendar"), error);
    if (!birth)
        return std::nullopt;
    options.birth = *birth;
    if (parser.isSet(fromOption)) {
        const std::optional<QDate> from = ReadMonthOption(parser.value(fromOption), error, QStringLiteral("--from"));
        if (!from)
            return std::nullopt;
        options.from = *from;
    }
    if (parser.isSet(monthsOption)
        && (!ParseSmallNumber(parser.value(monthsOption), &options.months) || options.months < 1
            || options.months > kMostExportMonths)) {
        *error = Translated("Command", "--months must be a number from 1 to %1, not '%2'")
                     .arg(kMostExportMonths)
                     .arg(PrintableText(parser.value(monthsOption)));
        return std::nullopt;
    }
    if (parser.isSet(nameOption)) {
        const std::optional<QString> name = ReadNameOption(parser.value(nameOption), kLongestName, error);
        if (!name)
            return std::nullopt;
        options.name = *name;
    }
    const std::optional<QString> output = ReadRequiredOutput(parser, QStringLiteral("calendar"), QStringLiteral("FILE.ics"), error);
    if (!output)
        return std::nullopt;
    options.output = *output;
    return options;
}

bool CompleteCalendarOptions(CalendarOptions& options, const QDate& today, QString* error)
{
    if (!options.from.isValid())
        options.from = QDate(today.year(), today.month(), 1);
    if (options.months == 0)
        options.months = kDefaultExportMonths;
    if (!CheckChartedMonth(options.birth, options.from, today, error, QStringLiteral("--from")))
        return false;
    const int left = MonthsLeftInCalendar(options.from);
    if (options.months > left) {
        *error = Translated("Command", "--months %1 from %2 runs past %3-12; at most %4 months are left")
                     .arg(options.months)
                     .arg(QString::fromStdString(FormatIsoMonth(options.from.year(), options.from.month())))
                     .arg(kLastYear)
                     .arg(left);
        return false;
    }
    return true;
}
