// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/SheetFile.h"

#include "app/Translation.h"
#include "app/BiorhythmDlg.h"
#include "chart/MonthSheet.h"
#include "cli/Arguments.h"
#include "cli/RenderWindow.h"
#include "cli/SheetOptions.h"
#include "platform/AtomicFile.h"
#include "platform/PrintableText.h"

#include <QBuffer>
#include <QPdfWriter>

QByteArray SheetPdf(const SheetOptions& options)
{
    CBiorhythmDlg dialog(nullptr, CPersonsStore::Access::ReadOnly);
    dialog.show();
    ChartMonthAsUser(dialog, options.chart);

    MonthSheet sheet;
    sheet.first = { options.chart.birth, options.name };
    if (options.chart.compare.isValid())
        sheet.second = SheetPerson { options.chart.compare, QString() };
    sheet.month = options.chart.month;
    sheet.year = options.chart.year;

    QByteArray pdf;
    QBuffer buffer(&pdf);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    bool painted = false;
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(options.paper));
        writer.setTitle(QStringLiteral("Biorhythms %1-%2").arg(sheet.year).arg(sheet.month, 2, 10, QLatin1Char('0')));
        writer.setCreator(QStringLiteral("Ryvanta"));
        painted = PaintMonthSheet(writer, dialog, sheet);
    }
    return painted ? pdf : QByteArray();
}

bool WriteSheetFile(const SheetOptions& options, QString* error)
{
    const QByteArray pdf = SheetPdf(options);
    QString reason = Translated("Command", "the page could not be drawn");
    if (!pdf.isEmpty() && WriteFileAtomically(EncodeArgument(options.output), pdf, &reason))
        return true;
    *error = Translated("Command", "cannot write '%1': %2").arg(PrintableText(options.output), reason);
    return false;
}
