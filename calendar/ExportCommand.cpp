// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmDlg.h"

#include "app/SystemMenu.h"
#include "calendar/CalendarExport.h"
#include "platform/AtomicFile.h"
#include "platform/MessageBox.h"
#include "platform/Today.h"

#include <QCoreApplication>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

namespace {

QString ExportCaption()
{
    return QCoreApplication::translate("Export", "Export to calendar");
}

// A name may hold characters that some file system refuses.
QString DefaultFileName(const CalendarExport& request)
{
    static const QRegularExpression refused(QStringLiteral("[/\\\\:*?\"<>|]"));
    QString base = request.name.isEmpty() ? request.birth.toString(Qt::ISODate) : request.name;
    base.replace(refused, QStringLiteral("_"));
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(base + QStringLiteral(".ics"));
}

} // namespace

void CBiorhythmDlg::AddExportEntry()
{
    QAction* entry = m_pSystemMenu->addAction(QCoreApplication::translate("Export", "&Export to calendar..."));
    entry->setData(IDM_EXPORT_CALENDAR);
    entry->setEnabled(false);
    connect(m_pSystemMenu, &QMenu::aboutToShow, entry, [this, entry] { entry->setEnabled(CanExportMonth()); });
}

// The year from the month the calendar shows, cut at the last month the
// program charts; a month shown before the birth month starts at it.
CalendarExport CBiorhythmDlg::ExportRequest() const
{
    CalendarExport request;
    request.birth = QDate(m_nBirthYear, m_nBirthMonth, m_nBirthDay);
    const QString entry = ChosenPersonEntry();
    const PersonBirthDate chosen = ReadBirthDate(entry);
    if (!entry.isEmpty() && QDate(chosen.year, chosen.month, chosen.day) == request.birth)
        request.name = PersonName(entry);
    request.firstMonth = std::max(QDate(m_pCalendar->m_nYear, m_pCalendar->m_nMonth, 1),
        QDate(request.birth.year(), request.birth.month(), 1));
    request.months = std::min(kDefaultExportMonths, MonthsLeftInCalendar(request.firstMonth));
    request.stamp = Today();
    return request;
}

bool CBiorhythmDlg::WriteCalendarExport(const QString& path, QString* reason) const
{
    return WriteFileAtomically(QFile::encodeName(path), CalendarText(ExportRequest()), reason);
}

void CBiorhythmDlg::OnExportCalendar()
{
    if (!CanExportMonth())
        return;
    const QString path = QFileDialog::getSaveFileName(this, ExportCaption(), DefaultFileName(ExportRequest()),
        QCoreApplication::translate("Export", "iCalendar files (*.ics)"));
    if (path.isEmpty())
        return;
    QString reason;
    if (!WriteCalendarExport(path, &reason))
        MessageBox(this, QCoreApplication::translate("Export", "The calendar could not be written to\n%1:\n%2").arg(path, reason),
            ExportCaption(), MB_OK | MB_ICONERROR);
}
