// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ProgramText.h"

#include <string_view>

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
