// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPair>
#include <QPointer>
#include <QString>

class QWidget;

// Tooltips for whole controls. Tools added while the control is inactive
// show nothing until Activate(true).
class CToolTipCtrl
{
public:
    bool Create(QWidget* parent);
    bool AddTool(QWidget* tool, const QString& text);
    void Activate(bool active);
    bool IsActive() const { return m_bActive; }
    // The text registered for the tool, or an empty string.
    QString GetText(const QWidget* tool) const;
    int GetToolCount() const { return static_cast<int>(m_tools.size()); }

private:
    QPointer<QWidget> m_pParent;
    QList<QPair<QPointer<QWidget>, QString>> m_tools;
    bool m_bActive = false;
};
