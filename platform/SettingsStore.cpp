// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SettingsStore.h"

#include "platform/FileLock.h"
#include "platform/ProgramIdentity.h"

#include <QSettings>
#include <QtGlobal>

#ifndef Q_OS_WIN
#    include <QDateTime>
#    include <QDir>
#    include <QFile>
#    include <QFileInfo>
#    include <QStringDecoder>

#    include <cerrno>
#    include <cstring>
#    include <fcntl.h>
#    include <sys/stat.h>
#    include <unistd.h>
#endif

using FileState = CSettingsStore::FileState;

QStringList CSettingsStore::Snapshot::RawValues(const QString& name) const
{
    return m_text.RawValues(Key(name));
}

std::optional<QString> CSettingsStore::Snapshot::Text(const QString& name) const
{
    return m_text.String(Key(name));
}

QStringList CSettingsStore::Snapshot::Names() const
{
    return m_text.Keys(m_strGroup);
}

void CSettingsStore::Snapshot::SetText(const QString& name, const QString& value)
{
    m_text.SetString(Key(name), value);
}

CSettingsStore::CSettingsStore(const QString& key)
    : m_strKey(key)
{
}

std::optional<QString> CSettingsStore::ReadString(const QString& name, int maxLength) const
{
    const Snapshot snapshot = Read();
    if (snapshot.State() != FileState::Readable)
        return std::nullopt;
    const std::optional<QString> text = snapshot.Text(name);
    if (!text || text->size() > maxLength)
        return std::nullopt;
    return text;
}

bool CSettingsStore::Contains(const QString& name) const
{
    const Snapshot snapshot = Read();
    return snapshot.State() == FileState::Readable && snapshot.Contains(name);
}

bool CSettingsStore::WriteString(const QString& name, const QString& value)
{
    return Update([&](Snapshot& snapshot) {
        if (snapshot.State() == FileState::Readable && snapshot.RawValues(name).size() == 1 && snapshot.Text(name) == value)
            return false;
        snapshot.SetText(name, value);
        return true;
    }).ok;
}

#ifdef Q_OS_WIN

namespace {

QString RegistryPath(const QString& key)
{
    const ProgramIdentity& program = GetProgramIdentity();
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\%1\\%2\\%3").arg(program.organization, program.application, key);
}

} // namespace

// The registry keeps typed values, not text: each string value is taken
// into the snapshot as the line QSettings would write for it.
CSettingsStore::Snapshot CSettingsStore::Read() const
{
    Snapshot snapshot;
    snapshot.m_strGroup = m_strKey;
    snapshot.m_state = FileState::Readable;
    QSettings settings(RegistryPath(m_strKey), QSettings::NativeFormat);
    for (const QString& name : settings.childKeys()) {
        const QVariant value = settings.value(name);
        if (value.typeId() == QMetaType::QString)
            snapshot.SetText(name, value.toString());
    }
    return snapshot;
}

CSettingsStore::Result CSettingsStore::Update(const std::function<bool(Snapshot&)>& change)
{
    Snapshot snapshot = Read();
    if (!change(snapshot))
        return {};
    QSettings settings(RegistryPath(m_strKey), QSettings::NativeFormat);
    for (const QString& name : snapshot.Names())
        settings.setValue(name, snapshot.Text(name).value_or(QString()));
    settings.sync();
    if (settings.status() != QSettings::NoError)
        return { false, QStringLiteral("the registry refused the change") };
    return {};
}

void CSettingsStore::RemoveLeftovers()
{
}

QString CSettingsStore::Location() const
{
    return RegistryPath(m_strKey);
}

std::optional<QString> CSettingsStore::KeepDamagedFile()
{
    return std::nullopt;
}

#else

