// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

struct CalendarOptions
{
    QDate birth;
    QDate from;       // first day of the first month; invalid: today's month
    int months = 0;   // 0: the default
    QString name;     // empty: none
    QString output;
    bool helpRequested = false;
};

// Reads the arguments that follow "calendar": --birth YYYY-MM-DD,
// --from YYYY-MM, --months N (1 to 60), --name TEXT and --output FILE, each
// also as --option=value. On a fault the result is empty and error holds
// one line describing it.
std::optional<CalendarOptions> ParseCalendarOptions(const QStringList& arguments, QString* error);

// Fills in today's month and the default span when none was given, and
// checks the span against the birth date, today and the calendar's end.
bool CompleteCalendarOptions(CalendarOptions& options, const QDate& today, QString* error);
