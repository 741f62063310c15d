// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Today.h"

#include "platform/IsoDate.h"
#include "platform/PrintableText.h"
#include "platform/ProgramIdentity.h"

#include <QtGlobal>

std::optional<QDate> ReadToday(QString* error)
{
    const QString variable = GetProgramIdentity().todayVariable;
    const QByteArray name = variable.toLocal8Bit();
    if (variable.isEmpty() || qEnvironmentVariableIsEmpty(name.constData()))
        return QDate::currentDate();
    const QString value = qEnvironmentVariable(name.constData());
    if (std::optional<QDate> date = ParseIsoDate(value))
        return date;
    if (error)
        *error = QStringLiteral("%1 must be a date YYYY-MM-DD, not '%2'").arg(variable, PrintableText(value));
    return std::nullopt;
}

QDate Today()
{
    return ReadToday().value_or(QDate::currentDate());
}
