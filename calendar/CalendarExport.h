// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

// How many months an export covers unless told otherwise, and at most.
inline constexpr int kDefaultExportMonths = 12;
inline constexpr int kMostExportMonths = 60;

// A person's months as calendar events: every long-cycle boundary as a
// moment in local time, and every critical day (one rhythm or more in its
// critical window) as a whole day.
struct CalendarExport
{
    QDate birth;
    QString name;        // leads every summary; empty for none
    QDate firstMonth;    // its first day, not before the birth month
    int months = kDefaultExportMonths;
    QDate stamp;         // the day the export is made
};

// The iCalendar (RFC 5545) file of the export, in UTF-8 with CRLF line
// ends. The same export made on the same day gives the same bytes, and
// each event keeps its UID from one export to the next, so that a
// calendar that imports the file again updates the events it holds.
QByteArray CalendarText(const CalendarExport& request);

// The months from firstMonth up to and including the last month the
// program charts, December of kLastYear.
int MonthsLeftInCalendar(const QDate& firstMonth);
