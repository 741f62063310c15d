// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DateOptions.h"

#include "app/Translation.h"
#include "cli/IsoDateText.h"
#include "model/CalendarArithmetic.h"
#include "platform/IsoDate.h"
#include "platform/PrintableText.h"

namespace {

bool InCalendarYears(const QDate& date)
{
    return date.year() >= kFirstYear && date.year() <= kLastYear;
}

} // namespace

std::optional<QDate> ReadBirthOption(const QString& value, QString* error, const QString& option)
{
    const std::optional<QDate> birth = ParseIsoDate(value);
    if (!birth) {
        *error = Translated("Command", "%1 needs a date YYYY-MM-DD that exists, not '%2'").arg(option, PrintableText(value));
        return std::nullopt;
    }
    if (!InCalendarYears(*birth)) {
        *error = Translated("Command", "%1 must lie between %2-01-01 and %3-12-31, not %4")
                     .arg(option).arg(kFirstYear).arg(kLastYear).arg(value);
        return std::nullopt;
    }
    return birth;
}

std::optional<QDate> ReadRequiredBirth(const QCommandLineParser& parser, const QString& command, QString* error)
{
    if (!parser.isSet(QStringLiteral("birth"))) {
        *error = Translated("Command", "%1 needs --birth YYYY-MM-DD").arg(command);
        return std::nullopt;
    }
    return ReadBirthOption(parser.value(QStringLiteral("birth")), error);
}

std::optional<QDate> ReadMonthOption(const QString& value, QString* error, const QString& option)
{
    const std::optional<QDate> month = ParseIsoMonth(value);
    if (!month) {
        *error = Translated("Command", "%1 needs a month YYYY-MM, not '%2'").arg(option, PrintableText(value));
        return std::nullopt;
    }
    return month;
}

bool CheckChartedMonth(const QDate& birth, const QDate& month, const QDate& today, QString* error, const QString& option)
{
    if (!InCalendarYears(month)) {
        *error = Translated("Command", "%1 must lie between %2-01 and %3-12, not %4")
                     .arg(option)
                     .arg(kFirstYear)
                     .arg(kLastYear)
                     .arg(QString::fromStdString(FormatIsoMonth(month.year(), month.month())));
        return false;
    }
    if (birth > today) {
        *error = Translated("Command", "Invalid date of birth! Date of birth must be in the past.");
        return false;
    }
    if (month < QDate(birth.year(), birth.month(), 1)) {
        *error = Translated("Command", "The person was not born yet at the period of interest!");
        return false;
    }
    return true;
}
