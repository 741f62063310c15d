#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// A person entry is one string "LLDDMMYYYYName": LL is the length of the
// whole entry, DD MM YYYY the birth date, the name is the rest. The stored
// list is the entries of the persons joined without separators.

// Entry 0 of the list in memory; never stored.
inline const QString kPlaceholderEntry = QStringLiteral("1600000000(Name)");

QString FormatPersonEntry(const QString& name, int day, int month, int year);
QString PersonName(const QString& entry);
// The date fields as decimal numbers; a field that is not all digits reads 0.
int PersonDay(const QString& entry);
int PersonMonth(const QString& entry);
int PersonYear(const QString& entry);

struct ParsedPersons {
    // The placeholder, then every well-formed entry up to the first bad one.
    QStringList entries;
    // False when the text held an entry that could not be read; it and
    // everything after it were left out.
    bool complete = true;
};

ParsedPersons ParsePersons(const QString& storedList);

// Entries 1..n joined, the placeholder left out.
QString JoinPersons(const QStringList& entries);

// Reads and writes the stored list. What is stored but could not be read
// whole (a damaged or overlong list, a value of another kind, a settings
// file that cannot be read) is left as it is until the persons are changed,
// and a list is written only when it differs from what is stored. A store
// for reading only never writes, whatever happens.
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

    // The stored text to parse, or "" when it is missing, longer than the
    // list can be or cannot be read.
    QString Read();
    // Remembers what the text read gave, so that Write can tell whether the
    // user changed the list since.
    void SetLoaded(const ParsedPersons& parsed);
    bool IsDamaged() const { return m_bKeepStored; }
    bool IsReadOnly() const { return m_access == Access::ReadOnly; }
    const std::optional<UnreadableFile>& Unreadable() const { return m_unreadable; }

    bool Write(const QStringList& entries);

private:
    Access m_access;
    bool m_bKeepStored = false;
    QString m_strLoaded;
    std::optional<UnreadableFile> m_unreadable;
};
