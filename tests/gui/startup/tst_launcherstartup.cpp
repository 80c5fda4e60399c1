#include "core/app/LauncherContext.h"
#include "core/library/GameRecords.h"
#include "core/platform/FaultInjector.h"
#include "core/platform/FileOperations.h"
#include "core/platform/LosslessUtf8.h"
#include "core/settings/SettingsFile.h"
#include "gui/LauncherStartup.h"
#include "gui/mainwindow.h"
#include "gui/tabs/GamesTab.h"
#include "gui/tooltips/ToolTips.h"
#include "support/CheckingProcesses.h"
#include "support/Controls.h"
#include "support/CurrentFolder.h"
#include "support/DataTable.h"
#include "support/GameFileBytes.h"
#include "support/InstallTree.h"
#include "support/RecordingDialogs.h"
#include "support/RecordingProcesses.h"
#include "support/SmallTmpfs.h"
#include "support/SoleMessage.h"
#include "support/TestRegistry.h"
#include "support/TextLines.h"
#include "support/TreeSnapshot.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <filesystem>
#include <optional>

using namespace z3d;
using namespace z3d::test;

Q_DECLARE_METATYPE(z3d::ErrorNumber)

namespace {

const QString kTitle = QStringLiteral("Z3DLauncher v7.5  and  Zorn3D v2.2.20");
const QString kCrLf = QStringLiteral("\r\n");

// One launcher run on an installation tree, with scripted dialogs and no real processes.
// The tree gets a commercial game, so the start-up does not stop to ask for IWAD locations.
struct Run
{
    explicit Run(InstallTree& tree, QStringList arguments = {}, QString lockFolder = {})
        : lock(), startup(context, tree.binDir(), std::move(arguments),
                          lockFolder.isEmpty() ? lock.path() : lockFolder)
    {
        if (!tree.exists("Iwads/Doom2.wad"))
            tree.addFile("Iwads/Doom2.wad", "IWAD");
        context.dialogs = &dialogs;
        context.processes = &processes;
    }

    LauncherStartup::Outcome run() { return startup.run(); }
    MainWindow* window() const { return startup.mainWindow(); }
    // Closes the window as the player would.
    void quit()
    {
        QVERIFY(window());
        window()->close();
    }

    // The start-up makes the installation root current.
    const CurrentFolder keptFolder;
    QTemporaryDir lock;
    LauncherContext context;
    RecordingDialogs dialogs;
    RecordingProcesses processes;
    LauncherStartup startup;
};

// The start-up's only message is a notice of style 4096 with this title and text, and it
// leaves no settings file behind.
void verifyNoticeAndNoSettings(const Run& launcher, const InstallTree& tree, const QString& title,
                               const QString& text)
{
    verifySoleMessage(launcher.dialogs.messages(), 4096, title, text);
    QVERIFY(!tree.exists("Z3DLaunch/config.z3d"));
}

// A run on a filled library, whose lists come from the real checker: an installed game and a
// zip with a map each, and a Doom II with its maps.
struct LibraryRun : Run
{
    explicit LibraryRun(InstallTree& tree) : Run(prepared(tree)), checking(dialogs)
    {
        context.processes = &checking;
    }
    static InstallTree& prepared(InstallTree& tree)
    {
        tree.addBuiltProgram("Z3DgFiles");
        tree.addFile("Iwads/Doom2.wad", wadWithMaps({"MAP01", "MAP02"}, "IWAD"));
        tree.addFile("Z3DGames/Castle/Pwads/castle.wad", wadWithMaps({"MAP01", "MAP02"}));
        writeZip(tree.path("Z3DArchives/ridge.zip"), {{"ridge.wad", wadWithMaps({"MAP01"})}});
        return tree;
    }

    CheckingProcesses checking;
};

// Saved settings of a start in the layout, on the view, with the remembered entries of the
// library LibraryRun makes.
LauncherSettings libraryStart(bool advanced, int view)
{
    LauncherSettings saved = LauncherSettings::defaults(20000, 15000);
    saved.advancedOptions = advanced;
    saved.gamesListView = view;
    saved.lastInstalledGame = QStringLiteral("Castle");
    saved.lastDoomGame = QStringLiteral("DOOM II");
    saved.lastZipLibraryEntry = QStringLiteral("ridge");
    return saved;
}

} // namespace

