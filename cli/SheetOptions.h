// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/RenderOptions.h"

#include <QPageSize>
#include <QString>
#include <QStringList>

#include <optional>

struct SheetOptions
{
    // The birth dates, month and view, as a render takes them.
    RenderOptions chart;
    QString name;       // empty: no name
    QPageSize::PageSizeId paper = QPageSize::A4;
    QString output;
    bool helpRequested = false;
};

// Reads the arguments that follow "sheet". On a fault the result is empty
// and error holds one line describing it.
std::optional<SheetOptions> ParseSheetOptions(const QStringList& arguments, QString* error);

// Fills in today's month when none was given and checks the dates and the
// view as a render does.
bool CompleteSheetOptions(SheetOptions& options, const QDate& today, QString* error);
