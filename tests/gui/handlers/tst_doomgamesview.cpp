#include "core/app/LauncherContext.h"
#include "core/inspect/CheckerTool.h"
#include "gui/handlers/GamesListHandler.h"
#include "gui/handlers/MainFormHandlers.h"
#include "gui/handlers/MapListHandler.h"
#include "gui/LauncherStartup.h"
#include "gui/mainwindow.h"
#include "gui/tabs/GamesTab.h"
#include "support/Controls.h"
#include "support/DataTable.h"
#include "support/InstallTree.h"
#include "support/MapNames.h"
#include "support/RecordingDialogs.h"
#include "support/RecordingProcesses.h"
#include "support/TestRegistry.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

QString checkwadOutput(const QStringList& maps)
{
    QString output = QStringLiteral("Number of maps: %1\nWad type: IWAD  Lumps: 9\nStatus: OK\n")
                         .arg(maps.size());
    for (const QString& map : maps)
        output += map.leftJustified(5) + QStringLiteral(" binary map\n");
    return output;
}

// The Games tab of a main window on an installation tree, with the checker's answers scripted.
struct View
{
    View() : window(context.settings)
    {
        context.paths = tree.paths();
        context.dialogs = &dialogs;
        context.processes = &processes;
        window.setInstallPaths(context.paths);
        handlers = &LauncherStartup::attachHandlers(context, window);
        maps = &handlers->maps();
        games = &handlers->games();
    }

    QString addIwad(const QString& relative)
    {
        const QString path = tree.addFile(relative, "IWAD");
        context.iwads.registerIwad(path);
        return path;
    }
    void answerCheckwad(const QString& wad, const QStringList& mapNames)
    {
        processes.setOutput(CheckerTool::commandLine("CHECKWAD", wad), checkwadOutput(mapNames));
    }
    QListWidget* list(const char* name) const { return window.findChild<QListWidget*>(name); }
    QStringList texts(const char* name) const { return test::itemTexts(list(name)); }
    bool launchEnabled() const
    {
        return window.findChild<QPushButton*>("LaunchButton")->isEnabled();
    }

    InstallTree tree;
    LauncherContext context;
    RecordingDialogs dialogs;
    RecordingProcesses processes;
    MainWindow window;
    MainFormHandlers* handlers;
    MapListHandler* maps;
    GamesListHandler* games;
};

} // namespace

class TestDoomGamesView : public QObject
{
    Q_OBJECT

private slots:
    void commercialGamesInTheirFixedOrder_data()
    {
        const DataTable<bool, QStringList> row("customFont", "expected");
        row("default font", false,
            QStringList{"SHAREWARE DOOM", "DOOM/ULTIMATE DOOM", "DOOM II",
                        "THE PLUTONIA EXPERIMENT", "TNT - FINAL DOOM"});
        row("custom font", true,
            QStringList{"Shareware Doom", "Doom/Ultimate Doom", "Doom II",
                        "The Plutonia Experiment", "TNT - Final Doom"});
    }
    void commercialGamesInTheirFixedOrder()
    {
        const auto [customFont, expected] = fetchRow<bool, QStringList>("customFont", "expected");
        View view;
        view.context.customFontInUse = customFont;
        for (const char* file :
             {"w/Doom2.wad", "w/Doom.wad", "w/Tnt.wad", "w/Plutonia.wad", "w/Doom1.wad"})
            view.addIwad(file);
        view.games->fillCommercialGamesList();
        QCOMPARE(view.texts("PwadList"), expected);
    }

    void choosingDoomTwoListsItsFileMapsAndSaves()
    {
        View view;
        const QString doom2 = view.addIwad("Iwads/DOOM2.WAD");
        view.answerCheckwad(doom2, numberedMapNames().mid(0, 3));
        const QString saves = view.tree.addFolder("UserSG/doom2/savegame");
        view.processes.setOutput(CheckerTool::commandLine("GETSAVEHDRS", saves),
                                 "\"1Hangar run\"\n\"3\"\n\"4Base, second try\"\n");

        view.games->switchGamesList(GamesListMode::DoomGames);
        QCOMPARE(view.window.gamesTab()->header(0)->text(), QStringLiteral("COMMERCIAL DOOM LIST"));
        QCOMPARE(view.texts("PwadList"), QStringList{"DOOM II"});
        QCOMPARE(view.texts("PwadShowlist"), QStringList{"DOOM2.WAD"});
        QCOMPARE(view.context.selection.selectedIwadPath, doom2);
        QCOMPARE(view.context.selection.currentGameFile, doom2);
        QCOMPARE(view.context.settings.lastDoomGame, QStringLiteral("DOOM II"));
        QCOMPARE(view.texts("MapList"), numberedMapNames().mid(0, 3));
        QCOMPARE(view.texts("SaveGameList"),
                 (QStringList{"1 - Hangar run", "4 - Base, second try"}));
        // The first map is chosen: warp text and IWAD follow it.
        QCOMPARE(view.maps->selectedRow(), 0);
        QCOMPARE(view.context.launch.kind, LaunchKind::WarpToMap);
        QCOMPARE(view.context.launch.warpArgument, QStringLiteral("01"));
        QCOMPARE(view.context.launch.iwadPath, doom2);
        QVERIFY(view.launchEnabled());
    }

