#include "core/app/LauncherContext.h"
#include "gui/handlers/GamesContextMenus.h"
#include "gui/handlers/GamesListHandler.h"
#include "gui/handlers/MainFormHandlers.h"
#include "gui/handlers/MapListHandler.h"
#include "gui/LauncherStartup.h"
#include "gui/mainwindow.h"
#include "gui/services/DesktopProcesses.h"
#include "gui/tabs/GamesTab.h"
#include "support/Controls.h"
#include "support/CurrentFolder.h"
#include "support/GameFileBytes.h"
#include "support/InstallTree.h"
#include "support/MapNames.h"
#include "support/RecordingDialogs.h"
#include "support/TestRegistry.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

// The Games tab on an installation whose bin holds the real checker, so the map lists and
// save lists come from real files.
struct Library
{
    Library() : processes(dialogs), window(context.settings)
    {
        tree.addBuiltProgram("Z3DgFiles");
        context.paths = tree.paths();
        context.dialogs = &dialogs;
        context.processes = &processes;
        context.settings.rememberLastMap = true;
        context.settings.rememberLastSavegame = true;
        window.setInstallPaths(context.paths);
        handlers = &LauncherStartup::attachHandlers(context, window);
    }

    void addWad(const QString& relative, const QList<QByteArray>& maps)
    {
        tree.addFile(relative, wadWithMaps(maps));
    }
    // Each game installed with its folder's name and one wad in Pwads, named as the game in
    // lower case, with that many maps.
    void installGames(const QList<std::pair<QString, int>>& games)
    {
        for (const auto& [game, maps] : games) {
            const QString wad = game.toLower() + ".wad";
            addWad("Z3DGames/" + game + "/Pwads/" + wad, numberedMarkers(maps));
        }
    }
    void showInstalledGames() { handlers->games().switchGamesList(GamesListMode::InstalledGames); }
    QListWidget* list(const char* name) const { return window.findChild<QListWidget*>(name); }
    QStringList texts(const char* name) const { return test::itemTexts(list(name)); }
    QString selected(const char* name) const { return selectedText(list(name)); }
    void select(const char* name, const QString& text) { selectItem(list(name), text); }

    InstallTree tree;
    // The handlers may make the installation root current.
    const CurrentFolder keptFolder;
    LauncherContext context;
    RecordingDialogs dialogs;
    DesktopProcesses processes;
    MainWindow window;
    MainFormHandlers* handlers;
};

} // namespace

class TestLibraryChain : public QObject
{
    Q_OBJECT

private slots:
    void installedGamesAreListedInUpperCaseAndByKind()
    {
        Library library;
        library.addWad("Z3DGames/My.Game/Pwads/my.wad", numberedMarkers(1));
        library.tree.addFolder("Z3DGames/Both/Pwads");
        library.addWad("Z3DGames/Both/Gwads/one.wad", numberedMarkers(2));
        library.tree.addFolder("Z3DGames/Neither/Other");
        library.tree.addFile("Z3DGames/loose.wad", wadWithMaps(numberedMarkers(1)));
        library.showInstalledGames();
        QCOMPARE(library.texts("PwadList"), (QStringList{"BOTH", "MY.GAME"}));
        library.select("PwadList", "BOTH");
        QCOMPARE(library.context.selection.currentKind, GameKind::UserDirectory);
        QCOMPARE(library.context.selection.currentUserDirectory, QStringLiteral("Both"));
    }

    void mainWadIsTheOneWithMostMaps()
    {
        Library library;
        library.addWad("Z3DGames/Castle/Pwads/a.wad", numberedMarkers(3));
        library.addWad("Z3DGames/Castle/Pwads/b.wad", numberedMarkers(3));
        library.addWad("Z3DGames/Castle/Pwads/c.wad", numberedMarkers(1));
        library.tree.addFile("Z3DGames/Castle/Pwads/readme.txt", "hello");
        library.tree.addFile("Z3DGames/Castle/Pwads/DOOM2.WAD", wadWithMaps(numberedMarkers(32)));
        library.showInstalledGames();
        QCOMPARE(library.texts("PwadShowlist"),
                 (QStringList{"a.wad", "b.wad", "c.wad", "readme.txt"}));
        QCOMPARE(library.selected("PwadShowlist"), QStringLiteral("b.wad"));
        QVERIFY(library.context.selection.severalFiles);
        QCOMPARE(library.texts("MapList"), (QStringList{"MAP01", "MAP02", "MAP03"}));
        QCOMPARE(library.context.launch.iwadPath, library.context.iwads.path(IwadType::Doom2));
        QVERIFY(library.window.findChild<QPushButton*>("LaunchButton")->isEnabled());
    }

