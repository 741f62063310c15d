// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/DayGrid.h"

#include "calendar/CalendarPanel.h"

#include <QKeyEvent>
#include <QPainter>

namespace {

constexpr int kWeek = 7;

// Inside the cell's bevels, clear of the selection's frame.
constexpr QMargins kFrameInset { 2, 2, 4, 3 };

} // namespace

CDayGrid::CDayGrid(CCalendarPanel* panel)
    : QWidget(panel)
    , m_pPanel(panel)
{
    // The grid is reached by Tab only: a click on a day keeps the focus
    // where it was, as it always has.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    InstallDayGridAccessibility();
}

void CDayGrid::keyPressEvent(QKeyEvent* event)
{
    // With a modifier the key is the window's (Alt+Left steps a date).
    if ((event->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier)).toInt() != 0) {
        event->ignore();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        m_pPanel->MoveFrame(-1);
        break;
    case Qt::Key_Right:
        m_pPanel->MoveFrame(1);
        break;
    case Qt::Key_Up:
        m_pPanel->MoveFrame(-kWeek);
        break;
    case Qt::Key_Down:
        m_pPanel->MoveFrame(kWeek);
        break;
    case Qt::Key_Space:
        m_pPanel->ClickFrame();
        break;
    default:
        event->ignore();
        return;
    }
    event->accept();
}

void CDayGrid::focusInEvent(QFocusEvent* event)
{
    m_pPanel->StartFrame();
    QWidget::focusInEvent(event);
    update();
}

void CDayGrid::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void CDayGrid::paintEvent(QPaintEvent*)
{
    if (!hasFocus())
        return;
    const int day = m_pPanel->FrameDay();
    const QRect cell = CCalendarPanel::CellRect(m_pPanel->CellOfDay(day)).ToQRect().translated(-pos());
    QPainter painter(this);
    // White dots on the selected day's dark fill, black ones elsewhere.
    QPen pen(day == m_pPanel->m_nDay ? Qt::white : Qt::black, 0, Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(cell.marginsRemoved(kFrameInset));
}
