// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/TextOutput.h"

#include <QStringList>


// `ryvanta report`: one month of a person's biorhythms, as text or JSON.
// The arguments are those after "report". Writes the report to out, or one
// line to err on a fault. Returns the exit status: 0, or 2 on a fault.
int RunReport(const QStringList& arguments, CTextOutput& out, CTextOutput& err);

// The command's usage line, indented to follow the program's own.
extern const char kReportUsage[];
