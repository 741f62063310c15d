// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AtomicFile.h"

#include <QtGlobal>

#if defined(Q_OS_UNIX)

#include <QRandomGenerator>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kNameAttempts = 100;

bool SystemFault(QString* reason)
{
    *reason = qt_error_string(errno);
    return false;
}

bool WriteAll(int descriptor, const QByteArray& contents)
{
    const char* next = contents.constData();
    qsizetype left = contents.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, next, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        next += written;
        left -= written;
    }
    return true;
}

// A new file beside target, made with O_EXCL so that nothing in the way is
// opened; the permissions are the target's, or what the umask leaves.
int CreateBeside(const QByteArray& target, const struct stat* existing, QByteArray* created)
{
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        *created = target + ".tmp-" + QByteArray::number(QRandomGenerator::global()->generate(), 16);
        const int descriptor = ::open(created->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0) {
            if (existing && ::fchmod(descriptor, existing->st_mode & 07777) != 0) {
                const int cause = errno;
                ::close(descriptor);
                ::unlink(created->constData());
                errno = cause;
                return -1;
            }
            return descriptor;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

} // namespace

bool WriteFileAtomically(const QByteArray& path, const QByteArray& contents, QString* reason)
{
    QByteArray target = path;
    struct stat existing {};
    const bool exists = ::stat(path.constData(), &existing) == 0;
    if (!exists && errno != ENOENT)
        return SystemFault(reason);
    if (exists) {
        if (!S_ISREG(existing.st_mode)) {
            *reason = QStringLiteral("not a regular file");
            return false;
        }
        char* resolved = ::realpath(path.constData(), nullptr);
        if (!resolved)
            return SystemFault(reason);
        target = resolved;
        std::free(resolved);
    }

    // A file the user has made read-only stays as it is.
    if (exists && ::access(target.constData(), W_OK) != 0)
        return SystemFault(reason);

    QByteArray temporary;
    const int descriptor = CreateBeside(target, exists ? &existing : nullptr, &temporary);
    if (descriptor < 0)
        return SystemFault(reason);
    int failure = 0;
    if (!WriteAll(descriptor, contents) || ::fsync(descriptor) != 0)
        failure = errno;
    if (::close(descriptor) != 0 && failure == 0)
        failure = errno;
    if (failure == 0 && ::rename(temporary.constData(), target.constData()) == 0)
        return true;
    if (failure == 0)
        failure = errno;
    ::unlink(temporary.constData());
    *reason = qt_error_string(failure);
    return false;
}

#else

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool WriteFileAtomically(const QByteArray& path, const QByteArray& contents, QString* reason)
{
    const QString name = QFile::decodeName(path);
    const QFileInfo existing(name);
    if (existing.exists() && !existing.isFile()) {
        *reason = QStringLiteral("not a regular file");
        return false;
    }
    QSaveFile file(name);
    if (file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() && file.commit())
        return true;
    *reason = file.errorString();
    return false;
}

#endif
