// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/CalendarPanel.h"
#include "controls/ColorComboBox.h"
#include "controls/ColorLabel.h"
#include "controls/DialogColour.h"
#include "controls/FramedLabel.h"
#include "controls/IconButton.h"
#include "persons/PersonsStore.h"
#include "platform/Gdi.h"
#include "platform/StaticControls.h"
#include "platform/ToolTipCtrl.h"
#include "platform/Window.h"

#include <QString>
#include <QStringList>

#include <optional>

struct CalendarExport;
class CDC;
class QAction;
class QFileSystemWatcher;
class QMenu;
class QPrinter;
class QTimer;
struct MonthSheet;

// The main window. Its fields are the program's state: every command reads
// and writes them directly, and the painter rebuilds the chart from them.
class CBiorhythmDlg : public CDialog
{
    Q_OBJECT
public:
    // A window for reading only never writes the user's settings and shows
    // no messages: it is drawn, not used.
    explicit CBiorhythmDlg(QWidget* parent = nullptr, CPersonsStore::Access access = CPersonsStore::Access::ReadWrite);
    ~CBiorhythmDlg() override;

    // app/BiorhythmDlg.cpp: the application shell
    bool OnInitDialog();
    void OnDestroy();
    void OnSysCommand(UINT id);
    void OnInfo();
    void OnHelp();
    // Enter does not close the main window; Esc and the close box do.
    void OnOK() { }
    HICON OnQueryDragIcon() const { return m_hIcon; }
    void OnShowWindow(bool show);
    void OnCommand(int id, int notificationCode) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The brush every control-colour request of the window is answered with.
    const CBrush& OnCtlColor() const { return m_hbrDialog; }
    // The window menu: Move, Minimize, Close and the About entry. It opens
    // on Alt+Space and on a right click on the window's background.
    QMenu* SystemMenu();

    // app/PrintMonth.cpp: the shown month on paper
    // Whether the shown month can leave the window, printed or exported:
    // a birth date is entered, the month is not before a birth month and
    // no timed walk is running.
    bool CanExportMonth() const;
    // The sheet of the month, person(s) and view on show.
    MonthSheet ShownMonthSheet() const;
    // Prints the sheet on a printer already set up; false when there is
    // nothing to print or the printer cannot be painted on.
    bool PrintMonth(QPrinter& printer);
    // The Print command: the system's print dialog, then the sheet.
    void OnPrint();

    // chart/ChartPainter.cpp: the chart
    void OnPaint();
    // The chart control's picture, frame and chosen view, drawn on any DC.
    void PaintChart(CDC& dc);
    // The numbers under the 31 columns of the month views.
    QStringList DayAxisLabels() const;
    // What the chart shows, in words, for screen readers: the view, the
    // month and the day read out with its level.
    QString ChartDescription() const;

    // modes/BirthEntry.cpp: the birth date picked on the calendar
    LRESULT OnCalendarClicked(WPARAM wParam, LPARAM lParam);
    void OnReset();

    // modes/Navigation.cpp: Start and the month steps
    void OnStart();
    void OnNextMonth();
    void OnPrevMonth();
    // None when the calendar shows a month after the birth month,
    // BirthMonth when it shows the birth month, MovedToBirthMonth when it
    // showed an earlier month and was moved to the birth month,
    // MovedToSavedBirthMonth the same for the saved birth date, the first
    // of two compared.
    enum class BirthLimit { None, BirthMonth, MovedToBirthMonth, MovedToSavedBirthMonth };
    BirthLimit CheckBirthLimits();
    void MarkFirstBirthLabel();

    // modes/DateSteps.cpp: the date steps over long-cycle boundaries
    void OnNextDate();
    void OnPrevDate();
    // Also stores the index in m_nLongCycleSegment.
    int LocateBoundary(double phase);

    // modes/TimedScan.cpp: the timed walk over a month's boundaries
    void OnTimer(UINT_PTR id) override;
    void StartMonthScan(int month, int year);

    // modes/CurrentMonth.cpp: the chart views and current-month mode
    void OnSelEndOkRhythms();
    void OnCurrentMonth();

