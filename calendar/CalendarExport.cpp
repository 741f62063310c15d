// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/CalendarExport.h"

#include "app/Strings.h"
#include "app/Translation.h"
#include "model/CalendarArithmetic.h"
#include "model/Moon.h"
#include "model/MonthReadings.h"
#include "model/ProgramText.h"

#include <QCryptographicHash>
#include <QStringList>

#include <libical/ical.h>

#include <cstring>
#include <memory>

namespace {

const char kProductId[] = "-//Ryvanta//Ryvanta " RYVANTA_VERSION "//EN";
// UIDs should end in a domain; .invalid is reserved and can be no one's.
const char kUidDomain[] = "@ryvanta.invalid";
constexpr QChar kEnDash(0x2013);

struct ComponentFree
{
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

struct BufferFree
{
    void operator()(char* buffer) const { icalmemory_free_buffer(buffer); }
};

void AddText(icalcomponent* component, icalproperty* (*make)(const char*), const QString& text)
{
    icalcomponent_add_property(component, make(text.toUtf8().constData()));
}

// A time without a zone is floating: the boundary falls at this clock
// time wherever the calendar is read, as the window shows it.
icaltimetype FloatingTime(const QDate& date, const TimeOfDay& time)
{
    icaltimetype moment = icaltime_null_time();
    moment.year = date.year();
    moment.month = date.month();
    moment.day = date.day();
    moment.hour = time.hours;
    moment.minute = time.minutes;
    return moment;
}

icaltimetype WholeDay(const QDate& date)
{
    icaltimetype day = icaltime_null_date();
    day.year = date.year();
    day.month = date.month();
    day.day = date.day();
    return day;
}

// The stamp is midnight UTC of the export's day rather than the moment,
// so that the same export twice gives the same file.
icaltimetype Stamp(const QDate& date)
{
    icaltimetype stamp = FloatingTime(date, {});
    stamp.zone = icaltimezone_get_utc_timezone();
    return stamp;
}

// Two persons born on the same day stay apart by their names. The name is
// taken as a user would mean it, whatever its spacing, case or Unicode
// composition, and hashed, so that any script makes a valid UID.
QString PersonKey(const CalendarExport& request)
{
    QString key = request.birth.toString(QStringLiteral("yyyyMMdd"));
    if (!request.name.isEmpty()) {
        const QByteArray name = request.name.normalized(QString::NormalizationForm_C).simplified().toCaseFolded().toUtf8();
        key += QLatin1Char('-')
            + QString::fromLatin1(QCryptographicHash::hash(name, QCryptographicHash::Sha256).toHex().left(16));
    }
    return key;
}

// A rhythm's name in full: the chart's legend may have to abbreviate it.
QString RhythmName(Rhythm rhythm)
{
    switch (rhythm) {
    case Rhythm::Physical:
        return Translated("CalendarEvents", "Physical");
    case Rhythm::Emotional:
        return Translated("CalendarEvents", "Emotional");
    case Rhythm::Intellectual:
        break;
    }
    return Translated("CalendarEvents", "Intellectual");
}

QString BirthText(const QDate& birth)
{
    if (TranslatedLocale())
        return NumericDateText(birth.day(), birth.month(), birth.year());
    return birth.toString(Qt::ISODate);
}

class EventWriter
{
public:
    EventWriter(const CalendarExport& request, icalcomponent* calendar)
        : m_request(request)
        , m_calendar(calendar)
        , m_personKey(PersonKey(request))
        , m_lead(request.name.isEmpty() ? QString() : request.name + QStringLiteral(": "))
    {
    }

    void AddBoundary(const QDate& date, const BoundaryReading& reading)
    {
        Component event = NewEvent(date, "boundary",
            Translated("CalendarEvents", "%1 %2 level %3")
                .arg(QString::fromStdString(TrimBlanks(reading.label)))
                .arg(kEnDash)
                .arg(reading.critical.level));
        icalcomponent_add_property(event.get(), icalproperty_new_dtstart(FloatingTime(date, SplitTimeOfDay(reading.boundary.fraction))));
        QStringList lines = DayLines(reading.critical);
        if (reading.moonMark != kNoMoonMark)
            lines << (reading.moonMark == kNewMoonMark ? Translated("CalendarEvents", "Moon: new moon")
                                                 : Translated("CalendarEvents", "Moon: full moon"));
        AddText(event.get(), icalproperty_new_description, lines.join(QLatin1Char('\n')));
        icalcomponent_add_component(m_calendar, event.release());
    }

