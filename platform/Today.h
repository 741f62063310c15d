// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

#include <optional>

// Today: the machine's local date, or the date (YYYY-MM-DD) in the program's
// today variable when that is set and not empty, so that a run can be
// repeated on another day. A malformed value gives no date and, when error
// is given, a description of the fault.
std::optional<QDate> ReadToday(QString* error = nullptr);

// Today for callers that must go on regardless: the date of the today
// variable when it is valid, otherwise the machine's local date.
QDate Today();