    void rememberedMapComesBack()
    {
        Library library;
        library.installGames({{"Castle", 4}, {"Keep", 2}});
        library.window.skillsLevel(1)->setCurrentIndex(3);
        library.showInstalledGames();
        library.select("PwadList", "CASTLE");
        library.select("MapList", "MAP03");
        QCOMPARE(library.tree.readFile("Z3DLaunch/GameInfo/Pwads/castle.z3dm"),
                 QByteArray("MAP03\r\n"));
        library.select("PwadList", "KEEP");
        QCOMPARE(library.selected("MapList"), QStringLiteral("MAP01"));
        library.select("PwadList", "CASTLE");
        QCOMPARE(library.selected("MapList"), QStringLiteral("MAP03"));
        QCOMPARE(library.context.launch.warpArgument, QStringLiteral("03"));
    }

    void userDirectoryRestoresItsFileAndThatFilesMap()
    {
        Library library;
        library.addWad("Z3DGames/Udir/Gwads/first.wad", numberedMarkers(2));
        library.addWad("Z3DGames/Udir/Gwads/second.wad", numberedMarkers(5));
        library.window.skillsLevel(1)->setCurrentIndex(3);
        library.showInstalledGames();
        QVERIFY(library.selected("PwadShowlist").isEmpty());
        QVERIFY(!library.window.findChild<QPushButton*>("LaunchButton")->isEnabled());

        library.select("PwadShowlist", "second.wad");
        library.select("MapList", "MAP04");
        library.select("MapList", "MAP05");
        QCOMPARE(library.tree.readFile("Z3DLaunch/GameInfo/Gwads/udir.z3dg"),
                 QByteArray("second.wad\r\n"));
        QCOMPARE(library.tree.readFile("Z3DLaunch/GameInfo/Gwads/udir.z3dm"),
                 QByteArray("second.wad MAP05\r\n"));

        library.list("PwadList")->clearSelection();
        library.select("PwadList", "UDIR");
        QCOMPARE(library.selected("PwadShowlist"), QStringLiteral("second.wad"));
        QCOMPARE(library.selected("MapList"), QStringLiteral("MAP05"));
        QVERIFY(library.context.selection.currentGameFile.endsWith("/Gwads/second.wad"));
    }

    void savesAreListedChosenAndRemembered()
    {
        Library library;
        library.installGames({{"Castle", 2}});
        for (const char* save : {"1", "3", "4"})
            library.tree.addFile(QStringLiteral("Z3DGames/Castle/savegame/Zorn3DSav%1.z3dsg")
                                     .arg(QLatin1String(save)),
                                 saveGame(QByteArray("Level ") + save));
        library.showInstalledGames();
        QCOMPARE(library.texts("SaveGameList"),
                 (QStringList{"1 - Level 1", "3 - Level 3", "4 - Level 4"}));

        library.list("SaveGameList")->setCurrentRow(1);
        QCOMPARE(library.context.launch.saveSlot, QStringLiteral("3"));
        QCOMPARE(library.context.launch.kind, LaunchKind::LoadSave);
        QVERIFY(library.selected("MapList").isEmpty());
        QCOMPARE(library.tree.readFile("Z3DLaunch/GameInfo/Save/castle.z3ds"), QByteArray("3\r\n"));

        // On the next visit the save game is the choice: no map is selected over it and
        // its record stays, with "Remember last map" on too.
        library.list("SaveGameList")->clearSelection();
        library.handlers->games().selectGame();
        QCOMPARE(library.selected("SaveGameList"), QStringLiteral("3 - Level 3"));
        QVERIFY(library.selected("MapList").isEmpty());
        QCOMPARE(library.context.launch.kind, LaunchKind::LoadSave);
        QCOMPARE(library.context.launch.saveSlot, QStringLiteral("3"));
        QCOMPARE(library.tree.readFile("Z3DLaunch/GameInfo/Save/castle.z3ds"), QByteArray("3\r\n"));

        // A map the player chooses replaces the remembered save game.
        library.select("MapList", "MAP02");
        QCOMPARE(library.context.launch.kind, LaunchKind::WarpToMap);
        QVERIFY(!library.tree.exists("Z3DLaunch/GameInfo/Save/castle.z3ds"));
    }

