// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Render.h"

#include "app/Translation.h"
#include "cli/HeadlessApplication.h"
#include "cli/HeadlessMessages.h"
#include "cli/RenderImage.h"
#include "cli/RenderOptions.h"
#include "platform/Today.h"

#include <QApplication>


const char kRenderUsage[] =
    "       ryvanta render --birth YYYY-MM-DD [--compare YYYY-MM-DD] [--month YYYY-MM]\n"
    "                      [--day D] [--view year|rhythms|summary] [--scale N] [--chart]\n"
    "                      --output FILE.png\n";

namespace {

int WriteImage(const RenderOptions& options, CTextOutput& err)
{
    QString error;
    if (!WriteWindowImage(options, &error))
        return Fail(err, error);
    return 0;
}

} // namespace

int RunRender(const QStringList& arguments, CTextOutput& out, CTextOutput& err)
{
    QString error;
    std::optional<RenderOptions> options = ParseRenderOptions(arguments, &error);
    if (!options)
        return Fail(err, error);
    if (options->helpRequested) {
        WriteUsage(out, { kRenderUsage });
        WriteText(out, Translated("Command", "\nDraws the window as it stands once the birth date is entered and the month\n"
                               "(default: today's) is charted, and writes it as a PNG image. --compare\n"
                               "inserts a second birth date and charts the month in comparison mode, with\n"
                               "each person's first long-cycle boundary marked (year view only). --day\n"
                               "picks that day in current-month mode; --chart writes only the chart;\n"
                               "--scale draws at 1 to 4 times the size. Today is RYVANTA_TODAY when set.\n"));
        return 0;
    }
    const std::optional<QDate> today = ReadToday(&error);
    if (!today)
        return Fail(err, error);
    if (!CompleteRenderOptions(*options, *today, &error))
        return Fail(err, error);

    if (QCoreApplication::instance()) {
        if (!qobject_cast<QApplication*>(QCoreApplication::instance()) || qGuiApp->devicePixelRatio() != options->scale)
            return Fail(err, Translated("Command", "render cannot change the scale of a running application"));
        return WriteImage(*options, err);
    }
    return RunInHeadlessApplication(options->scale, [&] { return WriteImage(*options, err); });
}
