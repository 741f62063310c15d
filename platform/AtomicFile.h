// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Writes contents as the file at path, whose bytes are the name exactly as
// the system takes it (it need not be UTF-8). The file is wholly replaced or
// left as it was: the bytes go to a new file beside it, which takes the
// name once they are on the disk. A link is followed, and the file it names
// keeps its permissions. An existing path that is not a regular file (a
// device, a pipe, a folder) is refused and left alone. On a fault reason
// holds why, in the system's words, and nothing has been written.
bool WriteFileAtomically(const QByteArray& path, const QByteArray& contents, QString* reason);
