// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DeviceContext.h"

#include "platform/RunCache.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QRegion>
#include <QTextLayout>
#include <QWidget>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cwchar>
#include <span>
#include <vector>

namespace {

constexpr int kSystemFontCellHeight = 13;
constexpr int kIconSize = 32;

struct WindowLayerEntry {
    QImage image;
    QMetaObject::Connection destroyed;
};

QHash<const QWidget*, WindowLayerEntry>& WindowLayers()
{
    static QHash<const QWidget*, WindowLayerEntry> layers;
    return layers;
}

// At a fractional device pixel ratio a widget paints every device pixel its
// edges reach into, so the layer is rounded up, not to the nearest: one
// rounded down left the last column and row of such a control bare.
QSize LayerPixelSize(const QWidget* widget)
{
    const qreal ratio = widget->devicePixelRatioF();
    return QSize(static_cast<int>(std::ceil(widget->width() * ratio)), static_cast<int>(std::ceil(widget->height() * ratio)));
}

QImage* EnsureWindowLayer(QWidget* widget)
{
    Q_ASSERT(widget);
    auto& layers = WindowLayers();
    auto found = layers.find(widget);
    if (found == layers.end()) {
        WindowLayerEntry entry;
        entry.destroyed = QObject::connect(widget, &QObject::destroyed, [widget] { WindowLayers().remove(widget); });
        found = layers.insert(widget, entry);
    }
    QImage& image = found->image;
    const qreal ratio = widget->devicePixelRatioF();
    if (image.isNull() || image.size() != LayerPixelSize(widget) || image.devicePixelRatio() != ratio) {
        image = QImage(LayerPixelSize(widget).expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
    }
    return &image;
}

// While the window or one of its parents paints, the window is repainted in
// the same pass anyway; asking for another repaint from there would make the
// parent paint again, without end.
bool InsidePaintPass(const QWidget* widget)
{
    for (const QWidget* current = widget; current; current = current->parentWidget()) {
        if (current->testAttribute(Qt::WA_WState_InPaintEvent))
            return true;
    }
    return false;
}

QRect Normalised(int x, int y, int cx, int cy)
{
    const int left = std::min(x, x + cx);
    const int right = std::max(x, x + cx);
    const int top = std::min(y, y + cy);
    const int bottom = std::max(y, y + cy);
    return QRect(left, top, right - left, bottom - top);
}

// Visits the pixels of a one-pixel line from (x0, y0) up to, but not
// including, (x1, y1).
template<typename Visit>
void ForEachLinePixel(int x0, int y0, int x1, int y1, Visit visit)
{
    const int dx = std::abs(x1 - x0);
    const int dy = std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    int error = dx - dy;
    int x = x0;
    int y = y0;
    while (x != x1 || y != y1) {
        visit(x, y);
        const int doubled = 2 * error;
        if (doubled > -dy) {
            error -= dy;
            x += stepX;
        }
        if (doubled < dx) {
            error += dx;
            y += stepY;
        }
    }
}

// True when the painter maps each whole pixel onto whole device pixels by
// an integral offset and scale, the only case in which filling many
// rectangles at once rounds their edges as filling each one does.
bool MapsWholePixels(const QPainter& painter)
{
    const QTransform transform = painter.deviceTransform();
    if (transform.type() > QTransform::TxScale)
        return false;
    const auto whole = [](qreal value) { return value == std::floor(value); };
    return whole(transform.m11()) && whole(transform.m22()) && whole(transform.dx()) && whole(transform.dy());
}

// Fills rows of pixels, each width long, stride bytes apart. The C
// library's wide-character fill stores long rows several times as fast as
// a loop of vector stores; for a few pixels the call costs more than the
// stores. A frame's edges are one or two pixels wide and hundreds of rows
// long, so the choice is made once for all the rows.
void FillRows(uchar* line, qsizetype stride, int rows, int width, quint32 pixel)
{
    constexpr int kLongRow = 64;
    if constexpr (sizeof(wchar_t) == sizeof(quint32)) {
        if (width >= kLongRow) {
            for (int row = 0; row < rows; ++row, line += stride)
                std::wmemset(reinterpret_cast<wchar_t*>(line), static_cast<wchar_t>(pixel), static_cast<size_t>(width));
            return;
        }
    }
    if (width == 1) {
        for (int row = 0; row < rows; ++row, line += stride)
            *reinterpret_cast<quint32*>(line) = pixel;
        return;
    }
    if (width == 2) {
        for (int row = 0; row < rows; ++row, line += stride) {
            reinterpret_cast<quint32*>(line)[0] = pixel;
            reinterpret_cast<quint32*>(line)[1] = pixel;
        }
        return;
    }
    for (int row = 0; row < rows; ++row, line += stride)
        std::fill_n(reinterpret_cast<quint32*>(line), width, pixel);
}

// An opaque colour laid over the image a painter draws on (a picture, the
// window's back buffer, a grab), where the painter maps whole pixels onto
// it and clips to no more than the few rectangles the window system gives,
// comes out as the colour itself, so the rectangles are written straight
// into the image's rows, each edge where fillRect puts it. Qt's fill takes a
// few hundred instructions a rectangle before it writes a pixel, and a
// curve's runs and a frame's edges are one or two pixels wide.
bool FillInImage(QPainter& painter, std::span<const QRect> rects, const QColor& colour)
{
    constexpr int kMostClipRects = 16;
    if (colour.alpha() != 255 || painter.hasClipping() || painter.opacity() != 1.0
        || painter.compositionMode() != QPainter::CompositionMode_SourceOver || !MapsWholePixels(painter))
        return false;
    QImage* image = PaintedImage(painter);
    if (!image)
        return false;
    // A copy taken while painting shares the rows the painter writes to;
    // writing through this image would first part it from them.
    if (!image->isDetached())
        return false;
    const QImage::Format format = image->format();
    if (format != QImage::Format_ARGB32_Premultiplied && format != QImage::Format_ARGB32 && format != QImage::Format_RGB32)
        return false;
    const QRegion systemClip = painter.paintEngine()->systemClip();
    if (systemClip.rectCount() > kMostClipRects)
        return false;
    std::array<QRect, kMostClipRects> clipped;
    size_t areaCount = 0;
    if (systemClip.isEmpty())
        clipped[areaCount++] = image->rect();
    for (const QRect& area : systemClip)
        clipped[areaCount++] = area & image->rect();
    const std::span<const QRect> areas(clipped.data(), areaCount);

    const QTransform transform = painter.deviceTransform();
    const auto mapX = [&transform](int x) { return static_cast<int>(x * transform.m11() + transform.dx()); };
    const auto mapY = [&transform](int y) { return static_cast<int>(y * transform.m22() + transform.dy()); };
    const quint32 pixel = colour.rgba();
    uchar* const bits = image->bits();
    const qsizetype stride = image->bytesPerLine();
    for (const QRect& rect : rects) {
        const int x0 = mapX(rect.x());
        const int x1 = mapX(rect.x() + rect.width());
        const int y0 = mapY(rect.y());
        const int y1 = mapY(rect.y() + rect.height());
        for (const QRect& area : areas) {
            const int left = std::max(std::min(x0, x1), area.left());
            const int right = std::min(std::max(x0, x1), area.right() + 1);
            const int top = std::max(std::min(y0, y1), area.top());
            const int bottom = std::min(std::max(y0, y1), area.bottom() + 1);
            if (left < right && top < bottom)
                FillRows(bits + top * stride + left * qsizetype(sizeof(quint32)), stride, bottom - top, right - left, pixel);
        }
    }
    return true;
}

void FillRectangle(QPainter& painter, const QRect& rect, const QColor& colour)
{
    if (!FillInImage(painter, { &rect, 1 }, colour))
        painter.fillRect(rect, colour);
}

// Rectangles in one colour, each as fillRect would fill it. A curve is
// hundreds of short runs, and one call for all of them costs a fraction of
// a call for each.
void FillRuns(QPainter& painter, const std::vector<QRect>& runs, const QColor& colour)
{
    if (runs.empty() || FillInImage(painter, runs, colour))
        return;
    if (!MapsWholePixels(painter)) {
        for (const QRect& run : runs)
            painter.fillRect(run, colour);
        return;
    }
    const QPen pen = painter.pen();
    const QBrush brush = painter.brush();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRects(runs.data(), static_cast<int>(runs.size()));
    painter.setPen(pen);
    painter.setBrush(brush);
}

// A set of pixels inside a box, painted as horizontal runs so that every
// pixel is either fully inked or untouched.
class PixelMask
{
public:
    explicit PixelMask(const QRect& box)
        : m_box(box)
        , m_nWidth(std::max(0, box.width()))
        , m_bits(static_cast<size_t>(m_nWidth * std::max(0, box.height())), 0)
    {
    }

    const QRect& Box() const { return m_box; }

    void Set(int x, int y)
    {
        if (Inside(x, y))
            m_bits[Index(x, y)] = 1;
    }

    bool Test(int x, int y) const { return Inside(x, y) && m_bits[Index(x, y)]; }

    void SetRun(int y, int fromX, int toX)
    {
        for (int x = fromX; x <= toX; ++x)
            Set(x, y);
    }

    // The pixels that keep all four neighbours in the mask.
    PixelMask Eroded() const
    {
        PixelMask eroded(m_box);
        for (int y = m_box.top(); y <= m_box.bottom(); ++y) {
            for (int x = m_box.left(); x <= m_box.right(); ++x) {
                if (Test(x, y) && Test(x - 1, y) && Test(x + 1, y) && Test(x, y - 1) && Test(x, y + 1))
                    eroded.Set(x, y);
            }
        }
        return eroded;
    }

    PixelMask Minus(const PixelMask& other) const
    {
        PixelMask result(m_box);
        for (int y = m_box.top(); y <= m_box.bottom(); ++y) {
            for (int x = m_box.left(); x <= m_box.right(); ++x) {
                if (Test(x, y) && !other.Test(x, y))
                    result.Set(x, y);
            }
        }
        return result;
    }

    void Paint(QPainter& painter, const QColor& colour) const
    {
        std::vector<QRect> runs;
        for (int row = 0; row < m_box.height(); ++row) {
            const unsigned char* bits = m_bits.data() + static_cast<size_t>(row * m_nWidth);
            int column = 0;
            while (column < m_nWidth) {
                if (!bits[column]) {
                    ++column;
                    continue;
                }
                const int start = column;
                while (column < m_nWidth && bits[column])
                    ++column;
                runs.push_back(QRect(m_box.left() + start, m_box.top() + row, column - start, 1));
            }
        }
        FillRuns(painter, runs, colour);
    }

private:
    bool Inside(int x, int y) const
    {
        return x >= m_box.left() && x <= m_box.right() && y >= m_box.top() && y <= m_box.bottom();
    }

    size_t Index(int x, int y) const
    {
        return static_cast<size_t>((y - m_box.top()) * m_nWidth + (x - m_box.left()));
    }

    QRect m_box;
    int m_nWidth;
    std::vector<unsigned char> m_bits;
};

// The first and last column of an ellipse's row, relative to its box; the
// ellipse touches all four sides of the box.
bool EllipseRowSpan(int width, int height, int row, int& first, int& last)
{
    const double centreX = (width - 1) / 2.0;
    const double centreY = (height - 1) / 2.0;
    const double dy = (row - centreY) / (height / 2.0);
    const double remaining = 1.0 - dy * dy;
    if (remaining < 0)
        return false;
    constexpr double kTolerance = 1e-9;
    const double half = (width / 2.0) * std::sqrt(remaining);
    first = std::max(0, static_cast<int>(std::ceil(centreX - half - kTolerance)));
    last = std::min(width - 1, static_cast<int>(std::floor(centreX + half + kTolerance)));
    return first <= last;
}

PixelMask EllipseMask(const QRect& box)
{
    PixelMask mask(box);
    for (int row = 0; row < box.height(); ++row) {
        int first = 0;
        int last = 0;
        if (EllipseRowSpan(box.width(), box.height(), row, first, last))
            mask.SetRun(box.top() + row, box.left() + first, box.left() + last);
    }
    return mask;
}

// A rectangle whose corners are the quarters of a cornerWidth x cornerHeight
// ellipse.
PixelMask RoundRectMask(const QRect& box, int cornerWidth, int cornerHeight)
{
    PixelMask mask(box);
    const int ellipseWidth = std::clamp(cornerWidth, 0, box.width());
    const int ellipseHeight = std::clamp(cornerHeight, 0, box.height());
    for (int row = 0; row < box.height(); ++row) {
        int ellipseRow = -1;
        if (row < ellipseHeight / 2)
            ellipseRow = row;
        else if (box.height() - 1 - row < ellipseHeight / 2)
            ellipseRow = ellipseHeight - box.height() + row;
        int insetLeft = 0;
        int insetRight = 0;
        int first = 0;
        int last = 0;
        if (ellipseRow >= 0 && ellipseWidth > 1 && EllipseRowSpan(ellipseWidth, ellipseHeight, ellipseRow, first, last)) {
            insetLeft = first;
            insetRight = ellipseWidth - 1 - last;
        }
        mask.SetRun(box.top() + row, box.left() + insetLeft, box.right() - insetRight);
    }
    return mask;
}

struct LaidOutText {
    QList<QGlyphRun> runs;
    // The baseline's distance from the top of the glyph positions.
    qreal ascent = 0;
};

struct TextKey {
    QFont font;
    QString text;
    bool operator==(const TextKey& other) const { return text == other.text && font == other.font; }
};

size_t qHash(const TextKey& key, size_t seed = 0)
{
    return qHashMulti(seed, key.text, key.font.family(), key.font.pixelSize(), key.font.weight());
}

// Laying a text out is most of the work of drawing it, and a window draws
// the same few texts at every paint, so each text is laid out once per
// font. Its glyphs hold font engines, which must not outlive the font
// database, so the store is never freed.
const LaidOutText& LayOutText(const QFont& font, const QString& text)
{
    constexpr qsizetype kMostTexts = 4096;
    static auto* texts = new QHash<TextKey, LaidOutText>;
    return Remembered(*texts, TextKey { font, text }, kMostTexts, [&] {
        QTextLayout layout(text, font);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        LaidOutText laidOut;
        if (line.isValid()) {
            line.setNumColumns(text.size());
            laidOut.ascent = line.ascent();
            laidOut.runs = line.glyphRuns();
        }
        layout.endLayout();
        return laidOut;
    });
}

// The round pen tip of a wide pen, row by row, as offsets from the pixel
// it is put on: a disc, so each row is one run.
struct TipRow {
    int dy;
    int first;
    int last;
};

const std::vector<TipRow>& PenTip(int width)
{
    // Lines come in long chains with one pen, so the last tip is kept.
    thread_local std::vector<TipRow> tip;
    thread_local int tipWidth = 0;
    if (tipWidth == width)
        return tip;
    tipWidth = width;
    tip.clear();
    const int start = -(width - 1) / 2;
    const double centre = start + (width - 1) / 2.0;
    const double radius = width / 2.0 - 0.25;
    for (int dy = start; dy < start + width; ++dy) {
        std::optional<TipRow> row;
        for (int dx = start; dx < start + width; ++dx) {
            const double distanceX = dx - centre;
            const double distanceY = dy - centre;
            if (distanceX * distanceX + distanceY * distanceY > radius * radius)
                continue;
            if (!row)
                row = TipRow { dy, dx, dx };
            row->last = dx;
        }
        if (row)
            tip.push_back(*row);
    }
    return tip;
}

// Only the devices made of pixels get the pixel rules; a printer, a PDF
// writer, a recorded picture or any device of another kind draws shapes.
bool IsRasterDevice(const QPaintDevice* device)
{
    const int type = device->devType();
    return type == QInternal::Widget || type == QInternal::Image || type == QInternal::Pixmap;
}

// Vector icons and bitmaps are painted at this many times their size, so
// that a page scaled up still shows them sharp.
constexpr qreal kVectorPictureRatio = 4.0;

// GDI's dotted pen alternates one pixel on and one off.
const QList<qreal> kDotPattern { 1.0, 1.0 };

} // namespace

CDC::CDC(QPaintDevice* device)
    : m_painter(m_ownPainter)
    , m_penDefault(PS_SOLID, 1, RGB(0, 0, 0))
    , m_brushDefault(RGB(255, 255, 255))
{
    Q_ASSERT(device);
    if (!m_painter.begin(device))
        qWarning("platform: cannot paint on this device");
    Begin();
}

CDC::CDC(QPainter& painter)
    : m_painter(painter)
    , m_bBorrowed(true)
    , m_penDefault(PS_SOLID, 1, RGB(0, 0, 0))
    , m_brushDefault(RGB(255, 255, 255))
{
    m_painter.save();
    Begin();
}

void CDC::Begin()
{
    m_fontDefault.Create(QStringLiteral("MS Sans Serif"), kSystemFontCellHeight, FW_NORMAL);
    m_pPen = &m_penDefault;
    m_pBrush = &m_brushDefault;
    m_pFont = &m_fontDefault;
    m_bVector = m_painter.isActive() && !IsRasterDevice(m_painter.device());
    m_painter.setRenderHint(QPainter::Antialiasing, m_bVector);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    m_painter.setFont(m_pFont->ToQFont());
}

CDC::~CDC()
{
    FlushLines();
    if (m_bBorrowed)
        m_painter.restore();
    else if (m_painter.isActive())
        m_painter.end();
}

CPen* CDC::SelectObject(CPen* pen)
{
    Q_ASSERT(pen);
    if (pen != m_pPen)
        FlushLines();
    CPen* previous = m_pPen;
    m_pPen = pen;
    return previous;
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    Q_ASSERT(brush);
    CBrush* previous = m_pBrush;
    m_pBrush = brush;
    return previous;
}

CFont* CDC::SelectObject(CFont* font)
{
    Q_ASSERT(font);
    CFont* previous = m_pFont;
    m_pFont = font;
    m_painter.setFont(m_pFont->ToQFont());
    return previous;
}

void CDC::SelectDefaultPen()
{
    FlushLines();
    m_pPen = &m_penDefault;
}

void CDC::SelectDefaultBrush()
{
    m_pBrush = &m_brushDefault;
}

void CDC::SelectDefaultFont()
{
    SelectObject(&m_fontDefault);
}

COLORREF CDC::SetTextColor(COLORREF colour)
{
    return std::exchange(m_clrText, colour);
}

COLORREF CDC::SetBkColor(COLORREF colour)
{
    return std::exchange(m_clrBack, colour);
}

int CDC::SetBkMode(int mode)
{
    if (mode != TRANSPARENT && mode != OPAQUE) {
        qWarning("platform: background mode %d is not supported", mode);
        return 0;
    }
    return std::exchange(m_nBkMode, mode);
}

CPoint CDC::MoveTo(int x, int y)
{
    FlushLines();
    return std::exchange(m_ptCurrent, CPoint { x, y });
}

bool CDC::LineTo(int x, int y)
{
    const CPoint from = m_ptCurrent;
    m_ptCurrent = { x, y };
    if (!m_painter.isActive())
        return false;
    if (m_pPen->Style() == PS_NULL)
        return true;
    if (m_bVector) {
        if (m_lines.isEmpty())
            AddLine(from.x, from.y);
        AddLine(x, y);
        return true;
    }

    const QColor colour = ToQColor(m_pPen->Colour());
    if (m_pPen->Style() == PS_DOT && m_pPen->Width() <= 1) {
        FlushLines();
        // The dots and the gaps between them are different pixels, so
        // neither can cover the other.
        std::vector<QRect> dots;
        std::vector<QRect> gaps;
        bool dot = true;
        ForEachLinePixel(from.x, from.y, x, y, [&](int pixelX, int pixelY) {
            if (dot)
                dots.push_back(QRect(pixelX, pixelY, 1, 1));
            else if (m_nBkMode == OPAQUE)
                gaps.push_back(QRect(pixelX, pixelY, 1, 1));
            dot = !dot;
        });
        FillRuns(m_painter, dots, colour);
        FillRuns(m_painter, gaps, ToQColor(m_clrBack));
        return true;
    }

    // The pixels wait, as row runs, until the chain of lines ends, to be
    // filled in one call. The colours are opaque, so a joint two lines
    // share is the same filled twice.
    if (!m_runs.empty() && colour != m_runColour)
        FlushLines();
    m_runColour = colour;
    if (m_pPen->Width() <= 1) {
        // A thin line's pixels are our own, so they are the same everywhere.
        // Neighbours along a row make one run.
        std::optional<QRect> run;
        ForEachLinePixel(from.x, from.y, x, y, [this, &run](int pixelX, int pixelY) {
            if (run && run->top() == pixelY && (pixelX == run->left() - 1 || pixelX == run->right() + 1)) {
                *run = run->united(QRect(pixelX, pixelY, 1, 1));
                return;
            }
            if (run)
                m_runs.push_back(*run);
            run = QRect(pixelX, pixelY, 1, 1);
        });
        if (run)
            m_runs.push_back(*run);
        return true;
    }

    // A wide pen puts its round tip on every pixel of the line, both ends
    // included, which gives it round ends. Along a straight line, round tips
    // cover one unbroken run in each row, so a row's run is what lies
    // between its first and last inked pixel.
    const std::vector<TipRow>& tip = PenTip(m_pPen->Width());
    const int top = std::min(from.y, y) + tip.front().dy;
    const int bottom = std::max(from.y, y) + tip.back().dy;
    thread_local std::vector<std::pair<int, int>> rows;
    rows.assign(static_cast<size_t>(bottom - top + 1), { INT_MAX, INT_MIN });
    const auto stamp = [&](int pixelX, int pixelY) {
        for (const TipRow& row : tip) {
            auto& [first, last] = rows[static_cast<size_t>(pixelY + row.dy - top)];
            first = std::min(first, pixelX + row.first);
            last = std::max(last, pixelX + row.last);
        }
    };
    ForEachLinePixel(from.x, from.y, x, y, stamp);
    stamp(x, y);
    for (size_t index = 0; index < rows.size(); ++index) {
        const auto [first, last] = rows[index];
        if (first <= last)
            m_runs.push_back(QRect(first, top + static_cast<int>(index), last - first + 1, 1));
    }
    return true;
}

void CDC::FlushRuns()
{
    if (!m_runs.empty() && m_painter.isActive())
        FillRuns(m_painter, m_runs, m_runColour);
    m_runs.clear();
}

bool CDC::Rectangle(int left, int top, int right, int bottom)
{
    if (!m_painter.isActive())
        return false;
    FlushLines();
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);

