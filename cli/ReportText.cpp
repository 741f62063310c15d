// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ReportText.h"

#include "app/Strings.h"
#include "app/Translation.h"
#include "cli/HeadlessMessages.h"
#include "cli/IsoDateText.h"
#include "cli/ReportData.h"
#include "model/Moon.h"
#include "model/ProgramText.h"

#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Column {
    const char* heading;
    int width;
    bool left;
};

// Headers and rows share their column widths; a translated heading or word
// longer than its column widens it. The last column is never padded.
const std::vector<Column> kDayColumns = { { QT_TRANSLATE_NOOP("Report", "Date"), 10, true },
    { QT_TRANSLATE_NOOP("Report", "Age"), 6, false }, { QT_TRANSLATE_NOOP("Report", "Physical"), 8, false },
    { QT_TRANSLATE_NOOP("Report", "Emotional"), 9, false }, { QT_TRANSLATE_NOOP("Report", "Intellectual"), 12, false },
    { QT_TRANSLATE_NOOP("Report", "Level"), 5, false }, { QT_TRANSLATE_NOOP("Report", "Windows"), 8, true },
    { QT_TRANSLATE_NOOP("Report", "Moon"), 0, true } };
const std::vector<Column> kBoundaryColumns = { { QT_TRANSLATE_NOOP("Report", "Date"), 10, true },
    { QT_TRANSLATE_NOOP("Report", "Time"), 5, true }, { QT_TRANSLATE_NOOP("Report", "Label"), 8, true },
    { QT_TRANSLATE_NOOP("Report", "Moon"), 4, true }, { QT_TRANSLATE_NOOP("Report", "Level"), 5, false },
    { QT_TRANSLATE_NOOP("Report", "Windows"), 8, true }, { QT_TRANSLATE_NOOP("Report", "Message"), 0, true } };

class TextTable
{
public:
    explicit TextTable(const std::vector<Column>& columns)
        : m_columns(columns)
    {
    }

    void Add(const QStringList& cells) { m_rows.push_back(cells); }

    QString Text()
    {
        QStringList headings;
        for (const Column& column : m_columns)
            headings << Translated("Report", column.heading);
        for (std::size_t index = 0; index < m_columns.size(); ++index) {
            for (const QStringList& cells : m_rows)
                m_columns[index].width = std::max<int>(m_columns[index].width, cells.value(int(index)).size());
            m_columns[index].width = std::max<int>(m_columns[index].width, headings.value(int(index)).size());
        }
        QString text = Row(headings);
        for (const QStringList& cells : m_rows)
            text += Row(cells);
        return text;
    }

private:
    QString Row(const QStringList& cells) const
    {
        QString line;
        for (std::size_t index = 0; index < m_columns.size(); ++index) {
            const Column& column = m_columns[index];
            const QString& cell = cells.value(int(index));
            if (index + 1 == m_columns.size())
                line += cell;
            else
                line += (column.left ? cell.leftJustified(column.width) : cell.rightJustified(column.width))
                    + QLatin1String("  ");
        }
        return line + QLatin1Char('\n');
    }

    std::vector<Column> m_columns;
    std::vector<QStringList> m_rows;
};

// printf's figures, with the decimal sign of the user's language.
QString Number(const char* format, double value)
{
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return WithDecimalSign(QString::fromLatin1(text));
}

QString DateText(const MonthOfLife& period, int day)
{
    if (TranslatedLocale())
        return NumericDateText(day, period.month, period.year);
    return QString::fromStdString(FormatIsoDate(period.year, period.month, day));
}

QString MoonText(int moonMark)
{
    return Translated("Moon", MoonWord(moonMark));
}

QString Title(const MonthReport& report)
{
    const MonthOfLife& period = report.period;
    if (!TranslatedLocale()) {
        char title[160];
        std::snprintf(title, sizeof title, "Biorhythms of %s for %s (long-cycle phase %.4f)\n\n",
                      FormatIsoDate(period.birthYear, period.birthMonth, period.birthDay).c_str(),
                      FormatIsoMonth(period.year, period.month).c_str(), report.phase);
        return QString::fromStdString(title);
    }
    return Translated("Report", "Biorhythms of %1 for %2 (long-cycle phase %3)\n\n")
        .arg(NumericDateText(period.birthDay, period.birthMonth, period.birthYear),
             MonthName(period.month) + QLatin1Char(' ') + QString::number(period.year), Number("%.4f", report.phase));
}

} // namespace

void WriteReportText(const MonthReport& report, CTextOutput& out)
{
    QString text = Title(report);
    TextTable days(kDayColumns);
    for (const DayReading& day : report.days)
        days.Add({ DateText(report.period, day.day), QString::number(day.age), Number("%.2f", day.physical),
                           Number("%.2f", day.emotional), Number("%.2f", day.intellectual),
                           QString::number(day.critical.level), QString::fromLatin1(day.critical.windows),
                           MoonText(day.moonMark) });
    text += days.Text();

    text += Translated("Report", "\nLong-cycle boundaries\n");
    if (report.boundaries.empty()) {
        text += Translated("Report", "None falls in this month.\n");
    } else {
        TextTable boundaries(kBoundaryColumns);
        for (const BoundaryReading& reading : report.boundaries)
            boundaries.Add({ DateText(report.period, reading.boundary.day),
                                     QString::fromStdString(FormatClockTime(reading.boundary.fraction)),
                                     QString::fromStdString(TrimBlanks(reading.label)), MoonText(reading.moonMark),
                                     QString::number(reading.critical.level), QString::fromLatin1(reading.critical.windows),
                                     Translated("CriticalDays", reading.critical.message).trimmed() });
        text += boundaries.Text();
    }
    WriteText(out, text);
}
