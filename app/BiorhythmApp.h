// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs the main window as a modal dialog; the program ends when it closes.
class CBiorhythmApp
{
public:
    // Always false: there is no message loop after the dialog.
    bool InitInstance();
};

// Opens the window: checks that a display and a valid RYVANTA_TODAY are
// there, then runs the application. Returns the process's exit code.
int RunWindow(int argc, char** argv);
