#include "app/BiorhythmApp.h"
#include "tests/support/TestEnvironment.h"

#include <QTest>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void malformedTodayStopsBeforeWindow_data();
    void malformedTodayStopsBeforeWindow();
    void missingDisplayStopsBeforeWindow_data();
    void missingDisplayStopsBeforeWindow();
};

void TestStartup::malformedTodayStopsBeforeWindow_data()
{
    QTest::addColumn<QByteArray>("today");
    QTest::newRow("month 13") << QByteArray("2026-13-01");
    QTest::newRow("31 April") << QByteArray("2026-04-31");
    QTest::newRow("not a date") << QByteArray("tomorrow");
}

void TestStartup::malformedTodayStopsBeforeWindow()
{
    QFETCH(QByteArray, today);
    ScopedToday fixed(today);
    char name[] = "ryvanta";
    char* argv[] = { name, nullptr };
    QCOMPARE(RunWindow(1, argv), 2);
}

void TestStartup::missingDisplayStopsBeforeWindow_data()
{
    QTest::addColumn<QByteArray>("display");
    QTest::newRow("no DISPLAY") << QByteArray();
    QTest::newRow("local display nobody serves") << QByteArray(":9731");
    QTest::newRow("local display with screen number") << QByteArray("unix:9731.0");
}

void TestStartup::missingDisplayStopsBeforeWindow()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    QFETCH(QByteArray, display);
    ScopedEnvironment platform("QT_QPA_PLATFORM", "");
    ScopedEnvironment displayVariable("DISPLAY", display);
    ScopedEnvironment wayland("WAYLAND_DISPLAY", "");
    char name[] = "ryvanta";
    char* argv[] = { name, nullptr };
    QCOMPARE(RunWindow(1, argv), 1);
#else
    QSKIP("Only X11 and Wayland need a display variable");
#endif
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
