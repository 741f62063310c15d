// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

#include <optional>

class CBiorhythmDlg;
class QPagedPaintDevice;

// A person as a printed sheet names them; the name may be empty.
struct SheetPerson
{
    QDate birth;
    QString name;
};

// One month of a person's biorhythms on paper. In a comparison the first
// person is the one the chart numbers 1 (the date inserted first) and the
// table's values are theirs; each person has a boundary column of their own.
struct MonthSheet
{
    SheetPerson first;
    std::optional<SheetPerson> second;
    int month = 0;
    int year = 0;
};

// Paints the sheet as one page: a heading, the chart as the window draws it
// in its present state (its chosen view included) across the page's width,
// and the table of the month's days with a legend under it. The page's
// margins are set here, so the device must not be painting yet. Answers
// false when the device cannot be painted on.
bool PaintMonthSheet(QPagedPaintDevice& device, CBiorhythmDlg& dialog, const MonthSheet& sheet);
