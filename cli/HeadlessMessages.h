// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <iosfwd>

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
int Fail(std::ostream& err, const QString& message);
