// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineParser>
#include <QDate>
#include <QString>

#include <optional>

// The person's birth date and the charted month, as report and render take
// them. Each reader answers an empty optional and one line in error when the
// value is not of its form, names no day (month) of the calendar or lies
// outside the calendar's years. A month is given as its first day.
std::optional<QDate> ReadBirthOption(const QString& value, QString* error,
    const QString& option = QStringLiteral("--birth"));
std::optional<QDate> ReadMonthOption(const QString& value, QString* error,
    const QString& option = QStringLiteral("--month"));

// The --birth that every charting command needs, from its parsed command
// line; its absence is an error that names the command.
std::optional<QDate> ReadRequiredBirth(const QCommandLineParser& parser, const QString& command, QString* error);

// The checks that need today: the month within the calendar's years (it may
// be today's, taken when none was given), the birth date not later than
// today, and the month not before the birth month.
bool CheckChartedMonth(const QDate& birth, const QDate& month, const QDate& today, QString* error,
    const QString& option = QStringLiteral("--month"));
