// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/CalendarPanel.h"

#include "app/Strings.h"
#include "calendar/DayGrid.h"
#include "controls/DialogColour.h"
#include "model/CalendarArithmetic.h"
#include "platform/DeviceContext.h"
#include "platform/Today.h"

#include <QCoreApplication>
#include <QDate>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <array>
#include <tuple>

namespace {

constexpr CRect kMonthSelectorRect { 148, 17, 236, 180 };
constexpr CRect kYearSelectorRect { 240, 17, 293, 180 };
constexpr int kSelectorItemHeight = 14;

// The template is 203 x 111 dialog units at the parent's top-left corner.
constexpr int kPanelWidthUnits = 203;
constexpr int kPanelHeightUnits = 111;

constexpr COLORREF kBackColour = kDialogBackColour;
constexpr COLORREF kTintColour = RGB(190, 255, 235);
constexpr COLORREF kFrameLightColour = RGB(250, 253, 255);
constexpr COLORREF kFrameShadowColour = RGB(102, 102, 102);
constexpr COLORREF kSelectionShadowColour = RGB(136, 136, 136);
constexpr COLORREF kSelectionFillColour = RGB(0, 0, 144);
constexpr COLORREF kDayTextColour = RGB(0, 0, 51);
constexpr COLORREF kSelectedDayTextColour = RGB(255, 255, 255);
constexpr COLORREF kNeighbourDayTextColour = RGB(136, 136, 136);
constexpr COLORREF kHeadingTextColour = RGB(0, 0, 0);
constexpr COLORREF kTitleColour = RGB(240, 0, 48);

// Week rows of 38 x 17 cells, 18 pixels apart, so a 1-pixel gap separates
// the rows; the heading row sits one pitch above the first week.
constexpr int kGridLeft = 24;
constexpr int kGridTop = 62;
constexpr int kCellWidth = 38;
constexpr int kCellHeight = 17;
constexpr int kRowPitch = 18;
constexpr int kColumns = 7;
constexpr int kWeekRows = 6;
constexpr int kCells = kColumns * kWeekRows;
constexpr int kHeadingRowTop = kGridTop - kRowPitch;

constexpr CPoint kDayTextOffset { 3, 3 };
constexpr CPoint kHeadingTextOffset { 5, 1 };
// A weekday's name keeps clear of its cell's right-hand line.
constexpr int kHeadingRoom = kCellWidth - kHeadingTextOffset.x - 2;
constexpr CPoint kMarkOffset { 17, 2 };
constexpr int kSecondMarkShift = 10;
constexpr CPoint kWarningOffset { 14, -1 };
constexpr CPoint kSavedWarningOffset { 14, 2 };

// The title is centred in the band left of the month selector.
constexpr int kTitleBandLeft = 18;
constexpr int kTitleBandWidth = 115;
constexpr int kTitleTop = 18;

constexpr const char* kFontFace = "Arial";
constexpr int kDayFontHeight = 14;
constexpr int kTitleFontHeight = 18;

// The title is centred on its band; a longer one may reach out of the band
// as far as the panel's edge on the left and the month selector on the right.
constexpr int kTitleClearance = 2;

int TitleRoom()
{
    const int centre = kTitleBandLeft + kTitleBandWidth / 2;
    return 2 * (std::min(centre, kMonthSelectorRect.left - centre) - kTitleClearance);
}

void CreateHeadingFont(CFont& font)
{
    font.Create(kFontFace, kDayFontHeight, FW_BOLD);
}

void CreateTitleFont(CFont& font)
{
    font.Create(kFontFace, kTitleFontHeight, FW_BOLD, true);
}

QString Title(int month, int year)
{
    return QStringLiteral("%1 %2").arg(MonthName(month)).arg(year);
}

CPoint Offset(const CRect& rect, CPoint offset)
{
    return { rect.left + offset.x, rect.top + offset.y };
}

} // namespace

CCalendarPanel::CCalendarPanel(QWidget* parent)
    : CDialog(parent)
    , m_hIconWarning(LoadIconResource(IDI_DAY_WARNING))
    , m_hIconMark1(LoadIconResource(IDI_MARK1))
    , m_hIconMark2(LoadIconResource(IDI_MARK2))
    , m_hIconSavedWarning(LoadIconResource(IDI_SAVED_WARNING))
    , m_pParent(parent)
{
}

CCalendarPanel::~CCalendarPanel() = default;

bool CCalendarPanel::Create()
{
    setParent(m_pParent, Qt::Widget);
    setGeometry(DialogUnitsToPixels(0, 0, kPanelWidthUnits, kPanelHeightUnits));
    if (!OnInitDialog())
        return false;
    show();
    return true;
}

