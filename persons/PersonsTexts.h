// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// What the persons code says to the user: the list dialog's birth-date line,
// and what the List command and the name selector say. As in the main
// window's texts, every blank counts.

namespace PersonTexts {

inline QString ListInfoFormat()
{
    return QCoreApplication::translate("Persons", "Birth date: %1\n");
}
// What the name selector's first line and an unnamed person are shown as;
// the entry holding it is never stored, so the stored list knows nothing of it.
inline QString PlaceholderName()
{
    return QCoreApplication::translate("Persons", "(Name)");
}
inline QString ListInfoEmpty()
{
    return QCoreApplication::translate("Persons", "Birth date: 00.00.00");
}
inline QString BirthRemoved()
{
    return QCoreApplication::translate("Persons", "Birth date:        ");
}
inline QString HelpInsertShort()
{
    return QCoreApplication::translate("Persons",
        "        Insert date of birth  [M-Y-D] and press \"< > \" button to start.");
}
inline QString ConfirmationCaption()
{
    return QCoreApplication::translate("Persons", "Confirmation");
}
inline QString MsgInsertBirth()
{
    return QCoreApplication::translate("Persons",
        "To add new item into the list (Name) \n insert date of birth into the calendar  \n  [M-Y-D] and press button \"List\" again ");
}
inline QString MsgInsertName()
{
    return QCoreApplication::translate("Persons", "To add new item into the list,  \n please, insert name.");
}
inline QString MsgTooLong()
{
    return QCoreApplication::translate("Persons", " The list is too long! \n Remove unnecessary items \n to add new ones.");
}
inline QString MsgRemovePerson()
{
    return QCoreApplication::translate("Persons", "Do you really want  to remove this item from the list?");
}

} // namespace PersonTexts
