// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Gdi.h"

#include <QGlyphRun>
#include <QPainter>
#include <QPolygonF>

#include <optional>
#include <span>
#include <utility>
#include <vector>

class QPaintDevice;
class QWidget;
class QImage;

enum BackgroundMode { TRANSPARENT = 1, OPAQUE = 2 };

// A device context with the drawing semantics the program was written
// against: one pen, brush and font selected at a time (selecting returns the
// previous one), a current position for MoveTo/LineTo, text drawn from its
// top-left cell corner, and aliased drawing so each pixel has a predictable
// colour. The default objects are a 1-pixel black pen, a white brush and the
// system font ("MS Sans Serif" 8).
//
// Those pixel rules hold on raster devices (images, pixmaps, widgets). On
// any other device, a printer or a PDF, pixels mean nothing: the same calls
// give the painter's own shapes and text, in the same coordinates, so that
// a transform may scale them. A chain of LineTo calls becomes one polyline.
class CDC
{
public:
    explicit CDC(QPaintDevice* device);
    // Draws through a painter that is already painting, with its transform
    // and clip; the painter's state is restored when the DC goes.
    explicit CDC(QPainter& painter);
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    // Selects the DC's own default pen, brush or font back.
    void SelectDefaultPen();
    void SelectDefaultBrush();
    void SelectDefaultFont();

    COLORREF SetTextColor(COLORREF colour);
    COLORREF GetTextColor() const { return m_clrText; }
    COLORREF SetBkColor(COLORREF colour);
    COLORREF GetBkColor() const { return m_clrBack; }
    int SetBkMode(int mode);
    int GetBkMode() const { return m_nBkMode; }

    CPoint MoveTo(int x, int y);
    CPoint GetCurrentPosition() const { return m_ptCurrent; }
    // Draws from the current position up to, but not including, (x, y).
    bool LineTo(int x, int y);

    // Outline with the pen, interior with the brush; right and bottom excluded.
    bool Rectangle(int left, int top, int right, int bottom);
    bool Rectangle(const CRect& rect) { return Rectangle(rect.left, rect.top, rect.right, rect.bottom); }
    bool Ellipse(int left, int top, int right, int bottom);
    bool RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);

    // Top and left edges in topLeft, bottom and right edges in bottomRight,
    // each one pixel wide, inside (x, y, cx, cy).
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(const CRect& rect, COLORREF topLeft, COLORREF bottomRight);
    // Many frames as Draw3dRect draws each, where no frame's light edge
    // falls on another's dark edge: a calendar frames a hundred cells at
    // every paint.
    void Draw3dRects(std::span<const CRect> rects, COLORREF topLeft, COLORREF bottomRight);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF colour);
    void FillRect(const CRect& rect, const CBrush* brush);

    bool TextOut(int x, int y, const QString& text);
    CSize GetTextExtent(const QString& text) const;

    // Draws the icon at its full 32 x 32 size with its transparency.
    bool DrawIcon(int x, int y, HICON icon);
    // Copies the whole bitmap with its top-left corner at (x, y).
    bool DrawBitmap(int x, int y, const CBitmap& bitmap);

    // Everything outside this rectangle is left untouched from now on.
    void IntersectClipRect(const CRect& rect);

    // Anything the DC still holds back is drawn before the painter is handed out.
    QPainter& Painter()
    {
        FlushLines();
        return m_painter;
    }
    bool IsVector() const { return m_bVector; }

private:
    int CellHeight() const;
    int CellAscent() const;
    void Begin();
    // The vector forms of the drawing calls.
    void AddLine(int x, int y);
    void FlushLines();
    void FlushRuns();
    QPen VectorPen() const;
    // Text as TextOut placed it, drawn now or once the line being drawn ends.
    struct PlacedText
    {
        QList<QGlyphRun> runs;
        QColor colour;
        QPointF topLeft;
        std::optional<std::pair<QRect, QColor>> back;
    };
    void DrawPlacedText(const PlacedText& placed);

    QPainter m_ownPainter;
    QPainter& m_painter;
    bool m_bBorrowed = false;
    bool m_bVector = false;
    // The line chain drawn so far with the selected pen, in pixel centres.
    QPolygonF m_lines;
    std::vector<PlacedText> m_heldTexts;
    // The pixels of the line chain drawn so far on a raster device.
    std::vector<QRect> m_runs;
    QColor m_runColour;
    CPen m_penDefault;
    CBrush m_brushDefault;
    CFont m_fontDefault;
    CPen* m_pPen = nullptr;
    CBrush* m_pBrush = nullptr;
    CFont* m_pFont = nullptr;
    COLORREF m_clrText = RGB(0, 0, 0);
    COLORREF m_clrBack = RGB(255, 255, 255);
    int m_nBkMode = OPAQUE;
    CPoint m_ptCurrent;
};

// The device context of a widget's own paint handler.
class CPaintDC : public CDC
{
public:
    explicit CPaintDC(QWidget* widget);
};

// Pixels drawn into a window from outside its paint handler (what GetDC gave
// the old program) are kept on a layer of that window, which the window's
// paint handler composes over its own face with PaintWindowLayer. The layer
// is emptied by ClearWindowLayer, the equivalent of invalidating the window
// with erasing.
class CWindowDC : public CDC
{
public:
    explicit CWindowDC(QWidget* widget);
    ~CWindowDC() override;

private:
    QWidget* m_pWidget;
};

void ClearWindowLayer(QWidget* widget);
void PaintWindowLayer(QWidget* widget, QPainter& painter);
const QImage* WindowLayer(const QWidget* widget);

// The image Qt's raster engine writes to as the painter draws (a picture,
// the window's back buffer, a grab), or null on any other device.
QImage* PaintedImage(const QPainter& painter);
