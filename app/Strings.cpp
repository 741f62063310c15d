// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Strings.h"

#include "app/Translation.h"
#include "model/CalendarArithmetic.h"

#include <QCoreApplication>
#include <QDate>
#include <QHash>
#include <QRegularExpression>

namespace {

const char* const kEnglishWeekdays[] = { "", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday" };

// Russian and Polish give the names in lower case; a heading starts with a
// capital in every language.
QString Capitalised(QString name)
{
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

// "févr." and "pon." read as abbreviations without their full stop where
// space is short.
QString Abbreviation(QString name)
{
    if (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    return Capitalised(name);
}

} // namespace

QString LoadString(int id)
{
    // Looked up in the catalogue at every call: the table is made before any
    // translator is installed.
    static const QHash<int, const char*> table = {
        { IDS_ABOUTBOX, QT_TRANSLATE_NOOP("Strings", "&About ...") },
        { IDS_TIP_INFO, QT_TRANSLATE_NOOP("Strings", "Biorhythms info for  given day of tiredness") },
        { IDS_TIP_PREV_MONTH, QT_TRANSLATE_NOOP("Strings", "Previous month") },
        { IDS_TIP_PREV_DATE, QT_TRANSLATE_NOOP("Strings", "Previous date") },
        { IDS_TIP_NEXT_MONTH, QT_TRANSLATE_NOOP("Strings", "Next month") },
        { IDS_TIP_NEXT_DATE, QT_TRANSLATE_NOOP("Strings", "Next date") },
        { IDS_TIP_START, QT_TRANSLATE_NOOP("Strings", " Start.") },
        { IDS_TIP_INSERT, QT_TRANSLATE_NOOP("Strings", "Insert ") },
        { IDS_TIP_REMOVE, QT_TRANSLATE_NOOP("Strings", "Remove") },
        { IDS_TIP_RESET, QT_TRANSLATE_NOOP("Strings", "Reset") },
        { IDS_TIP_COMPARE, QT_TRANSLATE_NOOP("Strings", "Compare") },
        { IDS_TIP_CURRENT_MONTH, QT_TRANSLATE_NOOP("Strings", "Current month") },
    };
    const char* text = table.value(id);
    return text ? QCoreApplication::translate("Strings", text) : QString();
}

QString MonthName(int month)
{
    if (const QLocale* locale = TranslatedLocale())
        return Capitalised(locale->standaloneMonthName(month, QLocale::LongFormat));
    return QString::fromLatin1(MonthNames[month]);
}

QString MonthShortName(int month)
{
    if (const QLocale* locale = TranslatedLocale())
        return Abbreviation(locale->standaloneMonthName(month, QLocale::ShortFormat));
    return QString::fromLatin1(MonthNames[month]).left(3);
}

QString WeekdayShortName(int weekday)
{
    if (const QLocale* locale = TranslatedLocale())
        return Abbreviation(locale->standaloneDayName(weekday, QLocale::ShortFormat));
    return QString::fromLatin1(kEnglishWeekdays[weekday]).left(3);
}

QString WeekdayName(int weekday)
{
    if (const QLocale* locale = TranslatedLocale())
        return Capitalised(locale->standaloneDayName(weekday, QLocale::LongFormat));
    return QString::fromLatin1(kEnglishWeekdays[weekday]);
}

QString LongDateText(int day, int month, int year)
{
    if (const QLocale* locale = TranslatedLocale()) {
        // The long form without its weekday: "d. MMMM yyyy", "d 'de' MMMM 'de' yyyy".
        QString format = locale->dateFormat(QLocale::LongFormat);
        format.remove(QRegularExpression(QStringLiteral("^dddd,?\\s*")));
        return locale->toString(QDate(year, month, day), format);
    }
    return QStringLiteral("%1 %2, %3").arg(MonthName(month)).arg(day).arg(year);
}

QString SpokenDateText(int day, int month, int year)
{
    if (TranslatedLocale())
        return LongDateText(day, month, year);
    return QStringLiteral("%1 %2 %3").arg(day).arg(MonthName(month)).arg(year);
}

QString NumericDateText(int day, int month, int year)
{
    if (const QLocale* locale = TranslatedLocale()) {
        QString format = locale->dateFormat(QLocale::ShortFormat);
        if (!format.contains(QLatin1String("yyyy")))
            format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
        return locale->toString(QDate(year, month, day), format);
    }
    return QStringLiteral("%1.%2.%3")
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'))
        .arg(year);
}

QString WithDecimalSign(QString figures)
{
    if (const QLocale* locale = TranslatedLocale())
        figures.replace(QLatin1Char('.'), locale->decimalPoint());
    return figures;
}
