// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the persons code says to the user: the list dialog's birth-date line,
// and what the List command and the name selector say. As in the main
// window's texts, every blank counts.

inline const QString kListInfoFormat = QStringLiteral("Birth date: %1 %2, %3\n");
inline const QString kListInfoEmpty = QStringLiteral("Birth date: 00.00.00");
inline const QString kBirthRemoved = QStringLiteral("Birth date:        ");
inline const QString kHelpInsertShort = QStringLiteral(
    "        Insert date of birth  [M-Y-D] and press \"< > \" button to start.");
inline const QString kConfirmationCaption = QStringLiteral("Confirmation");
inline const QString kMsgInsertBirth = QStringLiteral(
    "To add new item into the list (Name) \n insert date of birth into the calendar  \n  [M-Y-D] and press button \"List\" again ");
inline const QString kMsgInsertName = QStringLiteral("To add new item into the list,  \n please, insert name.");
inline const QString kMsgTooLong = QStringLiteral(" The list is too long! \n Remove unnecessary items \n to add new ones.");
inline const QString kMsgRemovePerson = QStringLiteral("Do you really want  to remove this item from the list?");
