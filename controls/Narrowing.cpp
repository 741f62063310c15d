// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Narrowing.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

// Narrower than this, a text is harder to read than a line that breaks.
constexpr int kNarrowestStretch = 80;

} // namespace

std::optional<int> StretchToFit(const QFont& font, const QString& text, int room)
{
    const int advance = QFontMetrics(font).horizontalAdvance(text);
    if (advance <= room)
        return std::nullopt;
    // Hinting rounds every glyph, so the proportional stretch can still
    // leave a pixel or two too many.
    QFont narrowed = font;
    int stretch = std::max(kNarrowestStretch, 100 * room / advance);
    for (; stretch > kNarrowestStretch; --stretch) {
        narrowed.setStretch(stretch);
        if (QFontMetrics(narrowed).horizontalAdvance(text) <= room)
            break;
    }
    return stretch;
}
