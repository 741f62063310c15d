// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/ChartView.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

struct RenderOptions
{
    QDate birth;
    QDate compare;      // invalid: no second birth date
    int month = 0;      // 0: today's month
    int year = 0;
    int day = 0;        // 0: no day picked
    ChartView view = ChartView::Year;
    int scale = 1;
    bool chartOnly = false;
    QString output;
    bool helpRequested = false;
};

// Reads the arguments that follow "render". On a fault the result is empty
// and error holds one line describing it.
std::optional<RenderOptions> ParseRenderOptions(const QStringList& arguments, QString* error);

// The chart view a --view value names.
std::optional<ChartView> ReadViewOption(const QString& value, QString* error);

// Fills in today's month when none was given and checks the dates against
// today and the calendar's range.
bool CompleteRenderOptions(RenderOptions& options, const QDate& today, QString* error);
