// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/MonthSheet.h"

#include "app/BiorhythmDlg.h"
#include "app/Strings.h"
#include "app/Translation.h"
#include "chart/ChartLayout.h"
#include "chart/ChartView.h"
#include "model/CalendarArithmetic.h"
#include "model/LongCycle.h"
#include "model/MonthReadings.h"
#include "model/Moon.h"
#include "platform/DeviceContext.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace {

// Margins a desk printer can reach on A4 and Letter alike.
constexpr qreal kMarginMillimetres = 15.0;
// The program's own font, which every system it runs on has.
const QString kFontFamily = QStringLiteral("Liberation Sans");
constexpr qreal kTitlePoints = 16.0;
constexpr qreal kSubtitlePoints = 9.5;
constexpr qreal kTablePoints = 7.5;
constexpr qreal kLegendPoints = 7.5;
constexpr qreal kCellPadding = 4.0;
constexpr qreal kRowHeight = 11.5;
constexpr qreal kTightRowHeight = 10.0;
constexpr qreal kHeaderHeight = 14.0;
constexpr qreal kLegendLineHeight = 10.0;
constexpr qreal kGap = 10.0;
// Below this share of the page's width a chart is too small to read, and
// the rows are drawn tighter instead.
constexpr qreal kSmallestChartShare = 0.75;

const QColor kInk(30, 30, 40);
const QColor kMutedInk(100, 100, 115);
const QColor kRule(150, 150, 165);
const QColor kHeaderFill(228, 230, 238);
const QColor kStripeFill(245, 246, 250);
const QColor kCriticalFill(252, 228, 228);
// The curves' own colours in a comparison, a little darker as text.
const QColor kFirstPersonColour(200, 0, 200);
const QColor kSecondPersonColour(40, 160, 40);

// Days with two or three rhythms in their critical window stand out.
constexpr int kMarkedLevel = kLevelTwoWindows;

QString ViewCaption(ChartView view)
{
    switch (view) {
    case ChartView::Year:
        return QCoreApplication::translate("Sheet", "Year");
    case ChartView::Rhythms:
        return QCoreApplication::translate("Sheet", "3 rhythms");
    case ChartView::Summary:
        break;
    }
    return QCoreApplication::translate("Sheet", "Summary");
}

// ISO dates in English; the user's own order otherwise.
QString DateText(const QDate& date)
{
    if (TranslatedLocale())
        return NumericDateText(date.day(), date.month(), date.year());
    return date.toString(Qt::ISODate);
}

QString DayText(const QDate& date)
{
    if (TranslatedLocale())
        return WeekdayShortName(date.dayOfWeek()) + QLatin1Char(' ') + DateText(date);
    return date.toString(QStringLiteral("ddd yyyy-MM-dd"));
}

QString SignedValue(double value)
{
    // A value that rounds to zero shows no sign.
    QString text = QString::number(value, 'f', 2);
    if (text == QLatin1String("-0.00"))
        text = QStringLiteral("0.00");
    else if (value > 0)
        text.prepend(QLatin1Char('+'));
    return WithDecimalSign(text);
}

QString MoonText(int mark)
{
    if (mark == kNewMoonMark || mark == kFullMoonMark)
        return QCoreApplication::translate("Moon", MoonWord(mark));
    return {};
}

MonthOfLife PeriodOf(const QDate& birth, int month, int year)
{
    MonthOfLife period;
    period.birthDay = static_cast<std::int16_t>(birth.day());
    period.birthMonth = static_cast<std::int16_t>(birth.month());
    period.birthYear = static_cast<std::int16_t>(birth.year());
    period.month = static_cast<std::int16_t>(month);
    period.year = static_cast<std::int16_t>(year);
    return period;
}

bool BornBy(const QDate& birth, int month, int year)
{
    return QDate(birth.year(), birth.month(), 1) <= QDate(year, month, 1);
}

// A person's boundaries by their day of the month.
std::map<int, BoundaryReading> BoundariesByDay(const SheetPerson& person, int month, int year)
{
    std::map<int, BoundaryReading> byDay;
    if (!BornBy(person.birth, month, year))
        return byDay;
    for (const BoundaryReading& reading : ReadMonthBoundaries(PeriodOf(person.birth, month, year)))
        byDay.emplace(reading.boundary.day, reading);
    return byDay;
}

struct Column
{
    QString header;
    Qt::Alignment alignment = Qt::AlignLeft;
    QColor headerColour = kInk;
    qreal width = 0;
};

