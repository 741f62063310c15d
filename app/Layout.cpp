// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmDlg.h"

#include "app/Strings.h"
#include "res/ResourceIds.h"

#include <QCoreApplication>
#include <QShortcut>

namespace {

constexpr int kSelectorFieldHeight = 14;

// Template controls, in dialog units.
const QRect kChartAreaUnits { 11, 114, 249, 89 };
const QRect kSeasonPictureUnits { 283, 62, 83, 146 };
const QRect kMessageFrameUnits { 14, 244, 349, 22 };
const QRect kToolsFrameUnits { 204, 26, 58, 79 };
const QRect kToolsInnerFrameUnits { 216, 37, 35, 63 };
const QRect kNavigationFrameUnits { 38, 215, 200, 27 };

struct ButtonRow {
    CIconButton CBiorhythmDlg::*button;
    int id;
    const char* caption;
    CRect rect;
};

// In creation order, which is also the order the buttons stack in.
const ButtonRow kButtons[] = {
    { &CBiorhythmDlg::m_btnHelp, IDC_HELP, QT_TRANSLATE_NOOP("Buttons", "Help"), { 464, 359, 544, 386 } },
    { &CBiorhythmDlg::m_btnList, IDC_LIST, QT_TRANSLATE_NOOP("Buttons", "List"), { 372, 359, 452, 386 } },
    { &CBiorhythmDlg::m_btnStart, IDC_START, QT_TRANSLATE_NOOP("Buttons", "Enter"), { 185, 363, 229, 384 } },
    { &CBiorhythmDlg::m_btnPrevMonth, IDC_PREV_MONTH, "", { 73, 363, 117, 384 } },
    { &CBiorhythmDlg::m_btnPrevDate, IDC_PREV_DATE, "", { 129, 363, 173, 384 } },
    { &CBiorhythmDlg::m_btnNextMonth, IDC_NEXT_MONTH, QT_TRANSLATE_NOOP("Buttons", "Next"), { 297, 363, 341, 384 } },
    { &CBiorhythmDlg::m_btnNextDate, IDC_NEXT_DATE, "", { 241, 363, 285, 384 } },
    { &CBiorhythmDlg::m_btnInfo, IDC_INFO, "", { 314, 127, 346, 146 } },
    { &CBiorhythmDlg::m_btnInsert, IDC_INSERT, "+", { 354, 75, 384, 94 } },
    { &CBiorhythmDlg::m_btnRemove, IDC_REMOVE, "-", { 354, 101, 384, 120 } },
    { &CBiorhythmDlg::m_btnReset, IDC_RESET, ">0<", { 354, 127, 384, 146 } },
    { &CBiorhythmDlg::m_btnCompare, IDC_COMPARE, "C", { 314, 75, 344, 94 } },
    { &CBiorhythmDlg::m_btnCurrentMonth, IDC_CURRENT_MONTH, "M", { 314, 101, 344, 120 } },
};

struct ToolTipRow {
    int id;
    int text;
};

const ToolTipRow kToolTips[] = {
    { IDC_INFO, IDS_TIP_INFO },
    { IDC_START, IDS_TIP_START },
    { IDC_PREV_MONTH, IDS_TIP_PREV_MONTH },
    { IDC_PREV_DATE, IDS_TIP_PREV_DATE },
    { IDC_NEXT_MONTH, IDS_TIP_NEXT_MONTH },
    { IDC_NEXT_DATE, IDS_TIP_NEXT_DATE },
    { IDC_INSERT, IDS_TIP_INSERT },
    { IDC_REMOVE, IDS_TIP_REMOVE },
    { IDC_RESET, IDS_TIP_RESET },
    { IDC_CURRENT_MONTH, IDS_TIP_CURRENT_MONTH },
    { IDC_COMPARE, IDS_TIP_COMPARE },
};

// Each button's keys, pressing it from wherever the focus is. Plain letters
// are left to the name selector's type-ahead, the arrow keys and Space to
// the calendar's days, and Ctrl+P to printing.
struct KeyRow {
    int id;
    const char* keys;
};

const KeyRow kButtonKeys[] = {
    { IDC_PREV_MONTH, "PgUp" },
    { IDC_NEXT_MONTH, "PgDown" },
    { IDC_PREV_DATE, "Alt+Left" },
    { IDC_NEXT_DATE, "Alt+Right" },
    { IDC_START, "Ctrl+Return; Ctrl+Enter" },
    { IDC_HELP, "F1" },
    { IDC_INSERT, "Ins" },
    { IDC_REMOVE, "Del" },
    { IDC_COMPARE, "Ctrl+B" },
    { IDC_CURRENT_MONTH, "Ctrl+M" },
    { IDC_INFO, "Ctrl+I" },
    { IDC_RESET, "Ctrl+R" },
    { IDC_LIST, "Ctrl+L" },
};

} // namespace

