// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/TextOutput.h"

#include <QStringList>


// `ryvanta calendar`: writes a person's long-cycle boundaries and critical
// days as an iCalendar file. The arguments are those after "calendar".
// Returns 0, or 2 with one line on err on a fault; nothing is written then.
int RunCalendar(const QStringList& arguments, CTextOutput& out, CTextOutput& err);

extern const char kCalendarUsage[];