struct Table
{
    std::vector<Column> columns;
    std::vector<QStringList> rows;
    std::vector<bool> marked;
    std::set<int> levels;
};

void AddBoundaryColumns(Table& table, const QString& caption, const QColor& colour)
{
    table.columns.push_back({ caption, Qt::AlignLeft, colour });
    table.columns.push_back({ QCoreApplication::translate("Sheet", "Time"), Qt::AlignLeft, colour });
    table.columns.push_back({ QCoreApplication::translate("Sheet", "Moon"), Qt::AlignLeft, colour });
}

void AddBoundaryCells(QStringList& row, const std::map<int, BoundaryReading>& boundaries, int day)
{
    const auto found = boundaries.find(day);
    if (found == boundaries.end()) {
        row << QString() << QString() << QString();
        return;
    }
    const BoundaryReading& reading = found->second;
    row << QString::fromLatin1(reading.label).trimmed() << QString::fromStdString(FormatClockTime(reading.boundary.fraction))
        << MoonText(reading.moonMark);
}

Table BuildTable(const MonthSheet& sheet)
{
    Table table;
    const bool compared = sheet.second.has_value();
    table.columns = {
        { QCoreApplication::translate("Sheet", "Date") },
        { QCoreApplication::translate("Sheet", "Physical"), Qt::AlignRight },
        { QCoreApplication::translate("Sheet", "Emotional"), Qt::AlignRight },
        { QCoreApplication::translate("Sheet", "Intellectual"), Qt::AlignRight },
        { QCoreApplication::translate("Sheet", "Level"), Qt::AlignRight },
        { QCoreApplication::translate("Sheet", "Windows") },
    };
    AddBoundaryColumns(table, compared ? QCoreApplication::translate("Sheet", "Boundary 1") : QCoreApplication::translate("Sheet", "Boundary"),
        compared ? kFirstPersonColour : kInk);
    if (compared)
        AddBoundaryColumns(table, QCoreApplication::translate("Sheet", "Boundary 2"), kSecondPersonColour);

    const std::map<int, BoundaryReading> first = BoundariesByDay(sheet.first, sheet.month, sheet.year);
    const std::map<int, BoundaryReading> second
        = compared ? BoundariesByDay(*sheet.second, sheet.month, sheet.year) : std::map<int, BoundaryReading>();
    if (!BornBy(sheet.first.birth, sheet.month, sheet.year))
        return table;
    for (const DayReading& day : ReadMonthDays(PeriodOf(sheet.first.birth, sheet.month, sheet.year))) {
        const QDate date(sheet.year, sheet.month, day.day);
        QStringList row { DayText(date), SignedValue(day.physical),
            SignedValue(day.emotional), SignedValue(day.intellectual), QString::number(day.critical.level),
            QString::fromLatin1(day.critical.windows) };
        AddBoundaryCells(row, first, day.day);
        if (compared)
            AddBoundaryCells(row, second, day.day);
        table.rows.push_back(row);
        table.marked.push_back(day.critical.level >= kMarkedLevel);
        table.levels.insert(day.critical.level);
    }
    return table;
}

// Paints in points from the top-left corner of the page's paintable area.
class Page
{
public:
    Page(QPainter& painter, qreal unit)
        : m_painter(painter)
        , m_unit(unit)
    {
    }

    QFont Font(qreal points, bool bold = false) const
    {
        QFont font(kFontFamily);
        font.setPointSizeF(points);
        font.setBold(bold);
        return font;
    }

    qreal TextWidth(const QFont& font, const QString& text) const
    {
        return QFontMetricsF(font, m_painter.device()).horizontalAdvance(text) / m_unit;
    }

    QRectF Device(const QRectF& points) const
    {
        return { points.x() * m_unit, points.y() * m_unit, points.width() * m_unit, points.height() * m_unit };
    }

    void Text(const QRectF& box, const QFont& font, const QColor& colour, Qt::Alignment alignment, const QString& text)
    {
        m_painter.setFont(font);
        m_painter.setPen(colour);
        m_painter.drawText(Device(box), int(alignment | Qt::AlignVCenter), text);
    }

    void Fill(const QRectF& box, const QColor& colour) { m_painter.fillRect(Device(box), colour); }

    void Rule(qreal left, qreal right, qreal y, qreal width = 0.5)
    {
        m_painter.setPen(QPen(kRule, width * m_unit));
        m_painter.drawLine(QPointF(left * m_unit, y * m_unit), QPointF(right * m_unit, y * m_unit));
    }

