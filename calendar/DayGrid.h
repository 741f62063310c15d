// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class CCalendarPanel;

// The focus target over the panel's six week rows. The panel paints the
// days; the grid adds only the keyboard's frame, and only while it has the
// focus. Mouse clicks pass through to the panel, which handles them.
class CDayGrid : public QWidget
{
    Q_OBJECT
public:
    explicit CDayGrid(CCalendarPanel* panel);

    CCalendarPanel* Panel() const { return m_pPanel; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    CCalendarPanel* m_pPanel;
};

// Screen readers see the grid as a table of its 42 days.
void InstallDayGridAccessibility();
