// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmDlg.h"
#include "cli/RenderOptions.h"
#include "cli/RenderWindow.h"
#include "cli/Sheet.h"
#include "platform/DeviceContext.h"
#include "tests/support/TestEnvironment.h"

#include <QDir>
#include <QPaintEngine>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

// What a paint engine is asked to draw, without drawing it.
class RecordingEngine : public QPaintEngine
{
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) { }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override { }
    void drawPath(const QPainterPath&) override { }
    void drawTextItem(const QPointF&, const QTextItem&) override { }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { ++pictures; }
    void drawPolygon(const QPointF*, int count, PolygonDrawMode mode) override
    {
        if (mode == PolylineMode)
            polylines.append(count);
    }
    void drawRects(const QRectF* rects, int count) override
    {
        dots += int(std::count_if(rects, rects + count, [](const QRectF& rect) { return rect.width() <= 1 && rect.height() <= 1; }));
    }
    void drawRects(const QRect* rects, int count) override
    {
        dots += int(std::count_if(rects, rects + count, [](const QRect& rect) { return rect.width() <= 1 && rect.height() <= 1; }));
    }
    Type type() const override { return QPaintEngine::User; }

    QList<int> polylines;
    int dots = 0;
    int pictures = 0;
};

class RecordingDevice : public QPaintDevice
{
public:
    QPaintEngine* paintEngine() const override { return &engine; }
    int metric(PaintDeviceMetric metric) const override
    {
        if (metric == PdmDevicePixelRatioScaled)
            return int(devicePixelRatioFScale());
        return metric == PdmDevicePixelRatio ? 1 : metric == PdmDepth ? 32 : 400;
    }
    mutable RecordingEngine engine;
};

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestSheet : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void refusesBadInput_data();
    void refusesBadInput();
    void writesReadablePage_data();
    void writesReadablePage();
    void chartIsDrawnAsShapes_data();
    void chartIsDrawnAsShapes();

private:
    std::unique_ptr<ScopedSettingsFolder> m_settings;
    std::unique_ptr<ScopedToday> m_today;
    QTemporaryDir m_folder;
};

void TestSheet::init()
{
    m_today.reset();
    m_settings.reset();
    m_settings = std::make_unique<ScopedSettingsFolder>();
    m_today = std::make_unique<ScopedToday>("2026-12-07");
}

void TestSheet::refusesBadInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    // The parsing shared with report and render is tested there.
    const QString birth = QStringLiteral("--birth=1985-05-07");
    const QString output = QStringLiteral("--output=sheet.pdf");
    QTest::newRow("no output") << QStringList { birth } << "--output";
    QTest::newRow("unknown paper") << QStringList { birth, "--paper", "a3", output } << "--paper";
    QTest::newRow("name with a line break") << QStringList { birth, "--name", "Al\nice", output } << "--name";
    QTest::newRow("comparison in a month view") << QStringList { birth, "--compare", "1990-11-03", "--view", "summary", output }
                                                << "year view";
    QTest::newRow("month before birth") << QStringList { birth, "--month", "1985-04", output } << "not born yet";
    QTest::newRow("unwritable output") << QStringList { birth, "--output", "missing/sheet.pdf" } << "cannot write";
}

void TestSheet::refusesBadInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);

    const QString previous = QDir::currentPath();
    QDir::setCurrent(m_folder.path());
    CTextOutput out;
    CTextOutput err;
    const int status = RunSheet(arguments, out, err);
    QDir::setCurrent(previous);

    QCOMPARE(status, 2);
    QVERIFY(out.Text().empty());
    const QString line = QString::fromStdString(err.Text());
    QVERIFY2(line.startsWith(QLatin1String("ryvanta: ")) && line.count(QLatin1Char('\n')) == 1, qPrintable(line));
    QVERIFY2(line.contains(message), qPrintable(line));
    QVERIFY(QDir(m_folder.path()).isEmpty());
}

