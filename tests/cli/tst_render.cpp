// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmDlg.h"
#include "calendar/CalendarPanel.h"
#include "cli/Render.h"
#include "cli/RenderOptions.h"
#include "cli/RenderWindow.h"
#include "res/ResourceIds.h"
#include "tests/support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <iterator>
#include <memory>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The names in a folder as the system gives them; Qt skips a name that is
// not UTF-8.
QList<QByteArray> EntryNames(const QByteArray& folder)
{
    QList<QByteArray> names;
    if (DIR* listing = ::opendir(folder.constData())) {
        while (const dirent* entry = ::readdir(listing)) {
            if (qstrcmp(entry->d_name, ".") != 0 && qstrcmp(entry->d_name, "..") != 0)
                names.append(entry->d_name);
        }
        ::closedir(listing);
    }
    return names;
}

} // namespace

class TestRender : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void refusesBadInput_data();
    void refusesBadInput();
    void writesImageOfWindow_data();
    void writesImageOfWindow();
    void setUpMatchesEndOfWalk_data();
    void setUpMatchesEndOfWalk();
    void commandLineKeepsItsContract_data();
    void commandLineKeepsItsContract();
    void settingsAreOnlyRead_data();
    void settingsAreOnlyRead();

private:
    std::unique_ptr<ScopedSettingsFolder> m_settings;
    std::unique_ptr<ScopedToday> m_today;
    QTemporaryDir m_folder;
};

void TestRender::init()
{
    // The guard before puts its variables back first, or it would undo these.
    m_today.reset();
    m_settings.reset();
    m_settings = std::make_unique<ScopedSettingsFolder>();
    m_today = std::make_unique<ScopedToday>("2026-12-07");
}

void TestRender::refusesBadInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    // The date checks and the option parser shared with report are tested
    // there; here each of render's own calls and options.
    const QString birth = QStringLiteral("--birth=2000-05-10");
    const QString output = QStringLiteral("--output=chart.png");
    QTest::newRow("malformed birth") << QStringList { "--birth", "1985-5-7", output } << "--birth";
    QTest::newRow("birth after today") << QStringList { "--birth", "2026-12-08", output } << "past";
    QTest::newRow("29 February 2100") << QStringList { birth, "--month", "2100-02", "--day", "29", output } << "--day";
    QTest::newRow("day 0") << QStringList { birth, "--day", "0", output } << "--day";
    QTest::newRow("day with a sign") << QStringList { birth, "--day", "+3", output } << "--day";
    QTest::newRow("day of three figures") << QStringList { birth, "--day", "003", output } << "--day";
    QTest::newRow("day in Arabic-Indic digits") << QStringList { birth, "--day", QString::fromUtf8("\u0663"), output } << "--day";
    QTest::newRow("day in summary") << QStringList { birth, "--day", "3", "--view", "summary", output } << "summary";
    QTest::newRow("unknown view") << QStringList { birth, "--view", "pie", output } << "--view";
    QTest::newRow("second birth after today") << QStringList { birth, "--compare", "2026-12-08", output } << "--compare";
    QTest::newRow("comparison in a month view") << QStringList { birth, "--compare", "1990-11-03", "--view", "rhythms", output }
                                                << "year view";
    QTest::newRow("scale 5") << QStringList { birth, "--scale", "5", output } << "--scale";
    QTest::newRow("scale not a number") << QStringList { birth, "--scale", "two", output } << "--scale";
    QTest::newRow("no output") << QStringList { birth } << "--output";
    QTest::newRow("unwritable output") << QStringList { birth, "--output", "missing/chart.png" } << "cannot write";
}

void TestRender::refusesBadInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);

    const QString previous = QDir::currentPath();
    QDir::setCurrent(m_folder.path());
    CTextOutput out;
    CTextOutput err;
    const int status = RunRender(arguments, out, err);
    QDir::setCurrent(previous);

    QCOMPARE(status, 2);
    QVERIFY(out.Text().empty());
    const QString line = QString::fromStdString(err.Text());
    QVERIFY2(line.startsWith(QLatin1String("ryvanta: ")) && line.count(QLatin1Char('\n')) == 1, qPrintable(line));
    QVERIFY2(line.contains(message), qPrintable(line));
    QVERIFY(QDir(m_folder.path()).isEmpty());
}

