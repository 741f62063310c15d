// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

#include <algorithm>

// Whether the text is one or more of the digits 0 to 9 and nothing else, as
// dates, counts and display numbers are written. Checked by hand: a regular
// expression would load and compile the matcher library, which costs a
// command more memory than its whole window.
inline bool IsAsciiDigits(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}