class TestLauncherStartup : public QObject
{
    Q_OBJECT

private slots:
    void iwadWindowFirstOpenedShowsTheStartupLocations()
    {
        InstallTree tree;
        Run launcher(tree);
        QCOMPARE(launcher.run(), LauncherStartup::Outcome::Running);
        QVERIFY(!launcher.window()->findChild<QDialog*>("IwadForm"));
        QString firstLine;
        bool warningShown = true;
        QTimer::singleShot(0, launcher.window(), [&] {
            auto* form = launcher.window()->findChild<QDialog*>("IwadForm");
            QVERIFY(form && form->isVisible());
            firstLine = findControl<QLabel>(*form, "ShowIwads_0")->text();
            warningShown = findControl<QWidget>(*form, "IwadsWarning")->isVisible();
            form->close();
        });
        launcher.window()->auxButton(CommandBar::IwadLocations)->click();
        QVERIFY(firstLine.endsWith(QStringLiteral("Doom2.wad")));
        QVERIFY(!warningShown);
        launcher.quit();
    }

    void normalStartShowsTheTitledWindowAndQuittingWritesTheSettings()
    {
        InstallTree tree;
        tree.removeFolder("Z3DGames");
        Run launcher(tree);
        QCOMPARE(launcher.run(), LauncherStartup::Outcome::Running);
        QVERIFY(launcher.dialogs.messages().isEmpty());
        QCOMPARE(launcher.window()->windowTitle(), kTitle);
        QVERIFY(launcher.window()->isVisible());
        QCOMPARE(QDir::currentPath(), QDir(tree.root()).canonicalPath());
        QVERIFY(!tree.exists("Z3DLaunch/Admin"));
        QVERIFY(tree.isFolder("Z3DGames"));
        QVERIFY(tree.isFolder("Z3DLaunch/GameInfo"));

        tree.addFile("Z3DLaunch/launch.txt", "x");
        tree.addFile("Z3DLaunch/Data/pwad.z3d", "x");
        launcher.quit();
        const QStringList config = crLfLines(tree.readFile("Z3DLaunch/config.z3d"));
        QCOMPARE(config.size(), 86);
        QCOMPARE(config.at(0), QStringLiteral("v7.5"));
        QCOMPARE(config.at(4), QStringLiteral(" 32 "));
        QVERIFY(!tree.exists("Z3DLaunch/launch.txt"));
        QVERIFY(!tree.exists("Z3DLaunch/Data/pwad.z3d"));
    }

    void missingDependencyIsNamedAndEndsTheLauncher_data()
    {
        const DataTable<QStringList, QString> row("removed", "named");
        row("eax.dll", QStringList{"bin/eax.dll"}, "eax.dll");
        row("two missing, the first named", QStringList{"bin/eax.dll", "bin/unzip32.dll"},
            "unzip32.dll");
        row("engine", QStringList{"bin/Zorn3D.exe"}, "Zorn3D.exe");
    }
    void missingDependencyIsNamedAndEndsTheLauncher()
    {
        const auto [removed, named] = fetchRow<QStringList, QString>("removed", "named");
        InstallTree tree;
        for (const QString& file : removed)
            QVERIFY(tree.removeFile(file));
        Run launcher(tree);
        QCOMPARE(launcher.run(), LauncherStartup::Outcome::Ended);
        verifyNoticeAndNoSettings(launcher, tree, "Startup error",
                                  named + " has not been detected - re-install Zorn3D.    ");
        QVERIFY(launcher.context.startup.shuttingDown);
    }

