// Times the launcher's start-up in process, from the start of the start-up sequence to the
// main window shown with its pending events handled, on a copy of the staged demo installation
// (offscreen windows). Prints the median and the slowest of N runs (default 15, or the first
// argument) for a first start (no config.z3d) and for a start with the settings of the
// previous run, and the process's peak resident set.

#include "core/app/Dialogs.h"
#include "core/app/LauncherContext.h"
#include "core/app/Processes.h"
#include "gui/LauncherStartup.h"
#include "gui/mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <sys/resource.h>

namespace {

// Answers every question at once, as a player pressing Enter would.
class SilentDialogs : public z3d::Dialogs
{
public:
    int messageBox(const QString&, int, const QString&) override { return z3d::MsgOk; }
    std::optional<QString> openFile(const z3d::OpenFileRequest&) override { return {}; }
    std::optional<QString> browseForFolder(const QString&) override { return {}; }
    z3d::NameAnswer askName(const QString&, const QString&, const QString&,
                            const QString& defaultText) override
    {
        return {defaultText, false};
    }
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override
    {
        return {};
    }
};

// Starts nothing: a benchmark must not relaunch the launcher or open editors.
class NoProcesses : public z3d::Processes
{
public:
    QString runAndWait(const QString&, const QString&) override { return {}; }
    bool startProgram(const QString&, const QString&) override { return true; }
    bool openInTextEditor(const QString&) override { return true; }
    int openWithAssociatedProgram(const QString&) override { return 33; }
};

bool copyTree(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        if (it.fileInfo().isDir()) {
            if (!QDir().mkpath(target))
                return false;
        } else if (!QFile::copy(source, target)) {
            return false;
        }
    }
    return true;
}

// One start-up; milliseconds until the window is shown, negative when it did not come up.
double startOnce(const QString& installRoot, const QString& lockFolder)
{
    SilentDialogs dialogs;
    NoProcesses processes;
    z3d::LauncherContext context;
    context.dialogs = &dialogs;
    context.processes = &processes;
    QElapsedTimer timer;
    timer.start();
    z3d::LauncherStartup startup(context, installRoot + "/bin", {}, lockFolder);
    const auto outcome = startup.run();
    const double elapsed = timer.nsecsElapsed() / 1e6;
    if (outcome != z3d::LauncherStartup::Outcome::Running)
        return -1;
    startup.mainWindow()->close();
    return elapsed;
}

void report(const char* what, std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    std::printf("%-44s median %8.2f ms   slowest %8.2f ms   (%zu runs)\n", what,
                samples[samples.size() / 2], samples.back(), samples.size());
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;

    const QString demo = QStringLiteral(Z3D_DEMO_DIR);
    QTemporaryDir copy;
    QTemporaryDir lock;
    if (!QFileInfo(demo + "/bin").isDir() || !copyTree(demo, copy.path())) {
        std::fprintf(stderr, "bench_launcher_startup: no demo installation at %s\n",
                     qPrintable(demo));
        return 1;
    }
    const QString config = copy.path() + "/Z3DLaunch/config.z3d";

    std::vector<double> first, again;
    for (int i = 0; i < runs; ++i) {
        QFile::remove(config);
        first.push_back(startOnce(copy.path(), lock.path()));
        again.push_back(startOnce(copy.path(), lock.path()));
    }
    if (std::any_of(first.begin(), first.end(), [](double ms) { return ms < 0; }) ||
        std::any_of(again.begin(), again.end(), [](double ms) { return ms < 0; })) {
        std::fprintf(stderr, "bench_launcher_startup: the launcher did not start\n");
        return 1;
    }
    report("launcher start to window shown, first start", first);
    report("launcher start to window shown, with config", again);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%-44s %8ld KiB\n", "peak resident set of the process", usage.ru_maxrss);
    return 0;
}