    // A commercial game's save folder is listed before its remembered save game is looked up.
    void commercialGameRestoresItsSave()
    {
        Library library;
        library.addWad("Iwads/Doom2.wad", numberedMarkers(3));
        library.context.iwads.registerIwad(library.tree.path("Iwads/Doom2.wad"));
        library.tree.addFile("UserSG/doom2/savegame/Zorn3DSav3.z3dsg", saveGame("Base"));
        library.tree.addTextFile("Z3DLaunch/GameInfo/Save/doom2.z3ds", {"3"});
        library.handlers->games().switchGamesList(GamesListMode::DoomGames);
        QCOMPARE(library.selected("PwadList"), QStringLiteral("DOOM II"));
        QCOMPARE(library.selected("SaveGameList"), QStringLiteral("3 - Base"));
        QVERIFY(library.selected("MapList").isEmpty());
        QCOMPARE(library.context.launch.kind, LaunchKind::LoadSave);
    }

    void deletingASaveAsksAndReloads()
    {
        Library library;
        library.installGames({{"Castle", 2}});
        library.tree.addFile("Z3DGames/Castle/savegame/Zorn3DSav2.z3dsg", saveGame("Old"));
        library.showInstalledGames();
        library.list("SaveGameList")->setCurrentRow(0);
        library.dialogs.answerMessage(MsgYes);
        QAction* remove = library.window.findChild<QAction*>("mcDelSaveGame");
        QVERIFY(remove);
        remove->trigger();
        QCOMPARE(library.dialogs.messages().constFirst().title,
                 QStringLiteral(" Delete selected savegame"));
        QVERIFY(!library.tree.exists("Z3DGames/Castle/savegame/Zorn3DSav2.z3dsg"));
        QVERIFY(library.texts("SaveGameList").isEmpty());
        QCOMPARE(library.selected("MapList"), QStringLiteral("MAP01"));
        QCOMPARE(library.context.launch.kind, LaunchKind::WarpToMap);
        // The record of the deleted save goes with it; the first map is remembered instead.
        QVERIFY(!library.tree.exists("Z3DLaunch/GameInfo/Save/castle.z3ds"));
        QCOMPARE(library.tree.readFile("Z3DLaunch/GameInfo/Pwads/castle.z3dm"),
                 QByteArray("MAP01\r\n"));
    }