    if (m_pPen->Style() == PS_NULL) {
        // Without an outline the filled area loses its right column and bottom
        // row, as it always did.
        if (!m_pBrush->IsNull())
            FillRectangle(m_painter, QRect(left, top, right - left - 1, bottom - top - 1), ToQColor(m_pBrush->Colour()));
        return true;
    }

    if (!m_pBrush->IsNull())
        FillRectangle(m_painter, QRect(left, top, right - left, bottom - top), ToQColor(m_pBrush->Colour()));

    // The outline runs through the outermost pixels, a wide pen centred on them.
    const int width = m_pPen->Width();
    const int before = (width - 1) / 2;
    if (m_bVector && m_pPen->Style() != PS_DOT) {
        // The pen's middle runs where the middle of its pixels would.
        const qreal inset = before - m_pPen->Width() / 2.0;
        const QRectF outline = QRectF(QPointF(left, top), QPointF(right - 1, bottom - 1)).adjusted(-inset, -inset, -inset, -inset);
        m_painter.setPen(VectorPen());
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(outline);
        return true;
    }
    const QColor colour = ToQColor(m_pPen->Colour());
    const int outerLeft = left - before;
    const int outerTop = top - before;
    const int outerRight = right - 1 - before + width;
    const int outerBottom = bottom - 1 - before + width;
    if (m_pPen->Style() == PS_DOT) {
        const CPoint saved = m_ptCurrent;
        MoveTo(left, top);
        LineTo(right - 1, top);
        LineTo(right - 1, bottom - 1);
        LineTo(left, bottom - 1);
        LineTo(left, top);
        FlushLines();
        m_ptCurrent = saved;
        return true;
    }
    FillRectangle(m_painter, QRect(outerLeft, outerTop, outerRight - outerLeft, width), colour);
    FillRectangle(m_painter, QRect(outerLeft, outerBottom - width, outerRight - outerLeft, width), colour);
    FillRectangle(m_painter, QRect(outerLeft, outerTop, width, outerBottom - outerTop), colour);
    FillRectangle(m_painter, QRect(outerRight - width, outerTop, width, outerBottom - outerTop), colour);
    return true;
}

