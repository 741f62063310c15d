// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Parses the arguments that follow a command word ("report", "render") with
// Qt's parser, given the command's options; --help and -h are added. Options
// are taken as "--name value" and "--name=value". A request for help wins
// over any fault. On a fault error holds one line describing it in the
// program's words, with every echoed argument made printable, and the result
// is false.
bool ParseCommandOptions(QCommandLineParser& parser, const QString& command, const QList<QCommandLineOption>& options,
    const QStringList& arguments, QString* error);

// Qt's parser reads a single-dash word such as -birth as the short options
// -b -i -r -t -h, one of them a request for help. The only short option is
// -h, so every other single-dash word that is not an option's value is not
// ours. Takes those words out of arguments, so that Qt never sees them, and
// returns the first, or nothing. The options end at "--" and, with
// ParseAsPositionalArguments, at the first argument that is not an option.
QString TakeOutUnknownShortOptions(const QList<QCommandLineOption>& options, QStringList& arguments,
    QCommandLineParser::OptionsAfterPositionalArgumentsMode mode);

// A number option's value: one or two ASCII digits and nothing else.
bool ParseSmallNumber(const QString& text, int* number);

// The --output that every writing command needs: present and naming a file.
// The error names the command and the form of file it writes.
std::optional<QString> ReadRequiredOutput(const QCommandLineParser& parser, const QString& command,
    const QString& fileForm, QString* error);

// A --name value without its outer blanks: printable text (no line breaks)
// of 1 to longest characters, so that it reads the same on paper and in a
// calendar.
std::optional<QString> ReadNameOption(const QString& value, int longest, QString* error);
