// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "res/ResourceIds.h"

#include <QString>

class QAction;
class QMenu;

// Commands of the window menu, as the window manager numbers them. Only the
// upper twelve bits count: the lower four are the system's own.
enum SystemCommand : unsigned {
    SC_SIZE = 0xF000,
    SC_MOVE = 0xF010,
    SC_MINIMIZE = 0xF020,
    SC_MAXIMIZE = 0xF030,
    SC_CLOSE = 0xF060,
    SC_RESTORE = 0xF120,
};
constexpr unsigned kSystemCommandMask = 0xFFF0;

// Fills menu with a fixed-size window's menu: the standard entries less
// Restore, Size and Maximize, then, unless aboutCaption is empty, a
// separator and the About entry. Each entry carries its command as data.
void BuildSystemMenu(QMenu* menu, const QString& aboutCaption);

// Adds a separator and the Print entry after what the menu holds, and
// returns the entry, so that the window can take it in and out of use.
QAction* AddPrintCommand(QMenu* menu);
