// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// What the main window says to the user on its help line, its read-out
// labels and in its message boxes. The blanks are part of the texts: the
// help line's texts are indented by eight of them.

namespace ModeTexts {

inline QString HelpInsert()
{
    return QCoreApplication::translate("Modes",
        "        Insert date of birth into the calendar  [M-Y-D] and press \"< > \" button to start.");
}
inline QString HelpStartOrInsert()
{
    return QCoreApplication::translate("Modes",
        "        Press \"< > \" button to start or \"Insert\"  button to begin comparison procedure.");
}
inline QString HelpLastOrContinue()
{
    return QCoreApplication::translate("Modes",
        "        Press \"< > \" button to study biorhythms for last date of birth or \"Insert\" to continue comparison.");
}
inline QString HelpCurrentMonth()
{
    return QCoreApplication::translate("Modes",
        "        Click the calendar or unselect Current month button to return to the birth date insertion mode.");
}
inline QString HelpUseNext()
{
    return QCoreApplication::translate("Modes",
        "        Use  \"> >\"  button to investigate the rest of the month.");
}
inline QString HelpSorry()
{
    return QCoreApplication::translate("Modes", "         Sorry! Date of birth must be in the past.");
}
inline QString HelpStudyMore()
{
    return QCoreApplication::translate("Modes",
        "        Use Current month tool and the calendar to study biorhythms more carefully.");
}
inline QString HelpStartOrSecond()
{
    return QCoreApplication::translate("Modes",
        "        Press \"< > \" button  or insert second date of birth to compare biorhythms.");
}
inline QString HelpCompareOrSecond()
{
    return QCoreApplication::translate("Modes",
        "        Press  \"Compare\"  button to start comparison or \"< >\" to study  biorhythms for second birth date.");
}

// The birth-date labels: the caption they start with, and the empty form
// that a reset or a new first date puts back.
inline QString BirthCaption()
{
    return QCoreApplication::translate("Modes", "Birth date:");
}
inline QString BirthEmpty()
{
    return QCoreApplication::translate("Modes", "Birth date: ");
}
// Not translated: the time label reads its value after this prefix.
inline QString TimeEmpty()
{
    return QStringLiteral("(Time)      ");
}

inline QString InformationCaption()
{
    return QCoreApplication::translate("Modes", "Information");
}
inline QString MsgFuture()
{
    return QCoreApplication::translate("Modes", "Invalid date of birth! \n Date of birth must be in the past.");
}
inline QString MsgNotBorn()
{
    return QCoreApplication::translate("Modes", "The person was not born yet \n at the period of interest!");
}

} // namespace ModeTexts
