// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Gdi.h"

// The parts of the main window's chart that a step repaints on its own, in
// client pixels: the day read-outs, and the chart below the month axis.
inline constexpr CRect kDayInfoRect { 30, 200, 350, 380 };
inline constexpr CRect kLowerChartRect { 25, 155, 380, 380 };
