// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// Where a headless command writes its text: a C stream (standard output or
// error), or a string kept for the caller to read. The C++ streams are not
// used: the first one made sets up the whole C++ locale, which would cost
// every command more memory than its window. Once a write has failed no
// more calls are made, so errno still tells why.
class CTextOutput
{
public:
    CTextOutput() = default;
    explicit CTextOutput(std::FILE* file)
        : m_file(file)
    {
    }

    CTextOutput& operator<<(std::string_view text);
    CTextOutput& operator<<(char character) { return *this << std::string_view(&character, 1); }

    // Pushes out what the C stream holds back; false once anything failed.
    bool Flush();
    const std::string& Text() const { return m_text; }

private:
    std::FILE* m_file = nullptr;
    std::string m_text;
    bool m_bFailed = false;
};