namespace {

// Outline in the pen, inside in the brush, of a shape that fills the box.
template<typename Shape>
void FillShape(QPainter& painter, const CPen& pen, const CBrush& brush, int left, int top, int right, int bottom, Shape shape)
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);

    if (pen.Style() == PS_NULL) {
        // As with Rectangle, no outline means one column and row less.
        if (!brush.IsNull() && right - left > 1 && bottom - top > 1)
            shape(QRect(left, top, right - left - 1, bottom - top - 1)).Paint(painter, ToQColor(brush.Colour()));
        return;
    }
    if (right <= left || bottom <= top)
        return;

    const PixelMask whole = shape(QRect(left, top, right - left, bottom - top));
    PixelMask inside = whole.Eroded();
    for (int ring = 1; ring < pen.Width(); ++ring)
        inside = inside.Eroded();
    if (!brush.IsNull())
        inside.Paint(painter, ToQColor(brush.Colour()));
    whole.Minus(inside).Paint(painter, ToQColor(pen.Colour()));
}

// The same shape as a painter's own: the pen's middle on the middle of the
// outermost pixels, or, without a pen, the inside one column and row less.
template<typename Shape>
void VectorShape(QPainter& painter, const CPen& pen, const CBrush& brush, int left, int top, int right, int bottom, Shape shape)
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    painter.setBrush(brush.IsNull() ? QBrush(Qt::NoBrush) : QBrush(ToQColor(brush.Colour())));
    if (pen.Style() == PS_NULL) {
        if (brush.IsNull() || right - left <= 1 || bottom - top <= 1)
            return;
        painter.setPen(Qt::NoPen);
        shape(painter, QRectF(left, top, right - left - 1, bottom - top - 1));
        return;
    }
    if (right <= left || bottom <= top)
        return;
    QPen outline(ToQColor(pen.Colour()), pen.Width());
    outline.setJoinStyle(Qt::MiterJoin);
    painter.setPen(outline);
    const qreal half = pen.Width() / 2.0;
    shape(painter, QRectF(left + half, top + half, right - left - pen.Width(), bottom - top - pen.Width()));
}

} // namespace

