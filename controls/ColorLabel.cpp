// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ColorLabel.h"

#include "controls/Accessibility.h"
#include "controls/Narrowing.h"
#include "platform/DeviceContext.h"
#include "platform/Window.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

CColorLabel::CColorLabel(QWidget* parent)
    : QLabel(parent)
{
    m_font.Create("Arial Cyr", 14, FW_NORMAL);
    setFont(m_font.ToQFont());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(m_clrBack));
    setPalette(colours);
    setAutoFillBackground(true);
    InstallControlAccessibility();
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
    const QString text = GetWindowText(this);
    // The face is kept in the format of the image the window is painted
    // into, at a whole device pixel ratio, so that copying it gives the
    // pixels drawing it there would.
    const QImage* target = PaintedImage(painter);
    const qreal ratio = devicePixelRatioF();
    if (!target || ratio != std::floor(ratio)) {
        PaintFace(painter, text);
    } else {
        const QImage::Format format = target->format();
        if (m_face.text != text || m_face.size != size() || m_face.ratio != ratio || m_face.image.format() != format) {
            m_face = { text, size(), ratio, QImage(size() * ratio, format) };
            m_face.image.setDevicePixelRatio(ratio);
            QPainter facePainter(&m_face.image);
            PaintFace(facePainter, text);
        }
        painter.drawImage(QPoint(0, 0), m_face.image);
    }
    PaintWindowLayer(this, painter);
}

void CColorLabel::PaintFace(QPainter& painter, const QString& text)
{
    painter.fillRect(rect(), ToQColor(m_brBack.Colour()));
    QFont font = m_font.ToQFont();
    const int lineHeight = QFontMetrics(font).height();
    const int wholeLines = std::max(1, height() / std::max(1, lineHeight));
    // A few of the help line's texts are a word or two wider than the line;
    // narrowed a little, they are read whole instead of losing their end.
    if (wholeLines == 1 && !text.contains(QLatin1Char('\n'))) {
        if (const std::optional<int> stretch = StretchToFit(font, text, width()))
            font.setStretch(*stretch);
    }
    painter.setFont(font);
    painter.setPen(ToQColor(m_clrText));
    // The text breaks at blanks to fit the width. A line that would be cut
    // by the bottom edge is left out rather than shown as a row of stumps.
    painter.setClipRect(QRect(0, 0, width(), std::min(height(), wholeLines * lineHeight)));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs, text);
    painter.setClipping(false);
}
