// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Calendar.h"

#include "app/Translation.h"
#include "calendar/CalendarExport.h"
#include "cli/Arguments.h"
#include "cli/CalendarOptions.h"
#include "cli/HeadlessMessages.h"
#include "platform/AtomicFile.h"
#include "platform/PrintableText.h"
#include "platform/Today.h"


const char kCalendarUsage[] =
    "       ryvanta calendar --birth YYYY-MM-DD [--from YYYY-MM] [--months N] [--name TEXT]\n"
    "                        --output FILE.ics\n";

int RunCalendar(const QStringList& arguments, CTextOutput& out, CTextOutput& err)
{
    QString error;
    std::optional<CalendarOptions> options = ParseCalendarOptions(arguments, &error);
    if (!options)
        return Fail(err, error);
    if (options->helpRequested) {
        WriteUsage(out, { kCalendarUsage });
        WriteText(out, Translated("Command", "\nWrites an iCalendar file to import into a calendar program: each\n"
                               "long-cycle boundary as an event at its time of day, and each critical day\n"
                               "(level 13 or more) as an all-day event, for N months (1 to 60, default 12)\n"
                               "from the given month (default: today's). --name leads every event's title\n"
                               "and keeps two persons born on the same day apart. Importing the file again\n"
                               "updates its events. Today is RYVANTA_TODAY when set.\n"));
        return 0;
    }
    const std::optional<QDate> today = ReadToday(&error);
    if (!today)
        return Fail(err, error);
    if (!CompleteCalendarOptions(*options, *today, &error))
        return Fail(err, error);

    const CalendarExport request { options->birth, options->name, options->from, options->months, *today };
    QString reason;
    if (!WriteFileAtomically(EncodeArgument(options->output), CalendarText(request), &reason))
        return Fail(err, Translated("Command", "cannot write '%1': %2").arg(PrintableText(options->output), reason));
    return 0;
}