bool CDC::Ellipse(int left, int top, int right, int bottom)
{
    if (!m_painter.isActive())
        return false;
    FlushLines();
    if (m_bVector) {
        VectorShape(m_painter, *m_pPen, *m_pBrush, left, top, right, bottom,
            [](QPainter& painter, const QRectF& box) { painter.drawEllipse(box); });
        return true;
    }
    FillShape(m_painter, *m_pPen, *m_pBrush, left, top, right, bottom, EllipseMask);
    return true;
}

bool CDC::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    if (!m_painter.isActive())
        return false;
    FlushLines();
    if (m_bVector) {
        VectorShape(m_painter, *m_pPen, *m_pBrush, left, top, right, bottom, [cornerWidth, cornerHeight](QPainter& painter, const QRectF& box) {
            painter.drawRoundedRect(box, cornerWidth / 2.0, cornerHeight / 2.0);
        });
        return true;
    }
    FillShape(m_painter, *m_pPen, *m_pBrush, left, top, right, bottom,
        [cornerWidth, cornerHeight](const QRect& box) { return RoundRectMask(box, cornerWidth, cornerHeight); });
    return true;
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight)
{
    const CRect rect { x, y, x + cx, y + cy };
    Draw3dRects({ &rect, 1 }, topLeft, bottomRight);
}

