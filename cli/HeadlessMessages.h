// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/TextOutput.h"

#include <QString>
#include <QtGlobal>

#include <initializer_list>

// While it lives, Qt's own messages, and libpng's that Qt's image writer
// passes on, stay off stderr: a headless command prints nothing on success
// and exactly one line of its own on a fault. The last warning is kept so
// that the command can name it in that line; a guard made inside another
// keeps only what is said while it lives. A fatal message still ends the
// process, with its one line and the fault status.
class HeadlessMessages
{
public:
    HeadlessMessages();
    ~HeadlessMessages();
    HeadlessMessages(const HeadlessMessages&) = delete;
    HeadlessMessages& operator=(const HeadlessMessages&) = delete;

    // The last message Qt gave, empty when none; made printable.
    static QString LastMessage();

private:
    QtMessageHandler m_previous = nullptr;
};

// A headless command's fault: writes "ryvanta: " and the message as one line
// on err, and returns the status the command then exits with.
int Fail(CTextOutput& err, const QString& message);

// Writes text in the user's language, as UTF-8.
void WriteText(CTextOutput& out, const QString& text);

// Writes synopsis lines, each written indented by seven blanks, under the
// word "Usage:" in the user's language and aligned to it whatever its length.
void WriteUsage(CTextOutput& out, std::initializer_list<const char*> synopses);
