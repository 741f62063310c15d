// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Lets screen readers tell what the main window's chart shows. Installed
// once, by the first window built.
void InstallChartAccessibility();
