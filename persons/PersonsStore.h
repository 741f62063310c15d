// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// A person entry is one string "LLDDMMYYYYName": LL is the length of the
// whole entry in characters, DD MM YYYY the birth date, the name is the
// rest. The stored list is the entries of the persons joined without
// separators.
//
// A character is a code point: a letter outside the basic plane counts
// once, though Qt keeps it in two UTF-16 units, so that the length field
// means what it says whatever the name's script.

// Entry 0 of the list in memory; never stored.
inline const QString kPlaceholderEntry = QStringLiteral("1600000000(Name)");
// The name a person is listed under when none is chosen.
inline const QString kPlaceholderName = QStringLiteral("(Name)");
// The list dialog takes names of up to this many characters.
inline constexpr int kMaxNameLength = 12;
// The list holds the placeholder and at most this many persons.
inline constexpr int kMaxPersons = 11;

// The number of characters in text; a lone surrogate counts as one.
int CharacterCount(const QString& text);

// name has 1..89 characters, so that the length field keeps its two digits.
QString FormatPersonEntry(const QString& name, int day, int month, int year);
QString PersonName(const QString& entry);

struct PersonBirthDate {
    int day = 0;
    int month = 0;
    int year = 0;
};

// The entry's date fields as decimal numbers; a field that is not all
// digits reads 0.
PersonBirthDate ReadBirthDate(const QString& entry);

struct ParsedPersons {
    // The placeholder, then every well-formed entry up to the first bad one,
    // each exactly as stored.
    QStringList entries;
    // False when the text held an entry that could not be read; it and
    // everything after it were left out.
    bool complete = true;
};

ParsedPersons ParsePersons(const QString& storedList);

// Entries 1..n joined, the placeholder left out.
QString JoinPersons(const QStringList& entries);

// The stored list, and the changes the user made in this window. Every
// change is applied, under the settings lock, to the list as it is stored
// at that moment, so that two windows, or a list edited by hand meanwhile,
// lose nothing: an addition adds its entry, a removal removes its entry's
// text wherever it now stands, or nothing when it is gone already. A change
// that could not be saved stays pending and is tried again with the next
// one and when the window closes; nothing else is ever written.
//
// What is stored but could not be read whole (a damaged list, a value of
// another kind, several values) is left as it is until the list is first
// changed; that save keeps the stored text, exactly as it stands after
// "List=", as the value "List.bak" beside the new list, or as "List.bak2"
// and so on when an earlier, different one is there. A settings file that
// cannot be read whole is copied aside at start-up and written anew with
// the first change. A store for reading only never writes, whatever
// happens.
class CPersonsStore
{
public:
    enum class Access { ReadWrite, ReadOnly };

    // The settings file, when it is there but could not be read whole, and
    // the copy of it kept beside it; the copy is empty when none was made
    // (for reading only, or when the file's bytes could not be had), and
    // then the file is never written over.
    struct UnreadableFile {
        QString path;
        QString copy;
        // Its bytes could not be had at all.
        bool unreadable = false;
    };

    // What the stored list value was found to be when the store was loaded.
    enum class StoredValue { Whole, Damaged, NotText };

    enum class Outcome { Saved, Full, Failed };
    struct SaveResult {
        Outcome outcome = Outcome::Saved;
        // Why the save failed, for the user.
        QString reason;
    };

    explicit CPersonsStore(Access access = Access::ReadWrite);

    // Reads the stored list. A store that writes first removes what a
    // killed save left behind and keeps a copy of a damaged file.
    void Load();
    // Reads the stored list again; true when Entries() changed with it.
    bool Refresh();
    // The placeholder, then the stored persons with the changes not yet
    // saved applied: what the window shows.
    QStringList Entries() const;

    // Full when the stored list holds kMaxPersons persons already.
    SaveResult Add(const QString& entry);
    SaveResult Remove(const QString& entry);
    bool HasPending() const { return !m_pending.isEmpty(); }
    // Tries again to save the changes not saved yet.
    SaveResult SavePending();

    bool IsReadOnly() const { return m_access == Access::ReadOnly; }
    const std::optional<UnreadableFile>& Unreadable() const { return m_unreadable; }
    StoredValue LoadedValue() const { return m_loadedValue; }
    // The stored text as loaded, "" when there was none that reads as text.
    QString LoadedText() const { return m_strLoadedText; }
    // The name the stored value will be kept under when the list is first
    // changed.
    QString BackupName() const { return m_strBackupName; }
    // Where the list is kept, for the user.
    QString Location() const;

private:
    struct Change {
        bool add = true;
        QString entry;
    };

    SaveResult Flush();

    Access m_access;
    QStringList m_stored;
    QList<Change> m_pending;
    std::optional<UnreadableFile> m_unreadable;
    StoredValue m_loadedValue = StoredValue::Whole;
    QString m_strLoadedText;
    QString m_strBackupName;
};
