// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/IsoDateText.h"

#include <cstdio>

std::string FormatIsoDate(int year, int month, int day)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

std::string FormatIsoMonth(int year, int month)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d", year, month);
    return text;
}
