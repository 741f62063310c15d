// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Moon.h"

#include "model/CalendarArithmetic.h"
#include "model/TranslationMark.h"

#include <cmath>

namespace {

// Lunations are counted from 12 days after 1 January 1850.
constexpr std::int16_t kEpochYear = 1850;
constexpr double kEpochOffset = 12.0;
constexpr double kLunationsPerDay = 0.03386317921071702;  // 1 / 29.5306

} // namespace

int MoonPhaseMark(std::int16_t month, std::int16_t year, double dayOffset)
{
    const double days = DaysBetween(1, 1, kEpochYear, month, year, 1) + dayOffset - kEpochOffset;
    const double position = std::fabs(std::fmod(days * kLunationsPerDay, 1.0));
    if (position > 0.45 && position < 0.55)
        return kFullMoonMark;
    if (position < 0.05 || position > 0.95)
        return kNewMoonMark;
    return kNoMoonMark;
}

const char* MoonWord(int moonMark)
{
    switch (moonMark) {
    case kNewMoonMark:
        return QT_TRANSLATE_NOOP("Moon", "new");
    case kFullMoonMark:
        return QT_TRANSLATE_NOOP("Moon", "full");
    }
    return QT_TRANSLATE_NOOP("Moon", "none");
}
