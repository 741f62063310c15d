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

// Reads and writes the stored list. A stored text that could not be read
// whole is never replaced by the part of it that was read: unless the
// persons were changed, it is written back as it was.
class CPersonsStore
{
public:
    // The stored text to parse, or "" when it is missing or longer than the
    // list can be.
    QString Read();
    // Remembers what the text read gave, so that Write can tell whether the
    // user changed the list since.
    void SetLoaded(const QString& storedList, const ParsedPersons& parsed);
    bool IsDamaged() const { return m_keep.has_value(); }

    // The text Write stores for the entries in memory.
    QString TextToStore(const QStringList& entries) const;
    bool Write(const QStringList& entries);

private:
    std::optional<QString> m_keep;
    QString m_strLoaded;
};
