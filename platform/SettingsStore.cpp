#include "platform/SettingsStore.h"

#include "platform/ProgramIdentity.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#    include <QSettings>
#else
#    include <QDir>
#    include <QFile>
#    include <QFileInfo>
#    include <QMap>
#    include <QSaveFile>
#    include <QStringDecoder>
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

bool CSettingsStore::WriteString(const QString& name, const QString& value)
{
    QSettings settings(RegistryPath(m_strKey), QSettings::NativeFormat);
    settings.setValue(name, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString CSettingsStore::Location() const
{
    return RegistryPath(m_strKey);
}

#else

namespace {

// The file is small; anything much larger was not written by us.
constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

using Values = QMap<QString, QString>;
using Groups = QMap<QString, Values>;

QString SettingsFilePath()
{
    // Read at every call: the folder may change while the program runs.
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    const ProgramIdentity& program = GetProgramIdentity();
    return QStringLiteral("%1/%2/%3.conf").arg(base, program.organization, program.application);
}

// Backslash escapes keep every value on one line and let any character
// through: the separators of the format, control characters and quotes.
QString Escape(const QString& text, QStringView specials)
{
    QString escaped;
    escaped.reserve(text.size());
    for (QChar character : text) {
        const char16_t code = character.unicode();
        if (code == u'\\')
            escaped += QStringLiteral("\\\\");
        else if (code == u'\n')
            escaped += QStringLiteral("\\n");
        else if (code == u'\r')
            escaped += QStringLiteral("\\r");
        else if (code == u'\t')
            escaped += QStringLiteral("\\t");
        else if (code < 0x20 || code == 0x7f)
            escaped += QStringLiteral("\\u%1").arg(static_cast<unsigned>(code), 4, 16, QLatin1Char('0'));
        else if (specials.contains(character))
            escaped += QLatin1Char('\\') + character;
        else
            escaped += character;
    }
    return escaped;
}

// Reads escaped text from position up to the unescaped terminator and leaves
// position just past it. Returns nothing for a broken escape or a missing
// terminator.
std::optional<QString> Unescape(QStringView line, qsizetype& position, QChar terminator)
{
    QString text;
    while (position < line.size()) {
        const QChar character = line[position++];
        if (character == terminator)
            return text;
        if (character != QLatin1Char('\\')) {
            text += character;
            continue;
        }
        if (position >= line.size())
            return std::nullopt;
        const QChar escaped = line[position++];
        switch (escaped.unicode()) {
        case u'n':
            text += QLatin1Char('\n');
            break;
        case u'r':
            text += QLatin1Char('\r');
            break;
        case u't':
            text += QLatin1Char('\t');
            break;
        case u'u': {
            if (position + 4 > line.size())
                return std::nullopt;
            bool ok = false;
            const uint code = line.mid(position, 4).toUInt(&ok, 16);
            if (!ok)
                return std::nullopt;
            text += QChar(static_cast<char16_t>(code));
            position += 4;
            break;
        }
        default:
            if (escaped.isLetterOrNumber())
                return std::nullopt;
            text += escaped;
        }
    }
    return std::nullopt;
}

// The whole file or nothing: a file we cannot understand in full is not
// half-trusted.
std::optional<Groups> ParseSettings(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    if (text.startsWith(QChar(0xfeff)))
        text.remove(0, 1);

    Groups groups;
    QString group;
    bool inGroup = false;
    const auto lines = QStringView(text).split(QLatin1Char('\n'));
    for (QStringView line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        qsizetype position = 0;
        if (line.startsWith(QLatin1Char('['))) {
            position = 1;
            const auto name = Unescape(line, position, QLatin1Char(']'));
            if (!name || position != line.size())
                return std::nullopt;
            group = *name;
            inGroup = true;
            groups[group];
            continue;
        }
        if (!inGroup)
            return std::nullopt;
        const auto name = Unescape(line, position, QLatin1Char('='));
        if (!name || position >= line.size() || line[position] != QLatin1Char('"'))
            return std::nullopt;
        ++position;
        const auto value = Unescape(line, position, QLatin1Char('"'));
        if (!value || position != line.size())
            return std::nullopt;
        groups[group].insert(*name, *value);
    }
    return groups;
}

QByteArray FormatSettings(const Groups& groups)
{
    QString text;
    for (auto group = groups.cbegin(); group != groups.cend(); ++group) {
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        text += QLatin1Char('[') + Escape(group.key(), u"[]") + QStringLiteral("]\n");
        for (auto value = group->cbegin(); value != group->cend(); ++value)
            text += Escape(value.key(), u"[]=;#\"") + QStringLiteral("=\"") + Escape(value.value(), u"\"") + QStringLiteral("\"\n");
    }
    return text.toUtf8();
}

enum class FileState { Missing, Unreadable, Read };

FileState ReadSettingsFile(const QString& path, Groups& groups)
{
    QFile file(path);
    if (!file.exists())
        return FileState::Missing;
    if (file.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly))
        return FileState::Unreadable;
    const auto parsed = ParseSettings(file.readAll());
    if (!parsed)
        return FileState::Unreadable;
    groups = *parsed;
    return FileState::Read;
}

} // namespace

CSettingsStore::CSettingsStore(const QString& key)
    : m_strKey(key)
{
}

std::optional<QString> CSettingsStore::ReadString(const QString& name, int maxLength) const
{
    Groups groups;
    if (ReadSettingsFile(SettingsFilePath(), groups) != FileState::Read)
        return std::nullopt;
    const auto group = groups.constFind(m_strKey);
    if (group == groups.constEnd())
        return std::nullopt;
    const auto value = group->constFind(name);
    if (value == group->constEnd() || value->size() > maxLength)
        return std::nullopt;
    return *value;
}

bool CSettingsStore::WriteString(const QString& name, const QString& value)
{
    const QString path = SettingsFilePath();
    Groups groups;
    if (ReadSettingsFile(path, groups) == FileState::Unreadable) {
        // Whatever the damaged file held cannot be read back anyway; keep a
        // copy of it for a human and start a clean one.
        const QString copy = path + QStringLiteral(".damaged");
        QFile::remove(copy);
        if (!QFile::copy(path, copy))
            return false;
    }
    groups[m_strKey].insert(name, value);

    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    // Written beside the old file and renamed over it, so a crash never
    // leaves half a file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = FormatSettings(groups);
    if (file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}

QString CSettingsStore::Location() const
{
    return SettingsFilePath();
}

#endif
