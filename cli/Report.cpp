// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Report.h"

#include "cli/DateOptions.h"
#include "app/Translation.h"
#include "cli/HeadlessMessages.h"
#include "cli/ReportData.h"
#include "cli/ReportJson.h"
#include "cli/ReportOptions.h"
#include "cli/ReportText.h"
#include "model/ProgramText.h"
#include "platform/Today.h"


const char kReportUsage[] =
    "       ryvanta report --birth YYYY-MM-DD --month YYYY-MM [--format text|json]\n";

int RunReport(const QStringList& arguments, CTextOutput& out, CTextOutput& err)
{
    QString error;
    const std::optional<ReportOptions> options = ParseReportOptions(arguments, &error);
    if (!options)
        return Fail(err, error);
    if (options->helpRequested) {
        WriteUsage(out, { kReportUsage });
        WriteText(out, Translated("Command", "\nCharts one month of the biorhythms of a person born on the given date:\n"
                               "each day's age, rhythm values, critical level and moon mark, and the\n"
                               "long-cycle boundaries of the month. Today is RYVANTA_TODAY when set.\n"));
        return 0;
    }

    const std::optional<QDate> today = ReadToday(&error);
    if (!today)
        return Fail(err, error);
    if (!CheckChartedMonth(options->birth, QDate(options->year, options->month, 1), *today, &error))
        return Fail(err, error);

    const MonthReport report = BuildMonthReport(*options);
    if (options->format == ReportFormat::Json)
        WriteReportJson(report, out);
    else
        WriteReportText(report, out);
    out.Flush();
    return 0;
}
