// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BiorhythmDlg.h"
#include "app/ProgramSetup.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

// A whole `ryvanta render` process beside a plain Qt dialog of the main
// window's size and widget count, shown, grabbed and written as PNG in its
// own process. The time of each run is the CPU time (user and system) the
// child process used, and peak_MiB its largest resident set; at the end the
// two programs are put side by side.

namespace {

std::string g_outputFolder;
int g_widgetCount = 0;

// The widgets a user sees in the main window.
int CountShownWidgets()
{
    CBiorhythmDlg dialog;
    dialog.show();
    int count = 0;
    for (const QWidget* widget : dialog.findChildren<QWidget*>()) {
        if (!widget->isWindow() && widget->isVisible())
            ++count;
    }
    return count;
}

double Seconds(const timeval& time)
{
    return double(time.tv_sec) + double(time.tv_usec) / 1e6;
}

struct ProcessCost {
    // CPU seconds, user and system, or -1 when the process failed.
    double seconds = -1;
    // The largest resident set the process had, in MiB.
    double peakMiB = 0;
};

// Runs the program to its end.
ProcessCost RunProcess(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return {};
    int status = 0;
    rusage usage {};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    return { Seconds(usage.ru_utime) + Seconds(usage.ru_stime), double(usage.ru_maxrss) / 1024 };
}

void MeasureProcess(benchmark::State& state, const std::vector<std::string>& arguments)
{
    double peakMiB = 0;
    for (auto _ : state) {
        const ProcessCost cost = RunProcess(arguments);
        if (cost.seconds < 0) {
            state.SkipWithError("the process failed");
            break;
        }
        state.SetIterationTime(cost.seconds);
        peakMiB += cost.peakMiB;
    }
    state.counters["peak_MiB"] = benchmark::Counter(peakMiB, benchmark::Counter::kAvgIterations);
    state.SetLabel("Time: the child's CPU time");
}

void PlainDialog(benchmark::State& state)
{
    MeasureProcess(state, { PLAIN_DIALOG_EXECUTABLE, std::to_string(g_widgetCount), g_outputFolder + "/plain.png" });
}

void RyvantaRender(benchmark::State& state)
{
    MeasureProcess(state, { RYVANTA_EXECUTABLE, "render", "--birth", "1985-05-07", "--month", "2026-03", "--day", "10",
                              "--output", g_outputFolder + "/render.png" });
}

// The other commands against the program's own start and against render.
void RyvantaVersion(benchmark::State& state)
{
    MeasureProcess(state, { RYVANTA_EXECUTABLE, "--version" });
}

void RyvantaReport(benchmark::State& state)
{
    MeasureProcess(state, { RYVANTA_EXECUTABLE, "report", "--birth", "1985-05-07", "--month", "2026-03" });
}

void RyvantaSheet(benchmark::State& state)
{
    MeasureProcess(state, { RYVANTA_EXECUTABLE, "sheet", "--birth", "1985-05-07", "--month", "2026-03", "--output",
                              g_outputFolder + "/sheet.pdf" });
}

void RyvantaCalendar(benchmark::State& state)
{
    MeasureProcess(state, { RYVANTA_EXECUTABLE, "calendar", "--birth", "1985-05-07", "--from", "2026-03", "--output",
                              g_outputFolder + "/calendar.ics" });
}

// The console table, followed by the render's cost in plain dialogs.
class SideBySideReporter : public benchmark::ConsoleReporter
{
public:
    SideBySideReporter()
        : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular)
    {
    }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // With repetitions the median comes last and stays.
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median")
                continue;
            if (run.error_occurred)
                continue;
            m_milliseconds[run.run_name.function_name] = run.GetAdjustedRealTime();
            const auto peak = run.counters.find("peak_MiB");
            if (peak != run.counters.end())
                m_peakMiB[run.run_name.function_name] = peak->second;
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const auto plain = m_milliseconds.find("PlainDialog");
        const auto render = m_milliseconds.find("RyvantaRender");
        if (plain == m_milliseconds.end() || render == m_milliseconds.end() || plain->second <= 0)
            return;
        GetOutputStream() << "ryvanta render CPU time: " << render->second / plain->second << " x the plain dialog's ("
                          << g_widgetCount << " widgets)\n";
        if (m_peakMiB.count("PlainDialog") && m_peakMiB.count("RyvantaRender") && m_peakMiB["PlainDialog"] > 0)
            GetOutputStream() << "ryvanta render peak memory: " << m_peakMiB["RyvantaRender"] / m_peakMiB["PlainDialog"]
                              << " x the plain dialog's\n";
        const auto version = m_milliseconds.find("RyvantaVersion");
        const auto report = m_milliseconds.find("RyvantaReport");
        if (version != m_milliseconds.end() && report != m_milliseconds.end())
            GetOutputStream() << "ryvanta report adds " << report->second - version->second
                              << " ms to the program's start\n";
        for (const char* command : { "RyvantaSheet", "RyvantaCalendar" }) {
            const auto found = m_milliseconds.find(command);
            if (found != m_milliseconds.end())
                GetOutputStream() << command << " CPU time: " << found->second / render->second << " x render's\n";
        }
    }

private:
    std::map<std::string, double> m_milliseconds;
    std::map<std::string, double> m_peakMiB;
};

} // namespace

BENCHMARK(PlainDialog)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(RyvantaRender)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(RyvantaVersion)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(RyvantaReport)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(RyvantaSheet)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(RyvantaCalendar)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // Both children run offscreen, on a fixed today, with settings and a
    // runtime folder of their own.
    SetUpProgram();
    QTemporaryDir folder;
    g_outputFolder = folder.path().toStdString();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("RYVANTA_TODAY", "2026-12-07");
    qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", folder.path().toLocal8Bit());
    {
        QApplication application(argc, argv);
        g_widgetCount = CountShownWidgets();
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    SideBySideReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
