// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the main window says to the user on its help line, its read-out
// labels and in its message boxes. The blanks are part of the texts: the
// help line's texts are indented by eight of them.

inline const QString kHelpInsert = QStringLiteral(
    "        Insert date of birth into the calendar  [M-Y-D] and press \"< > \" button to start.");
inline const QString kHelpStartOrInsert = QStringLiteral(
    "        Press \"< > \" button to start or \"Insert\"  button to begin comparison procedure.");
inline const QString kHelpLastOrContinue = QStringLiteral(
    "        Press \"< > \" button to study biorhythms for last date of birth or \"Insert\" to continue comparison.");
inline const QString kHelpCurrentMonth = QStringLiteral(
    "        Click the calendar or unselect Current month button to return to the birth date insertion mode.");
inline const QString kHelpUseNext = QStringLiteral(
    "        Use  \"> >\"  button to investigate the rest of the month.");
inline const QString kHelpSorry = QStringLiteral("         Sorry! Date of birth must be in the past.");
inline const QString kHelpStudyMore = QStringLiteral(
    "        Use Current month tool and the calendar to study biorhythms more carefully.");
inline const QString kHelpStartOrSecond = QStringLiteral(
    "        Press \"< > \" button  or insert second date of birth to compare biorhythms.");
inline const QString kHelpCompareOrSecond = QStringLiteral(
    "        Press  \"Compare\"  button to start comparison or \"< >\" to study  biorhythms for second birth date.");

// The birth-date labels: the caption they start with, and the empty form
// that a reset or a new first date puts back.
inline const QString kBirthCaption = QStringLiteral("Birth date:");
inline const QString kBirthEmpty = QStringLiteral("Birth date: ");
inline const QString kTimeEmpty = QStringLiteral("(Time)      ");

inline const QString kInformationCaption = QStringLiteral("Information");
inline const QString kMsgFuture = QStringLiteral("Invalid date of birth! \n Date of birth must be in the past.");
inline const QString kMsgNotBorn = QStringLiteral("The person was not born yet \n at the period of interest!");
