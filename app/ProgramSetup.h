// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Hands the platform layer the program's names, its settings place and its
// today variable, and registers its compiled-in resources. Called once at
// start-up, before anything else.
void SetUpProgram();
