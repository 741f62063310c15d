// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The text as it may be shown inside a one-line message: control characters
// and line or paragraph separators are written as escapes (\n, \t, \r, \x1b,
// \u2028), and a lone surrogate that stands for a byte which was not UTF-8
// (U+DC80..U+DCFF) as that byte (\xff), so nothing in it can break the line or
// drive the terminal.
QString PrintableText(const QString& text);