bool CCalendarPanel::OnInitDialog()
{
    for (auto [combo, rect, id] : { std::tuple { &m_comboMonth, kMonthSelectorRect, IDC_CALENDAR_MONTH },
                                    std::tuple { &m_comboYear, kYearSelectorRect, IDC_CALENDAR_YEAR } }) {
        combo->Create(rect, this, id);
        combo->SetItemHeight(-1, kSelectorItemHeight);
        combo->SetItemHeight(0, kSelectorItemHeight);
    }

    const QDate today = Today();
    m_nDay = today.day();
    m_nMonth = today.month();
    m_nYear = today.year();
    m_bDayWarning = false;
    m_bShowMarks = false;
    m_bCurrentMonthMode = false;

    m_comboMonth.ResetContent();
    for (int month = 1; month <= 12; ++month)
        m_comboMonth.AddString(MonthName(month));
    m_comboYear.ResetContent();
    for (int year = kFirstYear; year <= kLastYear; ++year)
        m_comboYear.AddString(QString::number(year));
    SelectShownMonthAndYear();

    // Created after the selectors, so Tab reaches it after them.
    auto* grid = new CDayGrid(this);
    PlaceControl(grid, QRect(kGridLeft, kGridTop, kColumns * kCellWidth, (kWeekRows - 1) * kRowPitch + kCellHeight),
        this, IDC_CALENDAR_DAYS);
    setTabOrder(&m_comboYear, grid);
    m_pDayGrid = grid;

    UpdateSelectedRect();
    m_rcSaved.SetRectEmpty();
    m_hbrBack.CreateSolidBrush(kBackColour);
    return true;
}

int CCalendarPanel::GetDaysInMonth() const
{
    return DaysInMonth(m_nMonth, m_nYear);
}

void CCalendarPanel::SelectDay(int nDay)
{
    if (nDay >= 0 && nDay <= GetDaysInMonth()) {
        m_rcSelected.SetRectEmpty();
        m_nDay = nDay;
        if (nDay != 0)
            UpdateSelectedRect();
    }
    Invalidate();
}

void CCalendarPanel::SetMonth(int nMonth)
{
    ClearSelectionAndSaved();
    if (nMonth >= 1 && nMonth <= 12)
        m_nMonth = nMonth;
    SelectShownMonthAndYear();
    Invalidate();
}

void CCalendarPanel::SetYear(int nYear)
{
    ClearSelectionAndSaved();
    if (nYear >= kFirstYear && nYear <= kLastYear)
        m_nYear = nYear;
    SelectShownMonthAndYear();
    Invalidate();
}

void CCalendarPanel::NextMonth(int nDay)
{
    if (m_nYear >= kLastYear && m_nMonth == 12)
        return;
    ClearSelectionAndSaved();
    if (++m_nMonth > 12) {
        m_nMonth = 1;
        ++m_nYear;
    }
    // A day the new month does not have would leave an impossible date.
    m_nDay = (nDay >= 0 && nDay <= GetDaysInMonth()) ? nDay : 0;
    SelectShownMonthAndYear();
    if (m_nDay != 0)
        UpdateSelectedRect();
    Invalidate();
}

void CCalendarPanel::PrevMonth(int nDay)
{
    if (m_nYear <= kFirstYear && m_nMonth == 1)
        return;
    ClearSelectionAndSaved();
    if (--m_nMonth < 1) {
        m_nMonth = 12;
        --m_nYear;
    }
    m_nDay = (nDay >= 0 && nDay <= GetDaysInMonth()) ? nDay : 0;
    SelectShownMonthAndYear();
    if (m_nDay != 0)
        UpdateSelectedRect();
    Invalidate();
}

void CCalendarPanel::UpdateSelectedRect()
{
    if (m_nDay >= 1 && m_nDay <= GetDaysInMonth())
        m_rcSelected = CellRect(CellOfDay(m_nDay));
    else
        m_rcSelected.SetRectEmpty();
}

void CCalendarPanel::SetMarkedDays(int nDay1, int nDay2, bool bShow)
{
    m_nMarkDay1 = nDay1;
    m_nMarkDay2 = nDay2;
    m_bShowMarks = bShow;
    Invalidate();
}

void CCalendarPanel::GetMarkedDays(int* pnDay1, int* pnDay2) const
{
    if (pnDay1)
        *pnDay1 = m_nMarkDay1;
    if (pnDay2)
        *pnDay2 = m_nMarkDay2;
}

