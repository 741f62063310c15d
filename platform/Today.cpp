#include "platform/Today.h"

#include "platform/IsoDate.h"
#include "platform/PrintableText.h"

#include <QtGlobal>

namespace {

const char kTodayVariable[] = "RYVANTA_TODAY";

} // namespace

std::optional<QDate> ReadToday(QString* error)
{
    if (qEnvironmentVariableIsEmpty(kTodayVariable))
        return QDate::currentDate();
    const QString value = qEnvironmentVariable(kTodayVariable);
    if (std::optional<QDate> date = ParseIsoDate(value))
        return date;
    if (error)
        *error = QStringLiteral("%1 must be a date YYYY-MM-DD, not '%2'").arg(QLatin1String(kTodayVariable), PrintableText(value));
    return std::nullopt;
}

QDate Today()
{
    return ReadToday().value_or(QDate::currentDate());
}
