// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/TextOutput.h"

CTextOutput& CTextOutput::operator<<(std::string_view text)
{
    if (!m_file)
        m_text.append(text);
    else if (!m_bFailed && !text.empty() && std::fwrite(text.data(), 1, text.size(), m_file) != text.size())
        m_bFailed = true;
    return *this;
}

bool CTextOutput::Flush()
{
    if (m_file && !m_bFailed && std::fflush(m_file) != 0)
        m_bFailed = true;
    return !m_bFailed;
}
