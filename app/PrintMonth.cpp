// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmDlg.h"

#include "calendar/CalendarPanel.h"
#include "chart/MonthSheet.h"
#include "platform/MessageBox.h"
#include "res/ResourceIds.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>

namespace {

bool BornBy(const QDate& birth, int month, int year)
{
    return birth.isValid() && QDate(birth.year(), birth.month(), 1) <= QDate(year, month, 1);
}

} // namespace

bool CBiorhythmDlg::CanExportMonth() const
{
    if (!m_pCalendar || !HasBirthDate() || IsTimerRunning(IDT_SCAN))
        return false;
    const MonthSheet sheet = ShownMonthSheet();
    return BornBy(sheet.first.birth, sheet.month, sheet.year)
        && (!sheet.second || BornBy(sheet.second->birth, sheet.month, sheet.year));
}

// In a comparison the date inserted first is the chart's person 1 and heads
// the sheet. A name chosen in the selector goes with its own birth date.
MonthSheet CBiorhythmDlg::ShownMonthSheet() const
{
    MonthSheet sheet;
    const SheetPerson current { QDate(m_nBirthYear, m_nBirthMonth, m_nBirthDay), QString() };
    if (m_bCompareMode && HasSavedBirthDate()) {
        sheet.first.birth = QDate(m_nBirthYear1, m_nBirthMonth1, m_nBirthDay1);
        sheet.second = current;
    } else {
        sheet.first = current;
    }
    const QString entry = ChosenPersonEntry();
    if (!entry.isEmpty()) {
        const PersonBirthDate birth = ReadBirthDate(entry);
        const QDate date(birth.year, birth.month, birth.day);
        if (sheet.first.birth == date)
            sheet.first.name = PersonName(entry);
        else if (sheet.second && sheet.second->birth == date)
            sheet.second->name = PersonName(entry);
    }
    if (m_pCalendar) {
        sheet.month = m_pCalendar->m_nMonth;
        sheet.year = m_pCalendar->m_nYear;
    }
    return sheet;
}

bool CBiorhythmDlg::PrintMonth(QPrinter& printer)
{
    if (!CanExportMonth())
        return false;
    return PaintMonthSheet(printer, *this, ShownMonthSheet());
}

void CBiorhythmDlg::OnPrint()
{
    if (!CanExportMonth())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Ryvanta"));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!PrintMonth(printer))
        MessageBox(this, QCoreApplication::translate("Print", "The month could not be printed."), QStringLiteral("Ryvanta"), MB_OK | MB_ICONEXCLAMATION);
}