// Four solid fills a frame, as FillSolidRect makes them, in one call for
// each colour.
void CDC::Draw3dRects(std::span<const CRect> rects, COLORREF topLeft, COLORREF bottomRight)
{
    FlushLines();
    SetBkColor(bottomRight);
    if (!m_painter.isActive())
        return;
    std::vector<QRect> light;
    std::vector<QRect> dark;
    light.reserve(2 * rects.size());
    dark.reserve(2 * rects.size());
    for (const CRect& rect : rects) {
        const int x = rect.left;
        const int y = rect.top;
        const int cx = rect.Width();
        const int cy = rect.Height();
        light.push_back(Normalised(x, y, cx - 1, 1));
        light.push_back(Normalised(x, y, 1, cy - 1));
        dark.push_back(Normalised(x + cx, y, -1, cy));
        dark.push_back(Normalised(x, y + cy, cx, -1));
    }
    FillRuns(m_painter, light, ToQColor(topLeft));
    FillRuns(m_painter, dark, ToQColor(bottomRight));
}

void CDC::Draw3dRect(const CRect& rect, COLORREF topLeft, COLORREF bottomRight)
{
    Draw3dRect(rect.left, rect.top, rect.Width(), rect.Height(), topLeft, bottomRight);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF colour)
{
    // Filling by way of the background colour leaves it set, as it always did.
    SetBkColor(colour);
    FlushLines();
    if (m_painter.isActive())
        FillRectangle(m_painter, Normalised(x, y, cx, cy), ToQColor(colour));
}

