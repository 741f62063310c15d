#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Walks the arguments of a command: "--name value" and "--name=value" for
// the options that take a value, bare flags, and "--help"/"-h", which stops
// the walk. Each option found goes to apply, which may refuse its value.
// On a fault error holds one line describing it and the result is false.
struct OptionScan
{
    QString command;
    QStringList valueOptions;
    QStringList flags;
    std::function<bool(const QString& name, const QString& value, QString* error)> apply;
};

bool ScanOptions(const OptionScan& scan, const QStringList& arguments, bool* helpRequested, QString* error);
