#include "app/BiorhythmApp.h"

#include "app/BiorhythmDlg.h"
#include "platform/MessageBox.h"
#include "platform/Today.h"

#include <QApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>

namespace {

bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

// A local X display ":N" or ":N.S" listens on /tmp/.X11-unix/XN; when that
// socket is missing, nothing answers at that display.
bool LocalXDisplayIsMissing(const QString& display)
{
    static const QRegularExpression local(QStringLiteral("^(?:unix)?:([0-9]+)(?:\\.[0-9]+)?$"));
    const QRegularExpressionMatch match = local.match(display);
    return match.hasMatch() && !QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X") + match.captured(1));
}

// Qt aborts when it cannot open a display, so find out first. The result is
// empty when a window can be tried, else the reason it cannot.
QString DisplayProblem()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && !defined(Q_OS_ANDROID)
    if (IsSet("QT_QPA_PLATFORM") || IsSet("WAYLAND_DISPLAY"))
        return {};
    if (!IsSet("DISPLAY"))
        return QStringLiteral("no display (DISPLAY is not set)");
    const QString display = QString::fromLocal8Bit(qgetenv("DISPLAY"));
    if (LocalXDisplayIsMissing(display))
        return QStringLiteral("nothing answers at display %1").arg(display);
#endif
    return {};
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
    const QString displayProblem = DisplayProblem();
    if (!displayProblem.isEmpty()) {
        std::fprintf(stderr, "ryvanta: cannot open a window: %s; 'ryvanta report' works without one.\n",
            qUtf8Printable(displayProblem));
        return 1;
    }

    QApplication application(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral("io.github.vantrell.Ryvanta"));

    CBiorhythmApp app;
    app.InitInstance();
    return 0;
}
