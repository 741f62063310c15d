// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

#include <optional>

// A label's one-line text that is a little too wide for its room is drawn
// narrower rather than losing its end: the widest stretch (percent) of font
// at which text fits in room pixels, though never narrower than still reads
// well; nothing when the text fits as it is.
std::optional<int> StretchToFit(const QFont& font, const QString& text, int room);

// Writes text at x, y in the font selected into dc, font, narrowed as the
// labels narrow a text too wide for its room: a caption in a longer
// language keeps clear of what is drawn beside it.
class CDC;
class CFont;
void TextOutInRoom(CDC& dc, int x, int y, const QString& text, const CFont& font, int room);

// A text a control draws, the font it is drawn in and the width it has
// before it runs into its neighbour. The source is the catalogue's English
// text, or null for a name the locale gives.
struct TextRoom
{
    const char* source = nullptr;
    QString text;
    QFont font;
    int room = 0;
};