void CCalendarPanel::SaveSelection()
{
    if (m_bShowMarks) {
        m_nSavedDay = m_nMarkDay1;
        m_nSavedMarkDay2 = m_nMarkDay2;
    } else {
        m_nSavedDay = m_nDay;
        m_rcSaved = m_rcSelected;
    }
    m_bSavedWarning = m_bDayWarning;
}

void CCalendarPanel::RestoreSelection()
{
    if (m_bShowMarks) {
        m_nDay = 0;
        m_rcSelected.SetRectEmpty();
        SetMarkedDays(m_nSavedDay, m_nSavedMarkDay2, true);
    } else {
        SelectDay(m_nSavedDay);
        m_bDayWarning = m_bSavedWarning;
    }
}

CRect CCalendarPanel::CellRect(int cell)
{
    const int left = kGridLeft + kCellWidth * (cell % kColumns);
    const int top = kGridTop + kRowPitch * (cell / kColumns);
    return { left, top, left + kCellWidth, top + kCellHeight };
}

void CCalendarPanel::OnCommand(int id, int notificationCode)
{
    if (notificationCode == CBN_SELENDOK && id == IDC_CALENDAR_MONTH)
        OnSelEndOkMonth();
    else if (notificationCode == CBN_SELENDOK && id == IDC_CALENDAR_YEAR)
        OnSelEndOkYear();
    else
        CDialog::OnCommand(id, notificationCode);
}

void CCalendarPanel::OnSelEndOkMonth()
{
    const int item = m_comboMonth.GetCurSel();
    if (item >= 0 && item < 12)
        m_nMonth = item + 1;
    ClearSelectionAndSaved();
    SetMarkedDays(0, 0, m_bShowMarks);
}

void CCalendarPanel::OnSelEndOkYear()
{
    const int item = m_comboYear.GetCurSel();
    if (item >= 0 && item <= kLastYear - kFirstYear)
        m_nYear = item + kFirstYear;
    ClearSelectionAndSaved();
    SetMarkedDays(0, 0, m_bShowMarks);
}

bool CCalendarPanel::OnLButtonDown(CPoint point)
{
    if (!m_bCurrentMonthMode || m_bDayWarning)
        SaveSelection();

    int hit = -1;
    for (int cell = 0; cell < kCells && hit < 0; ++cell) {
        if (CellRect(cell).PtInRect(point))
            hit = cell;
    }
    if (hit < 0)
        return false;

    const int day = DayOfCell(hit);
    const int days = GetDaysInMonth();
    const int shownMonth = m_nMonth;
    if (day < 1) {
        PrevMonth(PreviousMonthLength() + day);
    } else if (day > days) {
        NextMonth(day - days);
    } else {
        m_rcSelected = CellRect(hit);
        m_nDay = day;
    }
    m_nFrameDay = m_nDay;
    // Paged by the user, as with the selectors: the marks were the days of
    // the month left behind, and would stand on wrong days of this one.
    if (m_nMonth != shownMonth)
        SetMarkedDays(0, 0, m_bShowMarks);
    // Posted even when the month could not be paged at the ends of the range.
    PostMessage(m_pParent, WM_CALENDAR_CLICKED, IDD_CALENDAR, 0);
    Invalidate();
    return true;
}

int CCalendarPanel::FrameDay() const
{
    return std::clamp(m_nFrameDay, 1, GetDaysInMonth());
}

void CCalendarPanel::StartFrame()
{
    const QDate today = Today();
    if (m_nDay >= 1 && m_nDay <= GetDaysInMonth())
        m_nFrameDay = m_nDay;
    else if (today.year() == m_nYear && today.month() == m_nMonth)
        m_nFrameDay = today.day();
    else
        m_nFrameDay = 1;
}

bool CCalendarPanel::MoveFrame(int days)
{
    const QDate target = QDate(m_nYear, m_nMonth, FrameDay()).addDays(days);
    if (target.year() < kFirstYear || target.year() > kLastYear)
        return false;
    if (target.month() != m_nMonth || target.year() != m_nYear) {
        // Paged by the user, as with the selectors: the selection and the
        // marks were days of the month left behind.
        m_nMonth = target.month();
        m_nYear = target.year();
        ClearSelectionAndSaved();
        SelectShownMonthAndYear();
        SetMarkedDays(0, 0, m_bShowMarks);
    }
    m_nFrameDay = target.day();
    if (m_pDayGrid)
        m_pDayGrid->update();
    return true;
}

