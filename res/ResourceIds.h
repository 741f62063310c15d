// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every number the program knows a resource, control or private message by.
// The numbers are part of the program's identity (the buttons pick their
// pictures by control id, the calendar names its template in the click it
// posts), so they are written here once and everywhere else by name.

// Dialog templates.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_RYVANTA_DIALOG = 102;
inline constexpr int IDD_LIST = 137;
inline constexpr int IDD_CALENDAR = 138;

// Icons.
inline constexpr int IDI_PROGRAM = 130;
inline constexpr int IDI_HELP = 131;
inline constexpr int IDI_LIST = 135;
inline constexpr int IDI_DAY_WARNING = 139;
inline constexpr int IDI_STATUS_WARNING = 140;
inline constexpr int IDI_INFO = 141;
inline constexpr int IDI_INFO_INACTIVE = 143;
inline constexpr int IDI_INSERT = 149;
inline constexpr int IDI_REMOVE = 150;
inline constexpr int IDI_RESET = 151;
inline constexpr int IDI_COMPARE = 152;
inline constexpr int IDI_CURRENT_MONTH = 154;
inline constexpr int IDI_COMPARE_INACTIVE = 155;
inline constexpr int IDI_REMOVE_INACTIVE = 156;
inline constexpr int IDI_INSERT_INACTIVE = 157;
inline constexpr int IDI_STATUS_ARROW = 158;
inline constexpr int IDI_MARK1 = 159;
inline constexpr int IDI_MARK2 = 160;
inline constexpr int IDI_LOCK = 161;
inline constexpr int IDI_CURRENT_MONTH_INACTIVE = 162;
inline constexpr int IDI_CLOCK = 163;
inline constexpr int IDI_SAVED_WARNING = 164;

// Bitmaps: the season pictures.
inline constexpr int IDB_AUTUMN = 146;
inline constexpr int IDB_SUMMER = 148;

// Controls of the main window.
inline constexpr int IDC_PREV_MONTH = 1001;
inline constexpr int IDC_PREV_DATE = 1002;
inline constexpr int IDC_START = 1003;
inline constexpr int IDC_NEXT_DATE = 1004;
inline constexpr int IDC_NEXT_MONTH = 1005;
inline constexpr int IDC_HELP_LINE = 1007;
inline constexpr int IDC_CHART = 1008;
inline constexpr int IDC_BIRTH1 = 1009;
inline constexpr int IDC_BIRTH2 = 1010;
inline constexpr int IDC_HELP = 1011;
inline constexpr int IDC_LIST = 1019;
inline constexpr int IDC_PERSONS = 1020;
inline constexpr int IDC_INFO = 1037;
inline constexpr int IDC_TIME = 1041;
inline constexpr int IDC_RHYTHMS = 1053;
inline constexpr int IDC_SEASON_PICTURE = 1054;
inline constexpr int IDC_TOOLS = 1058;
inline constexpr int IDC_REMOVE = 1059;
inline constexpr int IDC_INSERT = 1060;
inline constexpr int IDC_RESET = 1061;
inline constexpr int IDC_COMPARE = 1062;
inline constexpr int IDC_CURRENT_MONTH = 1063;

// Controls of the list dialog.
inline constexpr int IDC_LIST_ADD = 1023;
inline constexpr int IDC_LIST_NAME = 1027;
inline constexpr int IDC_LIST_INFO = 1028;
inline constexpr int IDC_LIST_REMOVE = 1029;

// Controls of the calendar panel.
inline constexpr int IDC_CALENDAR_MONTH = 1031;
inline constexpr int IDC_CALENDAR_YEAR = 1032;
inline constexpr int IDC_CALENDAR_DAYS = 1033;

// The system menu's About entry.
inline constexpr unsigned int IDM_ABOUTBOX = 0x0010;
// The window menu's Print entry.
inline constexpr unsigned int IDM_PRINT = 0x0020;
// The system menu's export to a calendar file.
inline constexpr unsigned int IDM_EXPORT_CALENDAR = 0x0030;

// The window timer of the timed walk over a month's boundaries.
inline constexpr unsigned int IDT_SCAN = 1;

// Private messages. The calendar panel posts WM_CALENDAR_CLICKED to its
// parent after a click on a day cell, with wParam IDD_CALENDAR.
inline constexpr unsigned int WM_CALENDAR_CLICKED = 0x0400 + 5;
