// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/WindowFixture.h"

#include <QApplication>

namespace {

const QDate kBirth(1980, 3, 5);

enum class Stage { Fresh, Entered, Charted };

void Prepare(WindowFixture& window, Stage stage)
{
    QVERIFY(QTest::qWaitForWindowActive(&window.dialog()));
    if (stage == Stage::Entered)
        window.enterBirth(kBirth);
    if (stage == Stage::Charted)
        window.chartToday(kBirth);
}

// All a user can see of the window after a command, the chart as painted.
QString State(WindowFixture& window)
{
    CBiorhythmDlg& dialog = window.dialog();
    const QImage chart = dialog.grab().toImage().copy(dialog.GetDlgItem(IDC_CHART)->geometry());
    QString state;
    QDebug(&state) << window.help() << window.birth1() << window.birth2() << window.time() << window.activeButtons()
                   << window.shownDay() << dialog.m_nChartMonth << dialog.m_comboRhythms.GetCurSel() << dialog.m_bCompareMode
                   << dialog.m_bCurrentMonthMode << dialog.m_btnCompare.m_bLit << dialog.m_btnCurrentMonth.m_bLit
                   << window.scanning() << window.messages << qHashBits(chart.constBits(), chart.sizeInBytes());
    return state;
}

} // namespace

class TestKeys : public QObject
{
    Q_OBJECT

private slots:
    void keyDoesWhatItsButtonDoes_data();
    void keyDoesWhatItsButtonDoes();
};

void TestKeys::keyDoesWhatItsButtonDoes_data()
{
    QTest::addColumn<Stage>("stage");
    QTest::addColumn<int>("focus");
    QTest::addColumn<QKeyCombination>("key");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("active");

    QTest::newRow("PgDown from the month list") << Stage::Charted << IDC_CALENDAR_MONTH << QKeyCombination(Qt::Key_PageDown) << IDC_NEXT_MONTH << true;
    QTest::newRow("PgUp from the days") << Stage::Charted << IDC_CALENDAR_DAYS << QKeyCombination(Qt::Key_PageUp) << IDC_PREV_MONTH << true;
    QTest::newRow("Alt+Right") << Stage::Charted << IDC_PERSONS << (Qt::ALT | Qt::Key_Right) << IDC_NEXT_DATE << true;
    QTest::newRow("Alt+Left from the days") << Stage::Charted << IDC_CALENDAR_DAYS << (Qt::ALT | Qt::Key_Left) << IDC_PREV_DATE << true;
    QTest::newRow("Ctrl+Return") << Stage::Entered << IDC_RHYTHMS << (Qt::CTRL | Qt::Key_Return) << IDC_START << true;
    QTest::newRow("Ctrl+Enter on the keypad") << Stage::Entered << IDC_CALENDAR_YEAR << QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Enter) << IDC_START << true;
    QTest::newRow("Ins") << Stage::Entered << IDC_PERSONS << QKeyCombination(Qt::Key_Insert) << IDC_INSERT << true;
    QTest::newRow("Ctrl+M") << Stage::Charted << IDC_CALENDAR_DAYS << (Qt::CTRL | Qt::Key_M) << IDC_CURRENT_MONTH << true;
    QTest::newRow("Ctrl+I") << Stage::Charted << IDC_PERSONS << (Qt::CTRL | Qt::Key_I) << IDC_INFO << true;
    QTest::newRow("Ctrl+R") << Stage::Charted << IDC_PERSONS << (Qt::CTRL | Qt::Key_R) << IDC_RESET << true;
    QTest::newRow("Alt+Right before a birth date") << Stage::Fresh << IDC_PERSONS << (Qt::ALT | Qt::Key_Right) << IDC_NEXT_DATE << false;
    QTest::newRow("Del with nothing inserted") << Stage::Entered << IDC_PERSONS << QKeyCombination(Qt::Key_Delete) << IDC_REMOVE << false;
    QTest::newRow("Ctrl+B with nothing inserted") << Stage::Entered << IDC_PERSONS << (Qt::CTRL | Qt::Key_B) << IDC_COMPARE << false;
    QTest::newRow("Ctrl+M before a birth date") << Stage::Fresh << IDC_PERSONS << (Qt::CTRL | Qt::Key_M) << IDC_CURRENT_MONTH << false;
    QTest::newRow("Ctrl+I with no day read out") << Stage::Entered << IDC_PERSONS << (Qt::CTRL | Qt::Key_I) << IDC_INFO << false;
}

// The key on one window, a mouse click on the button on a twin in the same
// stage: the two must end alike, and an inactive button's key changes nothing.
void TestKeys::keyDoesWhatItsButtonDoes()
{
    QFETCH(Stage, stage);
    QFETCH(int, focus);
    QFETCH(QKeyCombination, key);
    QFETCH(int, button);
    QFETCH(bool, active);

    QString before;
    QString keyed;
    {
        WindowFixture window;
        Prepare(window, stage);
        QCOMPARE(qobject_cast<CIconButton*>(window.dialog().GetDlgItem(button))->m_bActive, active);
        QWidget* target = (focus >= IDC_CALENDAR_MONTH && focus <= IDC_CALENDAR_DAYS ? window.calendar().GetDlgItem(focus)
                                                                                  : window.dialog().GetDlgItem(focus));
        target->setFocus();
        QCOMPARE(QApplication::focusWidget(), target);
        before = State(window);
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
        keyed = State(window);
    }
    QCOMPARE(keyed == before, !active);
    if (!active)
        return;
    WindowFixture twin;
    Prepare(twin, stage);
    QTest::mouseClick(twin.dialog().GetDlgItem(button), Qt::LeftButton);
    QCOMPARE(keyed, State(twin));
}

QTEST_MAIN(TestKeys)
#include "tst_keys.moc"
