// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileLock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QSysInfo>
#include <QThread>

#ifndef Q_OS_WIN
#    include <cerrno>
#    include <cstring>
#    include <fcntl.h>
#    include <sys/file.h>
#    include <sys/stat.h>
#    include <unistd.h>
#endif

namespace {

constexpr int kRetryMs = 10;

QString SystemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

CFileLock::CFileLock(const QString& path)
    : m_strPath(path)
{
}

CFileLock::~CFileLock()
{
    Release();
}

#ifdef Q_OS_WIN

bool CFileLock::Acquire(int)
{
    return true;
}

void CFileLock::Release()
{
}

#else

bool CFileLock::Acquire(int timeoutMs)
{
    Release();
    const QByteArray name = QFile::encodeName(m_strPath);
    const QDeadlineTimer deadline(timeoutMs);
    while (true) {
        const int descriptor = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, 0644);
        if (descriptor < 0) {
            m_strError = QStringLiteral("the lock file %1 cannot be opened: %2").arg(m_strPath, SystemError(errno));
            return false;
        }
        if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0) {
            // The last holder removes the file as it lets go; a lock taken
            // on a file no longer at the path guards nothing.
            struct stat held;
            struct stat named;
            if (::fstat(descriptor, &held) == 0 && ::stat(name.constData(), &named) == 0 && held.st_dev == named.st_dev
                && held.st_ino == named.st_ino) {
                const QByteArray holder = QByteArray::number(qint64(::getpid())) + '\n'
                    + QCoreApplication::applicationName().toUtf8() + '\n' + QSysInfo::machineHostName().toUtf8() + '\n';
                if (::ftruncate(descriptor, 0) == 0) {
                    [[maybe_unused]] const ssize_t written = ::write(descriptor, holder.constData(), size_t(holder.size()));
                }
                m_nDescriptor = descriptor;
                m_strError.clear();
                return true;
            }
            ::close(descriptor);
            continue;
        }
        const int error = errno;
        char holder[32] = {};
        [[maybe_unused]] const ssize_t count = ::pread(descriptor, holder, sizeof holder - 1, 0);
        ::close(descriptor);
        if (error != EWOULDBLOCK && error != EINTR) {
            m_strError = QStringLiteral("the lock file %1 cannot be locked: %2").arg(m_strPath, SystemError(error));
            return false;
        }
        if (deadline.hasExpired()) {
            QByteArray process(holder);
            process.truncate(int(std::strspn(holder, "0123456789")));
            m_strError = process.isEmpty()
                ? QStringLiteral("another program is writing it")
                : QStringLiteral("another program (process %1) is writing it").arg(QString::fromLatin1(process));
            return false;
        }
        QThread::msleep(kRetryMs);
    }
}

void CFileLock::Release()
{
    if (m_nDescriptor < 0)
        return;
    ::unlink(QFile::encodeName(m_strPath).constData());
    ::close(m_nDescriptor);
    m_nDescriptor = -1;
}

#endif
