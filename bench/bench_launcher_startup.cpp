// Times the launcher in process (offscreen windows) on two installations: a copy of the staged
// demo installation, and a large library built beside it (2,000 installed games, 500 zips in
// the zip library and one game of 40 wads). For each it prints, as median and slowest of N
// runs (default 9, or the first argument):
//   - the start-up, from the start of the start-up sequence to the main window shown with its
//     pending events handled: a first start without config.z3d (the commercial games are
//     shown), and a start that shows the installed games remembered from the previous run;
//   - switching the games list to the installed games (the list is filled and the remembered
//     or first game selected);
//   - games-list clicks in the installed-games view: choosing a game of one wad, choosing the
//     game of 40 wads (the checker ranks every wad to find the main one), and choosing that
//     game again after another (its wads are unchanged, so no checker runs).
// Then the process's peak resident set.

#include "BenchLibrary.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <sys/resource.h>

namespace {

using z3d::bench::kWideGame;
using z3d::bench::LauncherRun;
using z3d::bench::timed;

struct Figures
{
    std::vector<double> firstStart, startInstalledView, showInstalledGames, clickOneWad,
        clickFortyWads, clickFortyWadsAgain;
};

// One launcher run: the start-up, then (when asked) the clicks.
bool runOnce(const QString& root, const QString& lock, std::vector<double>* start, Figures* clicks,
             const QString& oneWadGame)
{
    LauncherRun launcher(root, lock);
    bool started = false;
    const double startMs = timed([&] { started = launcher.start(); });
    if (!started)
        return false;
    if (start)
        start->push_back(startMs);
    if (clicks) {
        clicks->showInstalledGames.push_back(timed([&] { launcher.showInstalledGames(); }));
        clicks->clickOneWad.push_back(timed([&] { launcher.clickGame(oneWadGame); }));
        if (QFileInfo::exists(root + "/Z3DGames/" + kWideGame)) {
            clicks->clickFortyWads.push_back(timed([&] { launcher.clickGame(kWideGame); }));
            launcher.clickGame(oneWadGame);
            clicks->clickFortyWadsAgain.push_back(timed([&] { launcher.clickGame(kWideGame); }));
        }
    }
    launcher.close();
    return true;
}

void report(const char* what, std::vector<double> samples)
{
    if (samples.empty())
        return;
    std::sort(samples.begin(), samples.end());
    std::printf("  %-46s median %9.2f ms   slowest %9.2f ms   (%zu runs)\n", what,
                samples[samples.size() / 2], samples.back(), samples.size());
}

bool measure(const char* title, const QString& root, int runs, const QString& oneWadGame)
{
    QTemporaryDir lock;
    Figures figures;
    const QString config = root + "/Z3DLaunch/config.z3d";
    for (int i = 0; i < runs; ++i) {
        QFile::remove(config);
        // The clicking run leaves the installed-games view in config.z3d for the third start.
        if (!runOnce(root, lock.path(), &figures.firstStart, nullptr, oneWadGame) ||
            !runOnce(root, lock.path(), nullptr, &figures, oneWadGame) ||
            !runOnce(root, lock.path(), &figures.startInstalledView, nullptr, oneWadGame))
            return false;
    }
    std::printf("%s\n", title);
    report("start to window shown, first start", figures.firstStart);
    report("start to window shown, installed games view", figures.startInstalledView);
    report("showing the installed games", figures.showInstalledGames);
    report("games-list click, game of one wad", figures.clickOneWad);
    report("games-list click, game of 40 wads", figures.clickFortyWads);
    report("games-list click, game of 40 wads again", figures.clickFortyWadsAgain);
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::unique_ptr<QApplication> app = z3d::bench::offscreenApplication(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;

    QTemporaryDir demoCopy;
    QTemporaryDir large;
    if (!z3d::bench::prepareInstallations(QStringLiteral(Z3D_DEMO_DIR), demoCopy, large)) {
        std::fprintf(stderr, "bench_launcher_startup: cannot prepare the installations from %s\n",
                     Z3D_DEMO_DIR);
        return 1;
    }
    if (!measure("Demo installation", demoCopy.path(), runs, QStringLiteral("QUARRY")) ||
        !measure("2,000 installed games, 500 zips, a game of 40 wads", large.path(), runs,
                 QStringLiteral("GAME 1000"))) {
        std::fprintf(stderr, "bench_launcher_startup: the launcher did not start\n");
        return 1;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident set of the process: %ld KiB\n", usage.ru_maxrss);
    return 0;
}