void TestSheet::writesReadablePage_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("paper");

    const QStringList march { "March 2026", "1985-05-07", "2026-03-01", "2026-03-31", "H1-H2-H3", "07:13" };
    QTest::newRow("named, A4") << QStringList { "--name", "Alice" } << march + QStringList { "Alice", "vital power is low" }
                               << "A4";
    QTest::newRow("summary, Letter") << QStringList { "--view", "summary", "--paper", "letter" }
                                     << march + QStringList { "Summary view", "The day is hard enough" } << "letter";
    QTest::newRow("comparison") << QStringList { "--compare", "1990-11-03" }
                                << march + QStringList { "Boundary 2", "1990-11-03" } << "A4";
}

// The page holds the heading and the table as text, and no picture of the
// chart: the chart is drawn as shapes.
void TestSheet::writesReadablePage()
{
    QFETCH(QStringList, extra);
    QFETCH(QStringList, texts);
    QFETCH(QString, paper);
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    const QString pdfimages = QStandardPaths::findExecutable(QStringLiteral("pdfimages"));
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (pdftotext.isEmpty() || pdfimages.isEmpty() || pdfinfo.isEmpty())
        QSKIP("poppler-utils are not installed");

    const QString file = m_folder.filePath(QStringLiteral("sheet.pdf"));
    CTextOutput out;
    CTextOutput err;
    const QStringList arguments = QStringList { "--birth", "1985-05-07", "--month", "2026-03", "--output", file } + extra;
    QCOMPARE(RunSheet(arguments, out, err), 0);
    QVERIFY(err.Text().empty());

    const QString text = Run(pdftotext, { QStringLiteral("-layout"), file, QStringLiteral("-") });
    for (const QString& expected : texts)
        QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" not in:\n") + text));
    const QString info = Run(pdfinfo, { file });
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +1\n"))), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("(%1)").arg(paper)), qPrintable(info));
    // The listing's two heading lines and nothing after them.
    const QString images = Run(pdfimages, { QStringLiteral("-list"), file });
    QCOMPARE(images.trimmed().count(QLatin1Char('\n')), 1);
}

void TestSheet::chartIsDrawnAsShapes_data()
{
    QTest::addColumn<int>("view");
    QTest::addColumn<QString>("compare");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("curves");

    QTest::newRow("year") << int(ChartView::Year) << QString() << 0 << 1;
    QTest::newRow("comparison") << int(ChartView::Year) << "1990-11-03" << 0 << 2;
    QTest::newRow("3 rhythms") << int(ChartView::Rhythms) << QString() << 0 << 3;
    // The studied day's values are written while the curves are drawn.
    QTest::newRow("3 rhythms, a day studied") << int(ChartView::Rhythms) << QString() << 10 << 3;
    QTest::newRow("summary") << int(ChartView::Summary) << QString() << 0 << 0;
}

// On a device that is not made of pixels each curve is one polyline and no
// pixel is filled on its own.
void TestSheet::chartIsDrawnAsShapes()
{
    QFETCH(int, view);
    QFETCH(QString, compare);
    QFETCH(int, day);
    QFETCH(int, curves);

    CBiorhythmDlg dialog(nullptr, CPersonsStore::Access::ReadOnly);
    dialog.show();
    RenderOptions options;
    options.birth = QDate(1985, 5, 7);
    options.compare = QDate::fromString(compare, Qt::ISODate);
    options.month = 3;
    options.year = 2026;
    options.view = static_cast<ChartView>(view);
    options.day = day;
    ChartMonthAsUser(dialog, options);

    RecordingDevice device;
    {
        CDC dc(&device);
        dialog.PaintChart(dc);
    }
    // A curve has a point every second or every twelfth column.
    const qsizetype long_ = std::count_if(device.engine.polylines.cbegin(), device.engine.polylines.cend(),
        [](int points) { return points > 25; });
    QCOMPARE(long_, qsizetype(curves));
    QCOMPARE(device.engine.dots, 0);
}

QTEST_MAIN(TestSheet)
#include "tst_sheet.moc"
