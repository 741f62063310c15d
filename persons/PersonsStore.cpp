// SPDX-License-Identifier: GPL-3.0-or-later
#include "persons/PersonsStore.h"

#include "model/CalendarArithmetic.h"
#include "platform/SettingsStore.h"

#include <limits>

namespace {

const QString kStoreKey = QStringLiteral("Work string");
const QString kListValue = QStringLiteral("List");
// Where a stored list that could not be read whole is kept when the list
// is first saved over it.
const QString kBackupValue = QStringLiteral("List.bak");

constexpr int kNameStart = 10;
// The length field of an entry with a name of one character.
constexpr int kShortestEntry = kNameStart + 1;

bool StartsSurrogatePair(const QString& text, qsizetype index)
{
    return index + 1 < text.size() && text.at(index).isHighSurrogate() && text.at(index + 1).isLowSurrogate();
}

// The index just after count characters from start, or -1 when the text
// ends before them.
qsizetype SkipCharacters(const QString& text, qsizetype start, int count)
{
    qsizetype index = start;
    for (int i = 0; i < count; ++i) {
        if (index >= text.size())
            return -1;
        index += StartsSurrogatePair(text, index) ? 2 : 1;
    }
    return index;
}

// The decimal value of text[start, start + width), or -1 unless every
// character there is an ASCII digit.
int ReadDigits(const QString& text, qsizetype start, qsizetype width)
{
    if (start < 0 || start + width > text.size())
        return -1;
    int value = 0;
    for (qsizetype i = start; i < start + width; ++i) {
        const QChar character = text.at(i);
        if (character < u'0' || character > u'9')
            return -1;
        value = value * 10 + (character.unicode() - u'0');
    }
    return value;
}

bool IsWellFormedEntry(const QString& entry)
{
    // A field that is not all digits reads 0, which is out of range like
    // any other wrong value; DaysInMonth is 0 for a month outside 1..12.
    const PersonBirthDate birth = ReadBirthDate(entry);
    return birth.year >= kFirstYear && birth.year <= kLastYear && birth.day >= 1
        && birth.day <= DaysInMonth(birth.month, birth.year);
}

} // namespace

int CharacterCount(const QString& text)
{
    int count = 0;
    for (qsizetype index = 0; index < text.size(); index += StartsSurrogatePair(text, index) ? 2 : 1)
        ++count;
    return count;
}

