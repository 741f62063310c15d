#pragma once

#include <QDate>
#include <QString>

#include <optional>

// Today: the machine's local date, or the date in RYVANTA_TODAY (YYYY-MM-DD)
// when that variable is set and not empty, so that a run can be repeated on
// another day. A malformed RYVANTA_TODAY gives no date and, when error is
// given, a description of the fault.
std::optional<QDate> ReadToday(QString* error = nullptr);

// Today for callers that must go on regardless: the date of RYVANTA_TODAY
// when it is valid, otherwise the machine's local date.
QDate Today();
