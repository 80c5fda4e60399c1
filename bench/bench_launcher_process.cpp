// Times whole launcher processes on a private X server (no window manager), from the start of
// the process to its first ordinary top-level window mapped, beside a minimal Qt program that
// shows one window (anchor_qt_window) and the same with a line of text (anchor_qt_text_window,
// which pays for Qt's font database as any window with text does), N times each (default 9, or the
// first argument) in the same run. Each process is then ended with SIGTERM, as a logout ends it.
// Prints the medians of the time and of the processor time to the window (the second tells a busy
// machine from a slower launcher), the largest peak resident set up to the window, and the ratios
//   - the launcher on the demo installation against the minimal Qt window, and against the one
//     with text;
//   - a large library (2,000 installed games, 500 zips) remembering its game of 40 wads against
//     the same library remembering a game of one wad (the 40 checker runs that rank its wads);
//   - that library remembering a game of one wad against the demo installation (three games).
// The remembered games are chosen by a launcher run in this process beforehand. Then the
// start-up profiles of the launcher on the demo installation and on the large library (see
// StartupProfile).

#include "BenchLibrary.h"
#include "ProcessPeak.h"
#include "StartupProfile.h"

#include "support/XSession.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using z3d::bench::median;
using z3d::bench::StartupProfile;

constexpr int kDeadlineMs = 20000;

struct Series
{
    std::vector<double> milliseconds;
    std::vector<double> processorMs;
    long maxRssKiB = 0;
};

struct XcbDeleter
{
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};

// The environment of the measured processes: this one's, on the private display with Qt's
// X platform.
std::vector<std::string> childEnvironment(const QString& display)
{
    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        if (text.rfind("DISPLAY=", 0) != 0 && text.rfind("QT_QPA_PLATFORM=", 0) != 0 &&
            text.rfind("WAYLAND_DISPLAY=", 0) != 0)
            environment.push_back(text);
    }
    environment.push_back("DISPLAY=" + display.toStdString());
    environment.push_back("QT_QPA_PLATFORM=xcb");
    return environment;
}

// Watches the display's root window for top-level windows being mapped.
class MapWatcher
{
public:
    explicit MapWatcher(const QString& display)
        : m_connection(xcb_connect(display.toLocal8Bit().constData(), nullptr))
    {
        if (xcb_connection_has_error(m_connection.get()))
            return;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection.get())).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection.get(), m_root, XCB_CW_EVENT_MASK, &mask);
        const char name[] = "_NET_WM_PID";
        auto* reply = xcb_intern_atom_reply(
            m_connection.get(), xcb_intern_atom(m_connection.get(), 0, sizeof name - 1, name),
            nullptr);
        if (reply) {
            m_pidAtom = reply->atom;
            std::free(reply);
        }
        xcb_flush(m_connection.get());
    }

    bool isReady() const
    {
        return !xcb_connection_has_error(m_connection.get()) && m_pidAtom != XCB_ATOM_NONE;
    }

    // Waits until process pid maps an ordinary top-level window; false after the deadline.
    bool waitForWindowOf(pid_t pid)
    {
        const int fd = xcb_get_file_descriptor(m_connection.get());
        const auto give = std::chrono::steady_clock::now() + std::chrono::milliseconds(kDeadlineMs);
        for (;;) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection.get())) {
                const bool found =
                    (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                    isWindowOf(reinterpret_cast<xcb_map_notify_event_t*>(event), pid);
                std::free(event);
                if (found)
                    return true;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                give - std::chrono::steady_clock::now());
            if (left.count() <= 0 || xcb_connection_has_error(m_connection.get()))
                return false;
            pollfd readable{fd, POLLIN, 0};
            poll(&readable, 1, int(left.count()));
        }
    }

private:
    bool isWindowOf(const xcb_map_notify_event_t* event, pid_t pid)
    {
        if (event->override_redirect)
            return false; // a menu or a tip
        auto* reply = xcb_get_property_reply(m_connection.get(),
                                             xcb_get_property(m_connection.get(), 0, event->window,
                                                              m_pidAtom, XCB_ATOM_CARDINAL, 0, 1),
                                             nullptr);
        bool matches = false;
        if (reply && xcb_get_property_value_length(reply) == 4)
            matches = *static_cast<uint32_t*>(xcb_get_property_value(reply)) == uint32_t(pid);
        std::free(reply);
        return matches;
    }

    std::unique_ptr<xcb_connection_t, XcbDeleter> m_connection;
    xcb_window_t m_root = 0;
    xcb_atom_t m_pidAtom = XCB_ATOM_NONE;
};

// Starts program, times it to its window mapped, keeps its peak resident set so far and ends
// it with SIGTERM. With a profile, the program traces its start-up into the file tracePath,
// which the profile then reads.
bool timeToWindow(MapWatcher& watcher, const std::string& program,
                  std::vector<std::string> environment, Series& series,
                  StartupProfile* profile = nullptr, const QString& tracePath = {})
{
    if (profile)
        environment.push_back("Z3D_STARTUP_TRACE=1");
    std::vector<char*> envp;
    for (const std::string& entry : environment)
        envp.push_back(const_cast<char*>(entry.c_str()));
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    const std::string errors = profile ? tracePath.toStdString() : std::string("/dev/null");

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errors.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const bool spawned =
        posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data()) == 0;
    posix_spawn_file_actions_destroy(&actions);
    if (!spawned)
        return false;
    const bool mapped = watcher.waitForWindowOf(pid);
    const auto end = std::chrono::steady_clock::now();
    const long peak = z3d::bench::peakResidentKiB(pid);
    const double processor = z3d::bench::processorMs(pid);
    kill(pid, mapped ? SIGTERM : SIGKILL);
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !mapped)
        return false;
    series.milliseconds.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    series.maxRssKiB = std::max(series.maxRssKiB, peak);
    series.processorMs.push_back(processor);
    if (profile) {
        QFile trace(tracePath);
        const auto microseconds = [](std::chrono::steady_clock::time_point at) {
            return std::chrono::duration_cast<std::chrono::microseconds>(at.time_since_epoch())
                .count();
        };
        if (!trace.open(QIODevice::ReadOnly) ||
            !profile->add(microseconds(start), trace.readAll(), microseconds(end)))
            return false;
    }
    return true;
}

