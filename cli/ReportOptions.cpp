#include "cli/ReportOptions.h"

#include "platform/Today.h"

#include <QRegularExpression>

namespace {

const QDate kFirstDate(1850, 1, 1);
const QDate kLastDate(2100, 12, 31);

bool ParseMonth(const QString& text, int* month, int* year)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{4})-([0-9]{2})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    *year = match.captured(1).toInt();
    *month = match.captured(2).toInt();
    return *month >= 1 && *month <= 12;
}

bool ApplyOption(ReportOptions& options, const QString& name, const QString& value, QString* error)
{
    if (name == QLatin1String("--birth")) {
        const std::optional<QDate> birth = ParseIsoDate(value);
        if (!birth) {
            *error = QStringLiteral("--birth needs a date YYYY-MM-DD that exists, not '%1'").arg(value);
            return false;
        }
        if (*birth < kFirstDate || *birth > kLastDate) {
            *error = QStringLiteral("--birth must lie between 1850-01-01 and 2100-12-31, not %1").arg(value);
            return false;
        }
        options.birth = *birth;
        return true;
    }
    if (name == QLatin1String("--month")) {
        if (!ParseMonth(value, &options.month, &options.year)) {
            *error = QStringLiteral("--month needs a month YYYY-MM, not '%1'").arg(value);
            return false;
        }
        if (options.year < kFirstDate.year() || options.year > kLastDate.year()) {
            *error = QStringLiteral("--month must lie between 1850-01 and 2100-12, not %1").arg(value);
            return false;
        }
        return true;
    }
    if (value == QLatin1String("text")) {
        options.format = ReportFormat::Text;
        return true;
    }
    if (value == QLatin1String("json")) {
        options.format = ReportFormat::Json;
        return true;
    }
    *error = QStringLiteral("--format must be text or json, not '%1'").arg(value);
    return false;
}

} // namespace

std::optional<ReportOptions> ParseReportOptions(const QStringList& arguments, QString* error)
{
    static const QStringList kValueOptions = {
        QStringLiteral("--birth"), QStringLiteral("--month"), QStringLiteral("--format")};

    ReportOptions options;
    for (qsizetype position = 0; position < arguments.size(); ++position) {
        const QString& argument = arguments[position];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.helpRequested = true;
            return options;
        }
        QString name = argument;
        QString value;
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const bool inlineValue = argument.startsWith(QLatin1String("--")) && equals > 0;
        if (inlineValue) {
            name = argument.left(equals);
            value = argument.mid(equals + 1);
        }
        if (!kValueOptions.contains(name)) {
            *error = argument.startsWith(QLatin1Char('-'))
                ? QStringLiteral("report: unknown option '%1'").arg(argument)
                : QStringLiteral("report: unexpected argument '%1'").arg(argument);
            return std::nullopt;
        }
        if (!inlineValue) {
            if (position + 1 >= arguments.size() || arguments[position + 1].startsWith(QLatin1String("--"))) {
                *error = QStringLiteral("%1 needs a value").arg(name);
                return std::nullopt;
            }
            value = arguments[++position];
        }
        if (!ApplyOption(options, name, value, error))
            return std::nullopt;
    }

    if (!options.birth.isValid()) {
        *error = QStringLiteral("report needs --birth YYYY-MM-DD");
        return std::nullopt;
    }
    if (options.month == 0) {
        *error = QStringLiteral("report needs --month YYYY-MM");
        return std::nullopt;
    }
    return options;
}

bool CheckReportDates(const ReportOptions& options, const QDate& today, QString* error)
{
    if (options.birth > today) {
        *error = QStringLiteral("Invalid date of birth! Date of birth must be in the past.");
        return false;
    }
    const QDate firstOfMonth(options.year, options.month, 1);
    const QDate firstOfBirthMonth(options.birth.year(), options.birth.month(), 1);
    if (firstOfMonth < firstOfBirthMonth) {
        *error = QStringLiteral("The person was not born yet at the period of interest!");
        return false;
    }
    return true;
}