void TestRender::writesImageOfWindow_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("chart");
    QTest::addColumn<int>("scale");
    QTest::addColumn<bool>("compared");

    QTest::newRow("whole window") << QStringList {} << QSize(582, 458) << QPoint(17, 185) << 1 << false;
    QTest::newRow("chart only") << QStringList { "--chart", "--view", "summary" } << QSize(390, 158) << QPoint(0, 0) << 1 << false;
    QTest::newRow("twice the size") << QStringList { "--scale", "2" } << QSize(1164, 916) << QPoint(34, 370) << 2 << false;
    QTest::newRow("comparison") << QStringList { "--compare", "1990-11-03", "--chart" } << QSize(390, 158) << QPoint(0, 0) << 1
                                << true;
}

void TestRender::writesImageOfWindow()
{
    QFETCH(QStringList, extra);
    QFETCH(QSize, size);
    QFETCH(QPoint, chart);
    QFETCH(int, scale);
    QFETCH(bool, compared);

    const QString file = m_folder.filePath(QStringLiteral("window.png"));
    const QStringList arguments = QStringList { "--birth", "1985-05-07", "--month", "2026-03", "--output", file } + extra;
    if (scale != 1) {
        // The scale is fixed when the application starts, so in a process.
        // Outside a desktop session, as in CI: a successful run prints nothing.
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        environment.insert(QStringLiteral("MALLOC_PERTURB_"), QStringLiteral("90"));
        process.setProcessEnvironment(environment);
        process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../ryvanta"), QStringList { "render" } + arguments);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(process.readAllStandardError(), QByteArray());
        // Memory handed out holding other bytes changes no pixel.
        const QByteArray drawn = ReadFileBytes(file);
        environment.insert(QStringLiteral("MALLOC_PERTURB_"), QStringLiteral("165"));
        process.setProcessEnvironment(environment);
        process.start();
        QVERIFY(process.waitForFinished(60000) && process.exitCode() == 0);
        QCOMPARE(ReadFileBytes(file), drawn);
    } else {
        CTextOutput out;
        CTextOutput err;
        QCOMPARE(RunRender(arguments, out, err), 0);
    }
    const QImage image(file);
    QCOMPARE(image.size(), size);
    const QColor background = image.pixelColor(chart + QPoint(200, 10) * scale);
    QVERIFY(background == QColor(40, 38, 90) || background == QColor(40, 40, 90));
    if (scale == 2) // a line one pixel high covers two rows, crisp
        QCOMPARE(image.pixelColor(chart + QPoint(2 * 100, 2 * 61 + 1)), QColor(80, 233, 80));
    // Only a comparison draws the first date's curve in magenta.
    int magenta = 0;
    for (int y = 0; y < 141 * scale; ++y) {
        for (int x = 0; x < 375 * scale; ++x)
            magenta += image.pixelColor(chart + QPoint(x, y)) == QColor(255, 0, 255) ? 1 : 0;
    }
    QCOMPARE(magenta > 300, compared);
}

void TestRender::setUpMatchesEndOfWalk_data()
{
    QTest::addColumn<QString>("birth");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("pick");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("time");

    const QString allWindows = QStringLiteral("  H1-H2-H3 / F1-F2-F3 ");
    // Age 14924 on 17 March 2026 is sixty long cycles: the phase 232.43 of
    // the 1st reaches the cycle's end 248.73 on day 17 at 07:13.
    QTest::newRow("cycle's end") << "1985-05-07" << 3 << 0 << 17 << 18 << allWindows << "(Time) 07:13\n";
    // Phase 14.70: 35.53 falls on 21 April at 19:54, a second boundary on
    // the 27th; the walk returns to the first.
    QTest::newRow("first of two") << "1985-05-07" << 4 << 0 << 21 << 11 << "  H1-H2 " << "(Time) 19:54\n";
    // Phase 3.70: the next boundary is 31.83 days away.
    QTest::newRow("no boundary") << "1985-04-17" << 3 << 0 << 0 << 0 << "" << "(Time)      ";
    QTest::newRow("picked day") << "1985-05-07" << 3 << 10 << 10 << 0 << "" << "(Time) 07:13\n";
    QTest::newRow("picked day before birth") << "2026-03-10" << 3 << 4 << 10 << 18 << allWindows << "(Time) 13:59\n";
}

