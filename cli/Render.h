// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/TextOutput.h"

#include <QStringList>


// `ryvanta render`: writes the window as a PNG file. The arguments are those
// after "render". Returns 0, or 2 with one line on err on a fault.
int RunRender(const QStringList& arguments, CTextOutput& out, CTextOutput& err);

extern const char kRenderUsage[];
