// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Gdi.h"

// The main window's face. The calendar, the plain labels and the frames of
// the chart and the season picture are filled with it too, so that they sit
// on the window without a seam.
inline constexpr COLORREF kDialogBackColour = RGB(219, 227, 235);
