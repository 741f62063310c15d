// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StaticControls.h"

#include "platform/DeviceContext.h"
#include "platform/Window.h"

#include <QPainter>

namespace {

const QColor kShadow(128, 128, 128);
const QColor kHighlight(255, 255, 255);
const QColor kBorder(0, 0, 0);
// Half the line height of the dialog font: where a group box's frame starts.
constexpr int kGroupBoxTop = 6;

} // namespace

CStatic::CStatic(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool CStatic::Create(const QRect& rect, QWidget* parent, int id)
{
    PlaceControl(this, rect, parent, id);
    return true;
}

void CStatic::SetBackground(COLORREF colour)
{
    m_clrBack = colour;
    update();
}

void CStatic::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(m_clrBack));
    PaintWindowLayer(this, painter);
}

CGroupBox::CGroupBox(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

bool CGroupBox::Create(const QRect& rect, QWidget* parent, int id)
{
    PlaceControl(this, rect, parent, id);
    return true;
}

void CGroupBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int right = width() - 1;
    const int bottom = height() - 1;
    // Lines are filled as whole pixels: drawn with a pen, they would lie half
    // a pixel up and left above a device pixel ratio of 1, where a control
    // inside the frame, such as the help line, covers the bottom edge.
    const auto line = [&painter](int left, int top, int lineRight, int lineBottom, const QColor& colour) {
        painter.fillRect(QRect(QPoint(left, top), QPoint(lineRight, lineBottom)), colour);
    };
    // Etched: a shadow line with a highlight line just inside it on the top
    // and left, and just outside it on the right and bottom.
    line(0, kGroupBoxTop, right - 1, kGroupBoxTop, kShadow);
    line(0, kGroupBoxTop, 0, bottom - 1, kShadow);
    line(right - 1, kGroupBoxTop, right - 1, bottom - 1, kShadow);
    line(0, bottom - 1, right - 1, bottom - 1, kShadow);
    line(1, kGroupBoxTop + 1, right - 2, kGroupBoxTop + 1, kHighlight);
    line(1, kGroupBoxTop + 1, 1, bottom - 2, kHighlight);
    line(right, kGroupBoxTop, right, bottom, kHighlight);
    line(0, bottom, right, bottom, kHighlight);
}

CPictureStatic::CPictureStatic(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool CPictureStatic::Create(const QRect& rect, QWidget* parent, int id)
{
    PlaceControl(this, rect, parent, id);
    return true;
}

bool CPictureStatic::SetBitmap(int resourceId)
{
    if (resourceId == m_nBitmapId)
        return true;
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(resourceId))
        return false;
    m_bitmap = bitmap;
    m_nBitmapId = resourceId;
    const CSize size = m_bitmap.GetSize();
    resize(size.cx + 2 * kFrameWidth, size.cy + 2 * kFrameWidth);
    update();
    return true;
}

void CPictureStatic::SetBackground(COLORREF colour)
{
    m_clrBack = colour;
    update();
}

void CPictureStatic::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Both rings are filled as whole pixels. Lines drawn with a pen lie half
    // a pixel up and left above a device pixel ratio of 1: they missed device
    // pixels of the rings, which nothing paints under an opaque control, and
    // the picture covered the highlight.
    painter.fillRect(rect(), kBorder);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), kHighlight);
    painter.fillRect(QRect(1, 1, width() - 3, 1), kShadow);
    painter.fillRect(QRect(1, 1, 1, height() - 3), kShadow);

    const QRect inside = rect().adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth);
    painter.fillRect(inside, ToQColor(m_clrBack));
    painter.setClipRect(inside);
    painter.translate(inside.topLeft());
    if (!m_bitmap.IsNull())
        painter.drawPixmap(0, 0, m_bitmap.Pixmap(devicePixelRatioF()));
    PaintWindowLayer(this, painter);
}
