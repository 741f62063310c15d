// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/TextOutput.h"


struct MonthReport;

// Writes the report as two aligned tables: the month's days, and the
// long-cycle boundaries that fall inside the month.
void WriteReportText(const MonthReport& report, CTextOutput& out);
