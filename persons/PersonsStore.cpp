#include "persons/PersonsStore.h"

#include "model/CalendarArithmetic.h"
#include "platform/SettingsStore.h"

namespace {

const QString kStoreKey = QStringLiteral("Work string");
const QString kListValue = QStringLiteral("List");
// The longest text the list value may hold; the program's own lists stay
// well below it (11 entries of at most 22 characters).
constexpr int kMaxStoredLength = 254;

constexpr int kNameStart = 10;

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

QString FormatPersonEntry(const QString& name, int day, int month, int year)
{
    return QStringLiteral("%1%2%3%4%5")
        .arg(name.size() + kNameStart, 2, 10, QLatin1Char('0'))
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
        const int length = ReadDigits(storedList, position, 2);
        if (length < kNameStart || position + length > storedList.size()) {
            parsed.complete = false;
            break;
        }
        const QString entry = storedList.mid(position, length);
        if (!IsWellFormedEntry(entry)) {
            parsed.complete = false;
            break;
        }
        parsed.entries.append(entry);
        position += length;
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
    if (const auto value = store.ReadString(kListValue, kMaxStoredLength))
        return *value;
    // Too long to be a list of ours, not text, or not readable at all:
    // either way the list starts empty, but what is there is kept.
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
    return CSettingsStore(kStoreKey).WriteString(kListValue, joined);
}
