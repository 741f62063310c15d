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
#include "model/Moon.h"
#include "model/Rhythms.h"
#include "platform/AtomicFile.h"
#include "platform/PrintableText.h"
#include "platform/Today.h"
#include "res/ResourceIds.h"

#include <QApplication>
#include <QBuffer>
#include <QPixmap>
#include <QRegularExpression>

#include <cmath>
#include <ostream>

const char kRenderUsage[] =
    "       ryvanta render --birth YYYY-MM-DD [--month YYYY-MM] [--day D]\n"
    "                      [--view year|rhythms|summary] [--scale N] [--chart] --output FILE.png\n";

namespace {

constexpr int kUsageFault = 2;
constexpr int kLargestScale = 4;

const QString kHelpStartOrInsert = QStringLiteral(
    "        Press \"< > \" button to start or \"Insert\"  button to begin comparison procedure.");
const QString kHelpCurrentMonth = QStringLiteral(
    "        Click the calendar or unselect Current month button to return to the birth date insertion mode.");
const QString kHelpStudyMore = QStringLiteral(
    "        Use Current month tool and the calendar to study biorhythms more carefully.");
const QString kTimeEmpty = QStringLiteral("(Time)      ");
const QString kBirthEmpty = QStringLiteral("Birth date: ");

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

QString BirthDateLabel(const QDate& birth)
{
    return QStringLiteral("Birth date: %1.%2.%3")
        .arg(birth.month(), 2, 10, QLatin1Char('0'))
        .arg(birth.day(), 2, 10, QLatin1Char('0'))
        .arg(birth.year());
}

void SetActive(CIconButton& button, bool active, bool lit = false)
{
    button.m_bActive = active;
    button.m_bLit = lit;
    InvalidateWindow(&button);
}

// The critical-day assessment of the selected day, as the window makes it
// at the end of the walk: the level, its suffix on the note, its message on
// the help line and the warning sign on the calendar.
int AssessDay(CBiorhythmDlg& dialog, double age)
{
    const CriticalDay critical = AssessCriticalWindows(age);
    dialog.m_strCriticalNote += QString::fromLatin1(critical.suffix);
    SetWindowText(&dialog.m_staticHelp, QString::fromLatin1(critical.message));
    dialog.m_pCalendar->SetDayWarning(true);
    return critical.level;
}

} // namespace

