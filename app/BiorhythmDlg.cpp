// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmDlg.h"

#include "app/AboutDlg.h"
#include "app/ChartAccessibility.h"
#include "app/Strings.h"
#include "app/SystemMenu.h"
#include "app/Translation.h"
#include "calendar/CalendarPanel.h"
#include "modes/Areas.h"
#include "modes/Texts.h"
#include "platform/HelpWindow.h"
#include "res/ResourceIds.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QShortcut>
#include <QWindow>

#include <utility>
#include <vector>

namespace {

constexpr int kClientWidth = 582;
constexpr int kClientHeight = 458;

// The help page in the window's language, where there is one.
QString HelpPage()
{
    const QString translated = QStringLiteral(":/help/index_%1.html").arg(TranslatedLanguage());
    if (!TranslatedLanguage().isEmpty() && QFile::exists(translated))
        return translated;
    return QStringLiteral(":/help/index.html");
}

// What the window does with a control's notification and with a posted
// message; a pair not listed here is ignored.
struct CommandEntry {
    int id;
    int notificationCode;
    void (CBiorhythmDlg::*handler)();
};

const std::vector<CommandEntry> kCommandMap = {
    { IDC_START, BN_CLICKED, &CBiorhythmDlg::OnStart },
    { IDC_NEXT_MONTH, BN_CLICKED, &CBiorhythmDlg::OnNextMonth },
    { IDC_NEXT_DATE, BN_CLICKED, &CBiorhythmDlg::OnNextDate },
    { IDC_PREV_DATE, BN_CLICKED, &CBiorhythmDlg::OnPrevDate },
    { IDC_PREV_MONTH, BN_CLICKED, &CBiorhythmDlg::OnPrevMonth },
    { IDC_HELP, BN_CLICKED, &CBiorhythmDlg::OnHelp },
    { IDC_LIST, BN_CLICKED, &CBiorhythmDlg::OnList },
    { IDC_PERSONS, CBN_SELENDOK, &CBiorhythmDlg::OnSelEndOkPersons },
    { IDC_INFO, BN_CLICKED, &CBiorhythmDlg::OnInfo },
    { IDC_RHYTHMS, CBN_SELENDOK, &CBiorhythmDlg::OnSelEndOkRhythms },
    { IDC_RESET, BN_CLICKED, &CBiorhythmDlg::OnReset },
    { IDC_CURRENT_MONTH, BN_CLICKED, &CBiorhythmDlg::OnCurrentMonth },
    { IDC_INSERT, BN_CLICKED, &CBiorhythmDlg::OnInsert },
    { IDC_REMOVE, BN_CLICKED, &CBiorhythmDlg::OnRemove },
    { IDC_COMPARE, BN_CLICKED, &CBiorhythmDlg::OnCompare },
};

struct MessageEntry {
    UINT message;
    LRESULT (CBiorhythmDlg::*handler)(WPARAM, LPARAM);
};

const std::vector<MessageEntry> kMessageMap = {
    { WM_CALENDAR_CLICKED, &CBiorhythmDlg::OnCalendarClicked },
};

} // namespace

