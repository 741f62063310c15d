// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IniText.h"

#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const QByteArray kByteOrderMark("\xef\xbb\xbf");

bool IsBlank(char character)
{
    return character == ' ' || character == '\t' || character == '\n' || character == '\r';
}

bool IsLineBreak(char character)
{
    return character == '\n' || character == '\r';
}

int HexValue(char character)
{
    if (character >= '0' && character <= '9')
        return character - '0';
    if (character >= 'a' && character <= 'f')
        return character - 'a' + 10;
    if (character >= 'A' && character <= 'F')
        return character - 'A' + 10;
    return -1;
}

int OctalValue(char character)
{
    return character >= '0' && character <= '7' ? character - '0' : -1;
}

// "%20" and "%U00E9" stand for characters, "\" for "/".
QString UnescapeKey(const QByteArray& text)
{
    const QString decoded = QString::fromUtf8(text);
    QString result;
    qsizetype index = 0;
    while (index < decoded.size()) {
        const QChar character = decoded.at(index);
        if (character == u'\\') {
            result += u'/';
            ++index;
            continue;
        }
        if (character != u'%' || index == decoded.size() - 1) {
            result += character;
            ++index;
            continue;
        }
        qsizetype first = index + 1;
        int digits = 2;
        if (decoded.at(first) == u'U') {
            ++first;
            digits = 4;
        }
        bool ok = false;
        const ushort code = first + digits <= decoded.size() ? QStringView(decoded).sliced(first, digits).toUShort(&ok, 16) : 0;
        if (!ok) {
            result += u'%';
            ++index;
            continue;
        }
        result += QChar(code);
        index = first + digits;
    }
    return result;
}

QByteArray EscapeKey(const QString& key)
{
    QByteArray result;
    for (const QChar character : key) {
        const char16_t code = character.unicode();
        if (code == u'/')
            result += '\\';
        else if ((code >= u'a' && code <= u'z') || (code >= u'A' && code <= u'Z') || (code >= u'0' && code <= u'9')
            || code == u'_' || code == u'-' || code == u'.')
            result += char(code);
        else if (code <= 0xff)
            result += '%' + QByteArray::number(code, 16).toUpper().rightJustified(2, '0');
        else
            result += "%U" + QByteArray::number(code, 16).toUpper().rightJustified(4, '0');
    }
    return result;
}

// The group a heading line opens, as "name/", or "" for the general group.
QString SectionPrefix(const QByteArray& line)
{
    qsizetype close = line.indexOf(']');
    if (close < 0)
        close = line.size();
    const QByteArray name = line.mid(1, close - 1).trimmed();
    if (name.compare("general", Qt::CaseInsensitive) == 0)
        return QString();
    if (name.compare("%general", Qt::CaseInsensitive) == 0)
        return QString::fromLatin1(name.mid(1)) + u'/';
    return UnescapeKey(name) + u'/';
}

QByteArray SectionHeading(const QString& prefix)
{
    if (prefix.isEmpty())
        return "[General]";
    const QString group = prefix.chopped(1);
    if (group.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
        return "[%" + group.toLatin1() + ']';
    return '[' + EscapeKey(group) + ']';
}

// The text of a value, unquoted and unescaped; with list set when commas
// outside quotes make it a list.
QString UnescapeValue(const QByteArray& raw, bool& list)
{
    static constexpr char kEscapes[][2] = { { 'a', '\a' }, { 'b', '\b' }, { 'f', '\f' }, { 'n', '\n' }, { 'r', '\r' },
        { 't', '\t' }, { 'v', '\v' }, { '"', '"' }, { '?', '?' }, { '\'', '\'' }, { '\\', '\\' } };
    QStringDecoder fromUtf8(QStringDecoder::Utf8);
    QString result;
    bool inQuotes = false;
    bool quoted = false;
    list = false;
    qsizetype chopLimit = 0;
    auto chopTrailingBlanks = [&result, &chopLimit] {
        while (result.size() > chopLimit && (result.back() == u' ' || result.back() == u'\t'))
            result.chop(1);
    };
    auto skipBlanks = [&raw](qsizetype index) {
        while (index < raw.size() && (raw.at(index) == ' ' || raw.at(index) == '\t'))
            ++index;
        return index;
    };
    qsizetype index = skipBlanks(0);
    while (index < raw.size()) {
        const char character = raw.at(index);
        if (character == '\\') {
            if (++index >= raw.size())
                break;
            const char escaped = raw.at(index++);
            bool known = false;
            for (const auto& escape : kEscapes) {
                if (escaped == escape[0]) {
                    result += QLatin1Char(escape[1]);
                    known = true;
                    break;
                }
            }
            if (known) {
                chopLimit = result.size();
                continue;
            }
            if (escaped == 'x' || OctalValue(escaped) >= 0) {
                const int base = escaped == 'x' ? 16 : 8;
                char16_t code = escaped == 'x' ? 0 : char16_t(OctalValue(escaped));
                if (escaped == 'x' && (index >= raw.size() || HexValue(raw.at(index)) < 0)) {
                    chopLimit = result.size();
                    continue;
                }
                for (int digit; index < raw.size() && (digit = base == 16 ? HexValue(raw.at(index)) : OctalValue(raw.at(index))) >= 0; ++index)
                    code = char16_t(code * base + digit);
                result += QChar(code);
            } else if (IsLineBreak(escaped) && index < raw.size() && IsLineBreak(raw.at(index)) && raw.at(index) != escaped) {
                ++index;
            }
            chopLimit = result.size();
        } else if (character == '"') {
            ++index;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                index = skipBlanks(index);
        } else if (character == ',' && !inQuotes) {
            list = true;
            return result;
        } else {
            qsizetype end = index + 1;
            while (end < raw.size() && raw.at(end) != '\\' && raw.at(end) != '"' && raw.at(end) != ',')
                ++end;
            result += fromUtf8(QByteArrayView(raw).sliced(index, end - index));
            index = end;
        }
    }
    if (!quoted)
        chopTrailingBlanks();
    return result;
}

} // namespace