    void zipArchiveIsExtractedAndKeptUntilAnotherIsChosen()
    {
        Library library;
        QVERIFY(writeZip(
            library.tree.path("Z3DArchives/canyon.zip"),
            {{"maps/canyon.wad", wadWithMaps(numberedMarkers(5))}, {"canyon.txt", "about"}}));
        QVERIFY(writeZip(library.tree.path("Z3DArchives/ridge.zip"),
                         {{"ridge.wad", wadWithMaps(numberedMarkers(2))}}));
        library.window.skillsLevel(1)->setCurrentIndex(3);
        library.handlers->games().switchGamesList(GamesListMode::ZipLibrary);
        QCOMPARE(library.texts("PwadList"), (QStringList{"CANYON", "RIDGE"}));
        QCOMPARE(library.window.gamesTab()->header(0)->text(), QStringLiteral("ZIP LIBRARY"));
        QCOMPARE(library.texts("PwadShowlist"), (QStringList{"canyon.txt", "canyon.wad"}));
        QCOMPARE(library.selected("PwadShowlist"), QStringLiteral("canyon.wad"));
        QCOMPARE(library.texts("MapList").size(), 5);
        QVERIFY(library.tree.isFile("Z3DLaunch/Zips/canyon.wad"));

        library.tree.addFile("Z3DLaunch/Zips/extra.txt", "kept while canyon stays chosen");
        library.list("PwadList")->clearSelection();
        library.select("PwadList", "CANYON");
        QVERIFY(library.tree.exists("Z3DLaunch/Zips/extra.txt"));

        library.select("PwadList", "RIDGE");
        QVERIFY(!library.tree.exists("Z3DLaunch/Zips/extra.txt"));
        QVERIFY(!library.tree.exists("Z3DLaunch/Zips/canyon.wad"));
        QCOMPARE(library.texts("PwadShowlist"), QStringList{"ridge.wad"});
    }

    // Installing an archive shows the installed games with their view chosen, so the zip
    // library's view can be chosen again.
    void installingAnArchiveChoosesTheInstalledGamesView()
    {
        Library library;
        QVERIFY(writeZip(library.tree.path("Z3DArchives/ridge.zip"),
                         {{"ridge.wad", wadWithMaps(numberedMarkers(2))}}));
        findControl<QRadioButton>(library.window, "OptionUdir", 2)->setChecked(true);
        QCOMPARE(library.texts("PwadList"), QStringList{"RIDGE"});
        library.handlers->menus().item("mcUdirUnZip")->trigger();
        QVERIFY(library.tree.isFile("Z3DGames/ridge/Pwads/ridge.wad"));
        QVERIFY(findControl<QRadioButton>(library.window, "OptionUdir", 0)->isChecked());
        QVERIFY(!findControl<QRadioButton>(library.window, "OptionUdir", 2)->isChecked());
        QCOMPARE(library.texts("PwadList"), QStringList{"RIDGE"});
        findControl<QRadioButton>(library.window, "OptionUdir", 2)->setChecked(true);
        QCOMPARE(library.context.settings.gamesListView, 2);
        QCOMPARE(library.window.gamesTab()->header(0)->text(), QStringLiteral("ZIP LIBRARY"));
    }