void CCalendarPanel::ClickFrame()
{
    const CRect cell = CellRect(CellOfDay(FrameDay()));
    OnLButtonDown({ (cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2 });
}

QDate CCalendarPanel::DateOfCell(int cell) const
{
    return QDate(m_nYear, m_nMonth, 1).addDays(DayOfCell(cell) - 1);
}

void CCalendarPanel::keyPressEvent(QKeyEvent* event)
{
    // Escape closes the main window from either selector of the panel: the
    // panel's own Cancel, which does nothing, would swallow it.
    if (event->matches(QKeySequence::Cancel)) {
        event->ignore();
        return;
    }
    CDialog::keyPressEvent(event);
}

void CCalendarPanel::mousePressEvent(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    if (event->button() == Qt::LeftButton && OnLButtonDown({ position.x(), position.y() }))
        return;
    CDialog::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && m_pParent)
        m_pParent->setFocus();
}

void CCalendarPanel::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click is no click on a day: passed on as
    // one, it would page a second time after a grey day, or select the day
    // that the paging moved under the pointer, and notify twice.
    if (event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    CDialog::mouseDoubleClickEvent(event);
}

void CCalendarPanel::paintEvent(QPaintEvent*)
{
    OnPaint();
}

void CCalendarPanel::OnPaint()
{
    CPaintDC dc(this);
    dc.FillRect(CRect::FromQRect(rect()), &m_hbrBack);

    CFont dayFont;
    dayFont.Create(kFontFace, kDayFontHeight, FW_NORMAL);
    CFont* previousFont = dc.SelectObject(&dayFont);

    if (m_bCurrentMonthMode) {
        CBrush tint(kTintColour);
        CBrush* previousBrush = dc.SelectObject(&tint);
        dc.Rectangle(kGridLeft, kGridTop, kGridLeft + kColumns * kCellWidth, kGridTop + kWeekRows * kRowPitch);
        dc.SelectObject(previousBrush);
    }
    DrawCellFrames(dc);
    DrawSelection(dc);

    dc.SetBkMode(TRANSPARENT);
    DrawDayNumbers(dc);
    DrawSelectedDay(dc);
    DrawMarks(dc);
    DrawNeighbourDays(dc);

    CFont headingFont;
    CreateHeadingFont(headingFont);
    dc.SelectObject(&headingFont);
    DrawHeadings(dc, headingFont);

    CFont titleFont;
    CreateTitleFont(titleFont);
    dc.SelectObject(&titleFont);
    DrawTitle(dc, titleFont);

    dc.SelectObject(previousFont);
}

void CCalendarPanel::DrawCellFrames(CDC& dc) const
{
    // Each cell has two frames, the inner one a pixel in from the top left.
    // No light edge falls on a dark one, so all can be drawn in one go.
    std::array<CRect, 2 * (kWeekRows + 1) * kColumns> frames;
    auto frame = frames.begin();
    for (int row = 0; row <= kWeekRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const int x = kGridLeft + kCellWidth * column;
            const int y = kHeadingRowTop + kRowPitch * row;
            *frame++ = { x, y, x + kCellWidth, y + kCellHeight };
            *frame++ = { x + 1, y + 1, x + kCellWidth, y + kCellHeight };
        }
    }
    dc.Draw3dRects(frames, kFrameLightColour, kFrameShadowColour);
}

void CCalendarPanel::DrawSelection(CDC& dc) const
{
    if (m_rcSelected.IsRectEmpty())
        return;
    dc.Draw3dRect(m_rcSelected, RGB(0, 0, 0), kSelectionShadowColour);
    CBrush fill(kSelectionFillColour);
    CBrush* previousBrush = dc.SelectObject(&fill);
    dc.Rectangle(m_rcSelected.left + 2, m_rcSelected.top + 2, m_rcSelected.right - 2, m_rcSelected.bottom - 2);
    dc.SelectObject(previousBrush);
}

void CCalendarPanel::DrawDayNumbers(CDC& dc) const
{
    dc.SetTextColor(kDayTextColour);
    for (int day = 1; day <= GetDaysInMonth(); ++day) {
        const CPoint text = Offset(CellRect(CellOfDay(day)), kDayTextOffset);
        dc.TextOut(text.x, text.y, QString::number(day));
    }
}

void CCalendarPanel::DrawSelectedDay(CDC& dc) const
{
    if (m_nDay < 1 || m_nDay > GetDaysInMonth())
        return;
    const CPoint text = Offset(CellRect(CellOfDay(m_nDay)), kDayTextOffset);
    dc.SetTextColor(kSelectedDayTextColour);
    dc.TextOut(text.x, text.y, QString::number(m_nDay));
    if (m_bDayWarning) {
        dc.DrawIcon(text.x + kWarningOffset.x, text.y + kWarningOffset.y, m_hIconWarning);
    } else if (m_bSavedWarning && m_bCurrentMonthMode && !m_rcSaved.IsRectEmpty()) {
        const CPoint icon = Offset(m_rcSaved, kSavedWarningOffset);
        dc.DrawIcon(icon.x, icon.y, m_hIconSavedWarning);
    }
}

