// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Arguments.h"

namespace {

constexpr char16_t kFirstByteSurrogate = 0xDC80;
constexpr char16_t kLastByteSurrogate = 0xDCFF;

// The length a UTF-8 sequence starting with lead announces; 0 for a byte
// that cannot start one.
qsizetype AnnouncedLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead < 0xC0)
        return 0;
    return lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

} // namespace

QString DecodeArgument(QByteArrayView bytes)
{
    if (bytes.isValidUtf8())
        return QString::fromUtf8(bytes);
    QString text;
    qsizetype index = 0;
    while (index < bytes.size()) {
        const qsizetype length = AnnouncedLength(static_cast<unsigned char>(bytes[index]));
        const QByteArrayView sequence = bytes.sliced(index, std::min(length, bytes.size() - index));
        if (length != 0 && sequence.size() == length && sequence.isValidUtf8()) {
            text += QString::fromUtf8(sequence);
            index += length;
        } else {
            text += QChar(static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(bytes[index])));
            ++index;
        }
    }
    return text;
}

QByteArray EncodeArgument(const QString& text)
{
    QByteArray bytes;
    qsizetype runStart = 0;
    for (qsizetype index = 0; index <= text.size(); ++index) {
        const bool end = index == text.size();
        const char16_t code = end ? 0 : text.at(index).unicode();
        const bool lowHalfOfPair = index > 0 && text.at(index - 1).isHighSurrogate();
        if (end || (code >= kFirstByteSurrogate && code <= kLastByteSurrogate && !lowHalfOfPair)) {
            bytes += QStringView(text).sliced(runStart, index - runStart).toUtf8();
            if (!end)
                bytes += static_cast<char>(code - 0xDC00);
            runStart = index + 1;
        }
    }
    return bytes;
}