    void notAZipIsReported()
    {
        Library library;
        library.tree.addFile("Z3DArchives/broken.zip", "not a zip at all");
        library.window.show();
        library.handlers->games().switchGamesList(GamesListMode::ZipLibrary);
        const auto messages = library.dialogs.messages();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.at(0).title, QStringLiteral(" File error"));
        QCOMPARE(messages.at(0).text,
                 QStringLiteral("This file does not appear to be a valid zip file.    "));
        QVERIFY(!library.window.findChild<QPushButton*>("LaunchButton")->isEnabled());
    }

    void contextMenusFollowTheSelection()
    {
        Library library;
        library.installGames({{"Castle", 1}});
        library.addWad("Z3DGames/Udir/Gwads/one.wad", numberedMarkers(1));
        const QString rootName = QFileInfo(library.tree.root()).fileName();
        library.addWad("Z3DGames/" + rootName + "/Pwads/x.wad", numberedMarkers(1));
        GamesContextMenus& menus = library.handlers->menus();
        const auto opened = [](bool shown) {
            QMenu* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            const QString name = popup ? popup->objectName() : QString();
            if (popup)
                popup->close();
            return shown ? name : QString();
        };

        library.showInstalledGames();
        library.select("PwadList", "CASTLE");
        QCOMPARE(opened(menus.openGamesListMenu({10, 10})), QStringLiteral("mPopup5"));
        QVERIFY(menus.item("mcRenameFolder")->isVisible());
        QVERIFY(!menus.item("mcUdirConvert")->isVisible());
        QVERIFY(!menus.openGameFilesMenu({10, 10}));

        library.select("PwadList", "UDIR");
        QCOMPARE(opened(menus.openGamesListMenu({10, 10})), QStringLiteral("mPopup5"));
        QCOMPARE(opened(menus.openGameFilesMenu({10, 10})), QStringLiteral("mPopup3"));

        // The keyboard's menu key opens the same menu as a right click.
        QListWidget* games = library.list("PwadList");
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {5, 5},
                                  games->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(games, &menuKey);
        QCOMPARE(opened(true), QStringLiteral("mPopup5"));

        library.select("PwadList", rootName.toUpper());
        QVERIFY(!menus.openGamesListMenu({10, 10}));

        library.handlers->games().switchGamesList(GamesListMode::DoomGames);
        QVERIFY(!menus.openGamesListMenu({10, 10}));
    }

    void developmentModeOffersConversions()
    {
        Library library;
        library.context.settings.developmentMode = true;
        library.installGames({{"Castle", 1}});
        library.addWad("Z3DGames/Udir/Gwads/one.wad", numberedMarkers(1));
        library.showInstalledGames();
        GamesContextMenus& menus = library.handlers->menus();
        QVERIFY(menus.item("mcUdirConvert")->isVisible());
        QVERIFY(menus.item("mcGwadConvert")->isVisible());
        // A Pwads game converts to Gwads, a user directory to Pwads.
        QVERIFY(menus.openGamesListMenu({10, 10}));
        QVERIFY(menus.item("mcGwadConvert")->isEnabled());
        QVERIFY(!menus.item("mcUdirConvert")->isEnabled());
        library.select("PwadList", "UDIR");
        QVERIFY(menus.openGamesListMenu({10, 10}));
        QVERIFY(menus.item("mcUdirConvert")->isEnabled());
        QVERIFY(!menus.item("mcGwadConvert")->isEnabled());
    }

    void menuItemsRunTheirOperations()
    {
        Library library;
        library.installGames({{"Castle", 2}, {"Keep", 1}});
        library.showInstalledGames();
        library.select("PwadList", "CASTLE");
        GamesContextMenus& menus = library.handlers->menus();

        library.dialogs.answerName({QStringLiteral("FORTRESS"), false});
        menus.item("mcRenameFolder")->trigger();
        QVERIFY(library.tree.isFolder("Z3DGames/FORTRESS/Pwads"));
        QVERIFY(!library.tree.exists("Z3DGames/Castle"));
        QCOMPARE(library.texts("PwadList"), (QStringList{"FORTRESS", "KEEP"}));
        QCOMPARE(library.selected("PwadList"), QStringLiteral("FORTRESS"));

        library.select("PwadList", "KEEP");
        library.dialogs.answerMessage(MsgYes);
        menus.item("mcDeleteFolder")->trigger();
        QVERIFY(!library.tree.exists("Z3DGames/Keep"));
        QCOMPARE(library.texts("PwadList"), QStringList{"FORTRESS"});
    }

    // Renaming takes the entry out of the list and puts the new name in; the neighbour the
    // list passes over meanwhile is not chosen: its records stay as they were, and only the
    // renamed game's selection chain runs, once.
    void renamingAGameLeavesItsNeighbourAlone()
    {
        Library library;
        library.installGames({{"Castle", 2}, {"Outpost", 3}});
        library.showInstalledGames();
        library.select("PwadList", "CASTLE");
        const QSignalSpy filled(library.list("PwadShowlist")->model(),
                                &QAbstractItemModel::rowsInserted);

        library.dialogs.answerName({QStringLiteral("Fortress"), false});
        library.handlers->menus().item("mcRenameFolder")->trigger();
        QVERIFY(library.tree.isFolder("Z3DGames/Fortress/Pwads"));
        QCOMPARE(library.selected("PwadList"), QStringLiteral("FORTRESS"));
        QCOMPARE(library.texts("PwadShowlist"), QStringList{"castle.wad"});
        QCOMPARE(filled.size(), 1);
        QVERIFY(!library.tree.exists("Z3DLaunch/GameInfo/Pwads/outpost.z3dm"));
        QCOMPARE(library.context.settings.lastInstalledGame, QStringLiteral("Fortress"));
    }

    void renamingAnArchiveLeavesItsNeighbourAlone()
    {
        Library library;
        QVERIFY(writeZip(library.tree.path("Z3DArchives/canyon.zip"),
                         {{"canyon.wad", wadWithMaps(numberedMarkers(2))}}));
        library.tree.addFile("Z3DArchives/Dud.zip", "not a zip at all");
        library.handlers->games().switchGamesList(GamesListMode::ZipLibrary);
        QCOMPARE(library.selected("PwadList"), QStringLiteral("CANYON"));
        library.tree.addFile("Z3DLaunch/Zips/extra.txt", "kept while canyon stays chosen");
        const QSignalSpy filled(library.list("PwadShowlist")->model(),
                                &QAbstractItemModel::rowsInserted);

        library.dialogs.answerName({QStringLiteral("Gorge"), false});
        library.handlers->menus().item("mcRenameArchive")->trigger();
        QVERIFY(library.tree.isFile("Z3DArchives/Gorge.zip"));
        QCOMPARE(library.texts("PwadList"), (QStringList{"DUD", "GORGE"}));
        QCOMPARE(library.selected("PwadList"), QStringLiteral("GORGE"));
        QVERIFY(library.dialogs.messages().isEmpty());
        QVERIFY(library.tree.exists("Z3DLaunch/Zips/extra.txt"));
        QCOMPARE(filled.size(), 1);
        QCOMPARE(library.selected("PwadShowlist"), QStringLiteral("canyon.wad"));
    }

    // A key that reaches the window while a game's selection chain runs (a window opened by
    // the chain lets events through) does not move the list on to another game; once the
    // chain has ended, Down moves as ever.
    void upAndDownWaitForTheSelectionChain()
    {
        Library library;
        library.installGames({{"Castle", 2}, {"Keep", 1}, {"Outpost", 3}});
        library.window.show();
        library.showInstalledGames();
        library.select("PwadList", "CASTLE");
        QListWidget* games = library.list("PwadList");
        QStringList chosen;
        const QMetaObject::Connection during = connect(
            library.list("PwadShowlist")->model(), &QAbstractItemModel::rowsInserted, games, [&] {
                chosen << library.selected("PwadList");
                QTest::keyClick(games, Qt::Key_Down);
            });

        library.select("PwadList", "KEEP");
        disconnect(during);
        QCOMPARE(chosen, QStringList{"KEEP"});
        QCOMPARE(library.selected("PwadList"), QStringLiteral("KEEP"));
        QCOMPARE(library.texts("PwadShowlist"), QStringList{"keep.wad"});

        QTest::keyClick(games, Qt::Key_Down);
        QCOMPARE(library.selected("PwadList"), QStringLiteral("OUTPOST"));
        QCOMPARE(library.texts("PwadShowlist"), QStringList{"outpost.wad"});
    }

    void installedWadIsSelectedInTheInstalledGames()
    {
        Library library;
        const QString download =
            library.tree.addFile("Downloads/Castle.wad", wadWithMaps(numberedMarkers(3)));
        library.handlers->games().switchGamesList(GamesListMode::DoomGames);
        findControl<QRadioButton>(library.window, "OptionUdir", 1)->setChecked(true);
        library.dialogs.answerOpenFile(download);
        emit library.window.auxButtonClicked(0);
        const auto calls = library.dialogs.calls();
        QVERIFY(!calls.isEmpty());
        QCOMPARE(calls.constFirst().title, QStringLiteral("Install a wad file to the Games List"));
        QVERIFY(library.tree.isFile("Z3DGames/Castle/Pwads/Castle.wad"));
        QVERIFY(findControl<QRadioButton>(library.window, "OptionUdir", 0)->isChecked());
        QCOMPARE(library.selected("PwadList"), QStringLiteral("CASTLE"));
        QCOMPARE(library.texts("MapList").size(), 3);
        QCOMPARE(library.tree.readFile("Z3DLaunch/Data/pwads.z3d"),
                 (library.tree.path("Downloads") + "\r\n").toUtf8());
    }
};

Z3D_TEST_MAIN(TestLibraryChain)
#include "tst_librarychain.moc"
