// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// Runs body inside a widget application made for the call, on Qt's
// offscreen platform at the given scale, whatever the environment asks of
// the screen, and answers what body answers. There must be no application
// yet.
int RunInHeadlessApplication(int scale, const std::function<int()>& body);