    // A launcher in a folder whose name is not UTF-8 is told so, and nothing is written.
    void installationFolderNotInUtf8IsRefused()
    {
        InstallTree tree;
        const QByteArray root = QFile::encodeName(tree.path("caf")) + "\xe9";
        std::filesystem::create_directories((root + "/bin").toStdString());
        // Qt, which removes the tree, cannot name it.
        const auto removeRoot = qScopeGuard([&root] {
            std::error_code error;
            std::filesystem::remove_all(root.toStdString(), error);
        });
        const QSet<QString> before = snapshot(tree);
        const CurrentFolder keptFolder;
        QTemporaryDir lock;
        LauncherContext context;
        RecordingDialogs dialogs;
        context.dialogs = &dialogs;
        LauncherStartup startup(context, LosslessUtf8::decode(root + "/bin"), {}, lock.path());
        QCOMPARE(startup.run(), LauncherStartup::Outcome::Ended);
        verifySoleMessage(
            dialogs.messages(), 16, QStringLiteral("Installation folder error"),
            "   The launcher cannot reach the files of its installation folder by that "
            "folder's name:   " +
                kCrLf + "   " + tree.path(QStringLiteral("caf\uFFFD")) + "   " + kCrLf +
                "   Give the folder a name in the system's encoding (UTF-8), then start the "
                "launcher again.   ");
        QCOMPARE(snapshot(tree), before);
    }

    void emptySettingsFileGivesTheCorruptNoticeAndDefaults()
    {
        InstallTree tree;
        tree.addFile("Z3DLaunch/config.z3d", "");
        Run launcher(tree);
        QCOMPARE(launcher.run(), LauncherStartup::Outcome::Running);
        verifyNoticeAndNoSettings(
            launcher, tree, " Version update v7.5",
            "Corrupt config file detected required the launcher configurations to     " + kCrLf +
                " be reset to the default settings, please reconfigure your settings. ");
        // The rest of the start-up still ran: the window has its title.
        QCOMPARE(launcher.window()->windowTitle(), kTitle);
        // The notice cleared the reset, so quitting writes the defaults.
        launcher.quit();
        QCOMPARE(crLfLines(tree.readFile("Z3DLaunch/config.z3d")).size(), 86);
    }

    void versionLineIsComparedWithoutCase_data()
    {
        const DataTable<QString, bool> row("version", "notice");
        row("capitals", "V7.5", false);
        row("older", "v7.4", true);
    }
    void versionLineIsComparedWithoutCase()
    {
        const auto [version, notice] = fetchRow<QString, bool>("version", "notice");
        InstallTree tree;
        tree.addTextFile("Z3DLaunch/config.z3d", {version, " 4 "});
        Run launcher(tree);
        QCOMPARE(launcher.run(), LauncherStartup::Outcome::Running);
        const auto messages = launcher.dialogs.messages();
        QCOMPARE(messages.size(), notice ? 1 : 0);
        if (notice) {
            QCOMPARE(messages.at(0).text,
                     "The latest version upgrade required the launcher configurations to     " +
                         kCrLf +
                         " be reset to the default settings, please reconfigure your settings. ");
            QCOMPARE(launcher.context.settings.lastSkill, 2);
        } else {
            QCOMPARE(launcher.context.settings.lastSkill, 4);
        }
    }

    void wineSwitchCentresAndLeavesThePositionOut_data()
    {
        const DataTable<QStringList, bool> row("arguments", "wine");
        row("lower case", QStringList{"/wine"}, true);
        row("both switches", QStringList{"/WINE", "/RESTART"}, false);
    }
    void wineSwitchCentresAndLeavesThePositionOut()
    {
        const auto [arguments, wine] = fetchRow<QStringList, bool>("arguments", "wine");
        InstallTree tree;
        Run launcher(tree, arguments);
        QCOMPARE(launcher.run(), LauncherStartup::Outcome::Running);
        QCOMPARE(launcher.context.startup.wineMode, wine);
        QCOMPARE(launcher.context.startup.restarted, false);
        QCOMPARE(launcher.window()->findChild<QWidget*>("WineImage")->isVisible(), wine);
        launcher.quit();
        QCOMPARE(crLfLines(tree.readFile("Z3DLaunch/config.z3d")).size(), wine ? 84 : 86);
    }

