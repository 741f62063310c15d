#pragma once

#include <QString>

#include <optional>

// Persistent string values in place of the registry, kept by QSettings. On
// Linux they live in the INI file <organization>/<application>.conf of the
// program's identity in the XDG config folder (XDG_CONFIG_HOME, else
// ~/.config), one group per key; on Windows in the registry under
// HKEY_CURRENT_USER\Software\<organization>\<application>\<key>.
//
// The file is the user's and is trusted no further than needed: only a
// regular file of modest size is read, without blocking, and QSettings sees
// a private copy of the bytes. A file that is there but cannot be read or
// understood is never overwritten or deleted before a copy of its bytes is
// kept beside it; one whose bytes cannot be had is never written at all.
class CSettingsStore
{
public:
    enum class FileState {
        Missing,
        Readable,
        // A regular file whose bytes were read but are not settings.
        Damaged,
        // Not a regular file, not ours to read, or too large to be ours.
        Unreadable,
    };

    // key is the last part of the path, e.g. "Work string".
    explicit CSettingsStore(const QString& key);

    // The value, or nothing when it is missing, not a string or cannot be
    // read. A value longer than maxLength characters is treated as
    // unreadable.
    std::optional<QString> ReadString(const QString& name, int maxLength) const;
    // Whether anything at all is stored under the name.
    bool Contains(const QString& name) const;
    // Writes the value unless it is stored already. A damaged file is first
    // copied aside; an unreadable one makes the write fail. With keepAs
    // given, whatever was stored under name is kept under keepAs, in the
    // same write.
    bool WriteString(const QString& name, const QString& value, const QString& keepAs = QString());

    // Where the values are kept (a file path on Linux).
    QString Location() const;
    FileState State() const;
    // For a damaged file: the copy of its bytes kept beside it, made now
    // unless an identical one is there already. Nothing for any other file.
    std::optional<QString> KeepDamagedFile();

private:
    QString m_strKey;
};
