#include "platform/HelpWindow.h"

#include "platform/ProgramIdentity.h"

#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

namespace {

constexpr int kHelpWidth = 640;
constexpr int kHelpHeight = 560;

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
        browser->setWindowTitle(QStringLiteral("%1 Help").arg(GetProgramIdentity().application));
        browser->setOpenExternalLinks(true);
        browser->resize(kHelpWidth, kHelpHeight);
        if (owner) {
            const QRect ownerFrame = owner->window()->frameGeometry();
            browser->move(ownerFrame.right() + 8, ownerFrame.top());
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
