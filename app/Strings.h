// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The program's string table: the system menu's About entry and the
// tooltips of the main window's buttons.
enum StringId {
    IDS_ABOUTBOX = 101,
    IDS_TIP_INFO = 104,
    IDS_TIP_PREV_MONTH = 105,
    IDS_TIP_PREV_DATE = 106,
    IDS_TIP_NEXT_MONTH = 107,
    IDS_TIP_NEXT_DATE = 108,
    IDS_TIP_START = 109,
    IDS_TIP_INSERT = 110,
    IDS_TIP_REMOVE = 111,
    IDS_TIP_RESET = 112,
    IDS_TIP_COMPARE = 113,
    IDS_TIP_CURRENT_MONTH = 114,
};

// The name of a month 1..12 in the user's language, as a heading or a
// list shows it (the nominative, capitalised).
QString MonthName(int month);
// Its abbreviation, for the yearly curve's axis.
QString MonthShortName(int month);
// The heading of a weekday column, Monday = 1.
QString WeekdayShortName(int weekday);
QString WeekdayName(int weekday);

// A date written out ("June 15, 1980", "15. Juni 1980").
QString LongDateText(int day, int month, int year);
// A date as a screen reader says it: "15 June 1980" in English.
QString SpokenDateText(int day, int month, int year);
// A date in figures in the locale's order with a four-digit year; in
// English month first, "06.15.1980".
QString NumericDateText(int day, int month, int year);
// Figures written with a full stop, with the decimal sign of the user's
// language instead.
QString WithDecimalSign(QString figures);

// The text of a string resource; "" for an id the table does not hold.
QString LoadString(int id);
