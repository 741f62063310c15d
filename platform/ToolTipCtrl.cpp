// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ToolTipCtrl.h"

#include <QWidget>

#include <algorithm>

bool CToolTipCtrl::Create(QWidget* parent)
{
    m_pParent = parent;
    return parent != nullptr;
}

bool CToolTipCtrl::AddTool(QWidget* tool, const QString& text)
{
    if (!tool) {
        qWarning("platform: a tooltip needs a control");
        return false;
    }
    auto existing = std::find_if(m_tools.begin(), m_tools.end(), [tool](const auto& entry) { return entry.first == tool; });
    if (existing != m_tools.end())
        existing->second = text;
    else
        m_tools.append({ QPointer<QWidget>(tool), text });
    if (m_bActive)
        tool->setToolTip(text);
    return true;
}

void CToolTipCtrl::Activate(bool active)
{
    m_bActive = active;
    for (const auto& [tool, text] : m_tools) {
        if (tool)
            tool->setToolTip(active ? text : QString());
    }
}

QString CToolTipCtrl::GetText(const QWidget* tool) const
{
    for (const auto& [registered, text] : m_tools) {
        if (registered == tool)
            return text;
    }
    return {};
}
