// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// "2026-12-05" and "2026-12": a date and a month written back in the form
// the options take them, for the report and for the lines that quote them.
std::string FormatIsoDate(int year, int month, int day);
std::string FormatIsoMonth(int year, int month);