void CDC::FillRect(const CRect& rect, const CBrush* brush)
{
    Q_ASSERT(brush);
    if (!m_painter.isActive() || brush->IsNull())
        return;
    FlushLines();
    FillRectangle(m_painter, Normalised(rect.left, rect.top, rect.Width(), rect.Height()), ToQColor(brush->Colour()));
}

bool CDC::TextOut(int x, int y, const QString& text)
{
    if (!m_painter.isActive())
        return false;
    const LaidOutText& laidOut = LayOutText(m_pFont->ToQFont(), text);
    PlacedText placed { laidOut.runs, ToQColor(m_clrText), QPointF(x, y + CellAscent() - laidOut.ascent), std::nullopt };
    if (m_nBkMode == OPAQUE) {
        const CSize extent = GetTextExtent(text);
        placed.back = std::make_pair(QRect(x, y, extent.cx, extent.cy), ToQColor(m_clrBack));
    }
    // A value written beside a curve while it is drawn would cut the curve
    // in two on paper; the text waits for the line to end instead.
    if (m_bVector && m_lines.size() > 1) {
        m_heldTexts.push_back(std::move(placed));
        return true;
    }
    FlushLines();
    DrawPlacedText(placed);
    return true;
}

void CDC::DrawPlacedText(const PlacedText& placed)
{
    if (placed.back)
        FillRectangle(m_painter, placed.back->first, placed.back->second);
    // Setting a pen costs more than most texts take to draw.
    const QPen& pen = m_painter.pen();
    if (pen.style() == Qt::NoPen || pen.brush().style() != Qt::SolidPattern || pen.color() != placed.colour)
        m_painter.setPen(placed.colour);
    for (const QGlyphRun& run : placed.runs)
        m_painter.drawGlyphRun(placed.topLeft, run);
}