    void rememberedGameIsSelectedAgain()
    {
        View view;
        view.addIwad("Iwads/Doom.wad");
        const QString doom2 = view.addIwad("Iwads/Doom2.wad");
        view.answerCheckwad(doom2, numberedMapNames().mid(0, 2));
        view.context.settings.lastDoomGame = QStringLiteral("doom ii");
        view.games->switchGamesList(GamesListMode::DoomGames);
        QCOMPARE(view.list("PwadList")->currentItem()->text(), QStringLiteral("DOOM II"));
    }

    void fileWithoutMapsCannotBeLaunched()
    {
        View view;
        const QString doom2 = view.addIwad("Iwads/Doom2.wad");
        view.answerCheckwad(doom2, {});
        view.games->switchGamesList(GamesListMode::DoomGames);
        QVERIFY(view.texts("MapList").isEmpty());
        QVERIFY(!view.launchEnabled());
    }

    void missingIwadFileListsNothing()
    {
        View view;
        view.context.iwads.registerIwad(view.tree.path("gone/Doom2.wad"));
        view.games->switchGamesList(GamesListMode::DoomGames);
        QCOMPARE(view.texts("PwadList"), QStringList{"DOOM II"});
        QVERIFY(view.texts("PwadShowlist").isEmpty());
        QVERIFY(!view.launchEnabled());
    }

    void choosingAMapAndStartingFromNew()
    {
        View view;
        view.window.skillsLevel(1)->setCurrentIndex(3);
        const QString doom2 = view.addIwad("Iwads/Doom2.wad");
        view.answerCheckwad(doom2, numberedMapNames().mid(0, 9));
        view.games->switchGamesList(GamesListMode::DoomGames);
        view.context.launch.saveSlot = QStringLiteral("3");

        view.list("MapList")->setCurrentRow(6);
        QCOMPARE(view.context.launch.kind, LaunchKind::WarpToMap);
        QCOMPARE(view.context.launch.warpArgument, QStringLiteral("07"));
        QVERIFY(view.context.launch.saveSlot.isEmpty());
        QCOMPARE(view.context.selection.lastMapIndex, 6);

        // "Start game from New" deselects the maps and makes the launch a new game.
        view.window.skillsLevel(1)->setCurrentIndex(0);
        QCOMPARE(view.context.launch.kind, LaunchKind::NewGame);
        QCOMPARE(view.maps->selectedRow(), -1);

        // Releasing the mouse over the maps goes back to the last skill and the last map.
        view.context.settings.lastSkill = 4;
        QTest::mouseRelease(view.list("MapList")->viewport(), Qt::LeftButton);
        QCOMPARE(view.window.skillsLevel(1)->currentIndex(), 4);
        QCOMPARE(view.window.skillsLevel(0)->currentIndex(), 4);
        QCOMPARE(view.maps->selectedRow(), 6);
        QCOMPARE(view.context.launch.kind, LaunchKind::WarpToMap);
    }

    void mapClickAfterASaveChoiceClearsTheSave()
    {
        View view;
        const QString doom2 = view.addIwad("Iwads/Doom2.wad");
        view.answerCheckwad(doom2, numberedMapNames().mid(0, 2));
        view.games->switchGamesList(GamesListMode::DoomGames);
        QListWidget* saves = view.list("SaveGameList");
        saves->addItem(QStringLiteral("1 - Somewhere"));
        saves->setCurrentRow(0);
        QTest::mousePress(view.list("MapList")->viewport(), Qt::LeftButton);
        QVERIFY(saves->selectedItems().isEmpty());
    }
};

Z3D_TEST_MAIN(TestDoomGamesView)
#include "tst_doomgamesview.moc"
