// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The program's own texts, the long-cycle labels and the critical-day
// messages among them, carry the blanks that placed them on the window.
// Written anywhere else they go without them.

// A program text without its leading and trailing blanks.
std::string TrimBlanks(const char* text);
// The text without the blanks it starts with; trailing blanks belong to it.
std::string TrimLeadingBlanks(const char* text);
