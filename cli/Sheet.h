// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/TextOutput.h"

#include <QStringList>


// `ryvanta sheet`: a month's printable sheet as a PDF file. The arguments
// are those after "sheet". Returns 0, or 2 with one line on err on a fault.
int RunSheet(const QStringList& arguments, CTextOutput& out, CTextOutput& err);

extern const char kSheetUsage[];
