// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramSetup.h"

// Every test runs as the program does: with its names, its today variable
// and its resources handed to the platform before main.
namespace {

[[maybe_unused]] const bool g_programSetUp = (SetUpProgram(), true);

} // namespace
