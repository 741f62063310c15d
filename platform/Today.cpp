#include "platform/Today.h"

#include <QRegularExpression>
#include <QtGlobal>

namespace {

const char kTodayVariable[] = "RYVANTA_TODAY";

} // namespace

std::optional<QDate> ParseIsoDate(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{4})-([0-9]{2})-([0-9]{2})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<QDate> ReadToday(QString* error)
{
    if (qEnvironmentVariableIsEmpty(kTodayVariable))
        return QDate::currentDate();
    const QString value = qEnvironmentVariable(kTodayVariable);
    if (std::optional<QDate> date = ParseIsoDate(value))
        return date;
    if (error)
        *error = QStringLiteral("%1 must be a date YYYY-MM-DD, not '%2'").arg(QLatin1String(kTodayVariable), value);
    return std::nullopt;
}

QDate Today()
{
    return ReadToday().value_or(QDate::currentDate());
}
