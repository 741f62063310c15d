// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/WindowFixture.h"

#include <QAccessible>

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void controlsReadOut_data();
    void controlsReadOut();
    void daysReadAsTableCells_data();
    void daysReadAsTableCells();
};

void TestAccessibility::controlsReadOut_data()
{
    QTest::addColumn<bool>("charted");
    QTest::addColumn<int>("id");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("disabled");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("description");

    QTest::newRow("start, locked") << false << IDC_START << QAccessible::Button << "Start." << true << "Ctrl+Return Ctrl+Enter" << "";
    QTest::newRow("start") << true << IDC_START << QAccessible::Button << "Start." << false << "Ctrl+Return Ctrl+Enter" << "";
    QTest::newRow("previous date") << true << IDC_PREV_DATE << QAccessible::Button << "Previous date" << false << "Alt+Left" << "";
    QTest::newRow("help") << false << IDC_HELP << QAccessible::Button << "Help" << false << "F1" << "";
    QTest::newRow("help line") << false << IDC_HELP_LINE << QAccessible::StaticText
                               << "Insert date of birth into the calendar [M-Y-D] and press \"< > \" button to start." << false << "" << "";
    QTest::newRow("time") << true << IDC_TIME << QAccessible::StaticText << "Time 22:45" << false << "" << "";
    QTest::newRow("chart") << true << IDC_CHART << QAccessible::Chart << "Chart" << false << ""
                           << "Biological year, December highlighted; 8 December 2026: H1-H3, level 11";
}

void TestAccessibility::controlsReadOut()
{
    QFETCH(bool, charted);
    QFETCH(int, id);
    QFETCH(QString, description);

    WindowFixture window;
    if (charted)
        window.chartToday(QDate(1980, 3, 5));
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(window.dialog().GetDlgItem(id));
    QVERIFY(face);
    QTEST(face->role(), "role");
    QTEST(face->text(QAccessible::Name), "name");
    QCOMPARE(face->text(QAccessible::Description), description);
    QTEST(bool(face->state().disabled), "disabled");
    QTEST(face->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()).join(u' '), "keys");
}

void TestAccessibility::daysReadAsTableCells_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<bool>("selected");

    // 1 December 2026 is a Tuesday; the 7th is selected, the 3rd and 9th marked.
    QTest::newRow("grey day before") << 0 << 0 << "30 November 2026" << "" << false;
    QTest::newRow("selected") << 1 << 0 << "7 December 2026" << "selected" << true;
    QTest::newRow("marked") << 1 << 2 << "9 December 2026" << "marked" << false;
    QTest::newRow("grey day after") << 5 << 6 << "10 January 2027" << "" << false;
}

void TestAccessibility::daysReadAsTableCells()
{
    QFETCH(int, row);
    QFETCH(int, column);

    WindowFixture window;
    window.calendar().SetMarkedDays(3, 9, true);
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(window.calendar().DayGrid());
    QVERIFY(grid && grid->tableInterface());
    QCOMPARE(grid->role(), QAccessible::Table);
    QCOMPARE(grid->text(QAccessible::Name), QStringLiteral("Calendar, December 2026"));
    QAccessibleInterface* cell = grid->tableInterface()->cellAt(row, column);
    QCOMPARE(cell->role(), QAccessible::Cell);
    QCOMPARE(grid->indexOfChild(cell), row * 7 + column);
    QTEST(cell->text(QAccessible::Name), "name");
    QTEST(cell->text(QAccessible::Description), "description");
    QTEST(bool(cell->state().selected), "selected");
    QCOMPARE(cell->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()), QStringList { "Space" });
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
