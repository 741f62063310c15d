// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QWidget;

enum MessageBoxType : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONINFORMATION = 0x40,
};

enum MessageBoxResult { IDOK = 1, IDCANCEL = 2 };

// Shows a modal message box with the caption, icon and buttons given by type
// and returns the button chosen.
int MessageBox(QWidget* owner, const QString& text, const QString& caption, unsigned type);

// Tests answer message boxes without showing them: while a handler is set,
// MessageBox calls it instead and returns its answer.
using MessageBoxHandler = std::function<int(const QString& text, const QString& caption, unsigned type)>;
void SetMessageBoxHandler(MessageBoxHandler handler);

// The simple beep.
void MessageBeep(unsigned type = 0xFFFFFFFF);
// Number of beeps so far, so tests can hear them.
int BeepCount();
