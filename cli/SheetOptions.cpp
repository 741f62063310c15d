// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/SheetOptions.h"

#include "app/Translation.h"
#include "cli/CommandOptions.h"
#include "cli/DateOptions.h"
#include "platform/PrintableText.h"

#include <algorithm>
#include <utility>

namespace {

// A name heads the page on one line.
constexpr int kLongestName = 40;

constexpr std::pair<const char*, QPageSize::PageSizeId> kPaperNames[] = {
    { "a4", QPageSize::A4 }, { "letter", QPageSize::Letter } };

} // namespace

std::optional<SheetOptions> ParseSheetOptions(const QStringList& arguments, QString* error)
{
    const QCommandLineOption birthOption(QStringLiteral("birth"), QString(), QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption compareOption(QStringLiteral("compare"), QString(), QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption monthOption(QStringLiteral("month"), QString(), QStringLiteral("YYYY-MM"));
    const QCommandLineOption viewOption(QStringLiteral("view"), QString(), QStringLiteral("year|rhythms|summary"));
    const QCommandLineOption nameOption(QStringLiteral("name"), QString(), QStringLiteral("TEXT"));
    const QCommandLineOption paperOption(QStringLiteral("paper"), QString(), QStringLiteral("a4|letter"));
    const QCommandLineOption outputOption(QStringLiteral("output"), QString(), QStringLiteral("FILE.pdf"));
    QCommandLineParser parser;
    if (!ParseCommandOptions(parser, QStringLiteral("sheet"),
            { birthOption, compareOption, monthOption, viewOption, nameOption, paperOption, outputOption }, arguments, error))
        return std::nullopt;

    SheetOptions options;
    options.helpRequested = parser.isSet(QStringLiteral("help"));
    if (options.helpRequested)
        return options;

    const std::optional<QDate> birth = ReadRequiredBirth(parser, QStringLiteral("sheet"), error);
    if (!birth)
        return std::nullopt;
    options.chart.birth = *birth;
    if (parser.isSet(compareOption)) {
        const std::optional<QDate> compare = ReadBirthOption(parser.value(compareOption), error, QStringLiteral("--compare"));
        if (!compare)
            return std::nullopt;
        options.chart.compare = *compare;
    }
    if (parser.isSet(monthOption)) {
        const std::optional<QDate> month = ReadMonthOption(parser.value(monthOption), error);
        if (!month)
            return std::nullopt;
        options.chart.month = month->month();
        options.chart.year = month->year();
    }
    if (parser.isSet(viewOption)) {
        const std::optional<ChartView> view = ReadViewOption(parser.value(viewOption), error);
        if (!view)
            return std::nullopt;
        options.chart.view = *view;
    }
    if (parser.isSet(nameOption)) {
        const std::optional<QString> name = ReadNameOption(parser.value(nameOption), kLongestName, error);
        if (!name)
            return std::nullopt;
        options.name = *name;
    }
    if (parser.isSet(paperOption)) {
        const QString paper = parser.value(paperOption);
        const auto named = std::find_if(std::begin(kPaperNames), std::end(kPaperNames),
            [&paper](const auto& entry) { return paper == QLatin1String(entry.first); });
        if (named == std::end(kPaperNames)) {
            *error = Translated("Command", "--paper must be a4 or letter, not '%1'").arg(PrintableText(paper));
            return std::nullopt;
        }
        options.paper = named->second;
    }
    const std::optional<QString> output = ReadRequiredOutput(parser, QStringLiteral("sheet"), QStringLiteral("FILE.pdf"), error);
    if (!output)
        return std::nullopt;
    options.output = *output;
    return options;
}

bool CompleteSheetOptions(SheetOptions& options, const QDate& today, QString* error)
{
    return CompleteRenderOptions(options.chart, today, error);
}
