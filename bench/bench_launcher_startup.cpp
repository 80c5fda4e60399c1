// Times the launcher in process (offscreen windows) on two installations: a copy of the staged
// demo installation, and a large library built beside it (2,000 installed games, 500 zips in
// the zip library and one game of 40 wads). For each it prints, as median and slowest of N
// runs (default 9, or the first argument):
//   - the start-up, from the start of the start-up sequence to the main window shown with its
//     pending events handled: a first start without config.z3d (the commercial games are
//     shown), and a start that shows the installed games remembered from the previous run;
//   - one games-list click in the installed-games view: choosing a game of one wad, and
//     choosing the game of 40 wads (the checker ranks every wad to find the main one).
// Then the process's peak resident set.

#include "core/app/LauncherContext.h"
#include "gui/LauncherStartup.h"
#include "gui/mainwindow.h"
#include "gui/services/DesktopProcesses.h"
#include "gui/tabs/GamesTab.h"

#include "support/GameFileBytes.h"
#include "support/SilentDialogs.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <sys/resource.h>

namespace {

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

// A small PWAD with the given number of MAPnn maps.
QByteArray wad(int maps)
{
    QList<QByteArray> markers;
    for (int map = 1; map <= maps; ++map)
        markers << QStringLiteral("MAP%1").arg(map, 2, 10, QLatin1Char('0')).toLatin1();
    return z3d::test::wadWithMaps(markers);
}

bool writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

bool buildLargeLibrary(const QString& root)
{
    const QByteArray oneWad = wad(3);
    for (int game = 0; game < 2000; ++game) {
        const QString name = QStringLiteral("Game %1").arg(game, 4, 10, QLatin1Char('0'));
        if (!writeFile(root + "/Z3DGames/" + name + "/Pwads/game.wad", oneWad))
            return false;
    }
    for (int wadIndex = 0; wadIndex < 40; ++wadIndex) {
        const QString file = QStringLiteral("/Z3DGames/Big Game/Pwads/part%1.wad").arg(wadIndex);
        if (!writeFile(root + file, wad(1 + wadIndex % 7)))
            return false;
    }
    for (int zipIndex = 0; zipIndex < 500; ++zipIndex) {
        const QString zip = root + QStringLiteral("/Z3DArchives/archive%1.zip").arg(zipIndex);
        if (!z3d::test::writeZip(zip, {{"game.wad", oneWad}}))
            return false;
    }
    return true;
}

struct Figures
{
    std::vector<double> firstStart, startInstalledView, clicksRun, clickOneWad, clickFortyWads;
};

double timed(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

// One launcher run: the start-up, then (when asked) the two clicks.
bool runOnce(const QString& root, const QString& lock, std::vector<double>& start, Figures* clicks,
             const QString& oneWadGame)
{
    z3d::test::SilentDialogs dialogs;
    z3d::DesktopProcesses processes(dialogs);
    z3d::LauncherContext context;
    context.dialogs = &dialogs;
    context.processes = &processes;
    z3d::LauncherStartup startup(context, root + "/bin", {}, lock);
    z3d::LauncherStartup::Outcome outcome{};
    start.push_back(timed([&] { outcome = startup.run(); }));
    if (outcome != z3d::LauncherStartup::Outcome::Running)
        return false;
    z3d::MainWindow& window = *startup.mainWindow();
    if (clicks) {
        window.gamesTab()->chooseView(0);
        QListWidget* games = window.gamesTab()->gamesList();
        const auto click = [games](const QString& name) {
            const QList<QListWidgetItem*> items = games->findItems(name, Qt::MatchFixedString);
            if (!items.isEmpty())
                games->setCurrentItem(items.constFirst(), QItemSelectionModel::ClearAndSelect);
        };
        clicks->clickOneWad.push_back(timed([&] { click(oneWadGame); }));
        if (!games->findItems(QStringLiteral("BIG GAME"), Qt::MatchFixedString).isEmpty())
            clicks->clickFortyWads.push_back(timed([&] { click(QStringLiteral("BIG GAME")); }));
    }
    window.close();
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
        if (!runOnce(root, lock.path(), figures.firstStart, nullptr, oneWadGame) ||
            !runOnce(root, lock.path(), figures.clicksRun, &figures, oneWadGame) ||
            !runOnce(root, lock.path(), figures.startInstalledView, nullptr, oneWadGame))
            return false;
    }
    std::printf("%s\n", title);
    report("start to window shown, first start", figures.firstStart);
    report("start to window shown, installed games view", figures.startInstalledView);
    report("games-list click, game of one wad", figures.clickOneWad);
    report("games-list click, game of 40 wads", figures.clickFortyWads);
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;

    const QString demo = QStringLiteral(Z3D_DEMO_DIR);
    QTemporaryDir demoCopy;
    QTemporaryDir large;
    if (!QFileInfo(demo + "/bin").isDir() || !copyTree(demo, demoCopy.path()) ||
        !copyTree(demo, large.path()) || !buildLargeLibrary(large.path())) {
        std::fprintf(stderr, "bench_launcher_startup: cannot prepare the installations from %s\n",
                     qPrintable(demo));
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