std::optional<RenderOptions> ParseRenderOptions(const QStringList& arguments, QString* error)
{
    const QCommandLineOption birthOption(QStringLiteral("birth"), QString(), QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption monthOption(QStringLiteral("month"), QString(), QStringLiteral("YYYY-MM"));
    const QCommandLineOption dayOption(QStringLiteral("day"), QString(), QStringLiteral("D"));
    const QCommandLineOption viewOption(QStringLiteral("view"), QString(), QStringLiteral("year|rhythms|summary"));
    const QCommandLineOption scaleOption(QStringLiteral("scale"), QString(), QStringLiteral("N"));
    const QCommandLineOption chartOption(QStringLiteral("chart"));
    const QCommandLineOption outputOption(QStringLiteral("output"), QString(), QStringLiteral("FILE.png"));
    QCommandLineParser parser;
    if (!ParseCommandOptions(parser, QStringLiteral("render"),
            { birthOption, monthOption, dayOption, viewOption, scaleOption, chartOption, outputOption }, arguments, error))
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

void SetUpChartedMonth(CBiorhythmDlg& dialog, const RenderOptions& options)
{
    CCalendarPanel& calendar = *dialog.m_pCalendar;
    const auto birthDay = static_cast<std::int16_t>(options.birth.day());
    const auto birthMonth = static_cast<std::int16_t>(options.birth.month());
    const auto birthYear = static_cast<std::int16_t>(options.birth.year());
    const auto month = static_cast<std::int16_t>(options.month);
    const auto year = static_cast<std::int16_t>(options.year);
    const bool birthMonthShown = month == birthMonth && year == birthYear;

    // The birth date entered on the calendar, which takes a birth date only
    // outside current-month mode and leaves any comparison.
    dialog.m_bCurrentMonthMode = false;
    dialog.m_bCompareMode = false;
    calendar.SetCurrentMonthMode(false);
    dialog.m_btnCurrentMonth.m_bLit = false;
    dialog.m_nBirthDay = birthDay;
    dialog.m_nBirthMonth = birthMonth;
    dialog.m_nBirthYear = birthYear;
    dialog.m_comboRhythms.SetCurSel(0);
    SetWindowText(&dialog.m_staticBirth1, BirthDateLabel(options.birth));
    SetWindowText(&dialog.m_staticBirth2, kBirthEmpty);
    SetWindowText(dialog.GetDlgItem(IDC_TIME), kTimeEmpty);
    SetWindowText(&dialog.m_staticHelp, options.month == Today().month() && options.year == Today().year()
            ? kHelpStartOrInsert : QString());
    dialog.m_strCriticalNote.clear();
    dialog.m_nCriticalLevel = 0;
    dialog.m_nDayOfYear = 0;
    dialog.m_nMoonMark = 0;

    // The month charted, its backward steps greyed in the birth month.
    calendar.SetMonth(month);
    calendar.SetYear(year);
    calendar.SetMarkedDays(0, 0, false);
    calendar.SetDayWarning(false);
    SetActive(dialog.m_btnStart, true);
    SetActive(dialog.m_btnInsert, true);
    SetActive(dialog.m_btnNextDate, true);
    SetActive(dialog.m_btnCurrentMonth, true);
    SetActive(dialog.m_btnPrevDate, !birthMonthShown, !birthMonthShown);
    SetActive(dialog.m_btnPrevMonth, !birthMonthShown, !birthMonthShown);
    SetActive(dialog.m_btnInfo, false);
    dialog.m_nChartMonth = month;
    dialog.m_dLongCyclePhase = LongCyclePhase(birthDay, birthMonth, birthYear, month, year);
    dialog.m_nLongCycleSegment = LocateBoundary(dialog.m_dLongCyclePhase);
    dialog.m_bSeekBoundary = true;
    dialog.m_nBoundaryDay = 0;

    // The walk ends on the month's first boundary, if it has one. It counts
    // February as 28 days, as the walk always did.
    const double phase = dialog.m_dLongCyclePhase;
    const int first = dialog.m_nLongCycleSegment + 1;
    const double offset = LongCycleBoundaries[first] - phase;
    if (offset <= MonthLengths[month]) {
        const int day = static_cast<int>(std::trunc(offset)) + 1;
        calendar.SelectDay(day);
        dialog.m_bSeekBoundary = false;
        dialog.m_nBoundaryDay = static_cast<short>(calendar.m_nDay);
        dialog.m_dBoundaryFraction = offset - std::trunc(offset);
        dialog.m_strCriticalNote = QString::fromLatin1(LongCycleLabels[first]);
        dialog.m_nMoonMark = static_cast<short>(MoonPhaseMark(month, year, offset));
        const bool moreInMonth = first < 16 && LongCycleBoundaries[first + 1] - phase <= MonthLengths[month];
        const double age = DaysBetween(birthDay, birthMonth, birthYear, month, year, static_cast<std::int16_t>(calendar.m_nDay));
        if (moreInMonth)
            dialog.m_dLongCyclePhase = age;
        dialog.m_nLongCycleSegment = -1;
        dialog.m_nDayOfYear = DayOfYear(static_cast<std::int16_t>(calendar.m_nDay), month, year);
        dialog.m_nCriticalLevel = AssessDay(dialog, age);
        SetWindowText(dialog.GetDlgItem(IDC_TIME), QString::fromStdString(FormatTimeLabel(dialog.m_dBoundaryFraction)));
        SetActive(dialog.m_btnInfo, true);
    } else {
        calendar.SelectDay(0);
    }

    if (options.view != RenderView::Year) {
        dialog.m_comboRhythms.SetCurSel(static_cast<int>(options.view));
        dialog.m_nChartMonth = month;
        dialog.m_nCriticalLevel = 0;
        dialog.m_nDayOfYear = 0;
        dialog.m_nMoonMark = 0;
        dialog.m_strCriticalNote.clear();
        SetActive(dialog.m_btnInfo, false);
        SetActive(dialog.m_btnPrevDate, false);
        SetActive(dialog.m_btnNextDate, false);
        calendar.SetDayWarning(false);
        calendar.SelectDay(0);
        calendar.SetSavedWarning(false);
        SetWindowText(dialog.GetDlgItem(IDC_TIME), kTimeEmpty);
        if (options.view == RenderView::Rhythms) {
            SetActive(dialog.m_btnCurrentMonth, true);
            SetWindowText(&dialog.m_staticHelp, kHelpStudyMore);
        } else {
            SetActive(dialog.m_btnCurrentMonth, false);
            SetWindowText(&dialog.m_staticHelp, QString());
        }
    }

    if (options.day == 0)
        return;

    // Current-month mode switched on, then the day clicked on the calendar.
    dialog.m_bCurrentMonthMode = true;
    dialog.m_btnCurrentMonth.m_bLit = true;
    calendar.SetCurrentMonthMode(true);
    SetWindowText(&dialog.m_staticHelp, kHelpCurrentMonth);
    calendar.SaveSelection();
    calendar.SelectDay(options.day);
    dialog.m_nMoonMark = 0;
    calendar.SetDayWarning(false);
    dialog.m_nCriticalLevel = 0;
    dialog.m_strCriticalNote.clear();
    SetActive(dialog.m_btnInfo, false);
    if (!birthMonthShown)
        return;
    // In the birth month no day before the birth can be studied.
    if (options.day > birthDay) {
        if (options.view == RenderView::Year)
            dialog.m_btnPrevDate.m_bActive = true;
        return;
    }
    calendar.SelectDay(birthDay);
    dialog.m_nMoonMark = static_cast<short>(MoonPhaseMark(month, year, birthDay));
    dialog.m_nDayOfYear = DayOfYear(birthDay, month, year);
    dialog.m_strCriticalNote = QString::fromLatin1(LongCycleLabels[0]);
    SetActive(dialog.m_btnInfo, true);
    dialog.m_nCriticalLevel = AssessDay(dialog, 0.0);
}

QImage RenderWindowImage(const RenderOptions& options)
{
    CBiorhythmDlg dialog;
    dialog.show();
    SetUpChartedMonth(dialog, options);
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
               "(default: today's) is charted, and writes it as a PNG image. --day picks\n"
               "that day in current-month mode; --chart writes only the chart; --scale\n"
               "draws at 1 to 4 times the size. Today is RYVANTA_TODAY when set.\n";
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
    static char programName[] = "ryvanta";
    static char* programArguments[] = { programName, nullptr };
    int argumentCount = 1;
    QApplication application(argumentCount, programArguments);
    return WriteImage(*options, err);
}
