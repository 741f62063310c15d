#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

// Parses the arguments that follow a command word ("report", "render") with
// Qt's parser, given the command's options; --help and -h are added. Options
// are taken as "--name value" and "--name=value". A request for help wins
// over any fault. On a fault error holds one line describing it in the
// program's words, with every echoed argument made printable, and the result
// is false.
bool ParseCommandOptions(QCommandLineParser& parser, const QString& command, const QList<QCommandLineOption>& options,
    const QStringList& arguments, QString* error);
