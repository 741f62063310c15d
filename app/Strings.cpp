// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Strings.h"

#include "model/CalendarArithmetic.h"

#include <QCoreApplication>
#include <QHash>

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
    return QCoreApplication::translate("Months", MonthNames[month]);
}
