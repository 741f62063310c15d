// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ReportJson.h"

#include "cli/IsoDateText.h"
#include "cli/ReportData.h"
#include "model/Moon.h"
#include "model/ProgramText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>


namespace {

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

QJsonObject DayObject(const MonthReport& report, const DayReading& day)
{
    return {
        { "date", Text(FormatIsoDate(report.period.year, report.period.month, day.day)) },
        { "age", day.age },
        { "physical", day.physical },
        { "emotional", day.emotional },
        { "intellectual", day.intellectual },
        { "level", day.critical.level },
        { "windows", QString::fromLatin1(day.critical.windows) },
        { "moon", QString::fromLatin1(MoonWord(day.moonMark)) },
        { "year_curve", double(day.yearCurve) },
    };
}

QJsonObject BoundaryObject(const MonthReport& report, const BoundaryReading& reading)
{
    return {
        { "date", Text(FormatIsoDate(report.period.year, report.period.month, reading.boundary.day)) },
        { "time", Text(FormatClockTime(reading.boundary.fraction)) },
        { "label", Text(TrimBlanks(reading.label)) },
        { "moon", QString::fromLatin1(MoonWord(reading.moonMark)) },
        { "level", reading.critical.level },
        { "windows", QString::fromLatin1(reading.critical.windows) },
        // The message keeps its own trailing blank.
        { "message", Text(TrimLeadingBlanks(reading.critical.message)) },
    };
}

} // namespace

// Qt's writer gives each double its shortest text that reads back to the
// same value (an integral one without a fraction), as the report promises.
void WriteReportJson(const MonthReport& report, CTextOutput& out)
{
    const MonthOfLife& period = report.period;
    QJsonArray days;
    for (const DayReading& day : report.days)
        days.append(DayObject(report, day));
    QJsonArray boundaries;
    for (const BoundaryReading& boundary : report.boundaries)
        boundaries.append(BoundaryObject(report, boundary));
    const QJsonObject root {
        { "birth", Text(FormatIsoDate(period.birthYear, period.birthMonth, period.birthDay)) },
        { "month", Text(FormatIsoMonth(period.year, period.month)) },
        { "phase", report.phase },
        { "days", days },
        { "boundaries", boundaries },
    };
    const QByteArray json = QJsonDocument(root).toJson(QJsonDocument::Indented);
    out << std::string_view(json.constData(), static_cast<size_t>(json.size()));
}