CIniText::CIniText(const QByteArray& bytes)
    : m_bytes(bytes)
{
    Parse();
}

// Lines are cut where QSettings cuts them: at a line break outside quotes,
// or at a ";" outside quotes, which starts a comment. A backslash takes the
// next character, a line break too, into the line.
void CIniText::Parse()
{
    m_lines.clear();
    m_sections = { Section { QString(), 0 } };
    m_bWhole = true;
    const QByteArray& data = m_bytes;
    const qsizetype size = data.size();
    qsizetype position = data.startsWith(kByteOrderMark) ? kByteOrderMark.size() : 0;
    m_sections.first().insertAt = position;
    QSet<QString> keys;
    while (true) {
        while (position < size && IsBlank(data.at(position)))
            ++position;
        if (position >= size)
            break;
        if (data.at(position) == ';') {
            while (position < size && !IsLineBreak(data.at(position)))
                ++position;
            continue;
        }
        Line line;
        line.start = position;
        qsizetype equals = -1;
        bool inQuotes = false;
        while (position < size) {
            const char character = data.at(position);
            if ((IsLineBreak(character) || character == ';') && !inQuotes)
                break;
            ++position;
            if (character == '=' && !inQuotes && equals < 0) {
                equals = position - 1;
            } else if (character == '"') {
                inQuotes = !inQuotes;
            } else if (character == '\\' && position < size) {
                const char escaped = data.at(position++);
                if (position < size && IsLineBreak(escaped) && IsLineBreak(data.at(position)) && data.at(position) != escaped)
                    ++position;
            }
        }
        const QByteArray text = data.mid(line.start, position - line.start);
        line.valueEnd = position;
        line.end = position;
        while (line.end < size && !IsLineBreak(data.at(line.end)))
            ++line.end;
        line.next = line.end;
        if (line.next < size && data.at(line.next) == '\r')
            ++line.next;
        if (line.next < size && data.at(line.next) == '\n')
            ++line.next;

        if (text.startsWith('[')) {
            line.heading = true;
            line.understood = text.contains(']');
            line.key = SectionPrefix(text);
            m_sections.append(Section { line.key, line.next });
        } else if (equals < 0) {
            line.understood = false;
        } else {
            line.valueStart = equals + 1;
            line.key = m_sections.last().prefix + UnescapeKey(data.mid(line.start, equals - line.start).trimmed());
            if (keys.contains(line.key))
                m_bWhole = false;
            keys.insert(line.key);
            m_sections.last().insertAt = line.next;
        }
        if (!line.understood)
            m_bWhole = false;
        m_lines.append(line);
    }
}

QStringList CIniText::RawValues(const QString& key) const
{
    QStringList values;
    for (const Line& line : m_lines) {
        if (!line.heading && line.valueStart >= 0 && line.key == key)
            values.append(QString::fromUtf8(m_bytes.mid(line.valueStart, line.end - line.valueStart)));
    }
    return values;
}

std::optional<QString> CIniText::String(const QString& key) const
{
    for (const Line& line : m_lines) {
        if (!line.heading && line.valueStart >= 0 && line.key == key)
            return DecodeIniString(m_bytes.mid(line.valueStart, line.valueEnd - line.valueStart));
    }
    return std::nullopt;
}

QStringList CIniText::Keys(const QString& group) const
{
    const QString prefix = group.isEmpty() ? QString() : group + u'/';
    QStringList keys;
    for (const Line& line : m_lines) {
        if (line.valueStart < 0 || !line.key.startsWith(prefix))
            continue;
        const QString name = line.key.mid(prefix.size());
        if (!name.contains(u'/') && !keys.contains(name))
            keys.append(name);
    }
    return keys;
}

