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
// The date fields as decimal numbers; a field that is not all digits reads 0.
int PersonDay(const QString& entry);
int PersonMonth(const QString& entry);
int PersonYear(const QString& entry);

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

// Reads and writes the stored list. What is stored but could not be read
// whole (a damaged list, a value of another kind, a settings file that
// cannot be read) is left as it is until the persons are changed. The first
// save after that keeps it as the value "List.bak" beside the new list (a
// damaged settings file is copied aside whole instead), so nothing the user
// stored is lost. A list is written only when it differs from what is
// stored, in one atomic replacement of the file. A store for reading only
// never writes, whatever happens.
class CPersonsStore
{
public:
    enum class Access { ReadWrite, ReadOnly };

    // The settings file, when it is there but could not be read, and the
    // copy of it kept beside it; the copy is empty when none was made (for
    // reading only, or when the file's bytes could not be had), and then the
    // file is never written over.
    struct UnreadableFile {
        QString path;
        QString copy;
    };

    explicit CPersonsStore(Access access = Access::ReadWrite);

    // The stored text to parse, or "" when it is missing or cannot be read.
    QString Read();
    // Remembers what the text read gave, so that Write can tell whether the
    // user changed the list since.
    void SetLoaded(const ParsedPersons& parsed);
    // Something is stored that could not be read, and no save has yet put
    // it aside.
    bool IsDamaged() const { return m_bKeepStored; }
    bool IsReadOnly() const { return m_access == Access::ReadOnly; }
    const std::optional<UnreadableFile>& Unreadable() const { return m_unreadable; }
    // Where the list is kept, for the user.
    QString Location() const;

    // False when the list could not be saved; what was stored stays.
    bool Write(const QStringList& entries);

private:
    Access m_access;
    bool m_bKeepStored = false;
    QString m_strLoaded;
    std::optional<UnreadableFile> m_unreadable;
};
