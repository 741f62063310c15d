// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Whether nothing answers at a local X display ":N" or ":N.S" (also written
// with "unix" before the colon). Its server listens on /tmp/.X11-unix/XN and,
// on Linux, in the abstract namespace as well; a socket file that is missing,
// or left behind by a server that is gone, means nothing answers there. Any
// other display, and a system without such sockets, gives false, so that a
// window can be tried. The probe connects and closes at once; it never
// blocks.
bool LocalXDisplayIsSilent(const QString& display);