namespace {

// Far more than a settings file of ours holds; anything larger is not read.
constexpr qint64 kMaxFileSize = 1024 * 1024;
// A save waits this long for another one to finish, then tells the user.
constexpr int kLockWaitMs = 1000;
constexpr int kMaxCopiesPerSecond = 1000;
// What the store writes beside the file before renaming it into place:
// the only name it ever removes, so that a save killed halfway leaves
// nothing the next start cannot clean, and no copy of the values elsewhere.
const QString kSavingSuffix = QStringLiteral(".saving");
const QString kLockSuffix = QStringLiteral(".lock");

QString SettingsFilePath()
{
    const ProgramIdentity& program = GetProgramIdentity();
    if (program.organization.isEmpty() || program.application.isEmpty())
        return {};
    // Read at every call: the folder may change while the program runs.
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return QStringLiteral("%1/%2/%3.conf").arg(base, program.organization, program.application);
}

QString SystemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

struct FileContents {
    FileState state = FileState::Missing;
    QByteArray bytes;
    int error = 0;
};

// Reads a regular file, after following links, of at most kMaxFileSize
// bytes. Anything else (a FIFO, a device, a folder) is never opened, and
// the open cannot block even if the file was swapped for one meanwhile.
FileContents ReadBoundedFile(const QString& path)
{
    FileContents contents;
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    if (::stat(name.constData(), &info) != 0) {
        contents.error = errno;
        contents.state = errno == ENOENT ? FileState::Missing : FileState::Unreadable;
        return contents;
    }
    contents.state = FileState::Unreadable;
    if (!S_ISREG(info.st_mode) || info.st_size > kMaxFileSize) {
        contents.error = S_ISREG(info.st_mode) ? EFBIG : EISDIR;
        return contents;
    }
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        contents.error = errno;
        return contents;
    }
    QByteArray bytes(kMaxFileSize + 1, Qt::Uninitialized);
    qsizetype size = 0;
    bool failed = ::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode);
    while (!failed && size < bytes.size()) {
        const ssize_t count = ::read(descriptor, bytes.data() + size, static_cast<size_t>(bytes.size() - size));
        if (count == 0)
            break;
        if (count < 0 && errno != EINTR)
            failed = true;
        else if (count > 0)
            size += count;
    }
    contents.error = failed ? errno : 0;
    ::close(descriptor);
    if (failed || size > kMaxFileSize)
        return contents;
    bytes.truncate(size);
    contents.state = FileState::Readable;
    contents.bytes = bytes;
    return contents;
}

// QSettings takes almost any bytes for settings of some sort, but what it
// writes itself is UTF-8 text with every control character but the line
// ends escaped; anything else was not written as settings.
bool LooksLikeSettingsText(const QByteArray& bytes)
{
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code < 0x20 && code != '\n' && code != '\r' && code != '\t')
            return false;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    [[maybe_unused]] const QString text = decoder(bytes);
    return !decoder.hasError();
}

// Where a save goes: the file itself, or the file a link names, so that a
// link the user made stays a link.
QString SaveTarget(const QString& path)
{
    QString target = path;
    for (int depth = 0; depth < 40 && QFileInfo(target).isSymLink(); ++depth)
        target = QFileInfo(target).symLinkTarget();
    return target;
}

bool SyncFolder(const QString& folder)
{
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    const bool synced = ::fsync(descriptor) == 0;
    ::close(descriptor);
    return synced;
}

// Writes the bytes to the saving file beside target and on to the disk;
// false, with the reason, when it could not.
bool WriteSavingFile(const QString& target, const QByteArray& bytes, mode_t mode, QString* reason)
{
    const QByteArray saving = QFile::encodeName(target + kSavingSuffix);
    const int descriptor = ::open(saving.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, mode);
    if (descriptor < 0) {
        *reason = SystemError(errno);
        return false;
    }
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(descriptor, bytes.constData() + written, size_t(bytes.size() - written));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            break;
        written += count;
    }
    const bool whole = written == bytes.size() && ::fchmod(descriptor, mode) == 0 && ::fsync(descriptor) == 0;
    const int error = errno;
    ::close(descriptor);
    if (!whole) {
        *reason = SystemError(error);
        ::unlink(saving.constData());
    }
    return whole;
}

// Replaces target whole: a kill leaves the old file or the new one.
bool ReplaceFile(const QString& target, const QByteArray& bytes, QString* reason)
{
    struct stat info;
    const mode_t mode = ::stat(QFile::encodeName(target).constData(), &info) == 0 ? (info.st_mode & 07777) : 0600;
    if (!WriteSavingFile(target, bytes, mode, reason))
        return false;
    if (::rename(QFile::encodeName(target + kSavingSuffix).constData(), QFile::encodeName(target).constData()) != 0) {
        *reason = SystemError(errno);
        ::unlink(QFile::encodeName(target + kSavingSuffix).constData());
        return false;
    }
    SyncFolder(QFileInfo(target).absolutePath());
    return true;
}

