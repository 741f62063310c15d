// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

// Sets an environment variable for the lifetime of the guard and puts the
// previous value back afterwards.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char* name, const QByteArray& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    QByteArray m_name;
    QByteArray m_previous;
    bool m_hadPrevious = false;
};

// Fixes "today" to the given date (YYYY-MM-DD).
class ScopedToday : public ScopedEnvironment
{
public:
    explicit ScopedToday(const QByteArray& isoDate) : ScopedEnvironment("RYVANTA_TODAY", isoDate) { }
};

// Points the settings store at a fresh temporary folder.
class ScopedSettingsFolder
{
public:
    ScopedSettingsFolder();
    QString path() const { return m_folder.path(); }
    // The program's settings file in this folder.
    QString settingsFile() const;
    // Puts bytes there as a user or another program might.
    bool writeSettingsFile(const QByteArray& bytes) const;

private:
    QTemporaryDir m_folder;
    ScopedEnvironment m_environment;
};

// A file's bytes; none when it cannot be read.
QByteArray ReadFileBytes(const QString& path);

// The persons list in the settings, as stored; none when there is none.
std::optional<QString> StoredList();
// The stored persons, as a window would show them, "(Name)" first.
QStringList StoredPersons();
// Stores a persons list as the program would.
void StoreList(const QString& text);
