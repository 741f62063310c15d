// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/FramedLabel.h"

#include "controls/Accessibility.h"
#include "controls/Narrowing.h"
#include "platform/DeviceContext.h"
#include "platform/Window.h"
#include "res/ResourceIds.h"

#include <QCoreApplication>

namespace {

const QString kTimePrefix = QStringLiteral("(Time)");
constexpr int kTimeDigits = 6;
constexpr int kTimeTextLeft = 21;
constexpr int kTimeBoxRight = 60;

// The text's left edge and the box's inner right edge.
constexpr int kTextLeft = 2;
constexpr int kTextRight = 131;

constexpr COLORREF kOuterShadow = RGB(136, 136, 136);
constexpr COLORREF kOuterLight = RGB(170, 170, 136);
constexpr COLORREF kInnerShadow = RGB(34, 34, 34);
constexpr COLORREF kInnerLight = RGB(255, 255, 255);

QString TrimTrailingBlanks(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    return text.left(end);
}

} // namespace

CFramedLabel::CFramedLabel(QWidget* parent)
    : QLabel(parent)
{
    m_font.Create("Arial", 14, FW_BOLD);
    setFont(m_font.ToQFont());
    m_hIconClock = LoadIconResource(IDI_CLOCK);
    InstallControlAccessibility();
}

QString CFramedLabel::ShownText() const
{
    const QString text = TrimTrailingBlanks(GetWindowText(this));
    if (!text.startsWith(kTimePrefix))
        return text.trimmed();
    return (QCoreApplication::translate("Window", "Time") + QLatin1Char(' ')
        + text.mid(kTimePrefix.size()).right(kTimeDigits).trimmed())
        .trimmed();
}

int CFramedLabel::TextRoom()
{
    return kTextRight - kTextLeft;
}

int CFramedLabel::TimeRoom()
{
    return kTimeBoxRight - kTimeTextLeft;
}

QString CFramedLabel::TimeCaption()
{
    return QCoreApplication::translate("Window", "(Time)");
}

bool CFramedLabel::Create(const QString& caption, const CRect& rect, QWidget* parent, int id)
{
    PlaceControl(this, rect.ToQRect(), parent, id);
    SetWindowText(this, caption);
    return true;
}

void CFramedLabel::paintEvent(QPaintEvent*)
{
    CPaintDC dc(this);
    CBrush white(RGB(255, 255, 255));
    CBrush* oldBrush = dc.SelectObject(&white);
    const bool timeForm = GetWindowText(this).startsWith(kTimePrefix);

    // The ordinary box reaches past the top-left corner, so only its right
    // and bottom edges show.
    const CRect box = timeForm ? CRect { 0, 0, kTimeBoxRight, 18 } : CRect { -2, -2, 132, 17 };
    const CRect outer = timeForm ? CRect { 0, 0, 60, 19 } : CRect { -2, -2, 132, 18 };
    const CRect inner = timeForm ? CRect { 1, 1, 60, 18 } : CRect { -1, -1, 133, 17 };
    dc.Rectangle(box);
    dc.Draw3dRect(outer, kOuterShadow, kOuterLight);
    dc.Draw3dRect(inner, kInnerShadow, kInnerLight);

    m_hOldFont = dc.SelectObject(&m_font);
    dc.SetTextColor(m_clrText);
    dc.SetBkColor(m_clrBack);

    const QString text = TrimTrailingBlanks(GetWindowText(this));
    if (timeForm) {
        // The label's own text carries its form; only the caption is the user's.
        const QString shown = text == kTimePrefix ? TimeCaption() : text.right(kTimeDigits);
        if (const std::optional<int> stretch = StretchToFit(m_font.ToQFont(), shown, TimeRoom())) {
            m_fontNarrow = m_font;
            m_fontNarrow.SetStretch(*stretch);
            dc.SelectObject(&m_fontNarrow);
        }
        dc.TextOut(kTimeTextLeft, 2, shown);
    } else {
        if (m_bAlternateColour)
            dc.SetTextColor(m_clrAlternate);
        // A two-person label ("Birth date 1: 03.05.1980") runs a few pixels
        // past its box; narrowed a little, it keeps the year whole.
        if (const std::optional<int> stretch = StretchToFit(m_font.ToQFont(), text, kTextRight - kTextLeft)) {
            m_fontNarrow = m_font;
            m_fontNarrow.SetStretch(*stretch);
            dc.SelectObject(&m_fontNarrow);
        }
        dc.TextOut(kTextLeft, 0, text);
    }

    if (oldBrush)
        dc.SelectObject(oldBrush);
    else
        dc.SelectDefaultBrush();
    if (timeForm)
        dc.DrawIcon(0, -2, m_hIconClock);
    if (m_hOldFont)
        dc.SelectObject(m_hOldFont);
    else
        dc.SelectDefaultFont();

    PaintWindowLayer(this, dc.Painter());
}
