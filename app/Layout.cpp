#include "app/BiorhythmDlg.h"

#include "app/Strings.h"

namespace {

constexpr int kChartArea = 1008;
constexpr int kSeasonPicture = 1054;
constexpr int kAutumnBitmap = 146;
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
    { &CBiorhythmDlg::m_btnHelp, 1011, "Help", { 464, 359, 544, 386 } },
    { &CBiorhythmDlg::m_btnList, 1019, "List", { 372, 359, 452, 386 } },
    { &CBiorhythmDlg::m_btnStart, 1003, "Enter", { 185, 363, 229, 384 } },
    { &CBiorhythmDlg::m_btnPrevMonth, 1001, "", { 73, 363, 117, 384 } },
    { &CBiorhythmDlg::m_btnPrevDate, 1002, "", { 129, 363, 173, 384 } },
    { &CBiorhythmDlg::m_btnNextMonth, 1005, "Next", { 297, 363, 341, 384 } },
    { &CBiorhythmDlg::m_btnNextDate, 1004, "", { 241, 363, 285, 384 } },
    { &CBiorhythmDlg::m_btnInfo, 1037, "", { 314, 127, 346, 146 } },
    { &CBiorhythmDlg::m_btnInsert, 1060, "+", { 354, 75, 384, 94 } },
    { &CBiorhythmDlg::m_btnRemove, 1059, "-", { 354, 101, 384, 120 } },
    { &CBiorhythmDlg::m_btnReset, 1061, ">0<", { 354, 127, 384, 146 } },
    { &CBiorhythmDlg::m_btnCompare, 1062, "C", { 314, 75, 344, 94 } },
    { &CBiorhythmDlg::m_btnCurrentMonth, 1063, "M", { 314, 101, 344, 120 } },
};

struct ToolTipRow {
    int id;
    int text;
};

const ToolTipRow kToolTips[] = {
    { 1037, IDS_TIP_INFO },
    { 1003, IDS_TIP_START },
    { 1001, IDS_TIP_PREV_MONTH },
    { 1002, IDS_TIP_PREV_DATE },
    { 1005, IDS_TIP_NEXT_MONTH },
    { 1004, IDS_TIP_NEXT_DATE },
    { 1060, IDS_TIP_INSERT },
    { 1059, IDS_TIP_REMOVE },
    { 1061, IDS_TIP_RESET },
    { 1063, IDS_TIP_CURRENT_MONTH },
    { 1062, IDS_TIP_COMPARE },
};

} // namespace

void CBiorhythmDlg::CreateTemplateControls()
{
    m_staticChart.Create(DialogUnitsToPixels(kChartAreaUnits), this, kChartArea);
    m_staticChart.SetBackground(m_hbrDialog.Colour());
    m_groupMessage.Create(DialogUnitsToPixels(kMessageFrameUnits), this);
    m_staticPicture.Create(DialogUnitsToPixels(kSeasonPictureUnits), this, kSeasonPicture);
    m_staticPicture.SetBackground(m_hbrDialog.Colour());
    m_staticPicture.SetBitmap(kAutumnBitmap);
    m_groupTools.Create(DialogUnitsToPixels(kToolsFrameUnits), this);
    m_groupToolsInner.Create(DialogUnitsToPixels(kToolsInnerFrameUnits), this);
    m_groupNavigation.Create(DialogUnitsToPixels(kNavigationFrameUnits), this);
}

void CBiorhythmDlg::CreateRunTimeControls()
{
    const QString placeholder = QStringLiteral("MyStatic");
    m_staticHelp.Create(placeholder, { 35, 410, 525, 430 }, this, 1007);
    // The chart painter draws the status icon onto the help line from the
    // window's own paint; the line paints its whole face, so its repaint
    // never asks the window to paint again.
    m_staticHelp.setAttribute(Qt::WA_OpaquePaintEvent);
    m_staticBirth2.Create(placeholder, { 410, 69, 542, 86 }, this, 1010);
    m_staticTools.Create(QStringLiteral("Tools"), { 334, 52, 363, 72 }, this, 1058);
    m_staticBirth1.Create(placeholder, { 410, 47, 542, 64 }, this, 1009);
    m_staticBirth1.SetAlternateColour(false);

    m_comboPersons.Create({ 307, 18, 386, 180 }, this, 1020);
    m_comboPersons.SetItemHeight(-1, kSelectorFieldHeight);
    m_comboRhythms.Create({ 396, 18, 474, 180 }, this, 1053);
    m_comboRhythms.SetItemHeight(-1, kSelectorFieldHeight);

    for (const ButtonRow& row : kButtons)
        (this->*row.button).Create(QString::fromLatin1(row.caption), row.rect, this, row.id);

    m_staticTime.Create(QStringLiteral("(Time)"), { 480, 19, 542, 38 }, this, 1041);
}

void CBiorhythmDlg::AddToolTips()
{
    m_ToolTip.Create(this);
    for (const ToolTipRow& row : kToolTips)
        m_ToolTip.AddTool(GetDlgItem(row.id), LoadString(row.text));
    m_ToolTip.Activate(true);
}
