// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SystemMenu.h"

#include <QCoreApplication>
#include <QAction>
#include <QMenu>

namespace {

QAction* AddCommand(QMenu* menu, const QString& caption, unsigned command)
{
    QAction* action = menu->addAction(caption);
    action->setData(command);
    return action;
}

void RemoveAt(QMenu* menu, int position)
{
    const auto actions = menu->actions();
    if (position < actions.size()) {
        QAction* action = actions.at(position);
        menu->removeAction(action);
        delete action;
    }
}

} // namespace

void BuildSystemMenu(QMenu* menu, const QString& aboutCaption)
{
    menu->clear();
    AddCommand(menu, QCoreApplication::translate("SystemMenu", "&Restore"), SC_RESTORE);
    AddCommand(menu, QCoreApplication::translate("SystemMenu", "&Move"), SC_MOVE);
    AddCommand(menu, QCoreApplication::translate("SystemMenu", "&Size"), SC_SIZE);
    AddCommand(menu, QCoreApplication::translate("SystemMenu", "Mi&nimize"), SC_MINIMIZE);
    AddCommand(menu, QCoreApplication::translate("SystemMenu", "Ma&ximize"), SC_MAXIMIZE);
    menu->addSeparator();
    AddCommand(menu, QCoreApplication::translate("SystemMenu", "&Close\tAlt+F4"), SC_CLOSE);

    // Each position counts in the menu the previous removal left.
    RemoveAt(menu, 0);
    RemoveAt(menu, 1);
    RemoveAt(menu, 2);

    if (!aboutCaption.isEmpty()) {
        menu->addSeparator();
        AddCommand(menu, aboutCaption, IDM_ABOUTBOX);
    }
}

QAction* AddPrintCommand(QMenu* menu)
{
    menu->addSeparator();
    return AddCommand(menu, QCoreApplication::translate("SystemMenu", "&Print...\tCtrl+P"), IDM_PRINT);
}