QString FormatPersonEntry(const QString& name, int day, int month, int year)
{
    return QStringLiteral("%1%2%3%4%5")
        .arg(CharacterCount(name) + kNameStart, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'))
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(year, 4, 10, QLatin1Char('0'))
        .arg(name);
}

QString PersonName(const QString& entry)
{
    return entry.mid(kNameStart);
}

PersonBirthDate ReadBirthDate(const QString& entry)
{
    return { qMax(0, ReadDigits(entry, 2, 2)), qMax(0, ReadDigits(entry, 4, 2)), qMax(0, ReadDigits(entry, 6, 4)) };
}

ParsedPersons ParsePersons(const QString& storedList)
{
    ParsedPersons parsed;
    parsed.entries.append(kPlaceholderEntry);
    qsizetype position = 0;
    while (position < storedList.size()) {
        // Every step moves on by at least one entry's worth of text, or ends.
        const int length = ReadDigits(storedList, position, 2);
        const qsizetype end = length >= kShortestEntry ? SkipCharacters(storedList, position, length) : -1;
        const QString entry = end < 0 ? QString() : storedList.mid(position, end - position);
        if (end < 0 || !IsWellFormedEntry(entry)) {
            parsed.complete = false;
            break;
        }
        parsed.entries.append(entry);
        position = end;
    }
    return parsed;
}

QString JoinPersons(const QStringList& entries)
{
    QString joined;
    for (qsizetype i = 1; i < entries.size(); ++i)
        joined += entries.at(i);
    return joined;
}

namespace {

// What the settings hold under "List", read as far as it can be.
struct StoredList {
    ParsedPersons persons;
    CPersonsStore::StoredValue value = CPersonsStore::StoredValue::Whole;
    // Every "List" line's text after "=", as written, one line each.
    QString raw;
};

StoredList ReadStoredList(const CSettingsStore::Snapshot& snapshot)
{
    StoredList list;
    const QStringList raw = snapshot.RawValues(kListValue);
    const std::optional<QString> text = snapshot.Text(kListValue);
    list.persons = ParsePersons(text.value_or(QString()));
    list.raw = raw.join(u'\n');
    if (raw.isEmpty())
        return list;
    if (!text)
        list.value = CPersonsStore::StoredValue::NotText;
    else if (!list.persons.complete || raw.size() > 1)
        list.value = CPersonsStore::StoredValue::Damaged;
    return list;
}

// "List.bak", or the first of "List.bak2", "List.bak3"... that is free or
// holds the same text already: an earlier backup of something else stays.
QString BackupNameFor(const CSettingsStore::Snapshot& snapshot, const QString& raw)
{
    constexpr int kMaxBackups = 99;
    for (int number = 1; number < kMaxBackups; ++number) {
        const QString name = number == 1 ? kBackupValue : kBackupValue + QString::number(number);
        if (!snapshot.Contains(name) || (snapshot.RawValues(name).size() == 1 && snapshot.Text(name) == raw))
            return name;
    }
    return kBackupValue + QString::number(kMaxBackups);
}

QStringList ApplyChange(QStringList entries, bool add, const QString& entry)
{
    if (add) {
        entries.append(entry);
    } else {
        const qsizetype index = entries.indexOf(entry, 1);
        if (index > 0)
            entries.removeAt(index);
    }
    return entries;
}

} // namespace

CPersonsStore::CPersonsStore(Access access)
    : m_access(access)
    , m_stored { kPlaceholderEntry }
{
}

void CPersonsStore::Load()
{
    CSettingsStore store(kStoreKey);
    if (m_access == Access::ReadWrite)
        store.RemoveLeftovers();
    const CSettingsStore::Snapshot snapshot = store.Read();
    const StoredList list = ReadStoredList(snapshot);
    m_stored = list.persons.entries;
    m_loadedValue = list.value;
    m_strLoadedText = snapshot.Text(kListValue).value_or(QString());
    m_strBackupName = BackupNameFor(snapshot, list.raw);
    m_unreadable.reset();
    const CSettingsStore::FileState state = snapshot.State();
    if (state == CSettingsStore::FileState::Damaged || state == CSettingsStore::FileState::Unreadable) {
        m_unreadable = UnreadableFile { store.Location(), QString(), state == CSettingsStore::FileState::Unreadable };
        if (m_access == Access::ReadWrite && state == CSettingsStore::FileState::Damaged)
            m_unreadable->copy = store.KeepDamagedFile().value_or(QString());
    }
}

bool CPersonsStore::Refresh()
{
    const CSettingsStore::Snapshot snapshot = CSettingsStore(kStoreKey).Read();
    // A file that cannot be read now tells nothing about the list.
    if (snapshot.State() == CSettingsStore::FileState::Unreadable)
        return false;
    const QStringList before = Entries();
    m_stored = ReadStoredList(snapshot).persons.entries;
    return Entries() != before;
}

QStringList CPersonsStore::Entries() const
{
    QStringList entries = m_stored;
    for (const Change& change : m_pending)
        entries = ApplyChange(entries, change.add, change.entry);
    return entries;
}

CPersonsStore::SaveResult CPersonsStore::Add(const QString& entry)
{
    m_pending.append(Change { true, entry });
    return Flush();
}

CPersonsStore::SaveResult CPersonsStore::Remove(const QString& entry)
{
    m_pending.append(Change { false, entry });
    return Flush();
}

CPersonsStore::SaveResult CPersonsStore::SavePending()
{
    return m_pending.isEmpty() ? SaveResult() : Flush();
}

CPersonsStore::SaveResult CPersonsStore::Flush()
{
    if (m_access == Access::ReadOnly) {
        m_stored = Entries();
        m_pending.clear();
        return {};
    }
    bool full = false;
    QStringList saved;
    const CSettingsStore::Result result = CSettingsStore(kStoreKey).Update([&](CSettingsStore::Snapshot& snapshot) {
        const StoredList list = ReadStoredList(snapshot);
        saved = list.persons.entries;
        for (const Change& change : std::as_const(m_pending)) {
            if (change.add && saved.size() > kMaxPersons)
                full = true;
            else
                saved = ApplyChange(saved, change.add, change.entry);
        }
        if (saved == list.persons.entries)
            return false;
        if (list.value != StoredValue::Whole)
            snapshot.SetText(BackupNameFor(snapshot, list.raw), list.raw);
        snapshot.SetText(kListValue, JoinPersons(saved));
        return true;
    });
    if (!result.ok)
        return { Outcome::Failed, result.reason };
    m_stored = saved;
    m_pending.clear();
    return { full ? Outcome::Full : Outcome::Saved, QString() };
}

QString CPersonsStore::Location() const
{
    return CSettingsStore(kStoreKey).Location();
}
