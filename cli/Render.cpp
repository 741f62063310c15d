#include "cli/Render.h"

#include "app/BiorhythmDlg.h"
#include "calendar/CalendarPanel.h"
#include "chart/ChartLayout.h"
#include "cli/Arguments.h"
#include "cli/CommandOptions.h"
#include "cli/DateOptions.h"
#include "cli/HeadlessMessages.h"
#include "model/CalendarArithmetic.h"
#include "model/LongCycle.h"
#include "platform/AtomicFile.h"
#include "platform/PrintableText.h"
#include "platform/Today.h"
#include "res/ResourceIds.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QPixmap>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <ostream>

const char kRenderUsage[] =
    "       ryvanta render --birth YYYY-MM-DD [--compare YYYY-MM-DD] [--month YYYY-MM]\n"
    "                      [--day D] [--view year|rhythms|summary] [--scale N] [--chart]\n"
    "                      --output FILE.png\n";

namespace {

constexpr int kUsageFault = 2;
constexpr int kLargestScale = 4;

int Fail(std::ostream& err, const QString& message)
{
    err << "ryvanta: " << message.toStdString() << '\n';
    return kUsageFault;
}

// One or two ASCII digits and nothing else.
bool ParseNumber(const QString& text, int* number)
{
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{1,2}")));
    if (!pattern.match(text).hasMatch())
        return false;
    *number = text.toInt();
    return true;
}

std::optional<RenderView> ReadView(const QString& text)
{
    static const std::pair<const char*, RenderView> kViews[] = {
        { "year", RenderView::Year }, { "rhythms", RenderView::Rhythms }, { "summary", RenderView::Summary } };
    for (const auto& [name, view] : kViews) {
        if (text == QLatin1String(name))
            return view;
    }
    return std::nullopt;
}

// Months counted from January of year 0, so that they compare in order.
int MonthNumber(int month, int year)
{
    return year * 12 + month - 1;
}

// A click on a day of the month the calendar shows, handed to the window
// as the calendar posts it.
void ClickDay(CBiorhythmDlg& dialog, int day)
{
    CCalendarPanel& calendar = *dialog.m_pCalendar;
    const int lead = QDate(calendar.m_nYear, calendar.m_nMonth, 1).dayOfWeek();
    const CRect cell = CCalendarPanel::CellRect(day + lead - 2);
    calendar.OnLButtonDown({ (cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2 });
    QCoreApplication::sendPostedEvents(&dialog, CPostedMessage::EventType());
}

void ClickBirthDate(CBiorhythmDlg& dialog, const QDate& birth)
{
    dialog.m_pCalendar->SetYear(birth.year());
    dialog.m_pCalendar->SetMonth(birth.month());
    ClickDay(dialog, birth.day());
}

} // namespace

std::optional<RenderOptions> ParseRenderOptions(const QStringList& arguments, QString* error)
{
    const QCommandLineOption birthOption(QStringLiteral("birth"), QString(), QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption compareOption(QStringLiteral("compare"), QString(), QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption monthOption(QStringLiteral("month"), QString(), QStringLiteral("YYYY-MM"));
    const QCommandLineOption dayOption(QStringLiteral("day"), QString(), QStringLiteral("D"));
    const QCommandLineOption viewOption(QStringLiteral("view"), QString(), QStringLiteral("year|rhythms|summary"));
    const QCommandLineOption scaleOption(QStringLiteral("scale"), QString(), QStringLiteral("N"));
    const QCommandLineOption chartOption(QStringLiteral("chart"));
    const QCommandLineOption outputOption(QStringLiteral("output"), QString(), QStringLiteral("FILE.png"));
    QCommandLineParser parser;
    if (!ParseCommandOptions(parser, QStringLiteral("render"),
            { birthOption, compareOption, monthOption, dayOption, viewOption, scaleOption, chartOption, outputOption }, arguments, error))
        return std::nullopt;

    RenderOptions options;
    options.helpRequested = parser.isSet(QStringLiteral("help"));
    if (options.helpRequested)
        return options;

    if (!parser.isSet(birthOption)) {
        *error = QStringLiteral("render needs --birth YYYY-MM-DD");
        return std::nullopt;
    }
    const std::optional<QDate> birth = ReadBirthOption(parser.value(birthOption), error);
    if (!birth)
        return std::nullopt;
    options.birth = *birth;
    if (parser.isSet(compareOption)) {
        const std::optional<QDate> compare = ReadBirthOption(parser.value(compareOption), error, QStringLiteral("--compare"));
        if (!compare)
            return std::nullopt;
        options.compare = *compare;
    }
    if (parser.isSet(monthOption)) {
        const std::optional<QDate> month = ReadMonthOption(parser.value(monthOption), error);
        if (!month)
            return std::nullopt;
        options.month = month->month();
        options.year = month->year();
    }
    if (parser.isSet(dayOption) && (!ParseNumber(parser.value(dayOption), &options.day) || options.day < 1)) {
        *error = QStringLiteral("--day needs a day of the month, not '%1'").arg(PrintableText(parser.value(dayOption)));
        return std::nullopt;
    }
    if (parser.isSet(viewOption)) {
        const std::optional<RenderView> view = ReadView(parser.value(viewOption));
        if (!view) {
            *error = QStringLiteral("--view must be year, rhythms or summary, not '%1'").arg(PrintableText(parser.value(viewOption)));
            return std::nullopt;
        }
        options.view = *view;
    }
    if (parser.isSet(scaleOption)
        && (!ParseNumber(parser.value(scaleOption), &options.scale) || options.scale < 1 || options.scale > kLargestScale)) {
        *error = QStringLiteral("--scale must be 1, 2, 3 or 4, not '%1'").arg(PrintableText(parser.value(scaleOption)));
        return std::nullopt;
    }
    options.chartOnly = parser.isSet(chartOption);
    if (!parser.isSet(outputOption)) {
        *error = QStringLiteral("render needs --output FILE.png");
        return std::nullopt;
    }
    options.output = parser.value(outputOption);
    if (options.output.isEmpty()) {
        *error = QStringLiteral("--output needs a file name");
        return std::nullopt;
    }
    return options;
}

bool CompleteRenderOptions(RenderOptions& options, const QDate& today, QString* error)
{
    if (options.month == 0) {
        options.month = today.month();
        options.year = today.year();
    }
    if (!CheckChartedMonth(options.birth, QDate(options.year, options.month, 1), today, error))
        return false;
    if (options.compare.isValid()) {
        if (!CheckChartedMonth(options.compare, QDate(options.year, options.month, 1), today, error)) {
            error->prepend(QStringLiteral("--compare: "));
            return false;
        }
        // A comparison is drawn on the yearly curves alone.
        if (options.view != RenderView::Year) {
            *error = QStringLiteral("--compare draws the year view only, not --view %1")
                         .arg(options.view == RenderView::Rhythms ? QStringLiteral("rhythms") : QStringLiteral("summary"));
            return false;
        }
    }
    const int monthLength = DaysInMonth(options.month, options.year);
    if (options.day > monthLength) {
        *error = QStringLiteral("--day must lie between 1 and %1 in %2-%3, not %4")
                     .arg(monthLength)
                     .arg(options.year, 4, 10, QLatin1Char('0'))
                     .arg(options.month, 2, 10, QLatin1Char('0'))
                     .arg(options.day);
        return false;
    }
    // "Summary" ends current-month mode, so no day can be picked there.
    if (options.day != 0 && options.view == RenderView::Summary) {
        *error = QStringLiteral("--day cannot be used with --view summary");
        return false;
    }
    return true;
}

void ChartMonthAsUser(CBiorhythmDlg& dialog, const RenderOptions& options)
{
    CCalendarPanel& calendar = *dialog.m_pCalendar;
    dialog.OnReset();
    ClickBirthDate(dialog, options.birth);
    if (options.compare.isValid()) {
        dialog.OnInsert();
        ClickBirthDate(dialog, options.compare);
        dialog.OnInsert();
        dialog.OnCompare();
    } else {
        dialog.OnStart();
    }

    const int wanted = MonthNumber(options.month, options.year);
    for (int shown = MonthNumber(calendar.m_nMonth, calendar.m_nYear); shown != wanted;) {
        if (shown < wanted)
            dialog.OnNextMonth();
        else
            dialog.OnPrevMonth();
        const int reached = MonthNumber(calendar.m_nMonth, calendar.m_nYear);
        if (reached == shown)
            break;
        shown = reached;
    }
    // A walk visits at most the cycle's 17 boundaries and returns once.
    for (int tick = 0; tick <= LongCycleBoundaries.size() && dialog.IsTimerRunning(IDT_SCAN); ++tick)
        dialog.OnTimer(IDT_SCAN);

    if (options.view != RenderView::Year) {
        dialog.m_comboRhythms.SetCurSel(static_cast<int>(options.view));
        dialog.OnSelEndOkRhythms();
    }
    if (options.day != 0) {
        dialog.OnCurrentMonth();
        ClickDay(dialog, options.day);
    }
}

QImage RenderWindowImage(const RenderOptions& options)
{
    CBiorhythmDlg dialog(nullptr, CPersonsStore::Access::ReadOnly);
    dialog.show();
    ChartMonthAsUser(dialog, options);
    if (options.chartOnly)
        return dialog.grab(QRect(dialog.GetDlgItem(IDC_CHART)->pos(), ChartExtent())).toImage();
    return dialog.grab().toImage();
}

namespace {

// Qt would multiply the scale by what these ask of the screen, and change
// the fonts' size with the screen's dots per inch; a render has no screen.
const char* const kScreenSettings[] = { "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI", "QT_ENABLE_HIGHDPI_SCALING",
    "QT_USE_PHYSICAL_DPI", "QT_SCALE_FACTOR_ROUNDING_POLICY", "QT_DPI_ADJUSTMENT_POLICY", "QT_AUTO_SCREEN_SCALE_FACTOR",
    "QT_DEVICE_PIXEL_RATIO" };

void SetUpHeadlessScreen(int scale)
{
    for (const char* name : kScreenSettings)
        qunsetenv(name);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
}

int WriteImage(const RenderOptions& options, std::ostream& err)
{
    const QImage image = RenderWindowImage(options);
    // Should Qt still find a way to scale the screen, no image of the wrong
    // size is written.
    if (image.devicePixelRatio() != options.scale)
        return Fail(err, QStringLiteral("the screen settings draw at %1 times the size, not %2")
                             .arg(image.devicePixelRatio()).arg(options.scale));
    QByteArray png;
    QBuffer buffer(&png);
    bool encoded = false;
    QString reason;
    {
        // What libpng says while it encodes, and only that, explains a failure.
        const HeadlessMessages encoderMessages;
        encoded = buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG");
        reason = HeadlessMessages::LastMessage();
    }
    if (!encoded && reason.isEmpty())
        reason = QStringLiteral("the image could not be encoded as PNG");
    if (encoded && WriteFileAtomically(EncodeArgument(options.output), png, &reason))
        return 0;
    return Fail(err, QStringLiteral("cannot write '%1': %2").arg(PrintableText(options.output), reason));
}

} // namespace

int RunRender(const QStringList& arguments, std::ostream& out, std::ostream& err)
{
    QString error;
    std::optional<RenderOptions> options = ParseRenderOptions(arguments, &error);
    if (!options)
        return Fail(err, error);
    if (options->helpRequested) {
        out << "Usage:" << (kRenderUsage + 6)
            << "\nDraws the window as it stands once the birth date is entered and the month\n"
               "(default: today's) is charted, and writes it as a PNG image. --compare\n"
               "inserts a second birth date and charts the month in comparison mode, with\n"
               "each person's first long-cycle boundary marked (year view only). --day\n"
               "picks that day in current-month mode; --chart writes only the chart;\n"
               "--scale draws at 1 to 4 times the size. Today is RYVANTA_TODAY when set.\n";
        return 0;
    }
    const std::optional<QDate> today = ReadToday(&error);
    if (!today)
        return Fail(err, error);
    if (!CompleteRenderOptions(*options, *today, &error))
        return Fail(err, error);

    if (QCoreApplication::instance()) {
        if (!qobject_cast<QApplication*>(QCoreApplication::instance()) || qGuiApp->devicePixelRatio() != options->scale)
            return Fail(err, QStringLiteral("render cannot change the scale of a running application"));
        return WriteImage(*options, err);
    }
    SetUpHeadlessScreen(options->scale);
    // Qt looks into the runtime folder as it starts, for a sandbox's
    // flatpak-info. Unless XDG_RUNTIME_DIR names a folder it accepts (the
    // user's own directory, no link, mode 0700 exactly), it makes one, there
    // or as runtime-<user> in the temporary folder, and leaves it behind. No
    // such folder is sure to exist outside a desktop session, and a render
    // needs nothing from a session's, so it brings a private one for as long
    // as Qt runs and takes it away after.
    const QTemporaryDir runtimeFolder;
    if (runtimeFolder.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder.path()));
    static char programName[] = "ryvanta";
    static char* programArguments[] = { programName, nullptr };
    int argumentCount = 1;
    QApplication application(argumentCount, programArguments);
    return WriteImage(*options, err);
}
