#include "app/BiorhythmDlg.h"
#include "calendar/CalendarPanel.h"
#include "cli/Render.h"
#include "tests/support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sstream>

namespace {

struct RunResult
{
    int status = 0;
    std::string out;
    std::string err;
};

RunResult Run(const QStringList& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunRender(arguments, out, err);
    return { status, out.str(), err.str() };
}

RenderOptions Options(const QString& birth, int year, int month, int day = 0,
    RenderView view = RenderView::Year)
{
    RenderOptions options;
    options.birth = QDate::fromString(birth, Qt::ISODate);
    options.year = year;
    options.month = month;
    options.day = day;
    options.view = view;
    return options;
}

} // namespace

class TestRender : public QObject
{
    Q_OBJECT

private slots:
    void init();

    // Arguments
    void refusesBadInput_data();
    void refusesBadInput();

    // Output
    void writesWindowImage_data();
    void writesWindowImage();
    void doublesAtScaleTwo();

    // The window as the walk over the month leaves it
    void walkEndsOnFirstBoundary_data();
    void walkEndsOnFirstBoundary();
    void monthWithoutBoundarySelectsNoDay();
    void pickedDayInCurrentMonthMode();
    void pickedDayBeforeBirthSelectsBirthDay();
    void monthViewClearsDayReadouts();

private:
    std::unique_ptr<ScopedSettingsFolder> m_settings;
    std::unique_ptr<ScopedToday> m_today;
    QTemporaryDir m_folder;
};

void TestRender::init()
{
    m_settings = std::make_unique<ScopedSettingsFolder>();
    m_today = std::make_unique<ScopedToday>("2026-12-07");
}

void TestRender::refusesBadInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    const QString output = QStringLiteral("--output=chart.png");
    QTest::newRow("malformed birth") << QStringList { "--birth", "1985-5-7", output } << "--birth";
    QTest::newRow("impossible birth") << QStringList { "--birth", "2023-02-29", output } << "--birth";
    QTest::newRow("birth after today") << QStringList { "--birth", "2026-12-08", output } << "past";
    QTest::newRow("birth before 1850") << QStringList { "--birth", "1849-12-31", output } << "1850";
    QTest::newRow("month before the birth month")
        << QStringList { "--birth", "2000-05-10", "--month", "2000-04", output } << "not born";
    QTest::newRow("month after 2100")
        << QStringList { "--birth", "2000-05-10", "--month", "2101-01", output } << "2100";
    QTest::newRow("malformed month") << QStringList { "--birth", "2000-05-10", "--month", "2000-13", output } << "--month";
    QTest::newRow("29 February of a common year")
        << QStringList { "--birth", "2000-05-10", "--month", "2026-02", "--day", "29", output } << "--day";
    QTest::newRow("29 February 2100")
        << QStringList { "--birth", "2000-05-10", "--month", "2100-02", "--day", "29", output } << "--day";
    QTest::newRow("day 0") << QStringList { "--birth", "2000-05-10", "--day", "0", output } << "--day";
    QTest::newRow("day in summary")
        << QStringList { "--birth", "2000-05-10", "--day", "3", "--view", "summary", output } << "summary";
    QTest::newRow("unknown view") << QStringList { "--birth", "2000-05-10", "--view", "pie", output } << "--view";
    QTest::newRow("scale 0") << QStringList { "--birth", "2000-05-10", "--scale", "0", output } << "--scale";
    QTest::newRow("scale 5") << QStringList { "--birth", "2000-05-10", "--scale", "5", output } << "--scale";
    QTest::newRow("scale not a number") << QStringList { "--birth", "2000-05-10", "--scale", "two", output } << "--scale";
    QTest::newRow("unknown option") << QStringList { "--birth", "2000-05-10", "--colour", "red", output } << "unknown option";
    QTest::newRow("no output") << QStringList { "--birth", "2000-05-10" } << "--output";
    QTest::newRow("unwritable output")
        << QStringList { "--birth", "2000-05-10", "--output", "missing-folder/chart.png" } << "cannot write";
}

