// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HelpWindow.h"

#include "platform/ProgramIdentity.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

constexpr int kHelpWidth = 640;
constexpr int kHelpHeight = 560;
constexpr int kHelpGap = 8;

QPointer<QTextBrowser>& HelpBrowser()
{
    static QPointer<QTextBrowser> browser;
    return browser;
}

QUrl ResourceUrl(const QString& resourcePath)
{
    if (resourcePath.startsWith(QLatin1Char(':')))
        return QUrl(QStringLiteral("qrc") + resourcePath);
    return QUrl::fromUserInput(resourcePath);
}

} // namespace

void OpenHelp(QWidget* owner, const QString& resourcePath)
{
    if (!QFile::exists(resourcePath))
        qWarning("platform: help page %s is missing", qUtf8Printable(resourcePath));

    QPointer<QTextBrowser>& browser = HelpBrowser();
    if (!browser) {
        // A window of its own, so closing the program's dialog does not take
        // the help with it before CloseHelp.
        browser = new QTextBrowser;
        browser->setAttribute(Qt::WA_DeleteOnClose);
        browser->setWindowTitle(QCoreApplication::translate("HelpWindow", "%1 Help").arg(GetProgramIdentity().application));
        browser->setOpenExternalLinks(true);
        browser->resize(kHelpWidth, kHelpHeight);
        if (owner) {
            // The help's own frame is not known before it shows; the window
            // manager decorates it as it does the owner.
            const QWidget* window = owner->window();
            const QMargins frameMargins = window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
            const QRect frame = PlaceHelpFrame(window->frameGeometry(), browser->size().grownBy(frameMargins),
                window->screen()->availableGeometry());
            browser->setGeometry(frame.marginsRemoved(frameMargins));
        }
    }
    const QUrl url = ResourceUrl(resourcePath);
    if (browser->source() != url)
        browser->setSource(url);
    browser->show();
    browser->raise();
    browser->activateWindow();
}

void CloseHelp()
{
    QPointer<QTextBrowser>& browser = HelpBrowser();
    if (!browser)
        return;
    // Deleted at once: the help must not outlive the call, even without an
    // event loop to run a deferred delete.
    delete browser.data();
    browser = nullptr;
}

bool IsHelpOpen()
{
    return !HelpBrowser().isNull();
}

QRect PlaceHelpFrame(const QRect& ownerFrame, const QSize& frameSize, const QRect& available)
{
    QRect frame(QPoint(ownerFrame.right() + kHelpGap, ownerFrame.top()), frameSize.boundedTo(available.size()));
    if (frame.right() > available.right())
        frame.moveRight(ownerFrame.left() - kHelpGap);
    if (frame.left() < available.left())
        frame.moveLeft(ownerFrame.left());
    frame.moveLeft(std::clamp(frame.left(), available.left(), available.right() + 1 - frame.width()));
    frame.moveTop(std::clamp(frame.top(), available.top(), available.bottom() + 1 - frame.height()));
    return frame;
}
