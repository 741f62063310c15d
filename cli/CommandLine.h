// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Entry point of the ryvanta executable: the headless commands, or the window
// when no command is given.
int RunRyvanta(int argc, char** argv);