void TestRender::setUpMatchesEndOfWalk()
{
    QFETCH(QString, birth);
    QFETCH(int, month);
    QFETCH(int, pick);
    QFETCH(int, day);
    QFETCH(int, level);
    QFETCH(QString, note);
    QFETCH(QString, time);

    CBiorhythmDlg dialog;
    dialog.show();
    // A window left in current-month mode, as a set-up with a picked day
    // leaves it, is set up again.
    dialog.m_bCurrentMonthMode = true;
    dialog.m_pCalendar->SetCurrentMonthMode(true);
    RenderOptions options;
    options.birth = QDate::fromString(birth, Qt::ISODate);
    options.year = 2026;
    options.month = month;
    options.day = pick;
    ChartMonthAsUser(dialog, options);

    QCOMPARE(dialog.m_pCalendar->m_nDay, day);
    QCOMPARE(dialog.m_nCriticalLevel, level);
    QCOMPARE(dialog.m_strCriticalNote, note);
    QCOMPARE(dialog.m_btnInfo.m_bActive, !note.isEmpty());
    QCOMPARE(dialog.m_bCurrentMonthMode, pick != 0);
    QCOMPARE(GetWindowText(dialog.GetDlgItem(IDC_TIME)), time);
    QCOMPARE(dialog.m_nChartMonth, month);
    QCOMPARE(GetWindowText(&dialog.m_staticBirth1), options.birth.toString(QStringLiteral("'Birth date: 'MM.dd.yyyy")));
}

void TestRender::commandLineKeepsItsContract_data()
{
    // What follows the program in a shell command line, the environment
    // added, the exit status, and the file (its name's bytes) and pixel size
    // a successful run writes.
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QSize>("size");

    const QByteArray report = "report --birth 1975-07-03 --month 2026-12";
    const QByteArray render = "render --birth 1985-05-07 --month 2026-03";
    const QStringList none;
    QTest::newRow("day with a terminal escape") << render + " --day '\033[2J1' --output a.png" << none << 2 << QByteArray() << QSize();
    QTest::newRow("scale ending in a blank") << render + " --scale '2 ' --output a.png" << none << 2 << QByteArray() << QSize();
    QTest::newRow("today ending in a line break") << report << QStringList { "RYVANTA_TODAY=2026-12-07\n" } << 2 << QByteArray() << QSize();
    QTest::newRow("command with a tab") << QByteArray("'re\tport'") << none << 2 << QByteArray() << QSize();
    QTest::newRow("report to a full disk") << report + " >/dev/full" << none << 2 << QByteArray() << QSize();
    QTest::newRow("report to a closed output") << report + " --format json >&-" << none << 2 << QByteArray() << QSize();
    QTest::newRow("device as output") << render + " --output /dev/null" << none << 2 << QByteArray() << QSize();
    QTest::newRow("folder as output") << render + " --output ." << none << 2 << QByteArray() << QSize();
    QTest::newRow("missing folder, name with a line break") << render + " --output 'no/a\nb.png'" << none << 2 << QByteArray() << QSize();
    QTest::newRow("screen scaled by the environment") << render + " --output w.png"
        << QStringList { "QT_SCREEN_SCALE_FACTORS=3", "QT_FONT_DPI=192", "QT_SCALE_FACTOR=2", "QT_USE_PHYSICAL_DPI=1" } << 0
        << QByteArray("w.png") << QSize(582, 458);
    QTest::newRow("single-dash word holding h") << render + " --output a.png -chart" << none << 2 << QByteArray() << QSize();
    QTest::newRow("program's single-dash word") << QByteArray("-hx") << none << 2 << QByteArray() << QSize();
    QTest::newRow("value starting with a dash") << render + " --output -odd.png" << none << 0 << QByteArray("-odd.png")
        << QSize(582, 458);
    QTest::newRow("name that is not UTF-8") << render + " --chart --scale 2 --output \"$(printf 'caf\\351.png')\"" << none << 0
        << QByteArray("caf\351.png") << QSize(780, 316);
}