void TestRender::refusesBadInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);

    QVERIFY(m_folder.isValid());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(m_folder.path());
    const RunResult result = Run(arguments);
    QDir::setCurrent(previous);

    QCOMPARE(result.status, 2);
    QVERIFY(result.out.empty());
    const QString err = QString::fromStdString(result.err);
    QVERIFY2(err.startsWith(QLatin1String("ryvanta: ")), qPrintable(err));
    QCOMPARE(err.count(QLatin1Char('\n')), 1);
    QVERIFY2(err.contains(message), qPrintable(err));
    QCOMPARE(QDir(m_folder.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
}

void TestRender::writesWindowImage_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QSize>("size");

    QTest::newRow("whole window") << QStringList {} << QSize(582, 458);
    QTest::newRow("rhythm curves with a day") << QStringList { "--view", "rhythms", "--day", "12" } << QSize(582, 458);
    QTest::newRow("chart only") << QStringList { "--chart", "--view", "summary" } << QSize(390, 158);
}

void TestRender::writesWindowImage()
{
    QFETCH(QStringList, extra);
    QFETCH(QSize, size);

    const QString file = m_folder.filePath(QStringLiteral("window.png"));
    const RunResult result = Run(QStringList { "--birth", "1985-05-07", "--month", "2026-03", "--output", file } + extra);
    QCOMPARE(result.status, 0);
    QVERIFY(result.err.empty());
    const QImage image(file);
    QCOMPARE(image.size(), size);
    // The chart's background shows in the image.
    const QPoint chart = size.width() == 582 ? QPoint(17, 185) : QPoint(0, 0);
    const QColor background = image.pixelColor(chart + QPoint(200, 10));
    QVERIFY(background == QColor(40, 38, 90) || background == QColor(40, 40, 90));
}

void TestRender::doublesAtScaleTwo()
{
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/../ryvanta");
    QVERIFY2(QFileInfo::exists(program), qPrintable(program));
    const QString file = m_folder.filePath(QStringLiteral("double.png"));
    QProcess process;
    process.start(program, { "render", "--birth", "1985-05-07", "--month", "2026-03", "--scale", "2", "--output", file });
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    const QImage image(file);
    QCOMPARE(image.size(), QSize(1164, 916));
    // One chart pixel is two by two image pixels, not a blend of them.
    QCOMPARE(image.pixelColor(2 * (17 + 200), 2 * (185 + 132)), QColor(40, 38, 90));
    QCOMPARE(image.pixelColor(2 * (17 + 100), 2 * (185 + 61) + 1), QColor(80, 233, 80));
}

void TestRender::walkEndsOnFirstBoundary_data()
{
    QTest::addColumn<QString>("birth");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("dayOfYear");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("help");

    // Age 14924 on 1 March 2026 + 16: sixty whole long cycles, the phase
    // 232.43 on the 1st reaches the cycle's end 248.73 on day 17 at 07:13.
    QTest::newRow("cycle's end, all three windows")
        << "1985-05-07" << 3 << 17 << 76 << 18 << "  H1-H2-H3 / F1-F2-F3 " << "(Time) 07:13\n"
        << "        This is one of the most unfavorable days. Your vital power is low.";
    // Phase 14.70 on 1 April: 35.53 falls on day 21 at 19:54; a second
    // boundary follows on the 27th, and the walk returns to the first.
    QTest::newRow("first of two boundaries, no window")
        << "1985-05-07" << 4 << 21 << 111 << 11 << "  H1-H2 " << "(Time) 19:54\n"
        << "        The day is hard enough";
    // Born on 10 March: the cycle starts on the birth day itself.
    QTest::newRow("birth month") << "2026-03-10" << 3 << 10 << 69 << 18 << "  H1-H2-H3 / F1-F2-F3 "
                                 << "(Time) 13:59\n"
                                 << "        This is one of the most unfavorable days. Your vital power is low.";
}

