// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/IconButton.h"

#include "controls/Accessibility.h"
#include "controls/Narrowing.h"
#include "platform/Window.h"
#include "res/ResourceIds.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QMouseEvent>

#include <optional>

namespace {

// Captions start right of the picture and keep clear of the frame.
constexpr int kCaptionLeft = 42;
constexpr int kCaptionRightMargin = 3;
constexpr int kCaptionTop = 4;
constexpr const char* kCaptionFace = "Arial";
constexpr int kCaptionHeight = 16;
constexpr int kSmallestCaptionHeight = 12;


constexpr std::array<int, 14> kIconIds {
    IDI_HELP, IDI_LIST, IDI_INFO, IDI_INFO_INACTIVE, IDI_INSERT, IDI_REMOVE, IDI_RESET,
    IDI_COMPARE, IDI_CURRENT_MONTH, IDI_COMPARE_INACTIVE, IDI_REMOVE_INACTIVE,
    IDI_INSERT_INACTIVE, IDI_LOCK, IDI_CURRENT_MONTH_INACTIVE,
};

constexpr int kRight = 0;
constexpr int kLeft = -12;

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kHighlight = RGB(250, 253, 255);
constexpr COLORREF kPressedOuter = RGB(34, 34, 0);
constexpr COLORREF kOuterFrame = RGB(119, 136, 136);
constexpr COLORREF kMiddleShadow = RGB(221, 238, 238);
constexpr COLORREF kInnerShadow = RGB(153, 170, 170);
constexpr COLORREF kLitShadow = RGB(136, 153, 153);

bool IsIconButton(int id)
{
    return id == IDC_INFO || id == IDC_REMOVE || id == IDC_INSERT || id == IDC_RESET
        || id == IDC_COMPARE || id == IDC_CURRENT_MONTH;
}

bool IsToggle(int id) { return id == IDC_COMPARE || id == IDC_CURRENT_MONTH; }

void RestorePen(CDC& dc, CPen* pen)
{
    if (pen)
        dc.SelectObject(pen);
    else
        dc.SelectDefaultPen();
}

} // namespace

CIconButton::CIconButton(QWidget* parent)
    : QAbstractButton(parent)
{
    m_font.Create(kCaptionFace, kCaptionHeight, FW_BOLD);
    for (std::size_t index = 0; index < kIconIds.size(); ++index)
        m_arrIcons[index] = LoadIconResource(kIconIds[index]);
    setFocusPolicy(Qt::NoFocus);
    // An opaque face keeps a press from repainting the main window under
    // the button. The style drops WA_OpaquePaintEvent when it polishes a
    // button, so the face colour is the background instead.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(m_brFace.Colour()));
    setPalette(colours);
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    connect(this, &QAbstractButton::clicked, this, [this] { NotifyParent(this, BN_CLICKED); });
    InstallControlAccessibility();
}

bool CIconButton::Press()
{
    if (!m_bActive)
        return false;
    if (IsToggle(GetDlgCtrlID(this)))
        m_bLit = !m_bLit;
    update();
    NotifyParent(this, BN_CLICKED);
    return true;
}

bool CIconButton::Create(const QString& caption, const CRect& rect, QWidget* parent, int id)
{
    PlaceControl(this, rect.ToQRect(), parent, id);
    SetWindowText(this, caption);
    return true;
}

