// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// An exclusive lock between processes, held on a lock file beside what it
// guards. The kernel lets go of it when its holder ends, however it ends,
// so a lock file left behind by a killed process, empty or not, is taken at
// once; a lock that a running process holds is never taken over. The file
// carries the holder's process id, host and program name in the form
// QLockFile writes, so that Qt's own lock files respect it too.
class CFileLock
{
public:
    explicit CFileLock(const QString& path);
    ~CFileLock();
    CFileLock(const CFileLock&) = delete;
    CFileLock& operator=(const CFileLock&) = delete;

    // Waits at most timeoutMs for the lock; false, with Error() saying why,
    // when it could not be had.
    bool Acquire(int timeoutMs);
    void Release();
    QString Error() const { return m_strError; }

private:
    QString m_strPath;
    QString m_strError;
    int m_nDescriptor = -1;
};
