// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ColorComboBox.h"
#include "platform/Window.h"
#include "res/ResourceIds.h"

#include <QAbstractItemView>
#include <QImage>
#include <QList>
#include <QPair>
#include <QtTest>

namespace {

class CRecordingDialog : public CDialog
{
public:
    void OnCommand(int id, int notificationCode) override { m_commands.append({ id, notificationCode }); }
    QList<QPair<int, int>> m_commands;
};

void Fill(CColorComboBox& combo, const QStringList& items)
{
    for (const QString& item : items)
        combo.AddString(item);
}

} // namespace

class TestColorComboBox : public QObject
{
    Q_OBJECT
private slots:
    void closedFieldTakesItsHeightFromTheItemHeight();
    void itemsKeepTheListBoxRules();
    void deletingTheShownItemLeavesNoSelection();
    void userPickNotifiesTheDialog();
    void selectionFromCodeIsSilent();
    void firstOpeningAttachesTheList();
    void closedFieldShowsBlackTextOnWhite();
};

void TestColorComboBox::closedFieldTakesItsHeightFromTheItemHeight()
{
    CRecordingDialog dialog;
    CColorComboBox combo;
    combo.Create(CRect { 307, 18, 386, 180 }, &dialog, IDC_PERSONS);
    combo.SetItemHeight(-1, 14);

    QCOMPARE(combo.geometry(), QRect(307, 18, 79, 20));
    QCOMPARE(GetDlgCtrlID(&combo), IDC_PERSONS);
    QCOMPARE(dialog.GetDlgItem(IDC_PERSONS), &combo);
}

void TestColorComboBox::itemsKeepTheListBoxRules()
{
    CColorComboBox combo;
    QCOMPARE(combo.AddString("(Default)"), 0);
    QCOMPARE(combo.AddString("Summary"), 1);
    // A list gains items without gaining a selection.
    QCOMPARE(combo.GetCurSel(), -1);

    QCOMPARE(combo.InsertString(1, "3 rhythms"), 1);
    QCOMPARE(combo.GetCount(), 3);
    QCOMPARE(combo.GetLBText(1), QString("3 rhythms"));
    QCOMPARE(combo.GetLBText(2), QString("Summary"));
    QCOMPARE(combo.GetLBText(3), QString());
    QCOMPARE(combo.InsertString(5, "beyond the end"), -1);

    QCOMPARE(combo.SetCurSel(3), -1);
    QCOMPARE(combo.GetCurSel(), -1);
    QCOMPARE(combo.SetCurSel(0), 0);
    QCOMPARE(combo.DeleteString(2), 2);
    QCOMPARE(combo.DeleteString(1), 1);
    QCOMPARE(combo.GetCurSel(), 0);
    QCOMPARE(combo.DeleteString(1), -1);

    combo.ResetContent();
    QCOMPARE(combo.GetCount(), 0);
    QCOMPARE(combo.GetCurSel(), -1);
}

void TestColorComboBox::deletingTheShownItemLeavesNoSelection()
{
    CColorComboBox combo;
    Fill(combo, { "(Name)", "Anna", "Boris" });
    combo.SetCurSel(1);
    combo.DeleteString(1);
    QCOMPARE(combo.GetCurSel(), -1);

    combo.SetCurSel(1);
    combo.DeleteString(0);
    QCOMPARE(combo.GetCurSel(), 0);
    QCOMPARE(combo.GetLBText(combo.GetCurSel()), QString("Boris"));
}

