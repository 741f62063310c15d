// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/IconButton.h"
#include "platform/Window.h"

// The commands' own notion of a button's state: whether it counts as active
// and whether a toggle shows its lit face. The button is repainted so the
// face follows at once.
inline void SetButton(CIconButton& button, bool active)
{
    button.m_bActive = active;
    InvalidateWindow(&button);
}

inline void SetButton(CIconButton& button, bool active, bool lit)
{
    button.m_bLit = lit;
    SetButton(button, active);
}