// Makes the launcher of the installation at root remember the installed game shown as name.
bool remember(const QString& root, const QString& name)
{
    QTemporaryDir lock;
    z3d::bench::LauncherRun launcher(root, lock.path());
    if (!launcher.start())
        return false;
    launcher.showInstalledGames();
    launcher.clickGame(name);
    launcher.close();
    return true;
}

void report(const char* what, Series& series)
{
    std::printf("  %-52s median %7.1f ms   processor %6.1f ms   peak RSS %5.1f MiB   (%zu runs)\n",
                what, median(series.milliseconds), median(series.processorMs),
                series.maxRssKiB / 1024.0, series.milliseconds.size());
}

void ratio(const char* what, Series& over, Series& under, double target)
{
    const double value = median(over.milliseconds) / median(under.milliseconds);
    if (target > 0)
        std::printf("  ratio %-46s %6.2fx   (target %.1fx or less)\n", what, value, target);
    else
        std::printf("  ratio %-46s %6.2fx\n", what, value);
}

} // namespace

int main(int argc, char* argv[])
{
    const std::unique_ptr<QApplication> app = z3d::bench::offscreenApplication(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;

    if (const QString reason = z3d::test::XSession::skipReason(); !reason.isEmpty()) {
        std::printf("bench_launcher_process: skipped: %s\n", qPrintable(reason));
        return 0;
    }
    QTemporaryDir demoCopy;
    QTemporaryDir large;
    if (!z3d::bench::prepareInstallations(QStringLiteral(Z3D_DEMO_DIR), demoCopy, large) ||
        !remember(demoCopy.path(), QStringLiteral("QUARRY"))) {
        std::fprintf(stderr, "bench_launcher_process: cannot prepare the installations\n");
        return 1;
    }

    z3d::test::XSession session(z3d::test::XSession::Desktop::BareServer);
    if (!session.isReady()) {
        std::fprintf(stderr, "bench_launcher_process: %s\n", qPrintable(session.error()));
        return 1;
    }
    MapWatcher watcher(session.display());
    if (!watcher.isReady()) {
        std::fprintf(stderr, "bench_launcher_process: cannot watch %s\n",
                     qPrintable(session.display()));
        return 1;
    }
    const std::vector<std::string> environment = childEnvironment(session.display());
    const std::string anchorProgram = Z3D_ANCHOR_QT_WINDOW;
    const std::string textAnchorProgram = Z3D_ANCHOR_QT_TEXT_WINDOW;
    const std::string demoLauncher = (demoCopy.path() + "/bin/Z3Dlauncher").toStdString();
    const std::string largeLauncher = (large.path() + "/bin/Z3Dlauncher").toStdString();

    Series anchor, textAnchor, demoOneWad, largeOneWad, largeFortyWads;
    StartupProfile profile, largeProfile;
    QTemporaryDir traces;
    const QString tracePath = traces.filePath(QStringLiteral("trace"));
    bool ok = remember(large.path(), QStringLiteral("GAME 1000"));
    // The series take turns, so a slow moment of the machine falls on all of them.
    for (int i = 0; ok && i < runs; ++i) {
        ok = timeToWindow(watcher, anchorProgram, environment, anchor) &&
             timeToWindow(watcher, textAnchorProgram, environment, textAnchor) &&
             timeToWindow(watcher, demoLauncher, environment, demoOneWad, &profile, tracePath) &&
             timeToWindow(watcher, largeLauncher, environment, largeOneWad, &largeProfile,
                          tracePath);
    }
    ok = ok && remember(large.path(), z3d::bench::kWideGame);
    for (int i = 0; ok && i < runs; ++i)
        ok = timeToWindow(watcher, largeLauncher, environment, largeFortyWads);
    if (!ok) {
        std::fprintf(stderr, "bench_launcher_process: a program did not map its window\n");
        return 1;
    }

    std::printf("Process start to window mapped\n");
    report("minimal Qt window", anchor);
    report("minimal Qt window with a line of text", textAnchor);
    report("launcher, demo installation, game of one wad", demoOneWad);
    report("launcher, 2,000 games and 500 zips, game of one wad", largeOneWad);
    report("launcher, 2,000 games and 500 zips, game of 40 wads", largeFortyWads);
    ratio("launcher / minimal Qt window", demoOneWad, anchor, 1.5);
    std::printf("  (processor time to the window: launcher / minimal Qt window %.2fx)\n",
                median(demoOneWad.processorMs) / median(anchor.processorMs));
    ratio("launcher / minimal Qt window with text", demoOneWad, textAnchor, 0);
    ratio("game of 40 wads / game of one wad", largeFortyWads, largeOneWad, 1.6);
    ratio("2,000 installed games / three", largeOneWad, demoOneWad, 1.5);
    std::printf("\n");
    profile.print("launcher on the demo installation");
    std::printf("\n");
    largeProfile.print("launcher on 2,000 games and 500 zips, game of one wad");
    return 0;
}
