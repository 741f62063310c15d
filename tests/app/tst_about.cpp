// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutDlg.h"
#include "app/BiorhythmDlg.h"
#include "app/Strings.h"
#include "app/SystemMenu.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/WindowFixture.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// The entries as "caption=command", separators as "-".
QStringList Entries(const QMenu* menu)
{
    QStringList entries;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator())
            entries << QStringLiteral("-");
        else
            entries << QStringLiteral("%1=%2").arg(action->text()).arg(action->data().toUInt(), 0, 16);
    }
    return entries;
}

QAction* FindCommand(const QMenu* menu, unsigned command)
{
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator() && action->data().toUInt() == command)
            return action;
    }
    return nullptr;
}

// Runs check on the modal dialog that opens next, then closes it with key.
void OnNextModal(std::function<void(QWidget*)> check, QString* seen)
{
    QTimer::singleShot(0, [check, seen] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        QWidget* modal = QApplication::activeModalWidget();
        *seen = QString::fromLatin1(modal->metaObject()->className());
        check(modal);
    });
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void systemMenuIsTrimmed();
    void emptyAboutCaptionAddsNothing();

    void aboutEntryOpensAboutBox();
    void aboutBoxLayout();
    void closeEntryClosesWindow();
    void minimizeEntryMinimizes();
    void rightClickOnBackgroundOpensMenu();
    void altSpaceOpensMenu();
    void exportNeedsBirthDate_data();
    void exportNeedsBirthDate();

    void init();
    void cleanup();

private:
    ScopedSettingsFolder m_settings;
    QStringList m_unexpectedMessages;
};

void TestAbout::init()
{
    m_unexpectedMessages.clear();
    SetMessageBoxHandler([this](const QString& text, const QString&, unsigned) {
        m_unexpectedMessages << text;
        return int(IDOK);
    });
}

void TestAbout::cleanup()
{
    SetMessageBoxHandler(nullptr);
    QCOMPARE(m_unexpectedMessages, QStringList());
}

void TestAbout::systemMenuIsTrimmed()
{
    CBiorhythmDlg dialog;
    QVERIFY(dialog.SystemMenu());
    const QStringList expected {
        "&Move=f010",
        "Mi&nimize=f020",
        "-",
        "&Close\tAlt+F4=f060",
        "-",
        QStringLiteral("&About ...=%1").arg(IDM_ABOUTBOX, 0, 16),
        "-",
        QStringLiteral("&Print...\tCtrl+P=%1").arg(IDM_PRINT, 0, 16),
        QStringLiteral("&Export to calendar...=%1").arg(IDM_EXPORT_CALENDAR, 0, 16),
    };
    QCOMPARE(Entries(dialog.SystemMenu()), expected);
}

void TestAbout::emptyAboutCaptionAddsNothing()
{
    QMenu menu;
    BuildSystemMenu(&menu, QString());
    QCOMPARE(Entries(&menu), (QStringList { "&Move=f010", "Mi&nimize=f020", "-", "&Close\tAlt+F4=f060" }));

    BuildSystemMenu(&menu, LoadString(IDS_ABOUTBOX));
    QCOMPARE(menu.actions().size(), 6);
}

void TestAbout::aboutEntryOpensAboutBox()
{
    CBiorhythmDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QString seen;
    OnNextModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->accept(); }, &seen);
    FindCommand(dialog.SystemMenu(), IDM_ABOUTBOX)->trigger();
    QCOMPARE(seen, QStringLiteral("CAboutDlg"));
    QVERIFY(dialog.isVisible());

    // The low four bits of a system command are the system's own.
    seen.clear();
    OnNextModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->accept(); }, &seen);
    dialog.OnSysCommand(IDM_ABOUTBOX | 0x3);
    QCOMPARE(seen, QStringLiteral("CAboutDlg"));
}

