// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmApp.h"
#include "tests/support/TestEnvironment.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <cstring>
#include <optional>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void malformedTodayStopsBeforeWindow_data();
    void malformedTodayStopsBeforeWindow();
    void missingDisplayStopsBeforeWindow_data();
    void missingDisplayStopsBeforeWindow();
    void refusingDisplayEndsWithOneLine();
};

namespace {

// A socket file at /tmp/.X11-unix/X<display>, as an X server leaves it:
// listening while the object lives, or left behind with nobody on it.
class XSocket
{
public:
    XSocket(int display, bool listening)
        : m_path(QFile::encodeName(QStringLiteral("%1/X%2").arg(kSocketFolder).arg(display)))
    {
        m_bMadeFolder = !QFileInfo::exists(kSocketFolder) && QDir().mkpath(kSocketFolder);
        ::unlink(m_path.constData());
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, m_path.constData(), sizeof(address.sun_path) - 1);
        m_descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        ::bind(m_descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
        if (listening) {
            ::listen(m_descriptor, 4);
        } else {
            ::close(m_descriptor);
            m_descriptor = -1;
        }
    }
    ~XSocket()
    {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
        ::unlink(m_path.constData());
        if (m_bMadeFolder)
            QDir().rmdir(kSocketFolder);
    }
    bool exists() const { return QFileInfo::exists(QFile::decodeName(m_path)); }
    // Takes whoever is waiting and hangs up on them at once.
    void HangUp()
    {
        for (int client = ::accept(m_descriptor, nullptr, nullptr); client >= 0; client = ::accept(m_descriptor, nullptr, nullptr))
            ::close(client);
    }

private:
    inline static const QString kSocketFolder = QStringLiteral("/tmp/.X11-unix");
    QByteArray m_path;
    int m_descriptor = -1;
    bool m_bMadeFolder = false;
};

} // namespace

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
    QTest::addColumn<bool>("staleSocket");
    QTest::newRow("no DISPLAY") << QByteArray() << false;
    QTest::newRow("local display nobody serves") << QByteArray(":9731") << false;
    QTest::newRow("local display with screen number") << QByteArray("unix:9731.0") << false;
    QTest::newRow("socket left by a server that is gone") << QByteArray(":9731") << true;
}

void TestStartup::missingDisplayStopsBeforeWindow()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    QFETCH(QByteArray, display);
    QFETCH(bool, staleSocket);
    std::optional<XSocket> socket;
    if (staleSocket) {
        socket.emplace(9731, false);
        QVERIFY(socket->exists());
    }
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

// A display that answers but hangs up at once: Qt gives up on it with a
// fatal message, which must end the program with one line and status 1,
// not an abort. In a process of its own, as the program ends there.
void TestStartup::refusingDisplayEndsWithOneLine()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    XSocket socket(9732, true);
    QVERIFY(socket.exists());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":9732"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../ryvanta"), QStringList());
    QVERIFY(process.waitForStarted());
    QElapsedTimer clock;
    clock.start();
    while (process.state() != QProcess::NotRunning && clock.elapsed() < 60000) {
        socket.HangUp();
        process.waitForFinished(50);
    }
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
    const QByteArray error = process.readAllStandardError();
    QVERIFY2(error.startsWith("ryvanta: cannot open a window: ") && error.count('\n') == 1 && error.endsWith('\n'), error.constData());
#else
    QSKIP("Only X11 has a display socket");
#endif
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
