// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Narrowing.h"

#include "platform/DeviceContext.h"
#include "platform/Gdi.h"
#include "platform/RunCache.h"

#include <QFontMetrics>
#include <QHash>

#include <algorithm>

namespace {

// Narrower than this, a text is harder to read than a line that breaks.
constexpr int kNarrowestStretch = 80;

} // namespace

namespace {

std::optional<int> MeasureStretchToFit(const QFont& font, const QString& text, int room)
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

struct FitRequest {
    QFont font;
    QString text;
    int room;
    bool operator==(const FitRequest&) const = default;
};

size_t qHash(const FitRequest& request, size_t seed = 0)
{
    return qHashMulti(seed, request.font, request.text, request.room);
}

} // namespace

// The chart asks for the same few captions at every paint, and measuring a
// text lays it out anew each time.
std::optional<int> StretchToFit(const QFont& font, const QString& text, int room)
{
    constexpr qsizetype kMostRequests = 1024;
    static QHash<FitRequest, std::optional<int>> fits;
    return Remembered(fits, FitRequest { font, text, room }, kMostRequests,
        [&] { return MeasureStretchToFit(font, text, room); });
}

void TextOutInRoom(CDC& dc, int x, int y, const QString& text, const CFont& font, int room)
{
    const std::optional<int> stretch = StretchToFit(font.ToQFont(), text, room);
    if (!stretch) {
        dc.TextOut(x, y, text);
        return;
    }
    CFont narrow = font;
    narrow.SetStretch(*stretch);
    CFont* before = dc.SelectObject(&narrow);
    dc.TextOut(x, y, text);
    dc.SelectObject(before);
}
