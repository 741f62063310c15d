// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

constexpr unsigned kButtonsMask = 0x0f;
constexpr unsigned kIconMask = 0xf0;

MessageBoxHandler& Handler()
{
    static MessageBoxHandler handler;
    return handler;
}

int g_nBeepCount = 0;

QMessageBox::Icon IconOf(unsigned type)
{
    switch (type & kIconMask) {
    case 0:
        return QMessageBox::NoIcon;
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        qWarning("platform: message box icon 0x%x is not supported", type & kIconMask);
        return QMessageBox::NoIcon;
    }
}

} // namespace

int MessageBox(QWidget* owner, const QString& text, const QString& caption, unsigned type)
{
    if (Handler())
        return Handler()(text, caption, type);

    QMessageBox box(owner);
    box.setWindowTitle(caption);
    box.setText(text);
    box.setIcon(IconOf(type));
    switch (type & kButtonsMask) {
    case MB_OK:
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    case MB_OKCANCEL:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    default:
        qFatal("platform: message box buttons 0x%x are not supported", type & kButtonsMask);
    }
    return box.exec() == QMessageBox::Ok ? IDOK : IDCANCEL;
}

void SetMessageBoxHandler(MessageBoxHandler handler)
{
    Handler() = std::move(handler);
}

void MessageBeep(unsigned type)
{
    Q_UNUSED(type);
    ++g_nBeepCount;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::beep();
}

int BeepCount()
{
    return g_nBeepCount;
}
