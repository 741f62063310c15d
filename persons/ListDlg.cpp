// SPDX-License-Identifier: GPL-3.0-or-later
#include "persons/ListDlg.h"

#include "controls/Narrowing.h"

#include "persons/PersonsStore.h"
#include "platform/MessageBox.h"
#include "platform/ProgramIdentity.h"
#include "platform/StaticControls.h"
#include "res/ResourceIds.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace {

constexpr int kIconSize = 32;

// The box is laid out in the dialog font's base units.
const QRect kDialogUnits { 0, 0, 197, 66 };
const QRect kGroupUnits { 7, 3, 138, 55 };
const QRect kInfoUnits { 18, 18, 105, 12 };
const QRect kIconUnits { 120, 12, 21, 20 };
// As far as the name field, for a longer word than "Name:".
const QRect kNameLabelUnits { 18, 43, 27, 8 };
const QRect kNameUnits { 46, 39, 90, 12 };
const QRect kAddUnits { 153, 7, 37, 14 };
const QRect kRemoveUnits { 153, 25, 37, 14 };
const QRect kCancelUnits { 153, 43, 37, 14 };

// The framework's own words when a text field holds too much.
const char kTooManyCharacters[] = QT_TRANSLATE_NOOP("List", "Please enter no more than %1 characters.");

int ButtonTextRoom(const QPushButton* button)
{
    const QStyle* style = button->style();
    return button->width() - style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
        - 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
}

// A caption in a longer language is narrowed a little, as the main
// window's labels are, rather than losing its end.
void NarrowToFit(QWidget* control, const QString& text, int room)
{
    if (const std::optional<int> stretch = StretchToFit(control->font(), text, room)) {
        QFont font = control->font();
        font.setStretch(*stretch);
        control->setFont(font);
    }
}

QLabel* AddLabel(QWidget* parent, const QString& text, const QRect& units, int id)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QRect rect = DialogUnitsToPixels(units);
    rect.setHeight(qMax(rect.height(), label->fontMetrics().height()));
    PlaceControl(label, rect, parent, id);
    NarrowToFit(label, text, rect.width());
    return label;
}

QPushButton* AddButton(CListDlg* dialog, const QString& text, const QRect& units, int id, void (CListDlg::*handler)())
{
    auto* button = new QPushButton(text, dialog);
    PlaceControl(button, DialogUnitsToPixels(units), dialog, id);
    NarrowToFit(button, text, ButtonTextRoom(button));
    QObject::connect(button, &QPushButton::clicked, dialog, handler);
    return button;
}

} // namespace

CListDlg::CListDlg(QWidget* parent)
    : CDialog(parent)
{
    setWindowTitle(QCoreApplication::translate("List", "List"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(DialogUnitsToPixels(kDialogUnits).size());
    setFont(FontForCellHeight(QStringLiteral("MS Sans Serif"), 13, FW_NORMAL, false));

    (new CGroupBox(this))->Create(DialogUnitsToPixels(kGroupUnits), this);
    m_pInfo = AddLabel(this, QString(), kInfoUnits, IDC_LIST_INFO);

    auto* icon = new QLabel(this);
    const QRect iconRect = DialogUnitsToPixels(kIconUnits);
    // An icon static takes the icon's own size.
    PlaceControl(icon, QRect(iconRect.topLeft(), QSize(kIconSize, kIconSize)), this, -1);
    if (HICON listIcon = LoadIconResource(IDI_LIST))
        icon->setPixmap(listIcon->Pixmap(devicePixelRatioF()));

    AddLabel(this, QCoreApplication::translate("List", "Name:"), kNameLabelUnits, -1);
    m_pName = new QLineEdit(this);
    PlaceControl(m_pName, DialogUnitsToPixels(kNameUnits), this, IDC_LIST_NAME);

    m_pAdd = AddButton(this, QCoreApplication::translate("List", "Add"), kAddUnits, IDC_LIST_ADD, &CListDlg::OnAddItem);
    m_pRemove = AddButton(this, QCoreApplication::translate("List", "Remove"), kRemoveUnits, IDC_LIST_REMOVE, &CListDlg::OnRemoveItem);
    AddButton(this, QCoreApplication::translate("List", "Cancel"), kCancelUnits, IDCANCEL, &CListDlg::OnCancel);
}

int CListDlg::DoModal()
{
    OnInitDialog();
    return exec();
}

bool CListDlg::OnInitDialog()
{
    UpdateData(false);
    m_pAdd->setEnabled(m_bCanAdd);
    m_pRemove->setEnabled(m_bCanRemove);
    // A name can be typed only for a new person. A name that cannot be
    // changed stands on the dialog's own colour, as the system draws it.
    const bool readOnly = !(m_bCanAdd && !m_bCanRemove);
    m_pName->setReadOnly(readOnly);
    QPalette colours = palette();
    if (readOnly)
        colours.setColor(QPalette::Base, colours.color(QPalette::Window));
    m_pName->setPalette(colours);
    m_pName->setFocus();
    return true;
}

bool CListDlg::UpdateData(bool saveAndValidate)
{
    if (!saveAndValidate) {
        m_pName->setText(m_strName);
        m_pInfo->setText(m_strInfo);
        return true;
    }
    const QString name = m_pName->text();
    // A name shown read-only is one already in the list: checking it could
    // only keep the box from closing.
    if (!m_pName->isReadOnly() && CharacterCount(name) > kMaxNameLength) {
        MessageBox(this, QCoreApplication::translate("List", kTooManyCharacters).arg(kMaxNameLength), GetProgramIdentity().application,
            MB_OK | MB_ICONEXCLAMATION);
        m_pName->setFocus();
        m_pName->selectAll();
        return false;
    }
    m_strName = name;
    m_strInfo = m_pInfo->text();
    return true;
}

// The flags are set only once the box closes, so that a name refused by
// the check and then cancelled is not taken after all.
void CListDlg::OnAddItem()
{
    if (!UpdateData(true))
        return;
    m_bAdd = true;
    done(IDOK);
}

void CListDlg::OnRemoveItem()
{
    if (!UpdateData(true))
        return;
    m_bRemove = true;
    done(IDOK);
}

void CListDlg::OnOK()
{
    if (m_bCanAdd)
        OnAddItem();
}

void CListDlg::OnCancel()
{
    done(IDCANCEL);
}

void CListDlg::keyPressEvent(QKeyEvent* event)
{
    // A focused button takes Enter itself; anywhere else it is OK.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        OnOK();
        event->accept();
        return;
    }
    CDialog::keyPressEvent(event);
}
