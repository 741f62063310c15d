// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmDlg.h"
#include "cli/RenderOptions.h"
#include "cli/RenderWindow.h"
#include "res/ResourceIds.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestPrint : public QObject
{
    Q_OBJECT

private slots:
    void printsShownMonth();
    void printNeedsChartedMonth_data();
    void printNeedsChartedMonth();
};

// What the print dialog hands over: a printer set to write a PDF file.
void TestPrint::printsShownMonth()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("poppler-utils are not installed");
    CBiorhythmDlg dialog;
    dialog.show();
    RenderOptions options;
    options.birth = QDate(1985, 5, 7);
    options.compare = QDate(1990, 11, 3);
    options.month = 4;
    options.year = 2026;
    ChartMonthAsUser(dialog, options);

    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("month.pdf")));
    QVERIFY(dialog.PrintMonth(printer));

    QProcess process;
    process.start(pdftotext, { printer.outputFileName(), QStringLiteral("-") });
    QVERIFY(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    for (const char* expected : { "April 2026", "1985-05-07", "1990-11-03", "Boundary 2", "2026-04-01", "2026-04-30" })
        QVERIFY2(text.contains(QLatin1String(expected)), qPrintable(text));
}

void TestPrint::printNeedsChartedMonth_data()
{
    QTest::addColumn<bool>("birth");
    QTest::addColumn<bool>("walking");
    QTest::addColumn<bool>("active");

    QTest::newRow("no birth date") << false << false << false;
    QTest::newRow("walk running") << true << true << false;
    QTest::newRow("month charted") << true << false << true;
}

// The menu entry and Ctrl+P open the print dialog only for a charted month.
void TestPrint::printNeedsChartedMonth()
{
    QFETCH(bool, birth);
    QFETCH(bool, walking);
    QFETCH(bool, active);

    CBiorhythmDlg dialog;
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    if (birth) {
        RenderOptions options;
        options.birth = QDate(1985, 5, 7);
        options.month = 4;
        options.year = 2026;
        ChartMonthAsUser(dialog, options);
    }
    if (walking)
        dialog.StartMonthScan(4, 2026);

    QMenu* menu = dialog.SystemMenu();
    emit menu->aboutToShow();
    QAction* print = nullptr;
    for (QAction* action : menu->actions())
        print = action->data().toUInt() == IDM_PRINT ? action : print;
    QVERIFY(print);
    QCOMPARE(print->isEnabled(), active);

    QString opened;
    QTimer::singleShot(0, [&opened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = QString::fromLatin1(modal->metaObject()->className());
            modal->close();
        }
    });
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &dialog, Qt::Key_P, Qt::ControlModifier);
    QCoreApplication::processEvents();
    QCOMPARE(opened, active ? QStringLiteral("QPrintDialog") : QString());
}

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
