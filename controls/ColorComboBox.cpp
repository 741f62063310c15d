// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ColorComboBox.h"

#include "controls/Narrowing.h"

#include "platform/Window.h"

#include <QAbstractItemView>
#include <QFontMetricsF>
#include <QPainter>
#include <QProxyStyle>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cmath>

namespace {

// The field and list borders together with the field: what Windows adds
// around the selection-field height of a drop-down list.
constexpr int kFieldBorders = 6;
constexpr int kListBorders = 2;
constexpr int kTextIndent = 3;
constexpr int kButtonWidth = 15;
constexpr int kArrowRows = 4;

constexpr COLORREF kBorder = RGB(122, 138, 153);
constexpr COLORREF kButtonFace = RGB(221, 230, 237);
constexpr COLORREF kArrow = RGB(0, 0, 0);
constexpr COLORREF kHighlight = RGB(49, 106, 197);
constexpr COLORREF kHighlightText = RGB(255, 255, 255);

// Paints the opened list's items in the combo's own font and colours, at a
// fixed item height.
class CColorItemDelegate : public QStyledItemDelegate
{
public:
    CColorItemDelegate(const QFont& font, COLORREF text, COLORREF back, const int& itemHeight, QObject* parent)
        : QStyledItemDelegate(parent)
        , m_font(font)
        , m_clrText(text)
        , m_clrBack(back)
        , m_nItemHeight(itemHeight)
    {
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), m_nItemHeight);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        painter->save();
        painter->fillRect(option.rect, ToQColor(selected ? kHighlight : m_clrBack));
        painter->setPen(ToQColor(selected ? kHighlightText : m_clrText));
        painter->setFont(m_font);
        painter->drawText(option.rect.adjusted(kTextIndent - 1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
            index.data(Qt::DisplayRole).toString());
        painter->restore();
    }

private:
    QFont m_font;
    COLORREF m_clrText;
    COLORREF m_clrBack;
    const int& m_nItemHeight;
};

// Menu-like popups ignore the visible-item limit and cover the field; a
// drop-down list opens below it with a fixed number of rows.
class CDropDownStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
        QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

CColorComboBox::CColorComboBox(QWidget* parent)
    : QComboBox(parent)
{
    m_font.Create("Arial Cyr", 14, FW_BOLD);
    setFont(m_font.ToQFont());
    setFocusPolicy(Qt::StrongFocus);
    auto* style = new CDropDownStyle;
    style->setParent(this);
    setStyle(style);
    QPalette colours = palette();
    colours.setColor(QPalette::Text, ToQColor(m_clrText));
    colours.setColor(QPalette::WindowText, ToQColor(m_clrText));
    colours.setColor(QPalette::ButtonText, ToQColor(m_clrText));
    colours.setColor(QPalette::Base, ToQColor(m_clrBack));
    colours.setColor(QPalette::Window, ToQColor(m_clrBack));
    colours.setColor(QPalette::Highlight, ToQColor(kHighlight));
    colours.setColor(QPalette::HighlightedText, ToQColor(kHighlightText));
    setPalette(colours);
    setAutoFillBackground(true);
    ApplyClosedHeight();
    connect(this, &QComboBox::activated, this, [this] { NotifyParent(this, CBN_SELENDOK); });
}

bool CColorComboBox::Create(const CRect& rect, QWidget* parent, int id)
{
    setParent(parent);
    m_nDroppedHeight = rect.Height();
    setGeometry(rect.left, rect.top, rect.Width(), m_nFieldHeight + kFieldBorders);
    ApplyClosedHeight();
    SetDlgCtrlID(this, id);
    show();
    return true;
}

int CColorComboBox::SetItemHeight(int index, int height)
{
    if (height <= 0 || height > 255)
        return -1;
    if (index == -1) {
        m_nFieldHeight = height;
        ApplyClosedHeight();
    } else {
        m_nListItemHeight = height;
        if (m_wndList)
            m_wndList->doItemsLayout();
    }
    return 0;
}

int CColorComboBox::AddString(const QString& text)
{
    return InsertString(-1, text);
}

int CColorComboBox::InsertString(int index, const QString& text)
{
    if (index < -1 || index > count())
        return -1;
    const int position = index == -1 ? count() : index;
    const bool hadSelection = currentIndex() >= 0;
    insertItem(position, text);
    // An empty list gains items without gaining a selection.
    if (!hadSelection)
        setCurrentIndex(-1);
    return position;
}

int CColorComboBox::DeleteString(int index)
{
    if (index < 0 || index >= count())
        return -1;
    const bool removesSelection = index == currentIndex();
    removeItem(index);
    if (removesSelection)
        setCurrentIndex(-1);
    return count();
}

void CColorComboBox::ResetContent()
{
    clear();
}

int CColorComboBox::GetCount() const
{
    return count();
}

int CColorComboBox::GetCurSel() const
{
    return currentIndex();
}

int CColorComboBox::SetCurSel(int index)
{
    if (index < 0 || index >= count()) {
        setCurrentIndex(-1);
        return -1;
    }
    setCurrentIndex(index);
    return index;
}

