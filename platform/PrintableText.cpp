// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PrintableText.h"

namespace {

QString Escape(char16_t code)
{
    switch (code) {
    case u'\n':
        return QStringLiteral("\\n");
    case u'\r':
        return QStringLiteral("\\r");
    case u'\t':
        return QStringLiteral("\\t");
    }
    if (code < 0x100)
        return QStringLiteral("\\x%1").arg(unsigned(code), 2, 16, QLatin1Char('0'));
    if (code >= 0xDC80 && code <= 0xDCFF)
        return QStringLiteral("\\x%1").arg(unsigned(code - 0xDC00), 2, 16, QLatin1Char('0'));
    return QStringLiteral("\\u%1").arg(unsigned(code), 4, 16, QLatin1Char('0'));
}

bool NeedsEscape(QChar character)
{
    switch (character.category()) {
    case QChar::Other_Control:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Surrogate:
        return true;
    default:
        return false;
    }
}

} // namespace

QString PrintableText(const QString& text)
{
    QString printable;
    printable.reserve(text.size());
    for (qsizetype index = 0; index < text.size(); ++index) {
        const QChar character = text.at(index);
        // A well-formed pair is one printable character.
        if (character.isHighSurrogate() && index + 1 < text.size() && text.at(index + 1).isLowSurrogate()) {
            printable += character;
            printable += text.at(++index);
        } else if (NeedsEscape(character)) {
            printable += Escape(character.unicode());
        } else {
            printable += character;
        }
    }
    return printable;
}
