#include "controls/ColorLabel.h"

#include "platform/DeviceContext.h"
#include "platform/Window.h"

#include <QPainter>

CColorLabel::CColorLabel(QWidget* parent)
    : QLabel(parent)
{
    m_font.Create("Arial Cyr", 14, FW_NORMAL);
    setFont(m_font.ToQFont());
}

bool CColorLabel::Create(const QString& caption, const CRect& rect, QWidget* parent, int id)
{
    setParent(parent);
    setGeometry(rect.ToQRect());
    SetDlgCtrlID(this, id);
    SetWindowText(this, caption);
    show();
    return true;
}

void CColorLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(m_brBack.Colour()));
    painter.setFont(m_font.ToQFont());
    painter.setPen(ToQColor(m_clrText));
    // A left static breaks its text at blanks to fit the width and clips
    // whatever does not fit below.
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs,
        GetWindowText(this));
    PaintWindowLayer(this, painter);
}
