// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/IniText.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Persistent string values in place of the registry. On Linux they live in
// the INI file <organization>/<application>.conf of the program's identity
// in the XDG config folder (XDG_CONFIG_HOME, else ~/.config), in the form
// QSettings reads and writes, one group per key; on Windows in the registry
// under HKEY_CURRENT_USER\Software\<organization>\<application>\<key>.
//
// The file is the user's and is trusted no further than needed: only a
// regular file of modest size is read, without blocking, and it is judged
// whole before it is taken as it is. A file that is there but cannot be
// read or understood is never overwritten before a copy of its bytes is
// kept beside it; one whose bytes cannot be had is never written at all.
// Every change is made under a lock to the file as it stands then, written
// beside it under a name of the store's own and renamed over it.
class CSettingsStore
{
public:
    enum class FileState {
        Missing,
        Readable,
        // A regular file whose bytes were read but are not settings, or not
        // all of them.
        Damaged,
        // Not a regular file, not ours to read, or too large to be ours.
        Unreadable,
    };

    // The values of one key as they stood when read.
    class Snapshot
    {
    public:
        FileState State() const { return m_state; }
        // The text after "=" on each line stored under the name, as written.
        QStringList RawValues(const QString& name) const;
        // The first value stored under the name, when it reads as text.
        std::optional<QString> Text(const QString& name) const;
        bool Contains(const QString& name) const { return !RawValues(name).isEmpty(); }
        QStringList Names() const;
        void SetText(const QString& name, const QString& value);

    private:
        friend class CSettingsStore;
        QString Key(const QString& name) const { return m_strGroup + u'/' + name; }

        QString m_strGroup;
        FileState m_state = FileState::Missing;
        CIniText m_text;
    };

    struct Result {
        bool ok = true;
        // Why it failed, for the user.
        QString reason;
    };

    // key is the last part of the path, e.g. "Work string".
    explicit CSettingsStore(const QString& key);

    Snapshot Read() const;
    // Under the lock: reads what is stored now and lets change edit it;
    // writes it when change returns true.
    Result Update(const std::function<bool(Snapshot&)>& change);
    // Removes what saves killed halfway left in the settings folder: only
    // the names the store writes under, and only under the lock.
    void RemoveLeftovers();

    // The value, or nothing when it is missing, not a string, longer than
    // maxLength characters or in a file that cannot be read whole.
    std::optional<QString> ReadString(const QString& name, int maxLength) const;
    bool Contains(const QString& name) const;
    // Writes the value unless it is stored already.
    bool WriteString(const QString& name, const QString& value);

    // Where the values are kept (a file path on Linux).
    QString Location() const;
    FileState State() const { return Read().State(); }
    // For a damaged file: the copy of its bytes kept beside it, made now
    // unless an identical one is there already. Nothing for any other file.
    std::optional<QString> KeepDamagedFile();

private:
    QString m_strKey;
};
