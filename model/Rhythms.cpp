// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Rhythms.h"

#include "model/TranslationMark.h"

#include <cmath>

namespace {

// Indexed by the set of windows hit: bit 0 Physical, bit 1 Emotional,
// bit 2 Intellectual. In a pair the lower number comes first.
constexpr std::array<const char*, 8> kWindowNames = {
    "", "F1", "F2", "F1-F2", "F3", "F1-F3", "F2-F3", "F1-F2-F3"};
constexpr std::array<const char*, 8> kSuffixes = {
    "", "/ F1 ", "/ F2 ", "/ F1-F2 ", "/ F3 ", "/ F1-F3 ", "/ F2-F3 ", "/ F1-F2-F3 "};

const RhythmDefinition& DefinitionOf(Rhythm rhythm)
{
    return RhythmTable[static_cast<std::size_t>(rhythm)];
}

} // namespace

double RhythmValue(double age, Rhythm rhythm)
{
    const RhythmDefinition& definition = DefinitionOf(rhythm);
    return std::sin(std::fmod(age, definition.period) * definition.factor);
}

CriticalDay AssessCriticalWindows(double age)
{
    unsigned hits = 0;
    int count = 0;
    for (std::size_t index = 0; index < RhythmTable.size(); ++index) {
        if (std::fmod(age, RhythmTable[index].period) < kCriticalWindow) {
            hits |= 1u << index;
            ++count;
        }
    }
    constexpr std::array<int, 4> kLevelByCount = {kLevelNoWindow, kLevelOneWindow, kLevelTwoWindows, kLevelThreeWindows};
    const int level = kLevelByCount[static_cast<std::size_t>(count)];
    return {level, kWindowNames[hits], kSuffixes[hits], CriticalDayMessage(level)};
}

int CriticalDayLevel(double age)
{
    return AssessCriticalWindows(age).level;
}

const char* CriticalDayMessage(int level)
{
    switch (level) {
    case kLevelThreeWindows:
        return QT_TRANSLATE_NOOP("CriticalDays", "        This is one of the most unfavorable days. Your vital power is low.");
    case kLevelTwoWindows:
        return QT_TRANSLATE_NOOP("CriticalDays", "        The day is very unfavorable for you. Be careful, if you are not young and healthy.");
    case kLevelOneWindow:
        return QT_TRANSLATE_NOOP("CriticalDays", "        The day is unfavorable. ");
    case kLevelNoWindow:
        return QT_TRANSLATE_NOOP("CriticalDays", "        The day is hard enough");
    }
    return "";
}