void TestColorComboBox::userPickNotifiesTheDialog()
{
    CRecordingDialog dialog;
    dialog.resize(200, 100);
    CColorComboBox combo;
    combo.Create(CRect { 10, 10, 90, 170 }, &dialog, IDC_RHYTHMS);
    combo.SetItemHeight(-1, 14);
    Fill(combo, { "(Default)", "3 rhythms", "Summary" });
    combo.SetCurSel(0);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    combo.setFocus();
    QTest::keyClick(&combo, Qt::Key_Down);
    QCOMPARE(combo.GetCurSel(), 1);
    QCOMPARE(dialog.m_commands, (QList<QPair<int, int>> { { IDC_RHYTHMS, CBN_SELENDOK } }));

    combo.showPopup();
    QAbstractItemView* list = combo.view();
    QTRY_VERIFY(list->isVisible());
    const QPoint summary = list->visualRect(list->model()->index(2, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, summary);
    QCOMPARE(combo.GetCurSel(), 2);
    QCOMPARE(dialog.m_commands.size(), 2);
    QCOMPARE(dialog.m_commands.last(), qMakePair(IDC_RHYTHMS, CBN_SELENDOK));
}

void TestColorComboBox::selectionFromCodeIsSilent()
{
    CRecordingDialog dialog;
    CColorComboBox combo;
    combo.Create(CRect { 10, 10, 90, 170 }, &dialog, IDC_PERSONS);
    Fill(combo, { "(Name)", "Anna" });
    combo.SetCurSel(1);
    combo.InsertString(0, "Boris");
    combo.DeleteString(0);
    combo.SetCurSel(0);
    QVERIFY(dialog.m_commands.isEmpty());
}

void TestColorComboBox::firstOpeningAttachesTheList()
{
    CColorComboBox combo;
    combo.Create(CRect { 0, 0, 53, 100 }, nullptr, IDC_CALENDAR_YEAR);
    combo.SetItemHeight(-1, 14);
    combo.SetItemHeight(0, 14);
    for (int year = 1850; year <= 2100; ++year)
        combo.AddString(QString::number(year));
    combo.SetCurSel(176);
    QVERIFY(!combo.IsListAttached());

    combo.showPopup();
    QVERIFY(combo.IsListAttached());
    QAbstractItemView* list = combo.view();
    QTRY_VERIFY(list->isVisible());
    QVERIFY(list->font().bold());
    QCOMPARE(list->palette().color(QPalette::Base), QColor(255, 255, 255));
    QCOMPARE(list->palette().color(QPalette::Text), QColor(0, 0, 0));
    // The dropped-down extent of 100 pixels leaves room for five rows of 14
    // below the 20-pixel field, and the list scrolls to the chosen year.
    QCOMPARE(list->visualRect(list->model()->index(0, 0)).height(), 14);
    QVERIFY(list->height() <= 100 - 20);
    QVERIFY(list->height() >= 5 * 14);
    QVERIFY(list->viewport()->rect().intersects(list->visualRect(list->model()->index(176, 0))));
    combo.hidePopup();

    // A name of the persons list's greatest length is read whole, after the
    // items' indent of 2 pixels, while the field keeps its width.
    const QString name = QStringLiteral("Maximilianus");
    combo.AddString(name);
    combo.showPopup();
    QTRY_VERIFY(list->isVisible());
    QVERIFY(list->viewport()->width() >= 2 + QFontMetrics(list->font()).horizontalAdvance(name));
    QCOMPARE(combo.width(), 53);
    combo.hidePopup();
}

void TestColorComboBox::closedFieldShowsBlackTextOnWhite()
{
    CColorComboBox combo;
    combo.Create(CRect { 0, 0, 79, 162 }, nullptr, IDC_PERSONS);
    combo.SetItemHeight(-1, 14);
    Fill(combo, { "(Name)" });
    combo.SetCurSel(0);
    const QImage image = combo.grab().toImage();

    QCOMPARE(image.size(), QSize(79, 20));
    QCOMPARE(QColor(image.pixel(55, 3)), QColor(255, 255, 255));
    int darkest = 255;
    for (int x = 2; x < 50; ++x) {
        for (int y = 2; y < 18; ++y)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    }
    QVERIFY(darkest < 40);
}

QTEST_MAIN(TestColorComboBox)
#include "tst_colorcombobox.moc"
