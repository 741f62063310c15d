// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SystemMenu.h"

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
    AddCommand(menu, QStringLiteral("&Restore"), SC_RESTORE);
    AddCommand(menu, QStringLiteral("&Move"), SC_MOVE);
    AddCommand(menu, QStringLiteral("&Size"), SC_SIZE);
    AddCommand(menu, QStringLiteral("Mi&nimize"), SC_MINIMIZE);
    AddCommand(menu, QStringLiteral("Ma&ximize"), SC_MAXIMIZE);
    menu->addSeparator();
    AddCommand(menu, QStringLiteral("&Close\tAlt+F4"), SC_CLOSE);

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
    return AddCommand(menu, QStringLiteral("&Print...\tCtrl+P"), IDM_PRINT);
}
