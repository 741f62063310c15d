// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutDlg.h"

#include "platform/MessageBox.h"
#include "res/ResourceIds.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kIconSize = 32;

// Built on the dialog font's base units, like the rest of the window.
const QRect kDialogUnits { 0, 0, 235, 93 };
const QRect kIconUnits { 13, 8, 20, 20 };
const QRect kOkUnits { 196, 7, 32, 14 };
const QRect kNameUnits { 40, 10, 150, 8 };
const QRect kLineUnits { 40, 25, 150, 8 };

QLabel* AddText(QWidget* parent, const QString& text, const QRect& units, const QFont& font)
{
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    QRect rect = DialogUnitsToPixels(units);
    rect.setHeight(qMax(rect.height(), QFontMetrics(font).height()));
    label->setGeometry(rect);
    return label;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent)
    : CDialog(parent)
{
    setWindowTitle(QCoreApplication::translate("About", "About Ryvanta"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(DialogUnitsToPixels(kDialogUnits).size());

    const QFont dialogFont = FontForCellHeight(QStringLiteral("MS Sans Serif"), 13, FW_NORMAL, false);
    setFont(dialogFont);

    auto* icon = new QLabel(this);
    const QRect iconRect = DialogUnitsToPixels(kIconUnits);
    // An icon static takes the icon's own size.
    icon->setGeometry(iconRect.x(), iconRect.y(), kIconSize, kIconSize);
    if (HICON programIcon = LoadIconResource(IDI_PROGRAM))
        icon->setPixmap(programIcon->Pixmap(devicePixelRatioF()));

    AddText(this, QCoreApplication::translate("About", "Ryvanta Version %1").arg(QStringLiteral(RYVANTA_VERSION)), kNameUnits, dialogFont);
    AddText(this, QCoreApplication::translate("About", "Biorhythms from the date of birth"), kLineUnits, dialogFont);

    m_pOk = new QPushButton(QCoreApplication::translate("About", "OK"), this);
    SetDlgCtrlID(m_pOk, IDOK);
    m_pOk->setGeometry(DialogUnitsToPixels(kOkUnits));
    m_pOk->setDefault(true);
    m_pOk->setFocus();
    connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
}