void TestAbout::aboutBoxLayout()
{
    CAboutDlg about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About Ryvanta"));
    // 235 x 93 dialog units.
    QCOMPARE(about.size(), QSize(353, 151));
    QPushButton* ok = about.OkButton();
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isDefault());
    // (196, 7, 32, 14) units: right 228 * 1.5 = 342, bottom 21 * 1.625 = 34.125.
    QCOMPARE(ok->geometry(), QRect(294, 11, 48, 23));

    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QTest::keyClick(&about, Qt::Key_Return);
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Accepted));

    bool namesProgram = false;
    for (const QLabel* label : about.findChildren<QLabel*>())
        namesProgram = namesProgram || label->text().startsWith(QStringLiteral("Ryvanta Version "));
    QVERIFY(namesProgram);
}

void TestAbout::closeEntryClosesWindow()
{
    CSettingsStore(QStringLiteral("Work string")).WriteString(QStringLiteral("List"), QStringLiteral("1503071975Alice"));
    CBiorhythmDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    StoreList(QStringLiteral("1503071975Alice1205031990Jo"));

    FindCommand(dialog.SystemMenu(), SC_CLOSE)->trigger();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(CSettingsStore(QStringLiteral("Work string")).ReadString(QStringLiteral("List"), 254),
        std::optional<QString>(QStringLiteral("1503071975Alice1205031990Jo")));
}

void TestAbout::minimizeEntryMinimizes()
{
    CBiorhythmDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    FindCommand(dialog.SystemMenu(), SC_MINIMIZE)->trigger();
    QVERIFY(dialog.windowState() & Qt::WindowMinimized);
    QVERIFY(dialog.m_pCalendar);
}

void TestAbout::rightClickOnBackgroundOpensMenu()
{
    CBiorhythmDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    // On a button: no menu.
    const QPoint onButton(80, 370);
    QContextMenuEvent buttonClick(QContextMenuEvent::Mouse, onButton, dialog.mapToGlobal(onButton));
    QApplication::sendEvent(&dialog, &buttonClick);
    QVERIFY(!dialog.SystemMenu()->isVisible());

    // Between the navigation frame and the List button, and inside a frame.
    for (const QPoint& point : { QPoint(363, 370), QPoint(310, 160) }) {
        QContextMenuEvent click(QContextMenuEvent::Mouse, point, dialog.mapToGlobal(point));
        QApplication::sendEvent(&dialog, &click);
        QVERIFY(dialog.SystemMenu()->isVisible());
        dialog.SystemMenu()->hide();
    }
}

void TestAbout::altSpaceOpensMenu()
{
    CBiorhythmDlg dialog;
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &dialog, Qt::Key_Space, Qt::AltModifier);
    QVERIFY(dialog.SystemMenu()->isVisible());
    dialog.SystemMenu()->hide();
}

void TestAbout::exportNeedsBirthDate_data()
{
    QTest::addColumn<bool>("birth");
    QTest::addColumn<bool>("walk");
    QTest::newRow("no birth date") << false << false;
    QTest::newRow("birth date") << true << false;
    QTest::newRow("walk running") << true << true;
}

// The entry is checked as the menu opens; the export starts at the month
// the calendar shows.
void TestAbout::exportNeedsBirthDate()
{
    QFETCH(bool, birth);
    QFETCH(bool, walk);
    WindowFixture window;
    if (birth)
        window.enterBirth(QDate(1975, 7, 3));
    window.page(12, 2026);
    if (walk)
        window.press(IDC_START);
    QCOMPARE(window.scanning(), walk);
    emit window.dialog().SystemMenu()->aboutToShow();
    QCOMPARE(FindCommand(window.dialog().SystemMenu(), IDM_EXPORT_CALENDAR)->isEnabled(), birth && !walk);
    if (birth && !walk) {
        QTemporaryDir folder;
        QString reason;
        QVERIFY2(window.dialog().WriteCalendarExport(folder.filePath("a.ics"), &reason), qPrintable(reason));
        QFile file(folder.filePath("a.ics"));
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll().contains("DTSTART:20261219T083500"));
    }
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
