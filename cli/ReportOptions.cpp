#include "cli/ReportOptions.h"

#include "cli/OptionScanner.h"
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
    ReportOptions options;
    const OptionScan scan {
        QStringLiteral("report"),
        { QStringLiteral("--birth"), QStringLiteral("--month"), QStringLiteral("--format") },
        {},
        [&options](const QString& name, const QString& value, QString* fault) {
            return ApplyOption(options, name, value, fault);
        },
    };
    if (!ScanOptions(scan, arguments, &options.helpRequested, error))
        return std::nullopt;
    if (options.helpRequested)
        return options;

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