void TestRender::commandLineKeepsItsContract()
{
    QFETCH(QByteArray, command);
    QFETCH(QStringList, environment);
    QFETCH(int, status);
    QFETCH(QByteArray, file);
    QFETCH(QSize, size);

    QTemporaryDir folder;
    QTemporaryDir settings;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    variables.insert(QStringLiteral("XDG_CONFIG_HOME"), settings.path());
    // Outside a desktop session Qt has a notice of its own to print, and a
    // folder of its own to leave in the temporary folder, here the run's.
    variables.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    variables.insert(QStringLiteral("TMPDIR"), folder.path());
    variables.insert(QStringLiteral("RYVANTA"), QCoreApplication::applicationDirPath() + QStringLiteral("/../ryvanta"));
    for (const QString& variable : environment)
        variables.insert(variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1));
    QProcess process;
    process.setProcessEnvironment(variables);
    process.setWorkingDirectory(folder.path());
    process.start(QStringLiteral("/bin/sh"), { QStringLiteral("-c"), QString::fromLatin1("exec \"$RYVANTA\" " + command) });
    QVERIFY(process.waitForFinished(60000));

    const QByteArray err = process.readAllStandardError();
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), status);
    QCOMPARE(process.readAllStandardOutput(), QByteArray());
    if (status == 0)
        QCOMPARE(err, QByteArray());
    else
        QVERIFY2(err.startsWith("ryvanta: ") && err.endsWith('\n') && err.count('\n') == 1, err.constData());
    struct stat device {};
    QVERIFY(::stat("/dev/null", &device) == 0 && S_ISCHR(device.st_mode));

    const QByteArray path = QFile::encodeName(folder.path());
    QCOMPARE(EntryNames(path), file.isEmpty() ? QList<QByteArray>() : QList<QByteArray> { file });
    if (file.isEmpty())
        return;
    std::string bytes;
    {
        std::ifstream png((path + '/' + file).constData(), std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(png), std::istreambuf_iterator<char>());
    }
    ::unlink((path + '/' + file).constData());
    QCOMPARE(QImage::fromData(QByteArrayView(bytes.data(), qsizetype(bytes.size())), "PNG").size(), size);
}

void TestRender::settingsAreOnlyRead_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("status");

    const QByteArray list("[Work%20string]\nList=1503071975Alice\n");
    const QByteArray damaged("[Work string\nList=1503071975Alice\xff\n");
    QTest::newRow("list, written image") << list << "window.png" << 0;
    QTest::newRow("damaged file, written image") << damaged << "window.png" << 0;
    QTest::newRow("damaged file, failed output") << damaged << "missing/window.png" << 2;
}

// A render draws the window but never writes or moves the settings, on
// success and on failure alike.
void TestRender::settingsAreOnlyRead()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, output);
    QFETCH(int, status);

    QVERIFY(m_settings->writeSettingsFile(settings));
    QFile file(m_settings->settingsFile());
    const QString folder = QFileInfo(file).absolutePath();
    const QDateTime written = QFileInfo(file).lastModified();

    CTextOutput out;
    CTextOutput err;
    const QStringList arguments { "--birth", "1985-05-07", "--output", m_folder.filePath(output) };
    QCOMPARE(RunRender(arguments, out, err), status);

    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList { QStringLiteral("Ryvanta.conf") });
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), settings);
    QCOMPARE(QFileInfo(file).lastModified(), written);
}

QTEST_MAIN(TestRender)
#include "tst_render.moc"