    // modes/Comparison.cpp: Insert saves the entered birth date, or fixes
    // the second one; Remove undoes the last insertion; Compare switches the
    // mode in which the month and date steps move one calendar mark per
    // person.
    void OnInsert();
    void OnRemove();
    void OnCompare();
    // How far Insert has gone towards a comparison: no date saved, the
    // first one saved while the second is awaited, or both fixed.
    enum class CompareStep { None, FirstSaved, BothFixed };
    // The calendar's two marks while comparing: mark 1 stands on the current
    // birth date's days, mark 2 on the saved one's.
    enum class CalendarMark { Current = 1, Saved = 2 };

    // modes/DayReadouts.cpp: the labels that read out a day
    void ClearDayInfo();
    void ShowBoundary(int day, double offset, double fraction, int index);
    void ShowBirthDay();
    int AssessCriticalDay(double age);

    // calendar/ExportCommand.cpp: the window menu's export of the shown
    // month and the eleven after it as calendar events
    void OnExportCalendar();
    // Writes what the export writes, without asking where; false with the
    // reason on a fault.
    bool WriteCalendarExport(const QString& path, QString* reason) const;

    // persons/Persons.cpp, persons/ListCommand.cpp, persons/NameSelector.cpp:
    // the list of named birth dates, its List command and the name selector
    void LoadPersons();
    void OnList();
    void OnSelEndOkPersons();

    // The state record, read and written by every file above. A name ending
    // in 1 (m_nBirthDay1 ...) is the saved, first inserted person's;
    // calendar mark 1 is the current person's.
    QString m_strListValue;
    CBrush m_hbrDialog { kDialogBackColour };
    CToolTipCtrl m_ToolTip;
    short m_nBirthDay = 0;
    short m_nBirthDay1 = 0;
    short m_nBirthMonth1 = 0;
    short m_nBirthYear1 = 0;
    short m_nBirthMonth = 0;
    short m_nChartMonth = 0;
    short m_nBoundaryDay = 0;
    short m_nBirthYear = 0;
    short m_nMoonMark = 0;
    bool m_bSeekBoundary = false;
    bool m_bShowDayInfo = false;
    bool m_bAwaitSecondDate = false;
    bool m_bCurrentMonthMode = false;
    bool m_bCompareMode = false;
    double m_dLongCyclePhase = 0;
    double m_dBoundaryFraction = 0;
    HICON m_hIcon = nullptr;
    HICON m_hIcon140 = nullptr;
    HICON m_hIcon158 = nullptr;
    QStringList m_arrPersons;
    int m_nLongCycleSegment = -1;
    int m_nDayOfYear = 0;
    int m_nCriticalLevel = 1;
    CompareStep m_nCompareStep = CompareStep::None;
    int m_nDayOfYear1 = 0;
    int m_nCriticalLevel1 = 0;
    CColorLabel m_staticHelp;
    CColorLabel m_staticTools;
    CFramedLabel m_staticBirth2;
    CFramedLabel m_staticBirth1;
    CFramedLabel m_staticTime;
    CColorComboBox m_comboPersons;
    CColorComboBox m_comboRhythms;
    CIconButton m_btnHelp;
    CIconButton m_btnList;
    CIconButton m_btnStart;
    CIconButton m_btnPrevMonth;
    CIconButton m_btnInsert;
    CIconButton m_btnNextMonth;
    CIconButton m_btnNextDate;
    CIconButton m_btnPrevDate;
    CIconButton m_btnInfo;
    CIconButton m_btnRemove;
    CIconButton m_btnCurrentMonth;
    CIconButton m_btnCompare;
    CIconButton m_btnReset;
    QString m_strCriticalNote;
    CCalendarPanel* m_pCalendar = nullptr;

protected:
    // app/BiorhythmDlg.cpp
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void accept() override { OnOK(); }
    void done(int result) override;

private:
    // app/Layout.cpp
    void CreateTemplateControls();
    void CreateRunTimeControls();
    void AddShortcuts();
    void AddToolTips();

    // chart/YearView.cpp, chart/MonthViews.cpp
    void DrawYearView(CDC& dc);
    void DrawRhythmCurves(CDC& dc);
    void DrawSummaryBars(CDC& dc);

