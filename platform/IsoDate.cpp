// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IsoDate.h"

#include "platform/AsciiDigits.h"

namespace {

// The number written by exactly these ASCII digits, or -1.
int Digits(QStringView digits)
{
    return IsAsciiDigits(digits) ? digits.toInt() : -1;
}

// "YYYY-MM" followed by "-DD" when withDay, and nothing else.
std::optional<QDate> ParseDate(QStringView text, bool withDay)
{
    if (text.size() != (withDay ? 10 : 7) || text[4] != QLatin1Char('-') || (withDay && text[7] != QLatin1Char('-')))
        return std::nullopt;
    const int year = Digits(text.sliced(0, 4));
    const int month = Digits(text.sliced(5, 2));
    const int day = withDay ? Digits(text.sliced(8, 2)) : 1;
    const QDate date(year, month, day);
    if (year < 0 || month < 0 || day < 0 || !date.isValid())
        return std::nullopt;
    return date;
}

} // namespace

std::optional<QDate> ParseIsoDate(const QString& text)
{
    return ParseDate(text, true);
}

std::optional<QDate> ParseIsoMonth(const QString& text)
{
    return ParseDate(text, false);
}
