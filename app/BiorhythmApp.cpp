// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmApp.h"

#include "app/BiorhythmDlg.h"
#include "app/Translation.h"
#include "platform/MessageBox.h"
#include "platform/Today.h"
#include "platform/XDisplayProbe.h"

#include <QCoreApplication>
#include <QApplication>
#include <QList>

#include <cstdio>
#include <cstdlib>

namespace {

const char kNoWindowLine[] = "ryvanta: cannot open a window: %s; 'ryvanta report' works without one.\n";

bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
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
    if (LocalXDisplayIsSilent(display))
        return QStringLiteral("nothing answers at display %1").arg(display);
#endif
    return {};
}

// Qt aborts when its window system cannot start after all (a display that
// answers but refuses us, say). While the application is built, that fatal
// message becomes our one line and exit status 1; Qt's warnings are held
// back meanwhile, as they would stand before that line, and passed on once
// the start succeeded.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler g_previousHandler = nullptr;
QList<HeldMessage>* g_heldMessages = nullptr;

QString FirstLine(const QString& text)
{
    return text.section(QLatin1Char('\n'), 0, 0).simplified();
}

void HoldStartMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        g_heldMessages->append({ type, QByteArray(context.category), message });
        return;
    }
    // Qt's first complaint usually names the cause; its fatal line only
    // says that no platform plugin could start.
    QString reason = FirstLine(message);
    for (const HeldMessage& held : std::as_const(*g_heldMessages)) {
        if (held.category.startsWith("qt.qpa")) {
            reason = FirstLine(held.text);
            break;
        }
    }
    std::fprintf(stderr, kNoWindowLine, qUtf8Printable(reason));
    std::fflush(stderr);
    std::_Exit(1);
}

void PassOnHeldMessages()
{
    for (const HeldMessage& held : std::as_const(*g_heldMessages)) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
        if (g_previousHandler)
            g_previousHandler(held.type, context, held.text);
        else
            std::fprintf(stderr, "%s\n", qUtf8Printable(qFormatLogMessage(held.type, context, held.text)));
    }
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
        MessageBox(nullptr, QCoreApplication::translate("Window", "Please, be convinced that file MScal.ocx is installed in your computer."),
            QCoreApplication::translate("Window", "Alert"), MB_OK | MB_ICONERROR);
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
        std::fprintf(stderr, kNoWindowLine, qUtf8Printable(displayProblem));
        return 1;
    }

    QList<HeldMessage> heldMessages;
    g_heldMessages = &heldMessages;
    g_previousHandler = qInstallMessageHandler(HoldStartMessages);
    QApplication application(argc, argv);
    qInstallMessageHandler(g_previousHandler);
    PassOnHeldMessages();
    g_heldMessages = nullptr;
    QApplication::setDesktopFileName(QStringLiteral("io.github.vantrell.Ryvanta"));
    InstallTranslations();

    CBiorhythmApp app;
    app.InitInstance();
    return 0;
}
