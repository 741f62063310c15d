#include "persons/ListDlg.h"
#include "platform/MessageBox.h"
#include "res/ResourceIds.h"

#include <QLineEdit>
#include <QTest>

namespace {

QWidget* Control(const CDialog& dialog, int id)
{
    QWidget* control = dialog.GetDlgItem(id);
    if (!control)
        qFatal("no control %d", id);
    return control;
}

void Click(const CDialog& dialog, int id)
{
    QTest::mouseClick(Control(dialog, id), Qt::LeftButton);
}

void Type(const CDialog& dialog, const QString& text)
{
    QTest::keyClicks(Control(dialog, IDC_LIST_NAME), text);
}

void Enter(const CDialog& dialog)
{
    QTest::keyClick(Control(dialog, IDC_LIST_NAME), Qt::Key_Return);
}

} // namespace

class TestList : public QObject
{
    Q_OBJECT

private slots:
    void dialogLayout();
    void buttonsAndEnter_data();
    void buttonsAndEnter();
    void tooLongNameKeepsDialogOpen();

    void cleanup() { SetMessageBoxHandler(nullptr); }
};

// 197 x 66 dialog units of 6 x 13 base units.
void TestList::dialogLayout()
{
    CListDlg list;
    QCOMPARE(list.windowTitle(), QStringLiteral("List"));
    QCOMPARE(list.size(), QSize(296, 107));
    const struct {
        int id;
        QRect rect;
        QString text;
    } controls[] = {
        { IDC_LIST_INFO, QRect(27, 29, 158, 20), QString() },
        { IDC_LIST_NAME, QRect(69, 63, 135, 20), QString() },
        { IDC_LIST_ADD, QRect(230, 11, 55, 23), QStringLiteral("Add") },
        { IDC_LIST_REMOVE, QRect(230, 41, 55, 22), QStringLiteral("Remove") },
        { IDCANCEL, QRect(230, 70, 55, 23), QStringLiteral("Cancel") },
    };
    for (const auto& control : controls) {
        QCOMPARE(Control(list, control.id)->geometry(), control.rect);
        QCOMPARE(GetWindowText(Control(list, control.id)), control.text);
    }
}

void TestList::buttonsAndEnter_data()
{
    QTest::addColumn<bool>("canAdd");
    QTest::addColumn<bool>("canRemove");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("added");
    QTest::addColumn<bool>("removed");

    // Result 0: the dialog is still open.
    QTest::newRow("adding: Add") << true << false << "Add" << int(IDOK) << true << false;
    QTest::newRow("adding: Enter") << true << false << "Enter" << int(IDOK) << true << false;
    QTest::newRow("adding: Cancel") << true << false << "Cancel" << int(IDCANCEL) << false << false;
    QTest::newRow("removing: Remove") << false << true << "Remove" << int(IDOK) << false << true;
    QTest::newRow("removing: Enter does nothing") << false << true << "Enter" << 0 << false << false;
    QTest::newRow("removing: Add is disabled") << false << true << "Add" << 0 << false << false;
    QTest::newRow("removing: Escape") << false << true << "Escape" << int(IDCANCEL) << false << false;
    QTest::newRow("no birth date: Enter does nothing") << false << false << "Enter" << 0 << false << false;
    QTest::newRow("no birth date: Remove is disabled") << false << false << "Remove" << 0 << false << false;
}

void TestList::buttonsAndEnter()
{
    QFETCH(bool, canAdd);
    QFETCH(bool, canRemove);
    QFETCH(QString, action);
    QFETCH(int, result);
    QFETCH(bool, added);
    QFETCH(bool, removed);

    CListDlg list;
    list.m_bCanAdd = canAdd;
    list.m_bCanRemove = canRemove;
    list.m_strName = canAdd ? QString() : QStringLiteral("Bob");
    list.OnInitDialog();
    list.show();
    // A name can be typed only while adding.
    QCOMPARE(qobject_cast<QLineEdit*>(Control(list, IDC_LIST_NAME))->isReadOnly(), !canAdd);
    if (canAdd)
        Type(list, QStringLiteral("Jo"));

    if (action == QLatin1String("Enter"))
        Enter(list);
    else if (action == QLatin1String("Escape"))
        QTest::keyClick(Control(list, IDC_LIST_NAME), Qt::Key_Escape);
    else
        Click(list, action == QLatin1String("Add") ? IDC_LIST_ADD : action == QLatin1String("Remove") ? IDC_LIST_REMOVE : IDCANCEL);

    QCOMPARE(list.isVisible(), result == 0);
    if (result != 0)
        QCOMPARE(list.result(), result);
    QCOMPARE(list.m_bAdd, added);
    QCOMPARE(list.m_bRemove, removed);
    if (added)
        QCOMPARE(list.m_strName, QStringLiteral("Jo"));
}

// The framework's check: the message, the dialog still open with the name
// ready to be corrected, and nothing taken if it is then cancelled. The
// limit counts characters, not UTF-16 units.
void TestList::tooLongNameKeepsDialogOpen()
{
    QStringList messages;
    SetMessageBoxHandler([&messages](const QString& text, const QString&, unsigned type) {
        messages << text;
        return type == (MB_OK | MB_ICONEXCLAMATION) ? int(IDOK) : -1;
    });
    CListDlg list;
    list.m_bCanAdd = true;
    list.OnInitDialog();
    list.show();
    Type(list, QStringLiteral("Abcdefghijklm"));
    Click(list, IDC_LIST_ADD);
    QCOMPARE(messages, QStringList { "Please enter no more than 12 characters." });
    QVERIFY(list.isVisible());
    QCOMPARE(list.focusWidget(), Control(list, IDC_LIST_NAME));
    Click(list, IDCANCEL);
    QVERIFY(!list.m_bAdd);
    QCOMPARE(list.m_strName, QString());

    const QString twelve = QString::fromUtf8("\U0001D49C").repeated(12);
    list.m_strName = twelve;
    list.OnInitDialog();
    list.show();
    Enter(list);
    QVERIFY(list.m_bAdd);
    QCOMPARE(list.m_strName, twelve);
    QCOMPARE(messages.size(), 1);
}

QTEST_MAIN(TestList)
#include "tst_list.moc"
