#include "cli/Render.h"

#include "cli/HeadlessMessages.h"
#include "cli/RenderImage.h"
#include "cli/RenderOptions.h"
#include "platform/Today.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <ostream>

const char kRenderUsage[] =
    "       ryvanta render --birth YYYY-MM-DD [--compare YYYY-MM-DD] [--month YYYY-MM]\n"
    "                      [--day D] [--view year|rhythms|summary] [--scale N] [--chart]\n"
    "                      --output FILE.png\n";

namespace {

// Qt would multiply the scale by what these ask of the screen, and change
// the fonts' size with the screen's dots per inch; a render has no screen.
const char* const kScreenSettings[] = { "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI", "QT_ENABLE_HIGHDPI_SCALING",
    "QT_USE_PHYSICAL_DPI", "QT_SCALE_FACTOR_ROUNDING_POLICY", "QT_DPI_ADJUSTMENT_POLICY", "QT_AUTO_SCREEN_SCALE_FACTOR",
    "QT_DEVICE_PIXEL_RATIO" };

void SetUpHeadlessScreen(int scale)
{
    for (const char* name : kScreenSettings)
        qunsetenv(name);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
}

int WriteImage(const RenderOptions& options, std::ostream& err)
{
    QString error;
    if (!WriteWindowImage(options, &error))
        return Fail(err, error);
    return 0;
}

} // namespace

int RunRender(const QStringList& arguments, std::ostream& out, std::ostream& err)
{
    QString error;
    std::optional<RenderOptions> options = ParseRenderOptions(arguments, &error);
    if (!options)
        return Fail(err, error);
    if (options->helpRequested) {
        out << "Usage:" << (kRenderUsage + 6)
            << "\nDraws the window as it stands once the birth date is entered and the month\n"
               "(default: today's) is charted, and writes it as a PNG image. --compare\n"
               "inserts a second birth date and charts the month in comparison mode, with\n"
               "each person's first long-cycle boundary marked (year view only). --day\n"
               "picks that day in current-month mode; --chart writes only the chart;\n"
               "--scale draws at 1 to 4 times the size. Today is RYVANTA_TODAY when set.\n";
        return 0;
    }
    const std::optional<QDate> today = ReadToday(&error);
    if (!today)
        return Fail(err, error);
    if (!CompleteRenderOptions(*options, *today, &error))
        return Fail(err, error);

    if (QCoreApplication::instance()) {
        if (!qobject_cast<QApplication*>(QCoreApplication::instance()) || qGuiApp->devicePixelRatio() != options->scale)
            return Fail(err, QStringLiteral("render cannot change the scale of a running application"));
        return WriteImage(*options, err);
    }
    SetUpHeadlessScreen(options->scale);
    // Qt looks into the runtime folder as it starts, for a sandbox's
    // flatpak-info. Unless XDG_RUNTIME_DIR names a folder it accepts (the
    // user's own directory, no link, mode 0700 exactly), it makes one, there
    // or as runtime-<user> in the temporary folder, and leaves it behind. No
    // such folder is sure to exist outside a desktop session, and a render
    // needs nothing from a session's, so it brings a private one for as long
    // as Qt runs and takes it away after.
    const QTemporaryDir runtimeFolder;
    if (runtimeFolder.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder.path()));
    static char programName[] = "ryvanta";
    static char* programArguments[] = { programName, nullptr };
    int argumentCount = 1;
    QApplication application(argumentCount, programArguments);
    return WriteImage(*options, err);
}