    // Centred by the frame of the window as shown: with a saved position beyond the screen, and
    // on the first start, whose default position was worked out from the full layout's size.
    void windowWithoutAUsablePositionIsCentred_data()
    {
        const DataTable<bool> row("settingsFile");
        row("saved position beyond the screen", true);
        row("first start", false);
    }
    void windowWithoutAUsablePositionIsCentred()
    {
        QFETCH(bool, settingsFile);
        InstallTree tree;
        LauncherSettings saved = LauncherSettings::defaults(20000, 15000);
        saved.windowLeft = 30000; // far right of any screen the offscreen platform has
        saved.windowTop = 100;
        if (settingsFile)
            QVERIFY(tree.writeSettings(saved));
        Run launcher(tree);
        QCOMPARE(launcher.run(), LauncherStartup::Outcome::Running);
        MainWindow* window = launcher.window();
        const QRect screen = window->screen()->geometry();
        // Centred by its frame, which the platform has drawn round it since it was shown.
        const QSize size = window->frameGeometry().size();
        QVERIFY(size != window->size());
        QCOMPARE(window->pos(), QPoint(screen.left() + (screen.width() - size.width()) / 2,
                                       screen.top() + (screen.height() - size.height()) / 2));
    }

    void unusableSettingsRestartWithDefaults_data()
    {
        const DataTable<int, QString> row("line", "value");
        row("not a number on line 5", 5, "abc");
        row("no such skill on line 59", 59, " 9 ");
        row("no such after-launch option", 60, " 3 ");
        row("no such games-list view", 65, "-1 ");
    }
    void unusableSettingsRestartWithDefaults()
    {
        const auto [line, value] = fetchRow<int, QString>("line", "value");
        InstallTree tree;
        QStringList config = SettingsFile::toLines(LauncherSettings::defaults(20000, 15000), false);
        config[line - 1] = value;
        tree.addTextFile("Z3DLaunch/config.z3d", config);
        Run launcher(tree);
        QCOMPARE(launcher.run(), LauncherStartup::Outcome::Ended);
        verifyNoticeAndNoSettings(
            launcher, tree, " Configuration error detected",
            " The Launcher has detected a configuration error, the default  " + kCrLf +
                " settings will be reset, please reconfigure launcher settings. ");
        const auto starts = launcher.processes.callsOf(RecordingProcesses::Kind::Start);
        QCOMPARE(starts.size(), 1);
        QCOMPARE(starts.at(0).commandLine,
                 '"' + launcher.context.paths.installRoot + "/bin/Z3Dlauncher.exe\" /RESTART");
        QVERIFY(launcher.context.startup.shuttingDown);
    }

    void secondInstanceRaisesTheFirstAndWritesNothing()
    {
        InstallTree tree;
        QTemporaryDir lock;
        Run first(tree, {}, lock.path());
        QCOMPARE(first.run(), LauncherStartup::Outcome::Running);
        first.window()->showMinimized();

        InstallTree other;
        Run second(other, {}, lock.path());
        QCOMPARE(second.run(), LauncherStartup::Outcome::SecondInstance);
        QVERIFY(second.dialogs.calls().isEmpty());
        QVERIFY(!second.window());
        QVERIFY(!other.exists("Z3DLaunch/config.z3d"));
        QTRY_VERIFY(!first.window()->isMinimized());

        Run restarted(other, {"/RESTART"}, lock.path());
        QCOMPARE(restarted.run(), LauncherStartup::Outcome::Running);
        QVERIFY(restarted.context.startup.restarted);
    }

    // At exit, a reset of the settings in force writes no settings, and a restart asked for
    // starts the launcher again; each leaves the other's work alone.
    void exitFollowsTheStartupState_data()
    {
        const DataTable<bool, bool> row("settingsReset", "restartOnExit");
        row("settings reset in force", true, false);
        row("restart on exit", false, true);
    }
    void exitFollowsTheStartupState()
    {
        const auto [settingsReset, restartOnExit] =
            fetchRow<bool, bool>("settingsReset", "restartOnExit");
        InstallTree tree;
        Run launcher(tree);
        QCOMPARE(launcher.run(), LauncherStartup::Outcome::Running);
        launcher.context.startup.settingsReset = settingsReset;
        launcher.context.startup.restartOnExit = restartOnExit;
        launcher.quit();
        QCOMPARE(tree.exists("Z3DLaunch/config.z3d"), !settingsReset);
        const auto starts = launcher.processes.callsOf(RecordingProcesses::Kind::Start);
        QCOMPARE(starts.size(), restartOnExit ? 1 : 0);
        if (restartOnExit)
            QVERIFY(starts.at(0).commandLine.endsWith("/bin/Z3Dlauncher.exe\" /RESTART"));
    }

