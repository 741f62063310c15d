#include "cli/ReportJson.h"

#include "cli/ReportData.h"

#include <charconv>
#include <cstdio>
#include <ostream>
#include <string_view>
#include <vector>

namespace {

// Only the program's own texts are written, but quote them properly anyway.
std::string JsonString(std::string_view text)
{
    std::string quoted = "\"";
    for (char character : text) {
        switch (character) {
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        case '\n':
            quoted += "\\n";
            break;
        default:
            if (static_cast<unsigned char>(character) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(character));
                quoted += escape;
            } else {
                quoted += character;
            }
        }
    }
    return quoted + "\"";
}

void WriteCritical(const CriticalDay& critical, std::ostream& out)
{
    out << "\"level\": " << critical.level << ", \"windows\": " << JsonString(critical.windows);
}

void WriteDay(const MonthReport& report, const DayReading& day, std::ostream& out)
{
    out << "{\"date\": " << JsonString(FormatIsoDate(report.period.year, report.period.month, day.day))
        << ", \"age\": " << day.age
        << ", \"physical\": " << FormatJsonNumber(day.physical)
        << ", \"emotional\": " << FormatJsonNumber(day.emotional)
        << ", \"intellectual\": " << FormatJsonNumber(day.intellectual) << ", ";
    WriteCritical(day.critical, out);
    out << ", \"moon\": " << JsonString(MoonWord(day.moonMark))
        << ", \"year_curve\": " << FormatJsonNumber(day.yearCurve) << "}";
}

void WriteBoundary(const MonthReport& report, const BoundaryReading& reading, std::ostream& out)
{
    out << "{\"date\": " << JsonString(FormatIsoDate(report.period.year, report.period.month, reading.boundary.day))
        << ", \"time\": " << JsonString(FormatClockTime(reading.boundary.fraction))
        << ", \"label\": " << JsonString(TrimBlanks(reading.label))
        << ", \"moon\": " << JsonString(MoonWord(reading.moonMark)) << ", ";
    WriteCritical(reading.critical, out);
    out << ", \"message\": " << JsonString(TrimLeadingBlanks(reading.critical.message)) << "}";
}

template <typename Item, typename Writer>
void WriteArray(const std::vector<Item>& items, std::ostream& out, Writer write)
{
    out << "[";
    for (std::size_t index = 0; index < items.size(); ++index) {
        out << (index == 0 ? "\n    " : ",\n    ");
        write(items[index]);
    }
    out << (items.empty() ? "]" : "\n  ]");
}

} // namespace

std::string FormatJsonNumber(double value)
{
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

void WriteReportJson(const MonthReport& report, std::ostream& out)
{
    const MonthOfLife& period = report.period;
    const std::string birth = FormatIsoDate(period.birthYear, period.birthMonth, period.birthDay);
    const std::string month = FormatIsoMonth(period.year, period.month);

    out << "{\n  \"birth\": " << JsonString(birth)
        << ",\n  \"month\": " << JsonString(month)
        << ",\n  \"phase\": " << FormatJsonNumber(report.phase)
        << ",\n  \"days\": ";
    WriteArray(report.days, out, [&](const DayReading& day) { WriteDay(report, day, out); });
    out << ",\n  \"boundaries\": ";
    WriteArray(report.boundaries, out, [&](const BoundaryReading& boundary) { WriteBoundary(report, boundary, out); });
    out << "\n}\n";
}
