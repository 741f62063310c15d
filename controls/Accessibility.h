// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Lets screen readers read the owner-drawn buttons and labels: a button by
// its tooltip, its keys and whether it can be used, a label by the text it
// shows. Installed once, by the first control built.
void InstallControlAccessibility();
