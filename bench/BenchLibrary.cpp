#include "BenchLibrary.h"

#include "gui/mainwindow.h"
#include "gui/tabs/GamesTab.h"

#include "support/GameFileBytes.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>

#include <algorithm>

namespace z3d::bench {

namespace {

// A small PWAD with the given number of MAPnn maps.
QByteArray wad(int maps)
{
    QList<QByteArray> markers;
    for (int map = 1; map <= maps; ++map)
        markers << QStringLiteral("MAP%1").arg(map, 2, 10, QLatin1Char('0')).toLatin1();
    return test::wadWithMaps(markers);
}

bool writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

std::unique_ptr<QApplication> offscreenApplication(int& argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Before the application object is made, which gives the note on XDG_RUNTIME_DIR.
    static const QtMessageHandler passOn = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (!message.contains(QLatin1String("does not support propagateSizeHints()")) &&
                !message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
                passOn(type, context, message);
        });
    auto app = std::make_unique<QApplication>(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return app;
}

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

bool buildLargeLibrary(const QString& root)
{
    const QByteArray oneWad = wad(3);
    for (int game = 0; game < 2000; ++game) {
        const QString name = QStringLiteral("Game %1").arg(game, 4, 10, QLatin1Char('0'));
        if (!writeFile(root + "/Z3DGames/" + name + "/Pwads/game.wad", oneWad))
            return false;
    }
    for (int wadIndex = 0; wadIndex < 40; ++wadIndex) {
        const QString file = QStringLiteral("/Pwads/part%1.wad").arg(wadIndex);
        if (!writeFile(root + "/Z3DGames/" + kWideGame + file, wad(1 + wadIndex % 7)))
            return false;
    }
    for (int zipIndex = 0; zipIndex < 500; ++zipIndex) {
        const QString zip = root + QStringLiteral("/Z3DArchives/archive%1.zip").arg(zipIndex);
        if (!test::writeZip(zip, {{"game.wad", oneWad}}))
            return false;
    }
    return true;
}

bool prepareInstallations(const QString& demoDir, const QTemporaryDir& demoCopy,
                          const QTemporaryDir& large)
{
    return demoCopy.isValid() && large.isValid() && QFileInfo(demoDir + "/bin").isDir() &&
           copyTree(demoDir, demoCopy.path()) && copyTree(demoDir, large.path()) &&
           buildLargeLibrary(large.path());
}

double timed(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

double median(std::vector<double>& samples)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

LauncherRun::LauncherRun(const QString& root, const QString& lockFolder)
    : m_context([this] {
          LauncherContext context;
          context.dialogs = &m_dialogs;
          context.processes = &m_processes;
          return context;
      }()),
      m_startup(m_context, root + "/bin", {}, lockFolder)
{
}

bool LauncherRun::start()
{
    return m_startup.run() == LauncherStartup::Outcome::Running;
}

void LauncherRun::showInstalledGames()
{
    m_startup.mainWindow()->gamesTab()->chooseView(0);
}

void LauncherRun::clickGame(const QString& name)
{
    QListWidget* list = m_startup.mainWindow()->gamesTab()->gamesList();
    const QList<QListWidgetItem*> items = list->findItems(name, Qt::MatchFixedString);
    if (!items.isEmpty())
        list->setCurrentItem(items.constFirst(), QItemSelectionModel::ClearAndSelect);
}

void LauncherRun::close()
{
    if (m_startup.mainWindow())
        m_startup.mainWindow()->close();
}

} // namespace z3d::bench
