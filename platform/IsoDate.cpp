// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IsoDate.h"

#include <QRegularExpression>

namespace {

// Anchored at both ends of the text: a plain "$" would also match before a
// final line break.
std::optional<QDate> ParseDate(const QRegularExpression& pattern, const QString& text)
{
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int day = match.lastCapturedIndex() == 3 ? match.captured(3).toInt() : 1;
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

} // namespace

std::optional<QDate> ParseIsoDate(const QString& text)
{
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(QStringLiteral("([0-9]{4})-([0-9]{2})-([0-9]{2})")));
    return ParseDate(pattern, text);
}

std::optional<QDate> ParseIsoMonth(const QString& text)
{
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(QStringLiteral("([0-9]{4})-([0-9]{2})")));
    return ParseDate(pattern, text);
}