CSize CDC::GetTextExtent(const QString& text) const
{
    const QFontMetrics metrics(m_pFont->ToQFont());
    return { metrics.horizontalAdvance(text), CellHeight() };
}

int CDC::CellHeight() const
{
    if (m_pFont->CellHeight() > 0)
        return m_pFont->CellHeight();
    return QFontMetrics(m_pFont->ToQFont()).ascent() + CellDescent(m_pFont->ToQFont());
}

int CDC::CellAscent() const
{
    if (m_pFont->CellHeight() > 0)
        return m_pFont->Ascent();
    return QFontMetrics(m_pFont->ToQFont()).ascent();
}

bool CDC::DrawIcon(int x, int y, HICON icon)
{
    if (!m_painter.isActive() || !icon)
        return false;
    FlushLines();
    const QPixmap pixmap = icon->Pixmap(m_bVector ? kVectorPictureRatio : m_painter.device()->devicePixelRatioF());
    if (pixmap.isNull())
        return false;
    m_painter.drawPixmap(QRect(x, y, kIconSize, kIconSize), pixmap);
    return true;
}

bool CDC::DrawBitmap(int x, int y, const CBitmap& bitmap)
{
    if (!m_painter.isActive() || bitmap.IsNull())
        return false;
    FlushLines();
    const QPixmap pixmap = bitmap.Pixmap(m_bVector ? kVectorPictureRatio : m_painter.device()->devicePixelRatioF());
    if (pixmap.isNull())
        return false;
    const CSize size = bitmap.GetSize();
    m_painter.drawPixmap(QRect(x, y, size.cx, size.cy), pixmap);
    return true;
}

