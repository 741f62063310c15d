// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/TextOutput.h"


struct MonthReport;

// Writes the report as one JSON object followed by a line break. Numbers
// are written in their shortest form that reads back to the same double.
void WriteReportJson(const MonthReport& report, CTextOutput& out);