    // app/BiorhythmDlg.cpp
    CStatic m_staticChart;
    CPictureStatic m_staticPicture;
    CGroupBox m_groupMessage;
    CGroupBox m_groupTools;
    CGroupBox m_groupToolsInner;
    CGroupBox m_groupNavigation;
    QMenu* m_pSystemMenu = nullptr;
    QAction* m_pPrintAction = nullptr;
    bool m_bCalendarCreated = false;
    bool m_bDestroyed = false;

    // modes/BirthEntry.cpp
    bool HasBirthDate() const { return m_nBirthDay != 0 && m_nBirthMonth != 0 && m_nBirthYear != 0; }
    void EnterBirthDate();
    void ShowNewBirthDate();
    void PutBackChartViews();

    // modes/Navigation.cpp
    void StepMonthForward(bool advancePanel);

    // modes/DateSteps.cpp
    void EndDateSearchAtRangeEnd();

    // modes/TimedScan.cpp
    void StopMonthScan();
    void EndScanOnBoundary(double age);
    void EndScanOnFirstBoundary();
    // The month the running walk was started for; a tick on any other
    // month ends it.
    short m_nScanMonth = 0;
    short m_nScanYear = 0;

    // modes/CurrentMonth.cpp
    void StudyDay();
    void ChartShownMonthAgain();
    void OfferCurrentMonth();

    // modes/DayReadouts.cpp
    void ClearReadouts();
    void ShowTimeOfDay(double fraction);
    void ClearTimeOfDay();

    // modes/CompareSteps.cpp: the month and date steps of comparison mode
    bool HasSavedBirthDate() const { return m_nBirthDay1 != 0 && m_nBirthMonth1 != 0 && m_nBirthYear1 != 0; }
    void CompareNextMonth();
    void CompareMonth(bool advancePanel);
    void CompareShownMonthAgain();
    void FillMonthWithFirstMarks();
    void FillMonthWithLastMarks();
    void CompareNextDate();
    void ComparePrevDate();
    std::optional<BirthLimit> BeginCompareDateStep();
    void CatchUpMark(CalendarMark mark, int month, int year);
    // Move a mark from its day to its person's next or previous long-cycle
    // boundary in the month and read that day out. Where none is left, a
    // quiet search answers false; any other charts the next or the previous
    // month.
    bool NextMark1(int year, int month, int day1, int day2, bool quiet) { return NextMark(CalendarMark::Current, year, month, day1, day2, quiet); }
    bool NextMark2(int year, int month, int day1, int day2, bool quiet) { return NextMark(CalendarMark::Saved, year, month, day1, day2, quiet); }
    bool PrevMark1(int year, int month, int day1, int day2, bool quiet) { return PrevMark(CalendarMark::Current, year, month, day1, day2, quiet); }
    bool PrevMark2(int year, int month, int day1, int day2, bool quiet) { return PrevMark(CalendarMark::Saved, year, month, day1, day2, quiet); }
    bool NextMark(CalendarMark mark, int year, int month, int day1, int day2, bool quiet);
    bool PrevMark(CalendarMark mark, int year, int month, int day1, int day2, bool quiet);
    // In a birth month, drops a mark lying before the other one, unless
    // its own person alone was born in that month.
    void TrimMarksToBirth(int year, int month, int day1, int day2);

    // calendar/ExportCommand.cpp
    void AddExportEntry();
    CalendarExport ExportRequest() const;

    // persons/ListCommand.cpp
    void RunListCommand();
    void AddPerson(const QString& name);
    void RemovePerson(const QString& entry);

    // persons/NameSelector.cpp
    void ChooseNoPerson();

    // persons/Persons.cpp
    void ReportStoredListProblem(const QString& notice);
    QString ChosenPersonEntry() const;
    void FillNameSelector(const QString& chosenEntry);
    // Shows the list as the store has it now, keeping the chosen person.
    void ShowStoredPersons();
    void WatchStoredList();
    void OnStoredListChanged();
    void ReportSaveFailure(const QString& reason, bool closing);
    // Saves what could not be saved before; on failure the user is told.
    void SavePendingPersons();
    CPersonsStore m_personsStore;
    QFileSystemWatcher* m_pListWatcher = nullptr;
    QTimer* m_pListSettle = nullptr;
    bool m_bListCommandOpen = false;
    bool m_bStoredListChanged = false;
    // Shown once, when the window is first shown; empty when all is well.
    QString m_strStoredListNotice;
};
