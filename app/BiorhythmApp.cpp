#include "app/BiorhythmApp.h"

#include "app/BiorhythmDlg.h"
#include "platform/MessageBox.h"
#include "platform/Today.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

// Qt aborts when it cannot open a display, so find out first.
bool CanOpenDisplay()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && !defined(Q_OS_ANDROID)
    return IsSet("QT_QPA_PLATFORM") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

} // namespace

bool CBiorhythmApp::InitInstance()
{
    CBiorhythmDlg dialog;
    dialog.winId();
    int result = -1;
    if (dialog.windowHandle())
        result = dialog.exec();
    if (result == -1) {
        MessageBox(nullptr, QStringLiteral("Please, be convinced that file MScal.ocx is installed in your computer."),
            QStringLiteral("Alert"), MB_OK | MB_ICONERROR);
    }
    return false;
}

int RunWindow(int argc, char** argv)
{
    QString error;
    if (!ReadToday(&error)) {
        std::fprintf(stderr, "ryvanta: %s\n", qUtf8Printable(error));
        return 2;
    }
    if (!CanOpenDisplay()) {
        std::fputs("ryvanta: cannot open a window: no display (DISPLAY is not set); 'ryvanta report' works without one.\n",
            stderr);
        return 1;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ryvanta"));
    QApplication::setOrganizationName(QStringLiteral("Vantrell"));
    QApplication::setDesktopFileName(QStringLiteral("ryvanta"));

    CBiorhythmApp app;
    app.InitInstance();
    return 0;
}
