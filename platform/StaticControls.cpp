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
    // Etched: a shadow line with a highlight line just inside it on the top
    // and left, and just outside it on the right and bottom.
    painter.setPen(kShadow);
    painter.drawLine(0, kGroupBoxTop, right - 1, kGroupBoxTop);
    painter.drawLine(0, kGroupBoxTop, 0, bottom - 1);
    painter.drawLine(right - 1, kGroupBoxTop, right - 1, bottom - 1);
    painter.drawLine(0, bottom - 1, right - 1, bottom - 1);
    painter.setPen(kHighlight);
    painter.drawLine(1, kGroupBoxTop + 1, right - 2, kGroupBoxTop + 1);
    painter.drawLine(1, kGroupBoxTop + 1, 1, bottom - 2);
    painter.drawLine(right, kGroupBoxTop, right, bottom);
    painter.drawLine(0, bottom, right, bottom);
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
    const int right = width() - 1;
    const int bottom = height() - 1;
    // Above a device pixel ratio of 1 the lines are centred on their
    // coordinates, half a pixel up and left of the pixels they stand for,
    // and miss the inner device pixels of the shadow and the outer ones of
    // the border on the right and bottom. Nothing is painted under an opaque
    // control, so both rings are filled whole first.
    painter.fillRect(rect(), kBorder);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), kShadow);
    painter.setPen(kBorder);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, right, bottom);
    painter.setPen(kShadow);
    painter.drawLine(1, 1, right - 1, 1);
    painter.drawLine(1, 1, 1, bottom - 1);
    painter.setPen(kHighlight);
    painter.drawLine(right - 1, 1, right - 1, bottom - 1);
    painter.drawLine(1, bottom - 1, right - 1, bottom - 1);

    const QRect inside = rect().adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth);
    painter.fillRect(inside, ToQColor(m_clrBack));
    painter.setClipRect(inside);
    painter.translate(inside.topLeft());
    if (!m_bitmap.IsNull())
        painter.drawPixmap(0, 0, m_bitmap.Pixmap(devicePixelRatioF()));
    PaintWindowLayer(this, painter);
}
