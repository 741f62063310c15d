// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

#include <optional>

// A date written as YYYY-MM-DD and a month written as YYYY-MM, in ASCII
// digits and nothing else: no sign, no blank and no line break before or
// after. An empty optional when the text is not of that form or names no day
// (no month) of the calendar. A month is given as its first day.
std::optional<QDate> ParseIsoDate(const QString& text);
std::optional<QDate> ParseIsoMonth(const QString& text);