void CIconButton::DrawItem(CDC& dc, const CRect& item, bool selected)
{
    const int width = item.Width();
    const int height = item.Height();
    const int id = GetDlgCtrlID(this);

    dc.FillRect(item, &m_brFace);
    const QString caption = GetWindowText(this);
    const COLORREF oldTextColour = dc.SetTextColor(kBlack);
    dc.SetBkMode(TRANSPARENT);
    m_hOldFont = dc.SelectObject(&m_font);

    if (selected && m_bActive) {
        dc.Draw3dRect(0, 0, width + 1, height + 1, kPressedOuter, kHighlight);
        dc.Draw3dRect(1, 1, width - 1, height - 1, kBlack, kHighlight);
        DrawPicture(dc, id, caption, true);
        if (IsToggle(id))
            m_bLit = !m_bLit;
    } else {
        if (IsIconButton(id)) {
            dc.Draw3dRect(2, 2, width - 3, height - 3, kHighlight, kInnerShadow);
            if (IsToggle(id) && m_bLit)
                dc.Draw3dRect(2, 2, width - 3, height - 3, kLitShadow, kHighlight);
        } else {
            dc.Draw3dRect(0, 0, width, height, kOuterFrame, kBlack);
            dc.Draw3dRect(1, 1, width - 2, height - 2, kHighlight, kMiddleShadow);
            dc.Draw3dRect(2, 2, width - 3, height - 3, kHighlight, kInnerShadow);
        }
        DrawPicture(dc, id, caption, false);
    }

    dc.SetTextColor(oldTextColour);
    if (m_hOldFont)
        dc.SelectObject(m_hOldFont);
    else
        dc.SelectDefaultFont();
}

void CIconButton::paintEvent(QPaintEvent*)
{
    CPaintDC dc(this);
    const bool selected = isDown();
    const bool litBefore = m_bLit;
    DrawItem(dc, CRect::FromQRect(rect()), selected);
    if (selected && m_bPressPainted)
        m_bLit = litBefore;
    if (selected && m_bActive)
        m_bPressPainted = true;
}

void CIconButton::mousePressEvent(QMouseEvent* event)
{
    // The base class paints the pressed look at once, before the release
    // can come, so even a quick click turns a toggle over.
    m_bPressPainted = false;
    QAbstractButton::mousePressEvent(event);
}

void CIconButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // An owner-drawn button takes the second press of a double click as a
    // double click, not as another press: no pressed look, no toggle turned
    // back, no second command.
    if (event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    QAbstractButton::mouseDoubleClickEvent(event);
}

void CIconButton::DrawPicture(CDC& dc, int id, const QString& caption, bool pressed)
{
    const int shift = pressed ? 2 : 0;
    const bool lockShown = !m_bActive && !pressed;

    switch (id) {
    case IDC_START:
        DrawChevron(dc, 8, kRight, pressed);
        DrawChevron(dc, 3, kLeft, pressed);
        break;
    case IDC_PREV_MONTH:
        for (int offset : { 2, 8, 14 })
            DrawChevron(dc, offset, kLeft, pressed);
        break;
    case IDC_PREV_DATE:
        for (int offset : { 6, 12 })
            DrawChevron(dc, offset, kLeft, pressed);
        break;
    case IDC_NEXT_DATE:
        for (int offset : { 0, 6 })
            DrawChevron(dc, offset, kRight, pressed);
        break;
    case IDC_NEXT_MONTH:
        for (int offset : { 0, 6, 12 })
            DrawChevron(dc, offset, kRight, pressed);
        break;
    case IDC_INFO:
        dc.DrawIcon(3 + shift, 3 + shift, Icon(m_bActive ? IDI_INFO : IDI_INFO_INACTIVE));
        break;
    case IDC_INSERT:
        if (pressed)
            dc.DrawIcon(0, 0, Icon(IDI_INSERT));
        else
            dc.DrawIcon(0, -3, Icon(m_bActive ? IDI_INSERT : IDI_INSERT_INACTIVE));
        break;
    case IDC_REMOVE:
        if (pressed)
            dc.DrawIcon(0, 0, Icon(IDI_REMOVE));
        else
            dc.DrawIcon(0, -3, Icon(m_bActive ? IDI_REMOVE : IDI_REMOVE_INACTIVE));
        break;
    case IDC_RESET:
        if (pressed)
            dc.DrawIcon(0, 1, Icon(IDI_RESET));
        else if (m_bActive)
            dc.DrawIcon(0, -2, Icon(IDI_RESET));
        else // the inactive reset button shares the info button's picture
            dc.DrawIcon(5, 5, Icon(IDI_INFO_INACTIVE));
        break;
    case IDC_COMPARE:
        if (pressed)
            dc.DrawIcon(0, 0, Icon(IDI_COMPARE));
        else if (m_bActive)
            dc.DrawIcon(0, -3, Icon(IDI_COMPARE));
        else
            dc.DrawIcon(0, -4, Icon(IDI_COMPARE_INACTIVE));
        break;
    case IDC_CURRENT_MONTH:
        if (pressed)
            dc.DrawIcon(0, 0, Icon(IDI_CURRENT_MONTH));
        else
            dc.DrawIcon(0, -2, Icon(m_bActive ? IDI_CURRENT_MONTH : IDI_CURRENT_MONTH_INACTIVE));
        break;
    default:
        break;
    }

    if (lockShown && (id == IDC_PREV_MONTH || id == IDC_PREV_DATE || id == IDC_START || id == IDC_NEXT_DATE))
        dc.DrawIcon(4, 10, Icon(IDI_LOCK));

    // The captions are those the window gives these buttons, in the user's
    // language.
    if (caption == QCoreApplication::translate("Buttons", "Help")) {
        dc.DrawIcon(8 + shift, 6 + shift, Icon(IDI_HELP));
        DrawCaption(dc, caption, shift);
    } else if (caption == QCoreApplication::translate("Buttons", "List")) {
        dc.DrawIcon(8 + shift, 0 + shift, Icon(IDI_LIST));
        DrawCaption(dc, caption, shift);
    }
}

