// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

// The window of `ryvanta` beside the plain dialog, each started under one
// Xvfb and timed from its spawn to the moment the X server maps its
// top-level window (MapNotify) and to the first change of that window's
// contents (the end of its first paint, as the Damage extension reports
// it), the same way for both. Neither program is told it is measured.

namespace {

using Clock = std::chrono::steady_clock;

struct Server
{
    pid_t pid = 0;
    std::string display;
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    uint8_t damageEvent = 0;
};

Server g_server;
int g_widgetCount = 29;

pid_t Spawn(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
    posix_spawn_file_actions_t* files = nullptr)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    std::vector<std::string> variables = environment;
    for (char** variable = environ; *variable; ++variable)
        variables.emplace_back(*variable);
    std::vector<char*> envp;
    for (std::string& variable : variables)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    pid_t pid = 0;
    return posix_spawn(&pid, argv[0], files, nullptr, argv.data(), envp.data()) == 0 ? pid : -1;
}

// Xvfb on a display it picks itself and names through a pipe.
bool StartServer()
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return false;
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addclose(&files, pipeEnds[0]);
    g_server.pid = Spawn({ "/usr/bin/Xvfb", "-displayfd", std::to_string(pipeEnds[1]), "-screen", "0", "1024x768x24",
                             "-nolisten", "tcp" },
        {}, &files);
    posix_spawn_file_actions_destroy(&files);
    close(pipeEnds[1]);
    char number[16] = {};
    const ssize_t length = g_server.pid > 0 ? read(pipeEnds[0], number, sizeof number - 1) : -1;
    close(pipeEnds[0]);
    if (length <= 0)
        return false;
    g_server.display = ":";
    g_server.display.append(std::to_string(std::strtoul(number, nullptr, 10)));
    g_server.connection = xcb_connect(g_server.display.c_str(), nullptr);
    if (xcb_connection_has_error(g_server.connection))
        return false;
    g_server.root = xcb_setup_roots_iterator(xcb_get_setup(g_server.connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(g_server.connection, g_server.root, XCB_CW_EVENT_MASK, &mask);
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(g_server.connection, &xcb_damage_id);
    if (!damage || !damage->present)
        return false;
    g_server.damageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
    free(xcb_damage_query_version_reply(g_server.connection,
        xcb_damage_query_version(g_server.connection, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION), nullptr));
    xcb_flush(g_server.connection);
    return true;
}

void StopServer()
{
    if (g_server.connection)
        xcb_disconnect(g_server.connection);
    if (g_server.pid > 0) {
        kill(g_server.pid, SIGTERM);
        waitpid(g_server.pid, nullptr, 0);
    }
}

struct Shown
{
    double mapped = -1;
    double painted = -1;
};

// How long the window stays unchanged before its first paint counts as
// ended: far longer than any gap within one paint.
constexpr int kQuietMilliseconds = 150;

// Starts the program and waits for its top-level window to be mapped and
// painted; then ends it. The paint ends with the last change of the
// window's contents before it goes quiet.
Shown Show(const std::vector<std::string>& arguments, const std::string& settings)
{
    Shown shown;
    const Clock::time_point start = Clock::now();
    std::string display = "DISPLAY=";
    display.append(g_server.display);
    std::string config = "XDG_CONFIG_HOME=";
    config.append(settings);
    const pid_t child = Spawn(arguments, { display, "QT_QPA_PLATFORM=xcb", "RYVANTA_TODAY=2026-12-07", config });
    if (child <= 0)
        return shown;
    xcb_damage_damage_t damage = 0;
    const auto seconds = [&] { return std::chrono::duration<double>(Clock::now() - start).count(); };
    pollfd connection { xcb_get_file_descriptor(g_server.connection), POLLIN, 0 };
    for (;;) {
        std::unique_ptr<xcb_generic_event_t, decltype(&free)> event(xcb_poll_for_event(g_server.connection), &free);
        if (!event) {
            if (xcb_connection_has_error(g_server.connection))
                break;
            const int timeout = shown.painted < 0 ? 10000 : kQuietMilliseconds;
            if (poll(&connection, 1, timeout) == 0)
                break;
            continue;
        }
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_MAP_NOTIFY && shown.mapped < 0) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
            if (map->override_redirect)
                continue;
            shown.mapped = seconds();
            damage = xcb_generate_id(g_server.connection);
            xcb_damage_create(g_server.connection, damage, map->window, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
            xcb_flush(g_server.connection);
        } else if (type == g_server.damageEvent && damage) {
            shown.painted = seconds();
        }
    }
    if (damage)
        xcb_damage_destroy(g_server.connection, damage);
    xcb_flush(g_server.connection);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    return shown;
}

void MeasureShow(benchmark::State& state, const std::vector<std::string>& arguments)
{
    char folder[] = "/tmp/bench_show_XXXXXX";
    const std::string settings = mkdtemp(folder) ? folder : "/tmp";
    double mapped = 0;
    for (auto _ : state) {
        const Shown shown = Show(arguments, settings);
        if (shown.painted < 0) {
            state.SkipWithError("the window was not shown");
            break;
        }
        mapped += shown.mapped;
        state.SetIterationTime(shown.painted);
    }
    state.counters["mapped_ms"] = benchmark::Counter(1000 * mapped, benchmark::Counter::kAvgIterations);
    state.SetLabel("Time: spawn to first paint");
}

void PlainDialogShown(benchmark::State& state)
{
    MeasureShow(state, { PLAIN_DIALOG_EXECUTABLE, std::to_string(g_widgetCount), "--show" });
}

void RyvantaShown(benchmark::State& state)
{
    MeasureShow(state, { RYVANTA_EXECUTABLE });
}

} // namespace

BENCHMARK(PlainDialogShown)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(RyvantaShown)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (!StartServer()) {
        std::fprintf(stderr, "bench_show: cannot start Xvfb with the Damage extension\n");
        StopServer();
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    StopServer();
    return 0;
}
