// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the platform layer knows of the program it serves. The program hands
// it over once at start-up, before any window, setting or date is touched;
// until then the names are empty, nothing is stored and no date is fixed.
struct ProgramIdentity {
    // The settings live in <organization>/<application>.conf in the XDG
    // config folder, or under HKCU\Software\<organization>\<application>.
    QString organization;
    QString application;
    // The environment variable that fixes today's date (YYYY-MM-DD).
    QString todayVariable;
};

void SetProgramIdentity(const ProgramIdentity& identity);
const ProgramIdentity& GetProgramIdentity();