void CBiorhythmDlg::CreateTemplateControls()
{
    m_staticChart.Create(DialogUnitsToPixels(kChartAreaUnits), this, IDC_CHART);
    m_staticChart.SetBackground(m_hbrDialog.Colour());
    m_groupMessage.Create(DialogUnitsToPixels(kMessageFrameUnits), this);
    m_staticPicture.Create(DialogUnitsToPixels(kSeasonPictureUnits), this, IDC_SEASON_PICTURE);
    m_staticPicture.SetBackground(m_hbrDialog.Colour());
    m_staticPicture.SetBitmap(IDB_AUTUMN);
    m_groupTools.Create(DialogUnitsToPixels(kToolsFrameUnits), this);
    m_groupToolsInner.Create(DialogUnitsToPixels(kToolsInnerFrameUnits), this);
    m_groupNavigation.Create(DialogUnitsToPixels(kNavigationFrameUnits), this);
}

void CBiorhythmDlg::CreateRunTimeControls()
{
    const QString placeholder = QStringLiteral("MyStatic");
    m_staticHelp.Create(placeholder, { 35, 410, 525, 430 }, this, IDC_HELP_LINE);
    // The chart painter draws the status icon onto the help line from the
    // window's own paint; the line paints its whole face, so its repaint
    // never asks the window to paint again.
    m_staticHelp.setAttribute(Qt::WA_OpaquePaintEvent);
    m_staticBirth2.Create(placeholder, { 410, 69, 542, 86 }, this, IDC_BIRTH2);
    m_staticTools.Create(QCoreApplication::translate("Window", "Tools"), { 334, 52, 363, 72 }, this, IDC_TOOLS);
    m_staticBirth1.Create(placeholder, { 410, 47, 542, 64 }, this, IDC_BIRTH1);
    m_staticBirth1.SetAlternateColour(false);

    m_comboPersons.Create({ 307, 18, 386, 180 }, this, IDC_PERSONS);
    m_comboPersons.SetItemHeight(-1, kSelectorFieldHeight);
    m_comboRhythms.Create({ 396, 18, 474, 180 }, this, IDC_RHYTHMS);
    m_comboRhythms.SetItemHeight(-1, kSelectorFieldHeight);

    for (const ButtonRow& row : kButtons)
        (this->*row.button).Create(QCoreApplication::translate("Buttons", row.caption), row.rect, this, row.id);

    m_staticTime.Create(QStringLiteral("(Time)"), { 480, 19, 542, 38 }, this, IDC_TIME);
}

void CBiorhythmDlg::AddShortcuts()
{
    for (const KeyRow& row : kButtonKeys) {
        auto* button = qobject_cast<CIconButton*>(GetDlgItem(row.id));
        const QList<QKeySequence> keys = QKeySequence::listFromString(QString::fromLatin1(row.keys));
        button->SetKeys(keys);
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        shortcut->setContext(Qt::WindowShortcut);
        // The button's own check decides, as for a click: an inactive one
        // leaves the window as it was.
        connect(shortcut, &QShortcut::activated, button, &CIconButton::Press);
    }
}

void CBiorhythmDlg::AddToolTips()
{
    m_ToolTip.Create(this);
    for (const ToolTipRow& row : kToolTips)
        m_ToolTip.AddTool(GetDlgItem(row.id), LoadString(row.text));
    m_ToolTip.Activate(true);
}
