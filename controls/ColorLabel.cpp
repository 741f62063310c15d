#include "controls/ColorLabel.h"

#include "platform/DeviceContext.h"
#include "platform/Window.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

CColorLabel::CColorLabel(QWidget* parent)
    : QLabel(parent)
{
    m_font.Create("Arial Cyr", 14, FW_NORMAL);
    setFont(m_font.ToQFont());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(m_clrBack));
    setPalette(colours);
    setAutoFillBackground(true);
}

bool CColorLabel::Create(const QString& caption, const CRect& rect, QWidget* parent, int id)
{
    PlaceControl(this, rect.ToQRect(), parent, id);
    SetWindowText(this, caption);
    return true;
}

void CColorLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(m_brBack.Colour()));
    painter.setFont(m_font.ToQFont());
    painter.setPen(ToQColor(m_clrText));
    // The text breaks at blanks to fit the width. A line that would be cut
    // by the bottom edge is left out rather than shown as a row of stumps.
    const int lineHeight = QFontMetrics(m_font.ToQFont()).height();
    const int wholeLines = std::max(1, height() / std::max(1, lineHeight));
    painter.save();
    painter.setClipRect(QRect(0, 0, width(), std::min(height(), wholeLines * lineHeight)));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs,
        GetWindowText(this));
    painter.restore();
    PaintWindowLayer(this, painter);
}