CBiorhythmDlg::CBiorhythmDlg(QWidget* parent, CPersonsStore::Access access)
    : CDialog(parent)
    , m_personsStore(access)
{
    m_hIcon = LoadIconResource(IDI_PROGRAM);
    m_hIcon140 = LoadIconResource(IDI_STATUS_WARNING);
    m_hIcon158 = LoadIconResource(IDI_STATUS_ARROW);
    m_arrPersons.reserve(128);

    setWindowTitle(QStringLiteral("Ryvanta"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(m_hbrDialog.Colour()));
    setPalette(colours);
    setAutoFillBackground(true);

    OnInitDialog();
}

CBiorhythmDlg::~CBiorhythmDlg()
{
    OnDestroy();
}

bool CBiorhythmDlg::OnInitDialog()
{
    auto* printKey = new QShortcut(QKeySequence::Print, this);
    connect(printKey, &QShortcut::activated, this, &CBiorhythmDlg::OnPrint);
    auto* systemMenuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
    connect(systemMenuKey, &QShortcut::activated, this,
        [this] { SystemMenu()->popup(mapToGlobal(QPoint(0, 0))); });

    setWindowIcon(m_hIcon ? m_hIcon->ToQIcon() : QIcon());

    m_pCalendar = new CCalendarPanel(this);
    m_pCalendar->SetDayWarning(false);

    CreateTemplateControls();
    CreateRunTimeControls();
    AddShortcuts();
    InstallChartAccessibility();
    for (CIconButton* button : { &m_btnStart, &m_btnPrevDate, &m_btnNextDate, &m_btnInfo, &m_btnInsert,
             &m_btnRemove, &m_btnCurrentMonth, &m_btnCompare })
        button->m_bActive = false;

    m_nBirthDay = m_nBirthMonth = m_nBirthYear = 0;
    m_nBoundaryDay = m_nChartMonth = m_nMoonMark = 0;
    m_bSeekBoundary = m_bShowDayInfo = m_bCurrentMonthMode = m_bCompareMode = false;
    m_dLongCyclePhase = 0;
    m_nLongCycleSegment = -1;
    m_nDayOfYear = 0;
    m_nCriticalLevel = 1;
    m_strCriticalNote.clear();

    SetWindowText(&m_staticHelp, ModeTexts::HelpInsert());
    SetWindowText(&m_staticBirth1, ModeTexts::BirthCaption());
    SetWindowText(&m_staticBirth2, ModeTexts::BirthCaption());

    AddToolTips();

    m_bAwaitSecondDate = false;
    m_nCompareStep = CompareStep::None;

    LoadPersons();
    return true;
}

void CBiorhythmDlg::OnDestroy()
{
    if (m_bDestroyed)
        return;
    m_bDestroyed = true;

    // No tick of the walk may come after the calendar is gone.
    StopMonthScan();
    SavePendingPersons();
    delete m_pCalendar;
    m_pCalendar = nullptr;
    m_arrPersons.clear();
    m_arrPersons.squeeze();
    CloseHelp();
}

void CBiorhythmDlg::OnSysCommand(UINT id)
{
    switch (id & kSystemCommandMask) {
    case IDM_ABOUTBOX: {
        CAboutDlg about(this);
        about.exec();
        break;
    }
    case IDM_PRINT:
        OnPrint();
        break;
    case IDM_EXPORT_CALENDAR:
        OnExportCalendar();
        break;
    case SC_MOVE:
        if (QWindow* window = windowHandle())
            window->startSystemMove();
        break;
    case SC_MINIMIZE:
        showMinimized();
        break;
    case SC_RESTORE:
        showNormal();
        break;
    case SC_CLOSE:
        reject();
        break;
    default:
        break;
    }
}

void CBiorhythmDlg::OnInfo()
{
    m_bShowDayInfo = !m_bShowDayInfo;
    InvalidateRect(kDayInfoRect);
}

void CBiorhythmDlg::OnHelp()
{
    OpenHelp(this, HelpPage());
}

void CBiorhythmDlg::OnShowWindow(bool show)
{
    if (show && m_pCalendar && !m_bCalendarCreated)
        m_bCalendarCreated = m_pCalendar->Create();
    if (show && !m_strStoredListNotice.isEmpty()) {
        // Once the window is up, so the message has something to stand on.
        const QString notice = std::exchange(m_strStoredListNotice, QString());
        QMetaObject::invokeMethod(this, [this, notice] { ReportStoredListProblem(notice); }, Qt::QueuedConnection);
    }
}

void CBiorhythmDlg::OnCommand(int id, int notificationCode)
{
    // After teardown the commands have no calendar to work on.
    if (m_bDestroyed)
        return;
    for (const CommandEntry& entry : kCommandMap) {
        if (entry.id == id && entry.notificationCode == notificationCode) {
            (this->*entry.handler)();
            return;
        }
    }
}

LRESULT CBiorhythmDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    for (const MessageEntry& entry : kMessageMap) {
        if (entry.message == message)
            return (this->*entry.handler)(wParam, lParam);
    }
    return CDialog::OnMessage(message, wParam, lParam);
}

void CBiorhythmDlg::paintEvent(QPaintEvent*)
{
    OnPaint();
}

void CBiorhythmDlg::showEvent(QShowEvent* event)
{
    CDialog::showEvent(event);
    OnShowWindow(true);
}

void CBiorhythmDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        OnOK();
        event->accept();
        return;
    }
    CDialog::keyPressEvent(event);
}

// Built when first opened: a menu lays itself out whenever the window is
// laid out or grabbed, which loads a font and a part of the toolkit that a
// window nobody right-clicks never needs.
QMenu* CBiorhythmDlg::SystemMenu()
{
    if (m_pSystemMenu)
        return m_pSystemMenu;
    m_pSystemMenu = new QMenu(this);
    BuildSystemMenu(m_pSystemMenu, LoadString(IDS_ABOUTBOX));
    // Out of use until a month is charted; the menu checks again as it opens.
    m_pPrintAction = AddPrintCommand(m_pSystemMenu);
    m_pPrintAction->setEnabled(false);
    AddExportEntry();
    connect(m_pSystemMenu, &QMenu::triggered, this,
        [this](QAction* action) { OnSysCommand(action->data().toUInt()); });
    connect(m_pSystemMenu, &QMenu::aboutToShow, this, [this] { m_pPrintAction->setEnabled(CanExportMonth()); });
    return m_pSystemMenu;
}

void CBiorhythmDlg::contextMenuEvent(QContextMenuEvent* event)
{
    if (childAt(event->pos())) {
        event->ignore();
        return;
    }
    SystemMenu()->popup(event->globalPos());
}

void CBiorhythmDlg::done(int result)
{
    CDialog::done(result);
    OnDestroy();
}
