// Every button and menu item of the main window, driven once through its control: each must
// reach its own handler, seen by the first thing the handler shows or starts.

#include "core/app/LauncherContext.h"
#include "gui/handlers/CommandButtons.h"
#include "gui/handlers/GamesListHandler.h"
#include "gui/handlers/MainFormHandlers.h"
#include "gui/LauncherStartup.h"
#include "gui/mainwindow.h"
#include "support/CheckingProcesses.h"
#include "support/Controls.h"
#include "support/CurrentFolder.h"
#include "support/DataTable.h"
#include "support/GameFileBytes.h"
#include "support/InstallTree.h"
#include "support/RecordingDialogs.h"
#include "support/RecordingProcesses.h"
#include "support/SoleMessage.h"
#include "support/TestRegistry.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTest>
#include <QTimer>

using namespace z3d;
using namespace z3d::test;

namespace {

struct Window
{
    Window() : processes(dialogs), window(context.settings)
    {
        tree.addBuiltProgram("Z3DgFiles");
        tree.addFile("Z3DGames/Castle/Pwads/castle.wad", wadWithMaps({"MAP01"}));
        tree.addFile("Z3DGames/Castle/savegame/Zorn3DSav1.z3dsg", saveGame("Hall"));
        tree.addFile("Z3DGames/Udir/Gwads/first.wad", wadWithMaps({"E1M1"}));
        writeZip(tree.path("Z3DArchives/ridge.zip"), {{"ridge.wad", wadWithMaps({"MAP01"})}});
        tree.addFile("edit.out", "log");
        tree.addFile("Zorn3D.out", "log");
        context.paths = tree.paths();
        context.dialogs = &dialogs;
        context.processes = &processes;
        context.settings.developmentMode = true;
        window.setInstallPaths(context.paths);
        handlers = &LauncherStartup::attachHandlers(context, window);
    }

    void select(const char* list, const QString& text)
    {
        selectItem(window.findChild<QListWidget*>(list), text);
    }

    // The first thing the player saw or the launcher started.
    QString firstEffect() const
    {
        if (!modalTitle.isEmpty())
            return "window:" + modalTitle;
        if (!dialogs.calls().isEmpty()) {
            const RecordingDialogs::Call& call = dialogs.calls().constFirst();
            switch (call.kind) {
            case RecordingDialogs::Kind::MessageBox:
                return "message:" + call.title;
            case RecordingDialogs::Kind::OpenFile:
                return "open:" + call.title;
            case RecordingDialogs::Kind::BrowseForFolder:
                return QStringLiteral("folder");
            case RecordingDialogs::Kind::AskName:
                return "name:" + call.title;
            case RecordingDialogs::Kind::InputBox:
                return "input:" + call.text;
            }
        }
        const QList<RecordingProcesses::Call> edits =
            processes.callsOf(RecordingProcesses::Kind::TextEditor);
        if (!edits.isEmpty())
            return "editor:" + QDir(edits.constFirst().commandLine).dirName();
        // The conversions ask nothing of a small game: their work is seen on the disk.
        if (tree.isFolder("Z3DGames/Castle/Gwads"))
            return QStringLiteral("converted:Castle");
        if (tree.isFolder("Z3DGames/Udir/Pwads"))
            return QStringLiteral("converted:Udir");
        return QStringLiteral("nothing");
    }

    InstallTree tree;
    // The handlers may make the installation root current.
    const CurrentFolder keptFolder;
    LauncherContext context;
    RecordingDialogs dialogs;
    CheckingProcesses processes;
    MainWindow window;
    MainFormHandlers* handlers;
    QString modalTitle;
};

} // namespace

