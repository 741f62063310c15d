// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Sheet.h"

#include "app/Translation.h"
#include "cli/HeadlessApplication.h"
#include "cli/HeadlessMessages.h"
#include "cli/SheetFile.h"
#include "cli/SheetOptions.h"
#include "platform/Today.h"

#include <QApplication>


const char kSheetUsage[] =
    "       ryvanta sheet --birth YYYY-MM-DD [--month YYYY-MM] [--view year|rhythms|summary]\n"
    "                     [--compare YYYY-MM-DD] [--name TEXT] [--paper a4|letter]\n"
    "                     --output FILE.pdf\n";

namespace {

int WriteSheet(const SheetOptions& options, CTextOutput& err)
{
    QString error;
    if (!WriteSheetFile(options, &error))
        return Fail(err, error);
    return 0;
}

} // namespace

int RunSheet(const QStringList& arguments, CTextOutput& out, CTextOutput& err)
{
    QString error;
    std::optional<SheetOptions> options = ParseSheetOptions(arguments, &error);
    if (!options)
        return Fail(err, error);
    if (options->helpRequested) {
        WriteUsage(out, { kSheetUsage });
        WriteText(out, Translated("Command", "\nWrites one page as a PDF file: the chart of the month (default: today's) as\n"
                               "the window draws it, in the chosen view, and a table of the month's days\n"
                               "with their rhythm values, critical levels and long-cycle boundaries.\n"
                               "--compare adds a second person (year view only); --name heads the page;\n"
                               "--paper is a4 (the default) or letter. Today is RYVANTA_TODAY when set.\n"));
        return 0;
    }
    const std::optional<QDate> today = ReadToday(&error);
    if (!today)
        return Fail(err, error);
    if (!CompleteSheetOptions(*options, *today, &error))
        return Fail(err, error);

    if (QCoreApplication::instance()) {
        if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
            return Fail(err, Translated("Command", "sheet needs a widget application to draw in"));
        return WriteSheet(*options, err);
    }
    return RunInHeadlessApplication(1, [&] { return WriteSheet(*options, err); });
}
