// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/BiorhythmDlg.h"
#include "calendar/CalendarPanel.h"
#include "platform/MessageBox.h"
#include "tests/support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QTest>

#include <memory>

// What the window says, spelled out here once.
namespace Expected {
inline const QString kInsert = QStringLiteral(
    "        Insert date of birth into the calendar  [M-Y-D] and press \"< > \" button to start.");
inline const QString kInsertShort = QStringLiteral(
    "        Insert date of birth  [M-Y-D] and press \"< > \" button to start.");
inline const QString kStartOrInsert = QStringLiteral(
    "        Press \"< > \" button to start or \"Insert\"  button to begin comparison procedure.");
inline const QString kStartOrSecond = QStringLiteral(
    "        Press \"< > \" button  or insert second date of birth to compare biorhythms.");
inline const QString kLastOrContinue = QStringLiteral(
    "        Press \"< > \" button to study biorhythms for last date of birth or \"Insert\" to continue comparison.");
inline const QString kCompareOrSecond = QStringLiteral(
    "        Press  \"Compare\"  button to start comparison or \"< >\" to study  biorhythms for second birth date.");
inline const QString kUseNext = QStringLiteral("        Use  \"> >\"  button to investigate the rest of the month.");
inline const QString kCurrentMonth = QStringLiteral(
    "        Click the calendar or unselect Current month button to return to the birth date insertion mode.");
inline const QString kStudyMore = QStringLiteral(
    "        Use Current month tool and the calendar to study biorhythms more carefully.");
inline const QString kMostUnfavourable = QStringLiteral(
    "        This is one of the most unfavorable days. Your vital power is low.");
inline const QString kUnfavourable = QStringLiteral("        The day is unfavorable. ");
inline const QString kHardEnough = QStringLiteral("        The day is hard enough");
inline const QString kAllWindows = QStringLiteral("  H1-H2-H3 / F1-F2-F3 ");
inline const QString kNoTime = QStringLiteral("(Time)      ");
} // namespace Expected

inline QStringList Items(const CColorComboBox& combo)
{
    QStringList items;
    for (int i = 0; i < combo.GetCount(); ++i)
        items << combo.GetLBText(i);
    return items;
}

// A shown main window in a private settings folder on a fixed day, over a
// stored persons list, driven as a user does through its handlers: clicks
// on the calendar, the calendar's own selectors, button commands and the
// walk's timer ticks. Message boxes are answered with answer and kept.
class WindowFixture
{
public:
    explicit WindowFixture(const QByteArray& today = "2026-12-07", const QString& stored = QString())
        : m_today(today)
    {
        if (!stored.isEmpty())
            StoreList(stored);
        SetMessageBoxHandler([this](const QString& text, const QString& caption, unsigned type) {
            messages.append(text);
            captions.append(caption);
            types.append(type);
            return answer;
        });
        reopen();
    }
    ~WindowFixture()
    {
        m_dialog.reset();
        SetMessageBoxHandler(nullptr);
    }

    // A new window in place of the old one, as the program starts again.
    void reopen()
    {
        m_dialog.reset();
        m_dialog = std::make_unique<CBiorhythmDlg>();
        m_dialog->show();
    }

    CBiorhythmDlg& dialog() { return *m_dialog; }
    CCalendarPanel& calendar() { return *m_dialog->m_pCalendar; }

    // Picks a year and a month in the calendar's own selectors.
    void page(int month, int year)
    {
        pick(IDC_CALENDAR_YEAR, year - 1850);
        pick(IDC_CALENDAR_MONTH, month - 1);
    }

    // A click on the cell of a day of the shown month, or of a grey day
    // around it (day < 1 or past the month's end), delivered as posted.
    void click(int day)
    {
        clickCell(calendar().CellOfDay(day));
    }

    // Cells 0..41, row by row from the first week's Monday.
    void clickCell(int cell)
    {
        const CRect rect = CCalendarPanel::CellRect(cell);
        QVERIFY(calendar().OnLButtonDown({ rect.left + 5, rect.top + 5 }));
        QCoreApplication::sendPostedEvents(m_dialog.get(), CPostedMessage::EventType());
    }

    void enterBirth(const QDate& birth)
    {
        page(birth.month(), birth.year());
        click(birth.day());
    }

    // The birth date entered, then the month charted with Next month from
    // the month before it.
    void chartMonth(const QDate& birth, int month, int year)
    {
        enterBirth(birth);
        const QDate before = QDate(year, month, 1).addMonths(-1);
        page(before.month(), before.year());
        press(IDC_NEXT_MONTH);
    }

    // The birth date entered and today's month charted to the walk's end.
    void chartToday(const QDate& birth)
    {
        enterBirth(birth);
        press(IDC_START);
        finishScan();
    }

    void press(int id) { m_dialog->OnCommand(id, BN_CLICKED); }

    void chooseView(int item)
    {
        m_dialog->m_comboRhythms.SetCurSel(item);
        m_dialog->OnCommand(IDC_RHYTHMS, CBN_SELENDOK);
    }

    void choosePerson(int item)
    {
        m_dialog->m_comboPersons.SetCurSel(item);
        m_dialog->OnCommand(IDC_PERSONS, CBN_SELENDOK);
    }

    bool scanning() const { return m_dialog->IsTimerRunning(IDT_SCAN); }

    // Ticks until the walk ends; the number of ticks it took.
    int finishScan()
    {
        int ticks = 0;
        while (scanning() && ticks < 40) {
            m_dialog->OnTimer(IDT_SCAN);
            ++ticks;
        }
        return ticks;
    }

    QString help() const { return GetWindowText(&m_dialog->m_staticHelp); }
    QString time() const { return GetWindowText(&m_dialog->m_staticTime); }
    QString birth1() const { return GetWindowText(&m_dialog->m_staticBirth1); }
    QString birth2() const { return GetWindowText(&m_dialog->m_staticBirth2); }
    QDate shownDay() { return QDate(calendar().m_nYear, calendar().m_nMonth, calendar().m_nDay); }

    // The buttons that need a birth date or a shown day, those active named.
    QString activeButtons() const
    {
        const CBiorhythmDlg& window = *m_dialog;
        const std::pair<const CIconButton*, const char*> buttons[] = { { &window.m_btnStart, "Start" },
            { &window.m_btnPrevMonth, "PrevMonth" }, { &window.m_btnPrevDate, "PrevDate" },
            { &window.m_btnNextDate, "NextDate" }, { &window.m_btnInsert, "Insert" }, { &window.m_btnRemove, "Remove" },
            { &window.m_btnCompare, "Compare" }, { &window.m_btnInfo, "Info" }, { &window.m_btnCurrentMonth, "CurrentMonth" } };
        QStringList active;
        for (const auto& [button, name] : buttons) {
            if (button->m_bActive)
                active << QString::fromLatin1(name);
        }
        return active.join(u' ');
    }

    QStringList messages;
    QStringList captions;
    QList<unsigned> types;
    int answer = IDOK;

protected:
    std::unique_ptr<CBiorhythmDlg> m_dialog;

private:
    void pick(int id, int item)
    {
        auto* selector = qobject_cast<CColorComboBox*>(calendar().GetDlgItem(id));
        QVERIFY(selector);
        selector->SetCurSel(item);
        calendar().OnCommand(id, CBN_SELENDOK);
    }

    ScopedSettingsFolder m_settings;
    ScopedToday m_today;
};