QString CColorComboBox::GetLBText(int index) const
{
    if (index < 0 || index >= count())
        return QString();
    return itemText(index);
}

void CColorComboBox::showPopup()
{
    if (!m_wndList)
        AttachList();
    if (m_nDroppedHeight > 0) {
        const int listHeight = m_nDroppedHeight - (m_nFieldHeight + kFieldBorders) - kListBorders;
        setMaxVisibleItems(std::max(1, listHeight / m_nListItemHeight));
    }
    QComboBox::showPopup();
    view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The list is as wide as the combo or its widest item, whichever is
    // wider, and drops below the field, unless the screen made it open
    // upwards.
    QWidget* popup = view()->window();
    const int listWidth = std::max(width(), WidestItem() + popup->width() - view()->viewport()->width());
    const QPoint below = mapToGlobal(QPoint(0, height()));
    const int top = popup->y() < below.y() - height() ? popup->y() : below.y();
    popup->setGeometry(below.x(), top, listWidth, popup->height());
}

void CColorComboBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Every line is filled as whole pixels: drawn with a pen, it would lie
    // half a pixel up and left above a device pixel ratio of 1, and the
    // button would cover the border's right and bottom edges.
    const QRect field = rect();
    painter.fillRect(field, ToQColor(kBorder));
    painter.fillRect(field.adjusted(1, 1, -1, -1), ToQColor(m_brBack.Colour()));

    const QRect button(field.right() - kButtonWidth, 1, kButtonWidth, field.height() - 2);
    painter.fillRect(button, ToQColor(kButtonFace));
    painter.fillRect(QRect(button.topLeft(), QSize(1, button.height())), ToQColor(kBorder));
    const int arrowCentre = button.left() + (button.width() + 1) / 2;
    const int arrowTop = button.top() + (button.height() - kArrowRows) / 2;
    for (int row = 0; row < kArrowRows; ++row) {
        const int halfWidth = kArrowRows - 1 - row;
        painter.fillRect(QRect(arrowCentre - halfWidth, arrowTop + row, 2 * halfWidth + 1, 1), ToQColor(kArrow));
    }

    const QRect textArea(2, 2, button.left() - 3, field.height() - 4);
    // A chosen line in a longer language is narrowed as the labels narrow.
    QFont font = TextFont();
    if (const std::optional<int> stretch = StretchToFit(font, currentText(), TextArea().width()))
        font.setStretch(*stretch);
    painter.setFont(font);
    if (hasFocus() && currentIndex() >= 0) {
        painter.fillRect(textArea, ToQColor(kHighlight));
        painter.setPen(ToQColor(kHighlightText));
    } else {
        painter.setPen(ToQColor(m_clrText));
    }
    painter.drawText(TextArea(), Qt::AlignLeft | Qt::AlignVCenter, currentText());
}

// Qt builds the list, its frame and its scroll bars as soon as the field's
// font or style changes, to hand the change on, and each of them lays
// itself out whenever the window does. Until the list first opens there is
// nothing to hand on; AttachList gives it the font when it is built.
void CColorComboBox::changeEvent(QEvent* event)
{
    const bool handedToList = event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange;
    if (handedToList && !m_wndList) {
        QWidget::changeEvent(event);
        return;
    }
    QComboBox::changeEvent(event);
}

QRect CColorComboBox::TextArea() const
{
    const int buttonLeft = rect().right() - kButtonWidth;
    return QRect(2, 2, buttonLeft - 3, height() - 4).adjusted(kTextIndent - 2, 0, 0, 0);
}

QFont CColorComboBox::TextFont() const
{
    return m_font.ToQFont();
}

void CColorComboBox::AttachList()
{
    setItemDelegate(new CColorItemDelegate(m_font.ToQFont(), m_clrText, m_clrBack, m_nListItemHeight, this));
    m_wndList = view();
    QPalette colours = m_wndList->palette();
    colours.setColor(QPalette::Base, ToQColor(m_clrBack));
    colours.setColor(QPalette::Window, ToQColor(m_clrBack));
    colours.setColor(QPalette::Text, ToQColor(m_clrText));
    colours.setColor(QPalette::Highlight, ToQColor(kHighlight));
    colours.setColor(QPalette::HighlightedText, ToQColor(kHighlightText));
    m_wndList->setPalette(colours);
    m_wndList->setFont(m_font.ToQFont());
    m_wndList->window()->setFont(font());
}

// Measured in the font the items are drawn in, also where a name's script
// comes from a fallback font, rounded up for fractional scales, with the
// items' indent on both sides.
int CColorComboBox::WidestItem() const
{
    const QFontMetricsF metrics(m_font.ToQFont());
    qreal widest = 0;
    for (int item = 0; item < count(); ++item)
        widest = std::max(widest, metrics.horizontalAdvance(itemText(item)));
    return 2 * (kTextIndent - 1) + static_cast<int>(std::ceil(widest));
}

void CColorComboBox::ApplyClosedHeight()
{
    setFixedHeight(m_nFieldHeight + kFieldBorders);
}
