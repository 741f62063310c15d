// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CBiorhythmDlg;
struct RenderOptions;

// Puts the window where a user leaves it, through the window's own
// handlers: Reset, a click on the birth day, Start, Next or Previous month
// to the month and the walk over its boundaries to its end; then the chart
// view and, with a day, current-month mode and a click on that day. With a
// second birth date, Insert, a click on it, Insert and Compare take the
// place of Start, and there is no walk. The window must have been shown.
void ChartMonthAsUser(CBiorhythmDlg& dialog, const RenderOptions& options);
