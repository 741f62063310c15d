#include "platform/SettingsStore.h"

#include "platform/ProgramIdentity.h"

#include <QSettings>
#include <QtGlobal>

#ifndef Q_OS_WIN
#    include <QDateTime>
#    include <QDir>
#    include <QFile>
#    include <QFileInfo>
#    include <QLockFile>
#    include <QSaveFile>
#    include <QStringDecoder>
#    include <QTemporaryDir>

#    include <cerrno>
#    include <fcntl.h>
#    include <sys/stat.h>
#    include <unistd.h>
#endif

#ifdef Q_OS_WIN

namespace {

QString RegistryPath(const QString& key)
{
    const ProgramIdentity& program = GetProgramIdentity();
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\%1\\%2\\%3").arg(program.organization, program.application, key);
}

} // namespace

CSettingsStore::CSettingsStore(const QString& key)
    : m_strKey(key)
{
}

std::optional<QString> CSettingsStore::ReadString(const QString& name, int maxLength) const
{
    QSettings settings(RegistryPath(m_strKey), QSettings::NativeFormat);
    const QVariant value = settings.value(name);
    if (!value.isValid() || value.typeId() != QMetaType::QString)
        return std::nullopt;
    QString text = value.toString();
    if (text.size() > maxLength)
        return std::nullopt;
    return text;
}

bool CSettingsStore::Contains(const QString& name) const
{
    return QSettings(RegistryPath(m_strKey), QSettings::NativeFormat).contains(name);
}

bool CSettingsStore::WriteString(const QString& name, const QString& value, const QString& keepAs)
{
    QSettings settings(RegistryPath(m_strKey), QSettings::NativeFormat);
    const QVariant stored = settings.value(name);
    if (stored.typeId() == QMetaType::QString && stored.toString() == value)
        return true;
    if (!keepAs.isEmpty() && stored.isValid())
        settings.setValue(keepAs, stored);
    settings.setValue(name, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString CSettingsStore::Location() const
{
    return RegistryPath(m_strKey);
}

CSettingsStore::FileState CSettingsStore::State() const
{
    return FileState::Readable;
}

std::optional<QString> CSettingsStore::KeepDamagedFile()
{
    return std::nullopt;
}

#else

namespace {

using FileState = CSettingsStore::FileState;

// Far more than a settings file of ours holds; anything larger is not read.
constexpr qint64 kMaxFileSize = 1024 * 1024;
// How long a save waits for another instance's save to finish.
constexpr int kLockWaitMs = 10000;
constexpr int kMaxCopiesPerSecond = 1000;

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

struct FileContents {
    FileState state = FileState::Missing;
    QByteArray bytes;
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
        contents.state = errno == ENOENT ? FileState::Missing : FileState::Unreadable;
        return contents;
    }
    contents.state = FileState::Unreadable;
    if (!S_ISREG(info.st_mode) || info.st_size > kMaxFileSize)
        return contents;
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return contents;
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
    ::close(descriptor);
    if (failed || size > kMaxFileSize)
        return contents;
    bytes.truncate(size);
    contents.state = FileState::Readable;
    contents.bytes = bytes;
    return contents;
}

// QSettings opens its file itself, so it is given a private copy of bytes
// already read: it then never touches a file that was not checked first.
class PrivateSettings
{
public:
    explicit PrivateSettings(const QByteArray& bytes)
    {
        if (!m_folder.isValid())
            return;
        QFile file(FilePath());
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return;
        file.close();
        m_settings.emplace(FilePath(), QSettings::IniFormat);
    }

    bool IsValid() const { return m_settings.has_value(); }
    QSettings& Settings() { return *m_settings; }

    // The file as QSettings wrote it, or nothing when it could not.
    std::optional<QByteArray> Written()
    {
        m_settings->sync();
        if (m_settings->status() != QSettings::NoError)
            return std::nullopt;
        QFile file(FilePath());
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return file.readAll();
    }

private:
    QString FilePath() const { return m_folder.filePath(QStringLiteral("settings.conf")); }

    QTemporaryDir m_folder;
    std::optional<QSettings> m_settings;
};

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

// The file read and, when it holds settings, parsed. A file that is not
// settings text or that QSettings finds fault with is damaged.
struct LoadedFile {
    FileContents contents;
    std::optional<PrivateSettings> settings;
};

void LoadSettingsFile(const QString& path, LoadedFile& loaded)
{
    loaded.contents = ReadBoundedFile(path);
    if (loaded.contents.state != FileState::Readable)
        return;
    loaded.settings.emplace(loaded.contents.bytes);
    if (!loaded.settings->IsValid()) {
        // Nowhere to parse it: read as unreadable, for now, not as damaged.
        loaded.contents.state = FileState::Unreadable;
        loaded.settings.reset();
        return;
    }
    if (!LooksLikeSettingsText(loaded.contents.bytes) || loaded.settings->Settings().status() != QSettings::NoError) {
        loaded.contents.state = FileState::Damaged;
        loaded.settings.reset();
    }
}

// Keeps the bytes of a damaged file in a new file beside it, named for the
// time, that nothing here ever deletes or overwrites. A copy already there
// with the same bytes is used instead, so that repeated runs over the same
// damaged file do not pile up copies. The caller holds the save lock.
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
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int attempt = 0; attempt < kMaxCopiesPerSecond; ++attempt) {
        QString name = prefix + stamp;
        if (attempt > 0)
            name += QStringLiteral("-%1").arg(attempt);
        QFile copy(folder.filePath(name));
        if (!copy.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (QFileInfo::exists(copy.fileName()) || QFileInfo(copy.fileName()).isSymLink())
                continue;
            return std::nullopt;
        }
        // On the disk before the original may be replaced.
        const bool written = copy.write(bytes) == bytes.size() && copy.flush() && ::fsync(copy.handle()) == 0;
        copy.close();
        if (!written)
            return std::nullopt;
        return copy.fileName();
    }
    return std::nullopt;
}

} // namespace