    void Swatch(qreal x, qreal y, qreal length, const QColor& colour)
    {
        m_painter.setPen(QPen(colour, 1.5 * m_unit, Qt::SolidLine, Qt::FlatCap));
        m_painter.drawLine(QPointF(x * m_unit, y * m_unit), QPointF((x + length) * m_unit, y * m_unit));
    }

    QPainter& Painter() { return m_painter; }
    qreal Unit() const { return m_unit; }

private:
    QPainter& m_painter;
    qreal m_unit;
};

QString PersonText(const SheetPerson& person)
{
    const QString date = DateText(person.birth);
    if (person.name.isEmpty())
        return QCoreApplication::translate("Sheet", "Born %1").arg(date);
    return QCoreApplication::translate("Sheet", "%1, born %2").arg(person.name, date);
}

qreal PaintHeading(Page& page, const MonthSheet& sheet, ChartView view, qreal width)
{
    const QFont title = page.Font(kTitlePoints, true);
    const QFont subtitle = page.Font(kSubtitlePoints);
    const qreal titleHeight = kTitlePoints * 1.4;
    const qreal subtitleHeight = kSubtitlePoints * 1.5;
    const QString month = QStringLiteral("%1 %2").arg(MonthName(sheet.month)).arg(sheet.year);
    const QString name = sheet.second ? QCoreApplication::translate("Sheet", "Biorhythms compared")
                                      : (sheet.first.name.isEmpty() ? QCoreApplication::translate("Sheet", "Biorhythms") : sheet.first.name);
    page.Text({ 0, 0, width, titleHeight }, title, kInk, Qt::AlignLeft, name);
    page.Text({ 0, 0, width, titleHeight }, title, kInk, Qt::AlignRight, month);

    const qreal y = titleHeight;
    page.Text({ 0, y, width, subtitleHeight }, subtitle, kMutedInk, Qt::AlignRight,
        QCoreApplication::translate("Sheet", "%1 view").arg(ViewCaption(view)));
    if (!sheet.second) {
        const QString born = QCoreApplication::translate("Sheet", "Born %1").arg(DateText(sheet.first.birth));
        page.Text({ 0, y, width, subtitleHeight }, subtitle, kMutedInk, Qt::AlignLeft, born);
        return y + subtitleHeight;
    }
    // Each person behind a stroke of their curve's colour and the number
    // the chart gives them.
    qreal x = 0;
    const qreal swatch = 14;
    const SheetPerson* persons[] = { &sheet.first, &*sheet.second };
    const QColor colours[] = { kFirstPersonColour, kSecondPersonColour };
    for (int index = 0; index < 2; ++index) {
        page.Swatch(x, y + subtitleHeight / 2, swatch, colours[index]);
        x += swatch + 4;
        const QString text = QStringLiteral("%1  %2").arg(index + 1).arg(PersonText(*persons[index]));
        page.Text({ x, y, width - x, subtitleHeight }, subtitle, kInk, Qt::AlignLeft, text);
        x += page.TextWidth(subtitle, text) + 18;
    }
    return y + subtitleHeight;
}

void PaintChart(Page& page, CBiorhythmDlg& dialog, const QRectF& box)
{
    const QSize extent = ChartExtent();
    const qreal scale = box.width() / extent.width() * page.Unit();
    QPainter& painter = page.Painter();
    painter.save();
    painter.translate(box.left() * page.Unit(), box.top() * page.Unit());
    painter.scale(scale, scale);
    painter.setClipRect(QRect(QPoint(0, 0), extent));
    {
        CDC dc(painter);
        dialog.PaintChart(dc);
    }
    painter.restore();
}

void SizeColumns(Page& page, Table& table, qreal width)
{
    const QFont body = page.Font(kTablePoints);
    const QFont header = page.Font(kTablePoints, true);
    qreal total = 0;
    for (size_t index = 0; index < table.columns.size(); ++index) {
        Column& column = table.columns[index];
        qreal widest = page.TextWidth(header, column.header);
        for (const QStringList& row : table.rows)
            widest = std::max(widest, page.TextWidth(body, row.value(qsizetype(index))));
        column.width = widest + 2 * kCellPadding;
        total += column.width;
    }
    // What is left of the width goes to every column alike.
    const qreal extra = std::max<qreal>(0, width - total) / qreal(table.columns.size());
    for (Column& column : table.columns)
        column.width += extra;
}