void CCalendarPanel::DrawMarks(CDC& dc) const
{
    if (!m_bShowMarks)
        return;
    const int days = GetDaysInMonth();
    if (m_nMarkDay1 >= 1 && m_nMarkDay1 <= days) {
        const CPoint icon = Offset(CellRect(CellOfDay(m_nMarkDay1)), kMarkOffset);
        dc.DrawIcon(icon.x, icon.y, m_hIconMark1);
    }
    if (m_nMarkDay2 >= 1 && m_nMarkDay2 <= days) {
        // The same day twice shows both umbrellas side by side.
        const int shift = m_nMarkDay2 == m_nMarkDay1 ? kSecondMarkShift : 0;
        const CPoint icon = Offset(CellRect(CellOfDay(m_nMarkDay2)), kMarkOffset);
        dc.DrawIcon(icon.x + shift, icon.y, m_hIconMark2);
    }
}

void CCalendarPanel::DrawNeighbourDays(CDC& dc) const
{
    dc.SetTextColor(kNeighbourDayTextColour);
    const int firstCell = CellOfDay(1);
    const int previousLength = PreviousMonthLength();
    for (int cell = 0; cell < firstCell; ++cell) {
        const CPoint text = Offset(CellRect(cell), kDayTextOffset);
        dc.TextOut(text.x, text.y, QString::number(previousLength + DayOfCell(cell)));
    }
    const int days = GetDaysInMonth();
    for (int cell = CellOfDay(days) + 1; cell < kCells; ++cell) {
        const CPoint text = Offset(CellRect(cell), kDayTextOffset);
        dc.TextOut(text.x, text.y, QString::number(DayOfCell(cell) - days));
    }
}

void CCalendarPanel::DrawHeadings(CDC& dc, const CFont& font) const
{
    dc.SetTextColor(kHeadingTextColour);
    for (int column = 0; column < kColumns; ++column) {
        const CPoint text = Offset(CellRect(column), kHeadingTextOffset);
        TextOutInRoom(dc, text.x, text.y - kRowPitch, WeekdayShortName(column + 1), font, kHeadingRoom);
    }
}

std::vector<TextRoom> CCalendarPanel::TextRooms() const
{
    CFont headingFont;
    CFont titleFont;
    CreateHeadingFont(headingFont);
    CreateTitleFont(titleFont);
    std::vector<TextRoom> rooms;
    for (int month = 1; month <= 12; ++month)
        rooms.push_back({ nullptr, Title(month, m_nYear), titleFont.ToQFont(), TitleRoom() });
    for (int column = 0; column < kColumns; ++column)
        rooms.push_back({ nullptr, WeekdayShortName(column + 1), headingFont.ToQFont(), kHeadingRoom });
    return rooms;
}

void CCalendarPanel::DrawTitle(CDC& dc, const CFont& font) const
{
    const QString title = Title(m_nMonth, m_nYear);
    dc.SetTextColor(kTitleColour);
    // A title too wide for its room is narrowed to it and centred all the same.
    const int width = std::min(dc.GetTextExtent(title).cx, TitleRoom());
    TextOutInRoom(dc, kTitleBandLeft + (kTitleBandWidth - width) / 2, kTitleTop, title, font, TitleRoom());
}

int CCalendarPanel::LeadWeekday() const
{
    const QDate first(m_nYear, m_nMonth, 1);
    return first.isValid() ? first.dayOfWeek() : 1;
}

// The 1st stands in the column of its weekday, Monday first.
int CCalendarPanel::CellOfDay(int day) const
{
    return day + LeadWeekday() - 2;
}

int CCalendarPanel::DayOfCell(int cell) const
{
    return cell - LeadWeekday() + 2;
}

int CCalendarPanel::PreviousMonthLength() const
{
    return DaysInMonth(m_nMonth == 1 ? 12 : m_nMonth - 1, m_nYear);
}

void CCalendarPanel::ClearSelectionAndSaved()
{
    m_nDay = 0;
    m_rcSelected.SetRectEmpty();
    m_rcSaved.SetRectEmpty();
    m_nSavedDay = 0;
    m_nSavedMarkDay2 = 0;
    m_bSavedWarning = false;
}

void CCalendarPanel::SelectShownMonthAndYear()
{
    m_comboMonth.SetCurSel(m_nMonth - 1);
    m_comboYear.SetCurSel(m_nYear - kFirstYear);
}