// Keeps the bytes of a damaged file in a new file beside it, named for the
// time, that nothing here ever deletes or overwrites. A copy already there
// with the same bytes is used instead, so that repeated runs over the same
// damaged file do not pile up copies. The copy is written whole under the
// saving name first and then linked to its own name, which never replaces
// anything; the caller holds the lock.
std::optional<QString> KeepCopy(const QString& path, const QByteArray& bytes)
{
    const QFileInfo original(path);
    const QString prefix = original.fileName() + QStringLiteral(".damaged-");
    const QDir folder = original.absoluteDir();
    for (const QString& name : folder.entryList({ prefix + QLatin1Char('*') }, QDir::Files | QDir::Hidden)) {
        const QString candidate = folder.filePath(name);
        const FileContents copy = ReadBoundedFile(candidate);
        if (copy.state == FileState::Readable && copy.bytes == bytes)
            return candidate;
    }
    QString reason;
    if (!WriteSavingFile(path, bytes, 0600, &reason))
        return std::nullopt;
    const QByteArray saving = QFile::encodeName(path + kSavingSuffix);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    std::optional<QString> kept;
    for (int attempt = 0; attempt < kMaxCopiesPerSecond && !kept; ++attempt) {
        QString name = folder.filePath(prefix + stamp);
        if (attempt > 0)
            name += QStringLiteral("-%1").arg(attempt);
        if (::link(saving.constData(), QFile::encodeName(name).constData()) == 0)
            kept = name;
        else if (errno != EEXIST)
            break;
    }
    ::unlink(saving.constData());
    if (kept)
        SyncFolder(folder.absolutePath());
    return kept;
}

} // namespace

CSettingsStore::Snapshot CSettingsStore::Read() const
{
    Snapshot snapshot;
    snapshot.m_strGroup = m_strKey;
    const FileContents contents = ReadBoundedFile(SettingsFilePath());
    snapshot.m_state = contents.state;
    if (contents.state != FileState::Readable)
        return snapshot;
    snapshot.m_text = CIniText(contents.bytes);
    if (!LooksLikeSettingsText(contents.bytes) || !snapshot.m_text.IsWhole())
        snapshot.m_state = FileState::Damaged;
    return snapshot;
}

CSettingsStore::Result CSettingsStore::Update(const std::function<bool(Snapshot&)>& change)
{
    const QString path = SettingsFilePath();
    if (path.isEmpty())
        return { false, QStringLiteral("there is no settings folder") };
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return { false, QStringLiteral("the folder %1 cannot be made").arg(folder) };
    CFileLock lock(path + kLockSuffix);
    if (!lock.Acquire(kLockWaitMs))
        return { false, lock.Error() };

    Snapshot snapshot = Read();
    switch (snapshot.State()) {
    case FileState::Unreadable:
        return { false, QStringLiteral("the file cannot be read: %1").arg(SystemError(ReadBoundedFile(path).error)) };
    case FileState::Damaged:
    case FileState::Missing:
    case FileState::Readable:
        break;
    }
    if (!change(snapshot))
        return {};
    if (snapshot.State() == FileState::Damaged && !KeepCopy(path, ReadBoundedFile(path).bytes))
        return { false, QStringLiteral("no copy of the damaged file could be kept beside it") };
    QString reason;
    if (!ReplaceFile(SaveTarget(path), snapshot.m_text.Bytes(), &reason))
        return { false, reason };
    return {};
}

void CSettingsStore::RemoveLeftovers()
{
    const QString path = SettingsFilePath();
    if (path.isEmpty() || !QFileInfo::exists(QFileInfo(path).absolutePath()))
        return;
    CFileLock lock(path + kLockSuffix);
    if (lock.Acquire(kLockWaitMs))
        ::unlink(QFile::encodeName(path + kSavingSuffix).constData());
}

QString CSettingsStore::Location() const
{
    return SettingsFilePath();
}

std::optional<QString> CSettingsStore::KeepDamagedFile()
{
    const QString path = SettingsFilePath();
    if (path.isEmpty())
        return std::nullopt;
    CFileLock lock(path + kLockSuffix);
    if (!lock.Acquire(kLockWaitMs) || Read().State() != FileState::Damaged)
        return std::nullopt;
    return KeepCopy(path, ReadBoundedFile(path).bytes);
}

#endif
