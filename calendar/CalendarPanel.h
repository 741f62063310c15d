// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/ColorComboBox.h"
#include "controls/Narrowing.h"
#include "model/CalendarArithmetic.h"
#include "platform/Gdi.h"
#include "platform/Window.h"
#include "res/ResourceIds.h"

#include <vector>

class CDC;
class QDate;
class QKeyEvent;
class QMouseEvent;
class QPaintEvent;

// The month calendar through which every date is entered. It shows one
// month as six week rows under a title and two selectors, keeps the selected
// day, up to two marked days and a warning sign, and remembers one earlier
// selection so that the main window can take back a click it refuses.
class CCalendarPanel : public CDialog
{
    Q_OBJECT
public:
    // Builds the object only; the window appears with Create().
    explicit CCalendarPanel(QWidget* parent);
    ~CCalendarPanel() override;

    bool Create();

    int GetDaysInMonth() const;
    void SelectDay(int nDay);
    void SetMonth(int nMonth);
    void SetYear(int nYear);
    void NextMonth(int nDay);
    void PrevMonth(int nDay);
    void UpdateSelectedRect();
    void SetDayWarning(bool b) { m_bDayWarning = b; }
    void SetMarkedDays(int nDay1, int nDay2, bool bShow);
    void GetMarkedDays(int* pnDay1, int* pnDay2) const;
    void SaveSelection();
    void RestoreSelection();
    void SetCurrentMonthMode(bool b) { m_bCurrentMonthMode = b; }
    void SetSavedWarning(bool b) { m_bSavedWarning = b; }

    // The day grid as a keyboard reaches it: a focus target after the two
    // selectors, over which the arrow keys move a frame from day to day and
    // Space clicks the framed day.
    QWidget* DayGrid() const { return m_pDayGrid; }
    // The framed day of the shown month.
    int FrameDay() const;
    // Puts the frame where a user coming to the grid looks first.
    void StartFrame();
    // Moves the frame by days, paging the month as the user would where it
    // leaves the shown one; false, and nothing moved, past the range's ends.
    bool MoveFrame(int days);
    void ClickFrame();
    // The date a cell stands for, grey days included.
    QDate DateOfCell(int cell) const;

    bool DayWarning() const { return m_bDayWarning; }
    bool ShowMarks() const { return m_bShowMarks; }
    bool SavedWarning() const { return m_bSavedWarning; }
    bool CurrentMonthMode() const { return m_bCurrentMonthMode; }
    int SavedDay() const { return m_nSavedDay; }
    int SavedMarkDay2() const { return m_nSavedMarkDay2; }
    CRect SelectedRect() const { return m_rcSelected; }
    CRect SavedRect() const { return m_rcSaved; }
    const CBrush& OnCtlColor() const { return m_hbrBack; }

    // The panel's own cell geometry, in client pixels: cell 0..41, row by row
    // from Monday of the first week.
    static CRect CellRect(int cell);
    // The cell of a day of the shown month, and the day of a cell. Days
    // before the 1st (0, -1, ...) and after the month's last day stand in
    // the grey cells around it.
    int CellOfDay(int day) const;
    int DayOfCell(int cell) const;

    void OnCommand(int id, int notificationCode) override;
    void OnSelEndOkMonth();
    void OnSelEndOkYear();
    // Returns whether a day cell was hit.
    bool OnLButtonDown(CPoint point);
    void OnPaint();
    // Enter and Esc must never close the panel.
    void OnOK() { }
    void OnCancel() { }

    int m_nDay = 0;
    int m_nMonth = 1;
    int m_nYear = kFirstYear;

protected:
    bool OnInitDialog();
    void accept() override { OnOK(); }
    void reject() override { OnCancel(); }
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int LeadWeekday() const;
    int PreviousMonthLength() const;
    void ClearSelectionAndSaved();
    void SelectShownMonthAndYear();

    void DrawCellFrames(CDC& dc) const;
    void DrawSelection(CDC& dc) const;
    void DrawDayNumbers(CDC& dc) const;
    void DrawSelectedDay(CDC& dc) const;
    void DrawMarks(CDC& dc) const;
    void DrawNeighbourDays(CDC& dc) const;
    void DrawHeadings(CDC& dc, const CFont& font) const;
    void DrawTitle(CDC& dc, const CFont& font) const;

    int m_nMarkDay1 = 0;
    int m_nMarkDay2 = 0;
    int m_nSavedDay = 0;
    int m_nSavedMarkDay2 = 0;
    bool m_bDayWarning = false;
    bool m_bShowMarks = false;
    bool m_bSavedWarning = false;
    bool m_bCurrentMonthMode = false;
    CRect m_rcSelected;
    CRect m_rcSaved;
    CBrush m_hbrBack;
    HICON m_hIconWarning = nullptr;
    HICON m_hIconMark1 = nullptr;
    HICON m_hIconMark2 = nullptr;
    HICON m_hIconSavedWarning = nullptr;
    CColorComboBox m_comboYear;
    CColorComboBox m_comboMonth;
    QWidget* m_pParent = nullptr;
    QWidget* m_pDayGrid = nullptr;
    int m_nFrameDay = 1;

public:
    // The month titles and weekday headings the panel draws, and their room.
    std::vector<TextRoom> TextRooms() const;
};