    // A disk full at exit: the earlier settings files stay whole, and the player is told once
    // that this session's choices were not saved.
    void fullDiskAtExitKeepsTheSettingsAndSaysSoOnce()
    {
        Z3D_SMALL_TMPFS(disk);
        // The tree is made in the temporary folder.
        const QByteArray systemTemporaries = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(disk.path()));
        InstallTree tree;
        if (systemTemporaries.isEmpty())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", systemTemporaries);
        QVERIFY(tree.root().startsWith(disk.path()));
        QVERIFY(tree.writeSettings(LauncherSettings{}));
        tree.addFile("Defs/Custom/Mine.ded");
        tree.addTextFile("Z3DLaunch/Data/custom.z3d", {"Mine,1"});
        const QByteArray settings = tree.readFile("Z3DLaunch/config.z3d");
        const QByteArray definitions = tree.readFile("Z3DLaunch/Data/custom.z3d");
        Run launcher(tree);
        QCOMPARE(launcher.run(), LauncherStartup::Outcome::Running);
        launcher.dialogs.clear();
        findControl<QCheckBox>(*launcher.window(), "chkSound", 0)->setChecked(true);
        QVERIFY(disk.fill());

        launcher.quit();
        verifySoleMessage(
            launcher.dialogs.messages(), 48, QStringLiteral(" Settings not saved"),
            QStringLiteral("The disk is full: the settings of this session were not saved, "
                           "the earlier ones are kept.    "));
        QCOMPARE(tree.readFile("Z3DLaunch/config.z3d"), settings);
        QCOMPARE(tree.readFile("Z3DLaunch/Data/custom.z3d"), definitions);
    }

    void refusedWriteProbeIsReported_data()
    {
        QTest::addColumn<ErrorNumber>("error");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("style");
        const QString restricted =
            "   You appear to have restricted access with this user account, Zorn3D        " +
            kCrLf + "    requires a UAC with a higher privilege level before it will run.";
        QTest::newRow("permission denied")
            << ErrorNumber::PermissionDenied << "Restricted Window's User Account Control"
            << restricted << 48;
        QTest::newRow("access error")
            << ErrorNumber::PathFileAccessError << "Restricted Window's User Account Control"
            << restricted << 48;
        QTest::newRow("other") << ErrorNumber::PathNotFound << "Unknown Error"
                               << "   Unable to run the Z3Dlauncher due to unknown error      " +
                                      kCrLf +
                                      "  please report error to the Zorn3D development team."
                               << 16;
    }
    void refusedWriteProbeIsReported()
    {
        const auto [error, title, text, style] =
            fetchRow<ErrorNumber, QString, QString, int>("error", "title", "text", "style");
        InstallTree tree;
        FaultInjector::fail(FileOperation::CreateFolder,
                            FileOperations::writeProbeFolder(tree.paths().launcherDir), error);
        Run launcher(tree);
        const LauncherStartup::Outcome outcome = launcher.run();
        FaultInjector::clear();
        QCOMPARE(outcome, LauncherStartup::Outcome::Ended);
        verifySoleMessage(launcher.dialogs.messages(), style, title, text);
        QVERIFY(!launcher.window());
    }

    // The load step answers from the installation: scripted-map models show their marker,
    // and a game that brings its own high-resolution folders takes the patches' place.
    void loadStepLooksAtTheInstallation_data()
    {
        const DataTable<bool> row("ownHiRes");
        row("game with its own high-resolution folders", true);
        row("plain game", false);
    }
    void loadStepLooksAtTheInstallation()
    {
        QFETCH(bool, ownHiRes);
        InstallTree tree;
        tree.addFolder("Data/Patches");
        tree.addFolder("Md2/cndabbey");
        tree.addFile("Z3DGames/Castle/Pwads/castle.wad", "PWAD");
        if (ownHiRes) {
            tree.addFolder("Data/Custom.hires/castle");
            tree.addFolder("Md2/castle");
        }
        LauncherSettings saved = LauncherSettings::defaults(20000, 15000);
        saved.advancedOptions = true;
        saved.gamesListView = 0;
        saved.lastInstalledGame = QStringLiteral("Castle");
        QVERIFY(tree.writeSettings(saved));
        Run launcher(tree);
        QCOMPARE(launcher.run(), LauncherStartup::Outcome::Running);
        QVERIFY(launcher.context.selection.currentGameFile.endsWith("/castle.wad"));
        QVERIFY(launcher.window()->findChild<QWidget*>("ImageCM")->isVisible());
        QCOMPARE(findControl<QCheckBox>(*launcher.window(), "chkGraphics", 4)->isEnabled(),
                 !ownHiRes);
    }

    // The command buttons a start in a layout shows are those a switch to that layout shows:
    // the zip library's location (7) is offered in its view after an advanced start too; the
    // compact layout never shows the zip library, even when it was the view last used; and
    // with the lists filled the Games tab's rule hides the cleanup (8).
    void commandButtonsAfterAStartAreThoseOfASwitch_data()
    {
        const DataTable<bool, bool, int, int> row("filled", "advanced", "view", "shownView");
        row("advanced layout, zip library", false, true, 2, 2);
        row("advanced layout, installed games", false, true, 0, 0);
        row("default layout, commercial games", false, false, 1, 1);
        row("filled, advanced layout, zip library", true, true, 2, 2);
        row("filled, advanced layout, installed games", true, true, 0, 0);
        row("filled, default layout, commercial games", true, false, 1, 1);
        row("filled, default layout, zip library last used", true, false, 2, 1);
    }
    void commandButtonsAfterAStartAreThoseOfASwitch()
    {
        QFETCH(bool, filled);
        QFETCH(bool, advanced);
        QFETCH(int, view);
        QFETCH(int, shownView);
        InstallTree tree;
        QVERIFY(tree.writeSettings(libraryStart(advanced, view)));
        std::optional<Run> empty;
        std::optional<LibraryRun> library;
        Run& launcher = filled ? static_cast<Run&>(library.emplace(tree)) : empty.emplace(tree);
        QCOMPARE(launcher.run(), LauncherStartup::Outcome::Running);
        MainWindow& window = *launcher.window();
        const auto shown = [&window] {
            QList<bool> visible;
            for (int i = 0; i < 9; ++i)
                visible << window.auxButton(i)->isVisible();
            return visible;
        };
        const QList<bool> afterStart = shown();
        QCOMPARE(window.gamesTab()->selectedView(), shownView);
        QCOMPARE(afterStart.at(7), shownView == 2);
        if (filled)
            QVERIFY(!afterStart.at(8));

        QCheckBox* layout = window.chkMain(MainWindow::kAdvancedOptionsBox);
        layout->click();
        layout->click();
        findControl<QRadioButton>(window, "OptionUdir", shownView)->click();
        QCOMPARE(shown(), afterStart);
    }

    // A start on "Start game from New" chooses no map and writes no record, whatever the
    // game's record remembers: the launch is a new game.
    void startFromNewChoosesNoMap_data()
    {
        const DataTable<bool, int, QString> row("advanced", "view", "rememberedMap");
        row("advanced layout, installed game, no record", true, 0, "");
        row("advanced layout, installed game, MAP02 remembered", true, 0, "MAP02");
        row("advanced layout, zip library", true, 2, "");
        row("default layout, commercial game", false, 1, "MAP02");
    }
    void startFromNewChoosesNoMap()
    {
        const auto [advanced, view, rememberedMap] =
            fetchRow<bool, int, QString>("advanced", "view", "rememberedMap");
        InstallTree tree;
        LauncherSettings saved = libraryStart(advanced, view);
        saved.skill = 0; // "Start game from New"
        saved.rememberLastMap = true;
        QVERIFY(tree.writeSettings(saved));
        const InstallPaths paths = tree.paths();
        const GameRecords records(paths);
        if (!rememberedMap.isEmpty()) {
            QCOMPARE(records.saveLastMap(GameKind::PwadGame, "Castle", rememberedMap),
                     ErrorNumber::None);
            QCOMPARE(records.saveLastMap(GameKind::IwadGame, "DOOM II", rememberedMap),
                     ErrorNumber::None);
        }
        LibraryRun launcher(tree);
        const QSet<QString> before = snapshot(tree);
        QCOMPARE(launcher.run(), LauncherStartup::Outcome::Running);
        const QListWidget* maps = launcher.window()->findChild<QListWidget*>("MapList");
        QVERIFY(maps->count() > 0);
        QVERIFY(maps->selectedItems().isEmpty());
        QCOMPARE(launcher.context.launch.kind, LaunchKind::NewGame);
        const QStringList written = added(before, snapshot(tree)).filter("GameInfo/");
        QVERIFY2(written.isEmpty(), qPrintable(written.join(u' ')));
    }

    // Tips on at load unless the saved preference turns them off; then not even the lists' own.
    void loadSetsTheTipsUnlessTheyAreDisabled_data()
    {
        const DataTable<bool> row("disabled");
        row("on", false);
        row("disabled", true);
    }
    void loadSetsTheTipsUnlessTheyAreDisabled()
    {
        QFETCH(bool, disabled);
        InstallTree tree;
        tree.addFile("Z3DGames/Castle/Pwads/castle.wad", "PWAD");
        LauncherSettings saved = LauncherSettings::defaults(20000, 15000);
        saved.disableTooltips = disabled;
        saved.gamesListView = 0;
        QVERIFY(tree.writeSettings(saved));
        Run launcher(tree);
        QCOMPARE(launcher.run(), LauncherStartup::Outcome::Running);
        MainWindow& window = *launcher.window();
        const QString launchTip = ToolTips::of(window).toolText(
            findControl<QWidget>(window, QStringLiteral("LaunchButton")));
        QCOMPARE(launchTip.isEmpty(), disabled);
        QCOMPARE(findControl<QWidget>(window, QStringLiteral("MapList"))->toolTip().isEmpty(),
                 disabled);
        QCOMPARE(findControl<QWidget>(window, QStringLiteral("PwadList"))->toolTip().isEmpty(),
                 disabled);
    }

    // font.z3d names the launcher font at start-up: the main window and the tips window take
    // it, at a size the font window offers; a file without a name changes no window.
    void fontFileGivesTheWindowsTheirFont_data()
    {
        const DataTable<QByteArray, bool, QString, int> row("line", "custom", "family", "size");
        row("named", "Tahoma,9", true, "Tahoma", 9);
        row("named, bold", "Verdana,10,b", true, "Verdana", 10);
        row("size the font window does not offer", "Tahoma,32767", true, "Tahoma", 8);
        row("no name", ",9", false, "", 0);
        row("empty file", "", false, "", 0);
    }
    void fontFileGivesTheWindowsTheirFont()
    {
        const auto [line, custom, family, size] =
            fetchRow<QByteArray, bool, QString, int>("line", "custom", "family", "size");
        InstallTree tree;
        tree.addFile("Z3DLaunch/font.z3d", line + "\r\n");
        LauncherSettings saved = LauncherSettings::defaults(20000, 15000);
        saved.showTips = true;
        QVERIFY(tree.writeSettings(saved));
        Run launcher(tree);
        QCOMPARE(launcher.run(), LauncherStartup::Outcome::Running);
        QCOMPARE(launcher.context.customFontInUse, custom);
        MainWindow& window = *launcher.window();
        auto* tips = window.findChild<QDialog*>(QStringLiteral("TipsForm"));
        QVERIFY(tips && tips->isVisible());
        for (QWidget* shown : {static_cast<QWidget*>(&window), static_cast<QWidget*>(tips)}) {
            const QFont font = shown->font();
            if (custom) {
                QCOMPARE(font.family(), family);
                QCOMPARE(font.pointSize(), size);
            } else {
                QCOMPARE(font.family(), QApplication::font().family());
            }
        }
    }

    // "Show Tips at Startup" unchecked in the tips window unchecks "Display tip of the day" on
    // the Options page, and the next start shows no tip.
    void tipsWindowTurnsTheStartupTipOff()
    {
        InstallTree tree;
        LauncherSettings saved = LauncherSettings::defaults(20000, 15000);
        saved.showTips = true;
        QVERIFY(tree.writeSettings(saved));
        Run launcher(tree);
        QCOMPARE(launcher.run(), LauncherStartup::Outcome::Running);
        MainWindow& window = *launcher.window();
        auto* tips = window.findChild<QDialog*>(QStringLiteral("TipsForm"));
        QVERIFY(tips && tips->isVisible());
        auto* showTips = findControl<QCheckBox>(*tips, QStringLiteral("chkShowTips"));
        QVERIFY(showTips->isChecked());
        QTest::mouseClick(showTips, Qt::LeftButton);
        QVERIFY(!showTips->isChecked());
        QVERIFY(!findControl<QCheckBox>(window, "chkLaunchPrefs", 5)->isChecked());
        launcher.quit();
        const SettingsReadResult written =
            SettingsFile::read(tree.path("Z3DLaunch/config.z3d"), false, LauncherSettings());
        QVERIFY(!written.settings.showTips);
    }

    // Every way of leaving ends the process, once: also when the window was hidden before it
    // was closed (after a launch with "Exit"), which is no "last visible window closed".
    void everyEndEndsTheProcessOnce_data()
    {
        const DataTable<bool, bool> row("hiddenFirst", "shutDown");
        row("window closed", false, false);
        row("window hidden, then closed", true, false);
        row("shut down", false, true);
    }
    void everyEndEndsTheProcessOnce()
    {
        const auto [hiddenFirst, shutDown] = fetchRow<bool, bool>("hiddenFirst", "shutDown");
        InstallTree tree;
        Run launcher(tree);
        QSignalSpy ended(&launcher.startup, &LauncherStartup::ended);
        QCOMPARE(launcher.run(), LauncherStartup::Outcome::Running);
        QCOMPARE(ended.count(), 0);
        if (shutDown) {
            launcher.startup.shutdownLauncher();
        } else {
            if (hiddenFirst)
                launcher.window()->hide();
            launcher.quit();
        }
        QCOMPARE(ended.count(), 1);
        // A shutdown writes no settings; an unload does.
        QCOMPARE(tree.exists("Z3DLaunch/config.z3d"), !shutDown);
        launcher.quit();
        launcher.startup.shutdownLauncher();
        QCOMPARE(ended.count(), 1);
    }

    // A configuration error found while the window loads for the missing-dependency message
    // ends the start-up there: no dependency message, no second shutdown.
    void configurationErrorBeforeTheDependencyMessageEndsTheStartUp()
    {
        InstallTree tree;
        QVERIFY(tree.removeFile("bin/eax.dll"));
        QStringList config = SettingsFile::toLines(LauncherSettings::defaults(20000, 15000), false);
        config[4] = QStringLiteral("abc");
        tree.addTextFile("Z3DLaunch/config.z3d", config);
        Run launcher(tree);
        QSignalSpy ended(&launcher.startup, &LauncherStartup::ended);
        QCOMPARE(launcher.run(), LauncherStartup::Outcome::Ended);
        const auto messages = launcher.dialogs.messages();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.at(0).title, QStringLiteral(" Configuration error detected"));
        QCOMPARE(launcher.processes.callsOf(RecordingProcesses::Kind::Start).size(), 1);
        QCOMPARE(ended.count(), 1);
        QVERIFY(!launcher.window()->isVisible());
    }
};

Z3D_TEST_MAIN(TestLauncherStartup)
#include "tst_launcherstartup.moc"