void CIniText::SetString(const QString& key, const QString& value)
{
    const qsizetype slash = key.lastIndexOf(u'/');
    const QString prefix = slash < 0 ? QString() : key.left(slash + 1);
    const QByteArray written = EscapeKey(key.mid(slash + 1)) + '=' + EncodeIniString(value);

    // Rebuilt from the lines kept, so that positions stay those of the
    // text as it was parsed.
    QByteArray result;
    qsizetype copied = m_bytes.startsWith(kByteOrderMark) ? kByteOrderMark.size() : 0;
    bool placed = false;
    for (const Line& line : m_lines) {
        const bool ours = !line.heading && line.valueStart >= 0 && line.key == key;
        if (line.understood && !ours)
            continue;
        result += QByteArrayView(m_bytes).sliced(copied, line.start - copied);
        if (line.heading) {
            result += SectionHeading(line.key);
            result += QByteArrayView(m_bytes).sliced(line.end, line.next - line.end);
        } else if (ours && !placed) {
            result += written;
            result += QByteArrayView(m_bytes).sliced(line.end, line.next - line.end);
            if (line.next == line.end)
                result += '\n';
            placed = true;
        }
        copied = line.next;
    }
    result += QByteArrayView(m_bytes).sliced(copied);
    m_bytes = result;
    Parse();
    if (placed)
        return;

    // A key of a group that is there goes after the group's last key.
    for (qsizetype index = m_sections.size() - 1; index >= 0; --index) {
        const Section& section = m_sections.at(index);
        if (section.prefix != prefix)
            continue;
        QByteArray insert = written + '\n';
        if (section.insertAt > 0 && !IsLineBreak(m_bytes.at(section.insertAt - 1)))
            insert.prepend('\n');
        m_bytes.insert(section.insertAt, insert);
        Parse();
        return;
    }
    if (!m_bytes.isEmpty() && !m_bytes.endsWith('\n'))
        m_bytes += '\n';
    if (!m_bytes.isEmpty())
        m_bytes += '\n';
    m_bytes += SectionHeading(prefix) + '\n' + written + '\n';
    Parse();
}

std::optional<QString> DecodeIniString(const QByteArray& raw)
{
    bool list = false;
    const QString text = UnescapeValue(raw, list);
    if (list)
        return std::nullopt;
    if (!text.startsWith(u'@'))
        return text;
    if (text.startsWith(QLatin1String("@@")))
        return text.mid(1);
    if (text.startsWith(QLatin1String("@String(")) && text.endsWith(u')'))
        return text.mid(8).chopped(1);
    for (const char* kind : { "@ByteArray(", "@Variant(", "@DateTime(", "@Rect(", "@Size(", "@Point(", "@Invalid(" }) {
        if (text.startsWith(QLatin1String(kind)) && text.endsWith(u')'))
            return std::nullopt;
    }
    return text;
}

QByteArray EncodeIniString(const QString& value)
{
    QString text = value;
    if (text.contains(QChar::Null))
        text = QStringLiteral("@String(") + text + u')';
    else if (text.startsWith(u'@'))
        text.prepend(u'@');

    QStringEncoder toUtf8(QStringEncoder::Utf8);
    QByteArray result;
    bool needsQuotes = false;
    // After a numeric escape a hex digit would be read as part of it.
    bool escapeNextIfDigit = false;
    for (const QChar character : text) {
        const char16_t code = character.unicode();
        if (code == u';' || code == u',' || code == u'=')
            needsQuotes = true;
        if (escapeNextIfDigit && code < 0x80 && HexValue(char(code)) >= 0) {
            result += "\\x" + QByteArray::number(code, 16);
            continue;
        }
        escapeNextIfDigit = false;
        switch (code) {
        case u'\0':
            result += "\\0";
            escapeNextIfDigit = true;
            break;
        case u'\a': result += "\\a"; break;
        case u'\b': result += "\\b"; break;
        case u'\f': result += "\\f"; break;
        case u'\n': result += "\\n"; break;
        case u'\r': result += "\\r"; break;
        case u'\t': result += "\\t"; break;
        case u'\v': result += "\\v"; break;
        case u'"':
        case u'\\':
            result += '\\';
            result += char(code);
            break;
        default:
            if (code <= 0x1f) {
                result += "\\x" + QByteArray::number(code, 16);
                escapeNextIfDigit = true;
            } else {
                result += toUtf8(QStringView(&character, 1));
            }
        }
    }
    if (needsQuotes || (!result.isEmpty() && (result.front() == ' ' || result.back() == ' ')))
        result = '"' + result + '"';
    return result;
}
