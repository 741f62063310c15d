// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/CalendarPanel.h"

#include "app/Strings.h"
#include "calendar/DayGrid.h"
#include "model/CalendarArithmetic.h"
#include "platform/AccessibleFactory.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QDate>
#include <QKeySequence>
#include <QPointer>

#include <map>

namespace {

constexpr int kColumns = 7;
constexpr int kRows = 6;
constexpr int kCells = kColumns * kRows;

QString DateText(const QDate& date)
{
    return SpokenDateText(date.day(), date.month(), date.year());
}

int SelectedCell(const CCalendarPanel& panel)
{
    return panel.m_nDay >= 1 && panel.m_nDay <= panel.GetDaysInMonth() ? panel.CellOfDay(panel.m_nDay) : -1;
}

bool IsMarked(const CCalendarPanel& panel, int cell)
{
    if (!panel.ShowMarks())
        return false;
    int day1 = 0;
    int day2 = 0;
    panel.GetMarkedDays(&day1, &day2);
    const int day = panel.DayOfCell(cell);
    return day >= 1 && day <= panel.GetDaysInMonth() && (day == day1 || day == day2);
}

// One day of the grid, grey days of the neighbouring months included. It
// stands for a place in the grid, so it reads whatever month is shown.
class CDayCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface, public QAccessibleActionInterface
{
public:
    CDayCellAccessible(CDayGrid* grid, int cell)
        : m_pGrid(grid)
        , m_nCell(cell)
    {
    }

    bool isValid() const override { return m_pGrid; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_pGrid ? m_pGrid->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_pGrid.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override { }
    QAccessible::Role role() const override { return QAccessible::Cell; }

    QString text(QAccessible::Text type) const override
    {
        if (!m_pGrid)
            return {};
        const CCalendarPanel& panel = *m_pGrid->Panel();
        if (type == QAccessible::Name)
            return DateText(panel.DateOfCell(m_nCell));
        if (type == QAccessible::Description) {
            QStringList words;
            if (isSelected())
                words << QCoreApplication::translate("Calendar", "selected");
            if (IsMarked(panel, m_nCell))
                words << QCoreApplication::translate("Calendar", "marked");
            return words.join(QStringLiteral(", "));
        }
        return {};
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!m_pGrid)
            return state;
        const CCalendarPanel& panel = *m_pGrid->Panel();
        state.selectable = true;
        state.focusable = true;
        state.selected = isSelected();
        state.focused = m_pGrid->hasFocus() && panel.CellOfDay(panel.FrameDay()) == m_nCell;
        return state;
    }

    QRect rect() const override
    {
        if (!m_pGrid)
            return {};
        const QRect cell = CCalendarPanel::CellRect(m_nCell).ToQRect();
        return QRect(m_pGrid->Panel()->mapToGlobal(cell.topLeft()), cell.size());
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_nCell % kColumns; }
    int rowIndex() const override { return m_nCell / kColumns; }
    bool isSelected() const override { return m_pGrid && SelectedCell(*m_pGrid->Panel()) == m_nCell; }
    QAccessibleInterface* table() const override { return parent(); }

    // Pressing a day is a click on it, grey days paging as they do.
    QStringList actionNames() const override { return { pressAction() }; }
    void doAction(const QString& action) override
    {
        if (action != pressAction() || !m_pGrid)
            return;
        const CRect cell = CCalendarPanel::CellRect(m_nCell);
        m_pGrid->Panel()->OnLButtonDown({ (cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2 });
    }
    QStringList keyBindingsForAction(const QString& action) const override
    {
        return action == pressAction() ? QStringList { QKeySequence(Qt::Key_Space).toString(QKeySequence::NativeText) } : QStringList {};
    }

private:
    QPointer<CDayGrid> m_pGrid;
    int m_nCell;
};

class CDayGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit CDayGridAccessible(CDayGrid* grid)
        : QAccessibleWidget(grid, QAccessible::Table)
    {
    }

    ~CDayGridAccessible() override
    {
        for (const auto& [cell, id] : m_cells)
            QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text type) const override
    {
        const CCalendarPanel& panel = *grid()->Panel();
        if (type == QAccessible::Name)
            return QCoreApplication::translate("Calendar", "Calendar, %1 %2").arg(MonthName(panel.m_nMonth)).arg(panel.m_nYear);
        return QAccessibleWidget::text(type);
    }

    QStringList keyBindingsForAction(const QString& action) const override
    {
        if (action != setFocusAction())
            return QAccessibleWidget::keyBindingsForAction(action);
        return { QKeySequence(Qt::Key_Tab).toString(QKeySequence::NativeText) };
    }

    int childCount() const override { return kCells; }
    QAccessibleInterface* child(int index) const override { return index >= 0 && index < kCells ? Cell(index) : nullptr; }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (const auto& [cell, id] : m_cells) {
            if (QAccessible::accessibleInterface(id) == child)
                return cell;
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint point = grid()->Panel()->mapFromGlobal(QPoint(x, y));
        for (int cell = 0; cell < kCells; ++cell) {
            if (CCalendarPanel::CellRect(cell).ToQRect().contains(point))
                return Cell(cell);
        }
        return nullptr;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        return row >= 0 && row < kRows && column >= 0 && column < kColumns ? Cell(row * kColumns + column) : nullptr;
    }
    int columnCount() const override { return kColumns; }
    int rowCount() const override { return kRows; }
    QString columnDescription(int column) const override
    {
        return column >= 0 && column < kColumns ? WeekdayName(column + 1) : QString();
    }
    QString rowDescription(int) const override { return {}; }
    int selectedCellCount() const override { return SelectedCell(*grid()->Panel()) >= 0 ? 1 : 0; }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        const int cell = SelectedCell(*grid()->Panel());
        return cell >= 0 ? QList<QAccessibleInterface*> { Cell(cell) } : QList<QAccessibleInterface*> {};
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { }

private:
    CDayGrid* grid() const { return static_cast<CDayGrid*>(widget()); }

    QAccessibleInterface* Cell(int cell) const
    {
        auto found = m_cells.find(cell);
        if (found == m_cells.end())
            found = m_cells.emplace(cell, QAccessible::registerAccessibleInterface(new CDayCellAccessible(grid(), cell))).first;
        return QAccessible::accessibleInterface(found->second);
    }

    mutable std::map<int, QAccessible::Id> m_cells;
};

QAccessibleInterface* DayGridFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("CDayGrid")) {
        if (auto* grid = qobject_cast<CDayGrid*>(object))
            return new CDayGridAccessible(grid);
    }
    return nullptr;
}

} // namespace

void InstallDayGridAccessibility()
{
    InstallAccessibleFactoryOnce(DayGridFactory);
}
