// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <iosfwd>

// `ryvanta render`: writes the window as a PNG file. The arguments are those
// after "render". Returns 0, or 2 with one line on err on a fault.
int RunRender(const QStringList& arguments, std::ostream& out, std::ostream& err);

extern const char kRenderUsage[];
