// SPDX-License-Identifier: GPL-3.0-or-later
// Must not compile: the platform cannot see the program above it.
#include "platform/Gdi.h"

#include "app/BiorhythmDlg.h"