qreal PaintTable(Page& page, const Table& table, qreal top, qreal width, qreal rowHeight)
{
    const QFont body = page.Font(kTablePoints);
    const QFont header = page.Font(kTablePoints, true);
    page.Fill({ 0, top, width, kHeaderHeight }, kHeaderFill);
    qreal x = 0;
    for (const Column& column : table.columns) {
        page.Text({ x + kCellPadding, top, column.width - 2 * kCellPadding, kHeaderHeight }, header, column.headerColour,
            column.alignment, column.header);
        x += column.width;
    }
    qreal y = top + kHeaderHeight;
    page.Rule(0, width, y, 0.8);
    for (size_t row = 0; row < table.rows.size(); ++row) {
        if (table.marked[row])
            page.Fill({ 0, y, width, rowHeight }, kCriticalFill);
        else if (row % 2 == 1)
            page.Fill({ 0, y, width, rowHeight }, kStripeFill);
        x = 0;
        for (size_t index = 0; index < table.columns.size(); ++index) {
            const Column& column = table.columns[index];
            page.Text({ x + kCellPadding, y, column.width - 2 * kCellPadding, rowHeight }, body, kInk, column.alignment,
                table.rows[row].value(qsizetype(index)));
            x += column.width;
        }
        y += rowHeight;
    }
    page.Rule(0, width, y, 0.8);
    return y;
}

// The level messages first, in ink; then what the columns mean, muted.
struct Legend
{
    QStringList levels;
    QStringList columns;
};

Legend LegendLines(const Table& table)
{
    Legend legend;
    for (auto level = table.levels.rbegin(); level != table.levels.rend(); ++level)
        legend.levels << QCoreApplication::translate("Sheet", "Level %1: %2")
                             .arg(*level)
                             .arg(QCoreApplication::translate("CriticalDays", CriticalDayMessage(*level)).trimmed());
    legend.columns << QCoreApplication::translate("Sheet", "Windows: the rhythms in their critical window, F1 physical, F2 emotional, F3 intellectual.")
                   << QCoreApplication::translate("Sheet", "Boundary: where the long cycle's divisions H1, H2 and H3 meet, with its time of day "
                                                          "and the moon then; shaded rows have two or three rhythms critical.");
    return legend;
}

void PaintLegend(Page& page, const Legend& legend, qreal top, qreal width)
{
    const QFont font = page.Font(kLegendPoints);
    qreal y = top;
    for (const QStringList* lines : { &legend.levels, &legend.columns }) {
        for (const QString& line : *lines) {
            page.Text({ 0, y, width, kLegendLineHeight }, font, lines == &legend.levels ? kInk : kMutedInk,
                Qt::AlignLeft, line);
            y += kLegendLineHeight;
        }
    }
}

} // namespace

bool PaintMonthSheet(QPagedPaintDevice& device, CBiorhythmDlg& dialog, const MonthSheet& sheet)
{
    device.setPageMargins(QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    Page page(painter, device.logicalDpiY() / 72.0);
    const qreal width = device.width() / page.Unit();
    const qreal height = device.height() / page.Unit();

    Table table = BuildTable(sheet);
    SizeColumns(page, table, width);
    const Legend legend = LegendLines(table);
    const qreal legendHeight = kLegendLineHeight * qreal(legend.levels.size() + legend.columns.size());

    const ChartView view = ChosenChartView(dialog.m_comboRhythms);
    const qreal headingBottom = PaintHeading(page, sheet, view, width);

    // The chart takes the width, unless the table would then run off the
    // page: then the rows close up, and only then does the chart shrink.
    const QSize extent = ChartExtent();
    const qreal aspect = qreal(extent.height()) / extent.width();
    qreal rowHeight = kRowHeight;
    auto chartRoom = [&] {
        return height - headingBottom - 2 * kGap - kHeaderHeight - rowHeight * qreal(table.rows.size()) - kGap / 2
            - legendHeight;
    };
    if (chartRoom() < width * aspect * kSmallestChartShare)
        rowHeight = kTightRowHeight;
    const qreal chartWidth = std::min(width, chartRoom() / aspect);
    const QRectF chartBox((width - chartWidth) / 2, headingBottom + kGap, chartWidth, chartWidth * aspect);
    PaintChart(page, dialog, chartBox);

    const qreal tableBottom = PaintTable(page, table, chartBox.bottom() + kGap, width, rowHeight);
    PaintLegend(page, legend, tableBottom + kGap / 2, width);
    return painter.end();
}
