// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <iosfwd>

// `ryvanta sheet`: a month's printable sheet as a PDF file. The arguments
// are those after "sheet". Returns 0, or 2 with one line on err on a fault.
int RunSheet(const QStringList& arguments, std::ostream& out, std::ostream& err);

extern const char kSheetUsage[];
