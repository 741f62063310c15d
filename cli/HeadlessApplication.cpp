// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/HeadlessApplication.h"

#include "app/Translation.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

// Qt would multiply the scale by what these ask of the screen, and change
// the fonts' size with the screen's dots per inch; a headless command has
// no screen.
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

} // namespace

int RunInHeadlessApplication(int scale, const std::function<int()>& body)
{
    SetUpHeadlessScreen(scale);
    // Qt looks into the runtime folder as it starts, for a sandbox's
    // flatpak-info. Unless XDG_RUNTIME_DIR names a folder it accepts (the
    // user's own directory, no link, mode 0700 exactly), it makes one, there
    // or as runtime-<user> in the temporary folder, and leaves it behind. No
    // such folder is sure to exist outside a desktop session, and a command
    // needs nothing from a session's, so it brings a private one for as long
    // as Qt runs and takes it away after.
    const QTemporaryDir runtimeFolder;
    if (runtimeFolder.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder.path()));
    static char programName[] = "ryvanta";
    static char* programArguments[] = { programName, nullptr };
    int argumentCount = 1;
    QApplication application(argumentCount, programArguments);
    InstallTranslations();
    return body();
}