int CIconButton::CaptionRoom() const
{
    return width() - kCaptionLeft - kCaptionRightMargin;
}

// A caption a little wider than the room right of the picture, as other
// languages' words are, is narrowed rather than cut by the button's edge.
// Russian has no word for these buttons short enough for that, so a caption
// that narrowing cannot fit is set a size or two smaller as well.
CFont CIconButton::CaptionFont(const QString& caption) const
{
    CFont font = m_font;
    for (int height = kCaptionHeight; height >= kSmallestCaptionHeight; --height) {
        font.Create(kCaptionFace, height, FW_BOLD);
        const std::optional<int> stretch = StretchToFit(font.ToQFont(), caption, CaptionRoom());
        if (!stretch)
            return font;
        font.SetStretch(*stretch);
        if (QFontMetrics(font.ToQFont()).horizontalAdvance(caption) <= CaptionRoom())
            return font;
    }
    return font;
}

void CIconButton::DrawCaption(CDC& dc, const QString& caption, int shift)
{
    CFont font = CaptionFont(caption);
    dc.SelectObject(&font);
    // A smaller size keeps the caption's middle line.
    const int drop = (QFontMetrics(m_font.ToQFont()).height() - QFontMetrics(font.ToQFont()).height()) / 2;
    dc.TextOut(kCaptionLeft + shift, kCaptionTop + shift + drop, caption);
    dc.SelectObject(&m_font);
}

void CIconButton::DrawChevron(CDC& dc, int offset, int direction, bool pressed)
{
    const int shift = pressed ? 2 : 0;
    const int x = offset + shift;
    const int y = shift;

    CPen* oldPen = dc.SelectObject(&m_penLight);
    dc.MoveTo(x + 15, y + 4);
    dc.LineTo(x + direction + 21, y + 10);
    dc.LineTo(x + 15, y + 16);
    RestorePen(dc, oldPen);

    oldPen = dc.SelectObject(&m_penDark);
    dc.MoveTo(x + 17, y + 4);
    dc.LineTo(x + direction + 23, y + 10);
    dc.LineTo(x + 17, y + 16);
    RestorePen(dc, oldPen);
}

HICON CIconButton::Icon(int resourceId) const
{
    for (std::size_t index = 0; index < kIconIds.size(); ++index) {
        if (kIconIds[index] == resourceId)
            return m_arrIcons[index];
    }
    return nullptr;
}
