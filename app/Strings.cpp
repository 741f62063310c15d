// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Strings.h"

#include <QHash>

QString LoadString(int id)
{
    static const QHash<int, QString> table = {
        { IDS_ABOUTBOX, QStringLiteral("&About ...") },
        { IDS_TIP_INFO, QStringLiteral("Biorhythms info for  given day of tiredness") },
        { IDS_TIP_PREV_MONTH, QStringLiteral("Previous month") },
        { IDS_TIP_PREV_DATE, QStringLiteral("Previous date") },
        { IDS_TIP_NEXT_MONTH, QStringLiteral("Next month") },
        { IDS_TIP_NEXT_DATE, QStringLiteral("Next date") },
        { IDS_TIP_START, QStringLiteral(" Start.") },
        { IDS_TIP_INSERT, QStringLiteral("Insert ") },
        { IDS_TIP_REMOVE, QStringLiteral("Remove") },
        { IDS_TIP_RESET, QStringLiteral("Reset") },
        { IDS_TIP_COMPARE, QStringLiteral("Compare") },
        { IDS_TIP_CURRENT_MONTH, QStringLiteral("Current month") },
    };
    return table.value(id);
}
