// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

// Colours, geometry and drawing objects with the old framework's meaning:
// rectangles exclude their right and bottom edges, pens are centred on the
// path, fonts are asked for by cell height.

using COLORREF = std::uint32_t;

constexpr COLORREF RGB(int red, int green, int blue)
{
    return static_cast<COLORREF>((red & 0xff) | ((green & 0xff) << 8) | ((blue & 0xff) << 16));
}
constexpr int GetRValue(COLORREF colour) { return colour & 0xff; }
constexpr int GetGValue(COLORREF colour) { return (colour >> 8) & 0xff; }
constexpr int GetBValue(COLORREF colour) { return (colour >> 16) & 0xff; }

// Colours passed with the high byte 0x80 set draw as their RGB part.
QColor ToQColor(COLORREF colour);

struct CPoint {
    int x = 0;
    int y = 0;
};

struct CSize {
    int cx = 0;
    int cy = 0;
};

struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    bool PtInRect(CPoint point) const
    {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }
    void SetRectEmpty() { left = top = right = bottom = 0; }
    QRect ToQRect() const { return QRect(left, top, Width(), Height()); }
    static CRect FromQRect(const QRect& rect)
    {
        return { rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height() };
    }
    bool operator==(const CRect&) const = default;
};

enum PenStyle { PS_SOLID = 0, PS_DOT = 2, PS_NULL = 5 };

enum FontWeight { FW_NORMAL = 400, FW_BOLD = 700 };

class CPen
{
public:
    CPen() = default;
    CPen(int style, int width, COLORREF colour) { CreatePen(style, width, colour); }
    bool CreatePen(int style, int width, COLORREF colour);

    int Style() const { return m_nStyle; }
    int Width() const { return m_nWidth; }
    COLORREF Colour() const { return m_clrColour; }

private:
    int m_nStyle = PS_SOLID;
    int m_nWidth = 1;
    COLORREF m_clrColour = RGB(0, 0, 0);
};

class CBrush
{
public:
    CBrush() = default;
    explicit CBrush(COLORREF colour) { CreateSolidBrush(colour); }
    bool CreateSolidBrush(COLORREF colour);

    bool IsNull() const { return m_bNull; }
    COLORREF Colour() const { return m_clrColour; }

    static CBrush Null();

private:
    bool m_bNull = false;
    COLORREF m_clrColour = RGB(255, 255, 255);
};

// A font asked for by face, cell height (ascent + descent in pixels) and
// weight. Faces of the old system ("Arial", "Arial Cyr", "MS Sans Serif",
// "_sans", "Geneva", "Courier") map to the installed Liberation families.
class CFont
{
public:
    CFont() = default;
    // A negative height is the height of the letters themselves, and 0 a
    // default cell height. Without a face, the family in the high nibble of
    // pitchAndFamily picks one.
    bool CreateFont(int height, int weight, bool italic, int pitchAndFamily, const QString& face);
    // Shorthand for the common case.
    bool Create(const QString& face, int cellHeight, int weight, bool italic = false);

    const QFont& ToQFont() const
    {
        Open();
        return m_font;
    }
    // Draws the same face narrower or wider, in percent of its width.
    void SetStretch(int percent)
    {
        Open();
        m_font.setStretch(percent);
    }
    // The text cell: the height asked for, with the baseline Ascent() pixels
    // below its top. Any pixel the Qt font is shorter by is leading above.
    int CellHeight() const
    {
        Open();
        return m_nCellHeight;
    }
    int Ascent() const
    {
        Open();
        return m_nAscent;
    }

private:
    struct Request {
        QString face;
        int height;
        int weight;
        bool italic;
    };
    // A font is measured when it is first used, not when it is created: a
    // view creates fonts it draws with only in some of its states, and
    // measuring the first font of a face opens a font engine.
    void Open() const
    {
        if (m_request)
            Measure();
    }
    void Measure() const;

    mutable std::optional<Request> m_request;
    mutable QFont m_font;
    mutable int m_nCellHeight = 0;
    mutable int m_nAscent = 0;
};

// Maps an old face name to the installed family that stands in for it.
QString SubstituteFace(const QString& face);
// The horizontal stretch (percent) the stand-in family is drawn with.
int SubstituteStretch(const QString& face);

// The largest pixel-size QFont whose ascent + CellDescent is at most
// cellHeight pixels.
QFont FontForCellHeight(const QString& face, int cellHeight, int weight, bool italic);
// The depth of the font below its baseline in whole pixels, rounded up.
int CellDescent(const QFont& font);

// Icons and bitmaps come from the program's resources by number. Handles are
// shared and live for the whole run; nobody deletes them.
class CIcon;
using HICON = const CIcon*;

class CIcon
{
public:
    explicit CIcon(int resourceId);
    int ResourceId() const { return m_nResourceId; }
    bool IsNull() const;
    // Renders at 32 x 32 logical pixels for the given device pixel ratio.
    QPixmap Pixmap(qreal devicePixelRatio) const;
    // The icon at 32 x 32 and 64 x 64 pixels, each drawn only once asked
    // for: a window that is never shown needs neither.
    QIcon ToQIcon() const;

private:
    int m_nResourceId;
};

HICON LoadIconResource(int resourceId);

// Loading a bitmap learns its size; the picture itself is drawn when it is
// first painted, and kept.
class CBitmap
{
public:
    bool LoadBitmap(int resourceId);
    bool IsNull() const { return m_nResourceId == 0; }
    CSize GetSize() const { return m_size; }
    QPixmap Pixmap(qreal devicePixelRatio) const;

private:
    int m_nResourceId = 0;
    QString m_strPath;
    CSize m_size;
};