class TestCommandButtons : public QObject
{
    Q_OBJECT

private slots:
    void everyControlReachesItsHandler_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("view");
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("effect");
        const auto row = [](const char* control, int view, const char* game, QString effect) {
            QTest::newRow(control) << control << view << game << effect;
        };
        row("AuxButton_0", 0, "CASTLE", "open:Install a wad file to the Games List");
        row("AuxButton_1", 0, "CASTLE", "open:Zorn3D Documentation");
        row("AuxButton_2", 0, "CASTLE", "window:Create Shortcut");
        row("AuxButton_3", 0, "CASTLE", "editor:edit.out");
        row("AuxButton_4", 0, "CASTLE", "editor:Zorn3D.out");
        row("AuxButton_5", 0, "CASTLE", "window: Iwad Locations");
        row("AuxButton_6", 0, "CASTLE", "window:Font");
        row("AuxButton_7", 2, "RIDGE", "folder");
        row("ButPurge_0", 0, "CASTLE", "message: Purge all savegames ");
        row("ButPurge_1", 0, "CASTLE", "message: Delete all saved nodes");
        row("LaunchButton", 0, "CASTLE", "message: Iwad not found for current map");
        row("mcDelSaveGame", 0, "CASTLE", "message: Delete selected savegame");
        row("mcDeleteFile", 0, "UDIR", "message: Delete selected file");
        row("mcDeleteFolder", 0, "CASTLE", "message: Remove selected game from list ");
        row("mcRenameFolder", 0, "CASTLE", "name: Rename Game");
        row("mcUdirConvert", 0, "UDIR", "converted:Udir");
        row("mcGwadConvert", 0, "CASTLE", "converted:Castle");
        row("mcUdirUnZip", 2, "RIDGE", "name: Install to Game List");
        row("mcGwadUnZip", 2, "RIDGE", "name: Install to Games List");
        row("mcRenameArchive", 2, "RIDGE", "name: Rename Zip");
        row("mcDeleteArchive", 2, "RIDGE", "message: Delete selected archive");
    }
    void everyControlReachesItsHandler()
    {
        QFETCH(QString, control);
        QFETCH(int, view);
        QFETCH(QString, game);
        QFETCH(QString, effect);
        Window w;
        w.handlers->games().switchGamesList(static_cast<GamesListMode>(view));
        w.select("PwadList", game);
        if (game == "UDIR")
            w.select("PwadShowlist", "first.wad");
        if (control == "mcDelSaveGame")
            w.select("SaveGameList", "1 - Hall");
        w.dialogs.clear();

        // A window of its own is looked at and closed; the timer only runs while it is open.
        QTimer closer;
        closer.setInterval(0);
        connect(&closer, &QTimer::timeout, [&w] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                w.modalTitle = dialog->windowTitle();
                dialog->reject();
            }
        });
        closer.start();
        if (auto* button = w.window.findChild<QAbstractButton*>(control)) {
            button->setEnabled(true);
            button->click();
        } else {
            auto* item = w.window.findChild<QAction*>(control);
            QVERIFY2(item, qPrintable(control));
            item->trigger();
        }
        closer.stop();
        QCOMPARE(w.firstEffect(), effect);
    }

    // A file dropped on the games list installs as the install command does with that file
    // chosen; anything else dropped is refused.
    void droppedFilesAreInstalledOrRefused_data()
    {
        const DataTable<QStringList, QString> row("dropped", "installed");
        row("one wad", QStringList{"Downloads/Moat.WAD"}, "MOAT");
        row("two wads", QStringList{"Downloads/Moat.WAD", "Downloads/keep.wad"}, "");
        row("a text file", QStringList{"Downloads/notes.txt"}, "");
        row("a folder", QStringList{"Downloads"}, "");
    }
    void droppedFilesAreInstalledOrRefused()
    {
        const auto [dropped, installed] = fetchRow<QStringList, QString>("dropped", "installed");
        Window w;
        w.tree.addFile("Downloads/Moat.WAD", wadWithMaps({"MAP01"}));
        w.tree.addFile("Downloads/keep.wad", wadWithMaps({"MAP01"}));
        w.tree.addFile("Downloads/notes.txt", "text");
        QStringList paths;
        for (const QString& file : dropped)
            paths << w.tree.path(file);
        w.handlers->commands().installDroppedFiles(paths);
        auto* list = w.window.findChild<QListWidget*>("PwadList");

        if (installed.isEmpty()) {
            verifySoleMessage(w.dialogs.messages(), MsgButtonsOk | MsgIconExclamation,
                              " Install error",
                              "Only one wad or zip file at a time can be installed by dropping "
                              "it on the games list.    ");
            QVERIFY(!w.tree.exists("Z3DGames/Moat"));
            return;
        }
        QVERIFY(w.tree.isFile("Z3DGames/Moat/Pwads/Moat.WAD"));
        QVERIFY(w.dialogs.messages().isEmpty());
        QCOMPARE(list->currentItem()->text(), installed);
        QCOMPARE(w.context.settings.lastInstalledGame, QStringLiteral("Moat"));
    }
};

Z3D_TEST_MAIN(TestCommandButtons)
#include "tst_commandbuttons.moc"
