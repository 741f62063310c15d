// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/RenderOptions.h"

#include "app/Translation.h"
#include "cli/CommandOptions.h"
#include "cli/DateOptions.h"
#include "cli/IsoDateText.h"
#include "model/CalendarArithmetic.h"
#include "platform/PrintableText.h"

#include <utility>

namespace {

constexpr int kLargestScale = 4;

// The views by the names --view takes.
constexpr std::pair<const char*, ChartView> kViewNames[] = {
    { "year", ChartView::Year }, { "rhythms", ChartView::Rhythms }, { "summary", ChartView::Summary } };

QString ViewName(ChartView view)
{
    for (const auto& [name, named] : kViewNames) {
        if (named == view)
            return QLatin1String(name);
    }
    return {};
}

} // namespace

std::optional<ChartView> ReadViewOption(const QString& value, QString* error)
{
    for (const auto& [name, view] : kViewNames) {
        if (value == QLatin1String(name))
            return view;
    }
    *error = Translated("Command", "--view must be year, rhythms or summary, not '%1'").arg(PrintableText(value));
    return std::nullopt;
}

std::optional<RenderOptions> ParseRenderOptions(const QStringList& arguments, QString* error)
{
    const QCommandLineOption birthOption(QStringLiteral("birth"), QString(), QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption compareOption(QStringLiteral("compare"), QString(), QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption monthOption(QStringLiteral("month"), QString(), QStringLiteral("YYYY-MM"));
    const QCommandLineOption dayOption(QStringLiteral("day"), QString(), QStringLiteral("D"));
    const QCommandLineOption viewOption(QStringLiteral("view"), QString(), QStringLiteral("year|rhythms|summary"));
    const QCommandLineOption scaleOption(QStringLiteral("scale"), QString(), QStringLiteral("N"));
    const QCommandLineOption chartOption(QStringLiteral("chart"));
    const QCommandLineOption outputOption(QStringLiteral("output"), QString(), QStringLiteral("FILE.png"));
    QCommandLineParser parser;
    if (!ParseCommandOptions(parser, QStringLiteral("render"),
            { birthOption, compareOption, monthOption, dayOption, viewOption, scaleOption, chartOption, outputOption }, arguments, error))
        return std::nullopt;

    RenderOptions options;
    options.helpRequested = parser.isSet(QStringLiteral("help"));
    if (options.helpRequested)
        return options;

    const std::optional<QDate> birth = ReadRequiredBirth(parser, QStringLiteral("render"), error);
    if (!birth)
        return std::nullopt;
    options.birth = *birth;
    if (parser.isSet(compareOption)) {
        const std::optional<QDate> compare = ReadBirthOption(parser.value(compareOption), error, QStringLiteral("--compare"));
        if (!compare)
            return std::nullopt;
        options.compare = *compare;
    }
    if (parser.isSet(monthOption)) {
        const std::optional<QDate> month = ReadMonthOption(parser.value(monthOption), error);
        if (!month)
            return std::nullopt;
        options.month = month->month();
        options.year = month->year();
    }
    if (parser.isSet(dayOption) && (!ParseSmallNumber(parser.value(dayOption), &options.day) || options.day < 1)) {
        *error = Translated("Command", "--day needs a day of the month, not '%1'").arg(PrintableText(parser.value(dayOption)));
        return std::nullopt;
    }
    if (parser.isSet(viewOption)) {
        const std::optional<ChartView> view = ReadViewOption(parser.value(viewOption), error);
        if (!view)
            return std::nullopt;
        options.view = *view;
    }
    if (parser.isSet(scaleOption)
        && (!ParseSmallNumber(parser.value(scaleOption), &options.scale) || options.scale < 1 || options.scale > kLargestScale)) {
        *error = Translated("Command", "--scale must be 1, 2, 3 or 4, not '%1'").arg(PrintableText(parser.value(scaleOption)));
        return std::nullopt;
    }
    options.chartOnly = parser.isSet(chartOption);
    const std::optional<QString> output = ReadRequiredOutput(parser, QStringLiteral("render"), QStringLiteral("FILE.png"), error);
    if (!output)
        return std::nullopt;
    options.output = *output;
    return options;
}

bool CompleteRenderOptions(RenderOptions& options, const QDate& today, QString* error)
{
    if (options.month == 0) {
        options.month = today.month();
        options.year = today.year();
    }
    if (!CheckChartedMonth(options.birth, QDate(options.year, options.month, 1), today, error))
        return false;
    if (options.compare.isValid()) {
        if (!CheckChartedMonth(options.compare, QDate(options.year, options.month, 1), today, error)) {
            error->prepend(QStringLiteral("--compare: "));
            return false;
        }
        // A comparison is drawn on the yearly curves alone.
        if (options.view != ChartView::Year) {
            *error = Translated("Command", "--compare draws the year view only, not --view %1").arg(ViewName(options.view));
            return false;
        }
    }
    const int monthLength = DaysInMonth(options.month, options.year);
    if (options.day > monthLength) {
        *error = Translated("Command", "--day must lie between 1 and %1 in %2, not %3")
                     .arg(monthLength)
                     .arg(QString::fromStdString(FormatIsoMonth(options.year, options.month)))
                     .arg(options.day);
        return false;
    }
    // "Summary" ends current-month mode, so no day can be picked there.
    if (options.day != 0 && options.view == ChartView::Summary) {
        *error = Translated("Command", "--day cannot be used with --view summary");
        return false;
    }
    return true;
}
