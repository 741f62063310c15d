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
// Dates must lie within 1850-01-01..2100-12-31, the calendar's range. On a
// fault the result is empty and error holds one line describing it.
std::optional<ReportOptions> ParseReportOptions(const QStringList& arguments, QString* error);

// The checks that need today: the birth date must not be later than today,
// and the month must not lie before the birth month.
bool CheckReportDates(const ReportOptions& options, const QDate& today, QString* error);
