// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

enum class ReportFormat { Text, Json };

struct ReportOptions
{
    QDate birth;
    int month = 0;
    int year = 0;
    ReportFormat format = ReportFormat::Text;
    bool helpRequested = false;
};

// Reads the arguments that follow "report": --birth YYYY-MM-DD,
// --month YYYY-MM and --format text|json, each also as --option=value.
// The birth date must lie within the calendar's years. On a fault the
// result is empty and error holds one line describing it.
std::optional<ReportOptions> ParseReportOptions(const QStringList& arguments, QString* error);