void CDC::IntersectClipRect(const CRect& rect)
{
    if (!m_painter.isActive())
        return;
    FlushLines();
    const QRect clip = Normalised(rect.left, rect.top, rect.Width(), rect.Height());
    if (m_painter.hasClipping())
        m_painter.setClipRect(clip, Qt::IntersectClip);
    else
        m_painter.setClipRect(clip);
}

void CDC::AddLine(int x, int y)
{
    m_lines.append(QPointF(x + 0.5, y + 0.5));
}

void CDC::FlushLines()
{
    if (m_runs.empty() && m_lines.isEmpty() && m_heldTexts.empty())
        return;
    FlushRuns();
    if (m_lines.size() > 1 && m_painter.isActive()) {
        m_painter.setPen(VectorPen());
        m_painter.setBrush(Qt::NoBrush);
        m_painter.setBackgroundMode(m_nBkMode == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
        m_painter.setBackground(ToQColor(m_clrBack));
        m_painter.drawPolyline(m_lines);
        m_painter.setBackgroundMode(Qt::TransparentMode);
    }
    m_lines.clear();
    std::vector<PlacedText> held;
    held.swap(m_heldTexts);
    if (m_painter.isActive()) {
        for (const PlacedText& placed : held)
            DrawPlacedText(placed);
    }
}

// A thin line ends square on its last pixel, a wide one round, as their
// pixels did.
QPen CDC::VectorPen() const
{
    const int width = std::max(1, m_pPen->Width());
    QPen pen(ToQColor(m_pPen->Colour()), width, Qt::SolidLine, width > 1 ? Qt::RoundCap : Qt::FlatCap, Qt::RoundJoin);
    if (m_pPen->Style() == PS_DOT)
        pen.setDashPattern(kDotPattern);
    if (m_pPen->Style() == PS_NULL)
        pen.setStyle(Qt::NoPen);
    return pen;
}

CPaintDC::CPaintDC(QWidget* widget)
    : CDC(widget)
{
}

CWindowDC::CWindowDC(QWidget* widget)
    : CDC(EnsureWindowLayer(widget))
    , m_pWidget(widget)
{
}

CWindowDC::~CWindowDC()
{
    Painter().end();
    if (!InsidePaintPass(m_pWidget))
        m_pWidget->update();
}

void ClearWindowLayer(QWidget* widget)
{
    auto found = WindowLayers().find(widget);
    if (found != WindowLayers().end())
        found->image.fill(Qt::transparent);
    if (widget && !InsidePaintPass(widget))
        widget->update();
}

void PaintWindowLayer(QWidget* widget, QPainter& painter)
{
    const QImage* layer = WindowLayer(widget);
    if (!layer || layer->size() != LayerPixelSize(widget))
        return;
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(QPoint(0, 0), *layer);
    painter.restore();
}

QImage* PaintedImage(const QPainter& painter)
{
    QPaintEngine* engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster)
        return nullptr;
    QPaintDevice* device = engine->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return nullptr;
    return static_cast<QImage*>(device);
}

const QImage* WindowLayer(const QWidget* widget)
{
    auto found = WindowLayers().constFind(widget);
    if (found == WindowLayers().constEnd())
        return nullptr;
    return &found->image;
}
