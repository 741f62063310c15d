// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Text in the INI form that QSettings reads and writes, taken apart line by
// line so that the whole of it can be judged before any of it is trusted,
// and so that a change rewrites only the lines of its own key: comments and
// everything else a user or another program put there stay byte for byte.
//
// Keys are "group/name", or "name" in the general group, as QSettings names
// them.
class CIniText
{
public:
    explicit CIniText(const QByteArray& bytes = QByteArray());

    // Every line is a group heading, a key or a comment, and no key stands
    // twice; a byte-order mark at the start is no fault.
    bool IsWhole() const { return m_bWhole; }
    // The text after "=" on each line of the key, to the end of the line
    // and as written there, in the order of the lines.
    QStringList RawValues(const QString& key) const;
    // What QSettings reads from the key's first line; nothing when the key
    // is not there or does not read as text.
    std::optional<QString> String(const QString& key) const;
    // The keys of the group, each once, in the order they first stand.
    QStringList Keys(const QString& group) const;
    // Replaces the key's first line, drops any further line of it, or adds
    // the key at the end of its group. Lines that could not be read are
    // dropped with it, so that what is written is whole.
    void SetString(const QString& key, const QString& value);
    QByteArray Bytes() const { return m_bytes; }

private:
    struct Line {
        qsizetype start = 0;
        // Before the line break, past any comment behind the value.
        qsizetype end = 0;
        // After the line break.
        qsizetype next = 0;
        // Where a comment or the line ends the value.
        qsizetype valueEnd = 0;
        qsizetype valueStart = -1;
        // The key, or for a group heading the group as "name/".
        QString key;
        bool heading = false;
        bool understood = true;
    };
    struct Section {
        QString prefix;
        // Where a key added to the group goes.
        qsizetype insertAt = 0;
    };

    void Parse();

    QByteArray m_bytes;
    QList<Line> m_lines;
    QList<Section> m_sections;
    bool m_bWhole = true;
};

// What QSettings reads from a value's text: the string, or nothing when it
// reads as another kind of value (a list, a byte array, a number pair...).
std::optional<QString> DecodeIniString(const QByteArray& raw);
// The text QSettings writes for the string, which it reads back unchanged.
QByteArray EncodeIniString(const QString& value);