    void AddCriticalDay(const QDate& date, const CriticalDay& critical)
    {
        Component event = NewEvent(date, "critical", Translated("CalendarEvents", "Critical day (level %1)").arg(critical.level));
        icalcomponent_add_property(event.get(), icalproperty_new_dtstart(WholeDay(date)));
        icalcomponent_add_property(event.get(), icalproperty_new_dtend(WholeDay(date.addDays(1))));
        // A day to be careful on, not a day taken up.
        icalcomponent_add_property(event.get(), icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        AddText(event.get(), icalproperty_new_description, DayLines(critical).join(QLatin1Char('\n')));
        icalcomponent_add_component(m_calendar, event.release());
    }

private:
    // One event of a kind a day at most, so the day and the kind name it.
    Component NewEvent(const QDate& date, const char* kind, const QString& summary) const
    {
        Component event(icalcomponent_new_vevent());
        const QString uid = QStringLiteral("%1-%2-%3%4")
                                .arg(QLatin1String(kind), m_personKey, date.toString(QStringLiteral("yyyyMMdd")),
                                    QLatin1String(kUidDomain));
        AddText(event.get(), icalproperty_new_uid, uid);
        icalcomponent_add_property(event.get(), icalproperty_new_dtstamp(Stamp(m_request.stamp)));
        AddText(event.get(), icalproperty_new_summary, m_lead + summary);
        return event;
    }

    static QStringList DayLines(const CriticalDay& critical)
    {
        QStringList rhythms;
        for (const RhythmDefinition& rhythm : RhythmTable) {
            if (std::strstr(critical.windows, rhythm.windowTag))
                rhythms << QStringLiteral("%1 (%2)").arg(RhythmName(rhythm.rhythm), QLatin1String(rhythm.windowTag));
        }
        return {
            Translated("CriticalDays", critical.message).trimmed(),
            rhythms.isEmpty() ? Translated("CalendarEvents", "No rhythm is in its critical window.")
                              : Translated("CalendarEvents", "In the critical window: %1").arg(rhythms.join(QStringLiteral(", "))),
        };
    }

    const CalendarExport& m_request;
    icalcomponent* m_calendar;
    const QString m_personKey;
    const QString m_lead;
};

MonthOfLife MonthOf(const QDate& birth, const QDate& month)
{
    return { static_cast<std::int16_t>(birth.day()), static_cast<std::int16_t>(birth.month()),
        static_cast<std::int16_t>(birth.year()), static_cast<std::int16_t>(month.month()),
        static_cast<std::int16_t>(month.year()) };
}

} // namespace

QByteArray CalendarText(const CalendarExport& request)
{
    Component calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(kProductId));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    icalproperty* calendarName = icalproperty_new_x(
        Translated("CalendarEvents", "Biorhythms of %1")
            .arg(request.name.isEmpty() ? BirthText(request.birth) : request.name)
            .toUtf8()
            .constData());
    icalproperty_set_x_name(calendarName, "X-WR-CALNAME");
    icalcomponent_add_property(calendar.get(), calendarName);

    EventWriter events(request, calendar.get());
    for (int step = 0; step < request.months; ++step) {
        const QDate month = request.firstMonth.addMonths(step);
        const MonthOfLife period = MonthOf(request.birth, month);
        const std::vector<BoundaryReading> boundaries = ReadMonthBoundaries(period);
        auto boundary = boundaries.begin();
        for (const DayReading& day : ReadMonthDays(period)) {
            const QDate date(month.year(), month.month(), day.day);
            if (day.critical.level >= kLevelOneWindow)
                events.AddCriticalDay(date, day.critical);
            for (; boundary != boundaries.end() && boundary->boundary.day <= day.day; ++boundary)
                events.AddBoundary(date.addDays(boundary->boundary.day - day.day), *boundary);
        }
    }

    const std::unique_ptr<char, BufferFree> text(icalcomponent_as_ical_string_r(calendar.get()));
    return QByteArray(text.get());
}

int MonthsLeftInCalendar(const QDate& firstMonth)
{
    return (kLastYear - firstMonth.year()) * 12 + (12 - firstMonth.month()) + 1;
}