CSettingsStore::CSettingsStore(const QString& key)
    : m_strKey(key)
{
}

std::optional<QString> CSettingsStore::ReadString(const QString& name, int maxLength) const
{
    LoadedFile loaded;
    LoadSettingsFile(SettingsFilePath(), loaded);
    if (!loaded.settings)
        return std::nullopt;
    QSettings& settings = loaded.settings->Settings();
    settings.beginGroup(m_strKey);
    const QVariant value = settings.value(name);
    if (value.typeId() != QMetaType::QString || value.toString().size() > maxLength)
        return std::nullopt;
    return value.toString();
}

bool CSettingsStore::Contains(const QString& name) const
{
    LoadedFile loaded;
    LoadSettingsFile(SettingsFilePath(), loaded);
    if (!loaded.settings)
        return false;
    QSettings& settings = loaded.settings->Settings();
    settings.beginGroup(m_strKey);
    return settings.contains(name);
}

bool CSettingsStore::WriteString(const QString& name, const QString& value, const QString& keepAs)
{
    const QString path = SettingsFilePath();
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    // The same lock QSettings takes, so that two instances, or a Qt tool
    // writing the file, never read a file the other is replacing.
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs))
        return false;

    LoadedFile loaded;
    LoadSettingsFile(path, loaded);
    switch (loaded.contents.state) {
    case FileState::Unreadable:
        return false;
    case FileState::Damaged:
        if (!KeepCopy(path, loaded.contents.bytes))
            return false;
        break;
    case FileState::Missing:
    case FileState::Readable:
        break;
    }
    if (!loaded.settings)
        loaded.settings.emplace(QByteArray());
    if (!loaded.settings->IsValid())
        return false;

    QSettings& settings = loaded.settings->Settings();
    settings.beginGroup(m_strKey);
    const QVariant stored = settings.value(name);
    if (loaded.contents.state == FileState::Readable && stored.typeId() == QMetaType::QString && stored.toString() == value)
        return true;
    if (!keepAs.isEmpty() && stored.isValid())
        settings.setValue(keepAs, stored);
    settings.setValue(name, value);
    settings.endGroup();
    const std::optional<QByteArray> bytes = loaded.settings->Written();
    if (!bytes)
        return false;

    // Written beside the file and renamed over it, as QSettings's own
    // atomic sync does, so a crash never leaves half a file.
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(*bytes) == bytes->size() && file.commit();
}

QString CSettingsStore::Location() const
{
    return SettingsFilePath();
}

CSettingsStore::FileState CSettingsStore::State() const
{
    LoadedFile loaded;
    LoadSettingsFile(SettingsFilePath(), loaded);
    return loaded.contents.state;
}

std::optional<QString> CSettingsStore::KeepDamagedFile()
{
    const QString path = SettingsFilePath();
    if (path.isEmpty())
        return std::nullopt;
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs))
        return std::nullopt;
    LoadedFile loaded;
    LoadSettingsFile(path, loaded);
    if (loaded.contents.state != FileState::Damaged)
        return std::nullopt;
    return KeepCopy(path, loaded.contents.bytes);
}

#endif
