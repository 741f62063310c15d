// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HelpWindow.h"
#include "platform/MessageBox.h"
#include "platform/ToolTipCtrl.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

namespace {

QTextBrowser* HelpBrowser()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* browser = qobject_cast<QTextBrowser*>(widget))
            return browser;
    }
    return nullptr;
}

int CountHelpBrowsers()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += qobject_cast<QTextBrowser*>(widget) != nullptr;
    return count;
}

// Presses a button of the message box that is about to open.
void AnswerNextMessageBox(QMessageBox::StandardButton button, QString* caption, QString* text, QMessageBox::Icon* icon)
{
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        *caption = box->windowTitle();
        *text = box->text();
        *icon = box->icon();
        box->button(button)->click();
    });
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    // Message boxes
    void handlerAnswersInsteadOfABox();
    void messageBoxShowsCaptionTextAndIcon_data();
    void messageBoxShowsCaptionTextAndIcon();
    void beepsAreCounted();

    // Tooltips
    void tooltipsShowOnlyWhileActive();

    // Help
    void helpOpensOneWindow();
    void helpWindowGoesWhenClosed();
};

void TestDialogs::cleanup()
{
    SetMessageBoxHandler({});
    CloseHelp();
}

void TestDialogs::handlerAnswersInsteadOfABox()
{
    QString seenText;
    QString seenCaption;
    unsigned seenType = 0;
    SetMessageBoxHandler([&](const QString& text, const QString& caption, unsigned type) {
        seenText = text;
        seenCaption = caption;
        seenType = type;
        return int(IDCANCEL);
    });
    QCOMPARE(MessageBox(nullptr, QStringLiteral("Delete?"), QStringLiteral("Confirmation"), MB_OKCANCEL | MB_ICONQUESTION), int(IDCANCEL));
    QCOMPARE(seenText, QStringLiteral("Delete?"));
    QCOMPARE(seenCaption, QStringLiteral("Confirmation"));
    QCOMPARE(seenType, unsigned(MB_OKCANCEL | MB_ICONQUESTION));
}

void TestDialogs::messageBoxShowsCaptionTextAndIcon_data()
{
    QTest::addColumn<unsigned>("type");
    QTest::addColumn<int>("press");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("expected");
    QTest::newRow("information, OK") << unsigned(MB_OK | MB_ICONINFORMATION) << int(QMessageBox::Ok) << int(QMessageBox::Information) << int(IDOK);
    QTest::newRow("question, OK") << unsigned(MB_OKCANCEL | MB_ICONQUESTION) << int(QMessageBox::Ok) << int(QMessageBox::Question) << int(IDOK);
    QTest::newRow("question, Cancel") << unsigned(MB_OKCANCEL | MB_ICONQUESTION) << int(QMessageBox::Cancel) << int(QMessageBox::Question) << int(IDCANCEL);
    QTest::newRow("error") << unsigned(MB_OK | MB_ICONERROR) << int(QMessageBox::Ok) << int(QMessageBox::Critical) << int(IDOK);
}

void TestDialogs::messageBoxShowsCaptionTextAndIcon()
{
    QFETCH(unsigned, type);
    QFETCH(int, press);
    QFETCH(int, icon);
    QFETCH(int, expected);
    QString caption;
    QString text;
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    AnswerNextMessageBox(static_cast<QMessageBox::StandardButton>(press), &caption, &text, &shownIcon);
    QCOMPARE(MessageBox(nullptr, QStringLiteral("Some text"), QStringLiteral("Alert"), type), expected);
    QCOMPARE(caption, QStringLiteral("Alert"));
    QCOMPARE(text, QStringLiteral("Some text"));
    QCOMPARE(int(shownIcon), icon);
}

void TestDialogs::beepsAreCounted()
{
    const int before = BeepCount();
    MessageBeep();
    MessageBeep(0);
    QCOMPARE(BeepCount(), before + 2);
}

void TestDialogs::tooltipsShowOnlyWhileActive()
{
    QWidget parent;
    auto* help = new QPushButton(&parent);
    auto* list = new QPushButton(&parent);
    auto* doomed = new QPushButton(&parent);
    CToolTipCtrl tooltips;
    QVERIFY(tooltips.Create(&parent));
    tooltips.AddTool(help, QStringLiteral("Old"));
    tooltips.AddTool(list, QStringLiteral("Persons list"));
    tooltips.AddTool(doomed, QStringLiteral("Gone soon"));
    QCOMPARE(help->toolTip(), QString());

    // Adding a tool again replaces its text; a deleted tool is passed over.
    tooltips.AddTool(help, QStringLiteral("Help"));
    delete doomed;
    QCOMPARE(tooltips.GetToolCount(), 3);
    tooltips.Activate(true);
    QCOMPARE(help->toolTip(), QStringLiteral("Help"));
    QCOMPARE(list->toolTip(), QStringLiteral("Persons list"));

    tooltips.Activate(false);
    QCOMPARE(help->toolTip(), QString());
    QCOMPARE(tooltips.GetText(list), QStringLiteral("Persons list"));
    QCOMPARE(tooltips.GetText(&parent), QString());
}

void TestDialogs::helpOpensOneWindow()
{
    QVERIFY(!IsHelpOpen());
    QWidget owner;
    OpenHelp(&owner, QStringLiteral(":/help/index.html"));
    QVERIFY(IsHelpOpen());
    OpenHelp(&owner, QStringLiteral(":/help/index.html"));
    QCOMPARE(CountHelpBrowsers(), 1);
    QTextBrowser* browser = HelpBrowser();
    QVERIFY(browser);
    QCOMPARE(browser->windowTitle(), QStringLiteral("Ryvanta Help"));
    QVERIFY(browser->isVisible());
    QVERIFY(!browser->toPlainText().trimmed().isEmpty());
    QVERIFY(browser->width() >= 400 && browser->height() >= 300);
    QVERIFY(browser->screen()->availableGeometry().contains(browser->frameGeometry()));

    // Beside the window on a wide screen; wholly on a 1024 x 600 screen at
    // scale 1 and at 1.5, where the window itself is taller than the screen.
    const QRect window(200, 60, 582, 458);
    QVERIFY(!PlaceHelpFrame(window, browser->size(), QRect(0, 0, 1920, 1080)).intersects(window));
    QVERIFY(QRect(0, 0, 1024, 600).contains(PlaceHelpFrame(window, browser->size(), QRect(0, 0, 1024, 600))));
    QVERIFY(QRect(0, 0, 683, 400).contains(PlaceHelpFrame(window, browser->size(), QRect(0, 0, 683, 400))));
}

void TestDialogs::helpWindowGoesWhenClosed()
{
    OpenHelp(nullptr, QStringLiteral(":/help/index.html"));
    QPointer<QTextBrowser> browser = HelpBrowser();
    QVERIFY(browser);
    CloseHelp();
    QVERIFY(!IsHelpOpen());
    QVERIFY(browser.isNull());
    CloseHelp();

    // Closed by the user, it is gone too and opens afresh.
    OpenHelp(nullptr, QStringLiteral(":/help/index.html"));
    browser = HelpBrowser();
    browser->close();
    QTRY_VERIFY(browser.isNull());
    QVERIFY(!IsHelpOpen());
    OpenHelp(nullptr, QStringLiteral(":/help/index.html"));
    QVERIFY(IsHelpOpen());
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
