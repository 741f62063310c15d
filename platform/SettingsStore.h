#pragma once

#include <QString>

#include <optional>

// Persistent string values in place of the registry. On Linux the values
// live in <organization>/<application>.conf of the program's identity in
// the XDG config folder (XDG_CONFIG_HOME, else ~/.config), one group per
// key; on Windows in the registry under
// HKEY_CURRENT_USER\Software\<organization>\<application>\<key>.
class CSettingsStore
{
public:
    // key is the last part of the path, e.g. "Work string".
    explicit CSettingsStore(const QString& key);

    // The value, or nothing when it is missing or cannot be read. A value
    // longer than maxLength characters is treated as unreadable.
    std::optional<QString> ReadString(const QString& name, int maxLength) const;
    bool WriteString(const QString& name, const QString& value);

    // Where the values are kept (a file path on Linux).
    QString Location() const;

private:
    QString m_strKey;
};
