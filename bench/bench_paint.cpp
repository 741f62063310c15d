// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmDlg.h"
#include "app/ProgramSetup.h"
#include "calendar/CalendarPanel.h"
#include "chart/ChartLayout.h"
#include "chart/ChartView.h"
#include "cli/RenderOptions.h"
#include "cli/RenderWindow.h"
#include "platform/DeviceContext.h"
#include "platform/PictureCache.h"
#include "res/ResourceIds.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

// The chart of March 2026 for a person born on 7 May 1985, with 10 March
// picked in current-month mode, in each of the three views.

namespace {

CBiorhythmDlg* g_dialog = nullptr;

void ShowView(ChartView view)
{
    RenderOptions options;
    options.birth = QDate(1985, 5, 7);
    options.year = 2026;
    options.month = 3;
    options.day = view == ChartView::Summary ? 0 : 10;
    options.view = view;
    ChartMonthAsUser(*g_dialog, options);
}

void PaintView(benchmark::State& state)
{
    const auto view = static_cast<ChartView>(state.range(0));
    const int scale = static_cast<int>(state.range(1));
    ShowView(view);
    QImage image(ChartExtent() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    for (auto _ : state) {
        image.fill(Qt::transparent);
        CDC dc(&image);
        g_dialog->PaintChart(dc);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void GrabWindow(benchmark::State& state)
{
    ShowView(ChartView::Year);
    for (auto _ : state) {
        QPixmap window = g_dialog->grab();
        benchmark::DoNotOptimize(window.cacheKey());
    }
}

// What a process pays once for the summer picture, which a window keeps
// drawn: parsing and drawing its SVG, or taking the pixels drawn from it
// when the program was built.
void ParseAndDrawSeasonPicture(benchmark::State& state)
{
    const QString path = QStringLiteral(":/bitmaps/%1.svg").arg(IDB_SUMMER);
    const int scale = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const QImage image = CPictureCache::Draw(path, QSize(), scale);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void TakePreDrawnSeasonPicture(benchmark::State& state)
{
    const QString path = QStringLiteral(":/bitmaps/%1.svg").arg(IDB_SUMMER);
    const int scale = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const QPixmap pixmap = QPixmap::fromImage(CPictureCache::PreDrawn(path, scale));
        if (pixmap.isNull()) {
            state.SkipWithError("no picture drawn ahead of time");
            break;
        }
        benchmark::DoNotOptimize(pixmap.cacheKey());
    }
}

} // namespace

BENCHMARK(PaintView)
    ->ArgNames({ "view", "scale" })
    ->ArgsProduct({ { 0, 1, 2 }, { 1, 2 } })
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(GrabWindow)->Unit(benchmark::kMicrosecond);
BENCHMARK(ParseAndDrawSeasonPicture)->ArgName("scale")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(TakePreDrawnSeasonPicture)->ArgName("scale")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    SetUpProgram();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QApplication application(argc, argv);

    auto dialog = std::make_unique<CBiorhythmDlg>();
    dialog->show();
    g_dialog = dialog.get();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
