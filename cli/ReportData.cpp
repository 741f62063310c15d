#include "cli/ReportData.h"

#include "cli/ReportOptions.h"
#include "model/LongCycle.h"
#include "model/Moon.h"

#include <string_view>

MonthReport BuildMonthReport(const ReportOptions& options)
{
    MonthReport report;
    report.period.birthDay = static_cast<std::int16_t>(options.birth.day());
    report.period.birthMonth = static_cast<std::int16_t>(options.birth.month());
    report.period.birthYear = static_cast<std::int16_t>(options.birth.year());
    report.period.month = static_cast<std::int16_t>(options.month);
    report.period.year = static_cast<std::int16_t>(options.year);
    report.phase = LongCyclePhase(report.period.birthDay, report.period.birthMonth, report.period.birthYear,
                                  report.period.month, report.period.year);
    report.days = ReadMonthDays(report.period);
    report.boundaries = ReadMonthBoundaries(report.period);
    return report;
}

const char* MoonWord(int moonMark)
{
    switch (moonMark) {
    case kNewMoonMark:
        return "new";
    case kFullMoonMark:
        return "full";
    }
    return "none";
}

std::string TrimBlanks(const char* text)
{
    std::string_view view(text);
    const std::size_t first = view.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = view.find_last_not_of(' ');
    return std::string(view.substr(first, last - first + 1));
}

std::string TrimLeadingBlanks(const char* text)
{
    std::string_view view(text);
    const std::size_t first = view.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(view.substr(first));
}