void TestRender::walkEndsOnFirstBoundary()
{
    QFETCH(QString, birth);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, dayOfYear);
    QFETCH(int, level);
    QFETCH(QString, note);
    QFETCH(QString, time);
    QFETCH(QString, help);

    CBiorhythmDlg dialog;
    dialog.show();
    SetUpChartedMonth(dialog, Options(birth, 2026, month));

    QCOMPARE(dialog.m_pCalendar->m_nMonth, month);
    QCOMPARE(dialog.m_pCalendar->m_nDay, day);
    QCOMPARE(dialog.m_nBoundaryDay, day);
    QCOMPARE(dialog.m_nDayOfYear, dayOfYear);
    QCOMPARE(dialog.m_nCriticalLevel, level);
    QCOMPARE(dialog.m_strCriticalNote, note);
    QCOMPARE(GetWindowText(dialog.GetDlgItem(1041)), time);
    QCOMPARE(GetWindowText(&dialog.m_staticHelp), help);
    QCOMPARE(dialog.m_nChartMonth, month);
    QCOMPARE(dialog.m_nLongCycleSegment, -1);
    QCOMPARE(dialog.m_btnInfo.m_bActive, true);
    QCOMPARE(dialog.m_pCalendar->DayWarning(), true);
    const QDate birthDate = QDate::fromString(birth, Qt::ISODate);
    QCOMPARE(GetWindowText(&dialog.m_staticBirth1), birthDate.toString(QStringLiteral("'Birth date: 'MM.dd.yyyy")));
    // The backward steps are greyed in the birth month only.
    const bool birthMonth = birthDate.year() == 2026 && birthDate.month() == month;
    QCOMPARE(dialog.m_btnPrevMonth.m_bActive, !birthMonth);
}

void TestRender::monthWithoutBoundarySelectsNoDay()
{
    CBiorhythmDlg dialog;
    dialog.show();
    // The phase 3.70 on 1 March leaves 31.83 days to the next boundary.
    SetUpChartedMonth(dialog, Options(QStringLiteral("1985-04-17"), 2026, 3));
    QCOMPARE(dialog.m_pCalendar->m_nDay, 0);
    QCOMPARE(dialog.m_nCriticalLevel, 0);
    QCOMPARE(dialog.m_nMoonMark, 0);
    QCOMPARE(dialog.m_strCriticalNote, QString());
    QCOMPARE(dialog.m_btnInfo.m_bActive, false);
    QCOMPARE(GetWindowText(dialog.GetDlgItem(1041)), QStringLiteral("(Time)      "));
}

void TestRender::pickedDayInCurrentMonthMode()
{
    CBiorhythmDlg dialog;
    dialog.show();
    SetUpChartedMonth(dialog, Options(QStringLiteral("1985-05-07"), 2026, 3, 10));
    QCOMPARE(dialog.m_bCurrentMonthMode, true);
    QCOMPARE(dialog.m_pCalendar->CurrentMonthMode(), true);
    QCOMPARE(dialog.m_pCalendar->m_nDay, 10);
    QCOMPARE(dialog.m_nCriticalLevel, 0);
    QCOMPARE(dialog.m_nMoonMark, 0);
    QCOMPARE(dialog.m_strCriticalNote, QString());
    QCOMPARE(dialog.m_btnInfo.m_bActive, false);
    QVERIFY(GetWindowText(&dialog.m_staticHelp).contains(QLatin1String("unselect Current month")));
}

void TestRender::pickedDayBeforeBirthSelectsBirthDay()
{
    CBiorhythmDlg dialog;
    dialog.show();
    SetUpChartedMonth(dialog, Options(QStringLiteral("2026-03-10"), 2026, 3, 4));
    QCOMPARE(dialog.m_pCalendar->m_nDay, 10);
    QCOMPARE(dialog.m_nDayOfYear, 69);
    QCOMPARE(dialog.m_nCriticalLevel, 18);
    QCOMPARE(dialog.m_strCriticalNote, QStringLiteral("  H1-H2-H3 / F1-F2-F3 "));
    QCOMPARE(dialog.m_btnInfo.m_bActive, true);
}

void TestRender::monthViewClearsDayReadouts()
{
    CBiorhythmDlg dialog;
    dialog.show();
    SetUpChartedMonth(dialog, Options(QStringLiteral("1985-05-07"), 2026, 3, 0, RenderView::Summary));
    QCOMPARE(dialog.m_comboRhythms.GetCurSel(), 2);
    QCOMPARE(dialog.m_nChartMonth, 3);
    QCOMPARE(dialog.m_pCalendar->m_nDay, 0);
    QCOMPARE(dialog.m_nCriticalLevel, 0);
    QCOMPARE(dialog.m_strCriticalNote, QString());
    QCOMPARE(dialog.m_btnCurrentMonth.m_bActive, false);
    QCOMPARE(GetWindowText(&dialog.m_staticHelp), QString());
}

QTEST_MAIN(TestRender)
#include "tst_render.moc"
