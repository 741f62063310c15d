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
    const int day = ReadDigits(entry, 2, 2);
    const int month = ReadDigits(entry, 4, 2);
    const int year = ReadDigits(entry, 6, 4);
    // DaysInMonth is 0 for a month outside 1..12.
    return year >= kFirstYear && year <= kLastYear && day >= 1 && day <= DaysInMonth(month, year);
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

int PersonDay(const QString& entry)
{
    return qMax(0, ReadDigits(entry, 2, 2));
}

int PersonMonth(const QString& entry)
{
    return qMax(0, ReadDigits(entry, 4, 2));
}

int PersonYear(const QString& entry)
{
    return qMax(0, ReadDigits(entry, 6, 4));
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

CPersonsStore::CPersonsStore(Access access)
    : m_access(access)
{
}

QString CPersonsStore::Read()
{
    CSettingsStore store(kStoreKey);
    // The settings file itself is bounded, so a value of any length is read.
    if (const auto value = store.ReadString(kListValue, std::numeric_limits<int>::max()))
        return *value;
    // Not text, or not readable at all: either way the list starts empty,
    // but what is there is kept.
    const CSettingsStore::FileState state = store.State();
    m_bKeepStored = state == CSettingsStore::FileState::Damaged || state == CSettingsStore::FileState::Unreadable
        || store.Contains(kListValue);
    if (state == CSettingsStore::FileState::Damaged || state == CSettingsStore::FileState::Unreadable) {
        m_unreadable = UnreadableFile { store.Location(), QString() };
        if (m_access == Access::ReadWrite && state == CSettingsStore::FileState::Damaged)
            m_unreadable->copy = store.KeepDamagedFile().value_or(QString());
    }
    return QString();
}

QString CPersonsStore::Location() const
{
    return CSettingsStore(kStoreKey).Location();
}

void CPersonsStore::SetLoaded(const ParsedPersons& parsed)
{
    m_strLoaded = JoinPersons(parsed.entries);
    if (!parsed.complete)
        m_bKeepStored = true;
}

bool CPersonsStore::Write(const QStringList& entries)
{
    if (m_access == Access::ReadOnly)
        return true;
    const QString joined = JoinPersons(entries);
    if (m_bKeepStored && joined == m_strLoaded)
        return true;
    if (!CSettingsStore(kStoreKey).WriteString(kListValue, joined, m_bKeepStored ? kBackupValue : QString()))
        return false;
    // What could not be read is in the backup now, or in the copy of the
    // damaged file; from here on the stored list is the program's own.
    m_bKeepStored = false;
    m_strLoaded = joined;
    return true;
}
