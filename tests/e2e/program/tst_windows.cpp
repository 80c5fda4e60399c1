// Every window of the built launcher on a private X display, reached and answered as a player
// does, with clicks and keys, and judged by what shows outside the program: the files it writes,
// its windows and their titles, the engine's arguments and how it ends. Each window is answered
// without being chosen first: a window that waits for the player, also over another window of
// the launcher, has to get the keys. The tips window is met in tst_lifecycle, the start-up
// error box too.

#include "support/ProgramTestCase.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

const QString kMainTitle = LauncherProcess::kMainWindowTitle;

// A point of a window as fractions of its width and height, taken from pixels of the window at
// its fixed size: 647 wide, 514 high in the advanced layout, 460 in the compact one.
struct Spot
{
    double x;
    double y;
};

constexpr Spot advanced(int x, int y)
{
    return {x / 647.0, y / 514.0};
}

constexpr Spot compact(int x, int y)
{
    return {x / 647.0, y / 460.0};
}

const Spot kAdvancedOptionsBox = compact(175, 377);
const Spot kGamesList = compact(100, 250);
const Spot kSoundTab = advanced(447, 28);
const Spot kNewPlaylistButton = advanced(381, 314);
const Spot kZipLibraryView = advanced(270, 75);
// The command buttons, 35 pixels apart: after "Advanced options" has been switched on they
// are install, documentation, shortcut, engine log, IWAD locations, font and then the zip
// library's location where its view offers it, else the model-pack cleanup.
Spot commandButton(int slot)
{
    return advanced(22 + 35 * slot, 492);
}

const Spot kInstallButton = commandButton(0);
const Spot kShortcutButton = commandButton(2);
const Spot kFontButton = commandButton(5);
const Spot kButtonAfterFont = commandButton(6);

// The "Add Iwad" button of the IWAD window, and E1M1 in the playlist editor holding a new Doom
// playlist, as fractions of those windows.
const Spot kAddIwadButton{0.62, 0.86};
const Spot kFirstDoomMap{0.07, 0.42};

// Key names as xdotool takes them, separated by blanks: "shift+Tab space Return".
QStringList keys(const char* names)
{
    return QString::fromLatin1(names).split(u' ');
}

bool click(ProgramScenario& run, const QString& window, Spot spot)
{
    return run.session.click(window, spot.x, spot.y);
}

// Clicks the spot until the window titled title shows, then answers it and waits for it to go.
// A click while a selection chain holds the main window is dropped; a player clicks again.
bool clickAndAnswer(ProgramScenario& run, const QString& window, Spot spot, const QString& title,
                    const QStringList& keys, const QString& text = {})
{
    return !run.clickForWindow(window, spot.x, spot.y, title).isEmpty() &&
           run.answerAndWaitForClose(title, keys, text);
}

// Puts a checker in the installation that holds each run while the file bin/hold exists,
// having created bin/hold.seen: a test acts while a selection chain waits for it.
bool holdCheckerRuns(DemoInstallation& demo)
{
    const QString checker = demo.path(QStringLiteral("bin/Z3DgFiles"));
    const QString real = checker + QStringLiteral(".real");
    if (!QFile::rename(checker, real))
        return false;
    const QByteArray script = "#!/bin/sh\n"
                              "gate=\"$(dirname \"$0\")/hold\"\n"
                              "if [ -e \"$gate\" ]; then\n"
                              "    : > \"$gate.seen\"\n"
                              "    while [ -e \"$gate\" ]; do sleep 0.05; done\n"
                              "fi\n"
                              "exec \"$0.real\" \"$@\"\n";
    return demo.writeFile(QStringLiteral("bin/Z3DgFiles"), script) &&
           QFile::setPermissions(checker, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Installed games, Outpost chosen, "Normal" after a launch.
LauncherSettings installedGames()
{
    LauncherSettings settings = ProgramScenario::quietSettings();
    settings.gamesListView = 0;
    settings.lastInstalledGame = QStringLiteral("Outpost");
    settings.afterLaunchOption = 0;
    return settings;
}

} // namespace

class TestWindows : public ProgramTestCase
{
    Q_OBJECT

private:
    // Opens the games list's menu with the mouse and picks an item with the keys, counted from
    // the top. The pointer comes to the list from beside it, as a player's does: a press where
    // the pointer already rests, just after a window over the list has closed, may reach no
    // widget.
    bool pickFromGamesListMenu(const QString& window, int item)
    {
        if (!run().session.mouseMove(window, kGamesList.x + 0.1, kGamesList.y + 0.1) ||
            !run().session.rightClick(window, kGamesList.x, kGamesList.y))
            return false;
        if (run().session.waitForNewWindow(run().launcher.pid(), {window}).isEmpty())
            return false;
        QStringList presses(item, QStringLiteral("Down"));
        return run().session.typeKeys(presses << QStringLiteral("Return"));
    }

private slots:
    // The games list's menu, the question before a game is removed and the name prompt.
    void gamesListMenuQuestionAndNamePrompt()
    {
        DemoInstallation& demo = run().demo;
        QVERIFY(demo.writeSettings(installedGames()));
        const QString window = run().startLauncher();
        QVERIFY2(!window.isEmpty(), qPrintable(run().launcher.output()));

        QVERIFY(pickFromGamesListMenu(window, 1)); // "Uninstall game from list"
        QVERIFY(run().answerAndWaitForClose(QStringLiteral(" Remove selected game from list "),
                                            keys("n")));
        QVERIFY(demo.exists(QStringLiteral("Z3DGames/Outpost/Pwads/outpost.wad")));

        // The prompt, centred over the launcher, holds the name selected: typing replaces it,
        // in capitals.
        QVERIFY(pickFromGamesListMenu(window, 2)); // "Rename game in list"
        XSession& session = run().session;
        const QString prompt = session.waitForWindow(QStringLiteral(" Rename Game"));
        QVERIFY(!prompt.isEmpty());
        QVERIFY2(XSession::waitUntil([&] {
                     return XSession::centredOver(session.frameGeometry(prompt),
                                                  session.frameGeometry(window));
                 }),
                 "the name prompt is not centred over the launcher");
        QVERIFY(run().answerAndWaitForClose(QStringLiteral(" Rename Game"), keys("Return"),
                                            QStringLiteral("fortress")));
        QVERIFY2(XSession::waitUntil([&] {
                     return demo.exists(QStringLiteral("Z3DGames/FORTRESS/Pwads/outpost.wad"));
                 }),
                 qPrintable(demo.folderEntries(QStringLiteral("Z3DGames")).join(u' ')));
        QVERIFY(!demo.exists(QStringLiteral("Z3DGames/Outpost")));

        QVERIFY2(run().closeWindow(window), "the launcher did not end");
        QCOMPARE(run().launcher.exitCode(), 0);
    }

    // No commercial game anywhere: the IWAD window comes before the main window. Leaving it
    // without a game asks whether to end the launcher, over it; the file dialog that adds a
    // game opens over it too.
    void iwadWindowAtTheStart()
    {
        DemoInstallation& demo = run().demo;
        const QString wad = QDir(demo.tempFolder()).filePath(QStringLiteral("wads/Doom2.wad"));
        QVERIFY(QDir().mkpath(QFileInfo(wad).path()));
        QVERIFY(QFile::rename(demo.path(QStringLiteral("Iwads/Doom2.wad")), wad));
        QVERIFY(demo.removeFile(QStringLiteral("Iwads/Doom.wad")));
        LauncherSettings settings = ProgramScenario::doomTwoSettings(true);
        QVERIFY(demo.writeSettings(settings));

        const QString iwadTitle = QStringLiteral(" Iwad Locations");
        const QString iwads = run().startLauncher(iwadTitle);
        QVERIFY2(!iwads.isEmpty(), qPrintable(run().launcher.output()));
        QVERIFY(run().answer(iwadTitle, keys("Escape")) == iwads);
        QVERIFY(run().answerAndWaitForClose(QStringLiteral("Configuration error"), keys("n")));
        QCOMPARE(run().session.waitForWindow(iwadTitle, run().launcher.pid()), iwads);
        QVERIFY(run().session.windows(kMainTitle, run().launcher.pid()).isEmpty());

        QVERIFY(click(run(), iwads, kAddIwadButton));
        QVERIFY(run().answerAndWaitForClose(QStringLiteral("Add an IWAD"), keys("Return"), wad));
        QVERIFY(run().answerAndWaitForClose(iwadTitle, keys("Escape")));
        const QString window = run().session.waitForWindow(kMainTitle, run().launcher.pid());
        QVERIFY(!window.isEmpty());
        QVERIFY(demo.readFile(QStringLiteral("Z3DLaunch/Data/iwads.cfg"))
                    .contains(QFile::encodeName(wad)));

        QVERIFY2(run().launchAndWaitForEngine(window), "the engine was not started");
        const QByteArray engine = demo.readFile(QStringLiteral("Zorn3D.out"));
        QVERIFY2(engine.contains(QFile::encodeName(wad)), engine.constData());
        QVERIFY2(run().launcher.waitForExit(), "the launcher did not end after the launch");
        QCOMPARE(run().launcher.exitCode(), 0);
    }

    // The command buttons' windows: the model-pack cleanup with its confirmation and the
    // closing message, the install dialog, the shortcut window, the folder browser and the
    // font window, whose choice restarts the launcher.
    void commandButtonWindows()
    {
        DemoInstallation& demo = run().demo;
        XSession& session = run().session;
        const QString home = LauncherProcess::home(demo.tempFolder());
        const QString download = QDir(demo.tempFolder()).filePath(QStringLiteral("Keep.wad"));
        QVERIFY(QDir().mkpath(home));
        QVERIFY(
            QFile::copy(demo.path(QStringLiteral("Z3DGames/Outpost/Pwads/outpost.wad")), download));
        // A game without files: nothing to launch, so the cleanup is offered.
        QVERIFY(QDir().mkpath(demo.path(QStringLiteral("Z3DGames/Empty/Pwads"))));
        LauncherSettings settings = installedGames();
        settings.lastInstalledGame = QStringLiteral("Empty");
        settings.shortcutCreation = true;
        QVERIFY(demo.writeSettings(settings));
        const QString window = run().startLauncher();
        QVERIFY2(!window.isEmpty(), qPrintable(run().launcher.output()));
        const QSize compactSize = session.size(window);
        QVERIFY(click(run(), window, kAdvancedOptionsBox));
        // The buttons are found in the taller window.
        QVERIFY(XSession::waitUntil([&] { return session.size(window) != compactSize; }));

        // Only Orrinpack goes; the packs left keep the shared textures.
        QVERIFY(clickAndAnswer(run(), window, kButtonAfterFont,
                               QStringLiteral("Model Pack Cleanup"),
                               keys("shift+Tab shift+Tab space Return")));
        // "Don't ask this in the future", then "Continue".
        QVERIFY(run().answerAndWaitForClose(QStringLiteral("Model pack cleanup"),
                                            keys("space Tab space")));
        QVERIFY(run().answerAndWaitForClose(QStringLiteral(" Cleanup Completed"), keys("Return")));
        QVERIFY(!demo.exists(QStringLiteral("Md2/Orrinpack")));
        QVERIFY(!demo.exists(QStringLiteral("Defs/Model/Orrinpack")));
        QVERIFY(demo.exists(QStringLiteral("Md2/shiny.png")));
        QVERIFY(demo.exists(QStringLiteral("Z3DLaunch/Data/confirm.z3d")));

        QVERIFY(clickAndAnswer(run(), window, kInstallButton,
                               QStringLiteral("Install a wad file to the Games List"),
                               keys("Return"), download));
        QVERIFY2(XSession::waitUntil(
                     [&] { return demo.exists(QStringLiteral("Z3DGames/Keep/Pwads/Keep.wad")); }),
                 qPrintable(demo.folderEntries(QStringLiteral("Z3DGames")).join(u' ')));

        // The installed game is chosen: " Add Desktop Shortcut", then "Create".
        QVERIFY(clickAndAnswer(run(), window, kShortcutButton, QStringLiteral("Create Shortcut"),
                               keys("shift+Tab space Return")));
        const QString shortcuts = home + QStringLiteral("/Desktop/Zorn3D Shortcuts");
        QVERIFY2(XSession::waitUntil([&] { return !QDir(shortcuts).isEmpty(); }),
                 "no desktop shortcut");
        QCOMPARE(QDir(shortcuts).entryList(QDir::Files), QStringList{"Keep.desktop"});

        // The zip library's view offers its location; the browser opens on the current one,
        // which Return keeps.
        QVERIFY(click(run(), window, kZipLibraryView));
        QVERIFY(clickAndAnswer(run(), window, kButtonAfterFont, QStringLiteral("Browse for Folder"),
                               keys("Return")));
        QVERIFY2(XSession::waitUntil([&] {
                     return demo.readFile(QStringLiteral("Z3DLaunch/Data/archives.z3d"))
                         .contains(QFile::encodeName(demo.path(QStringLiteral("Z3DArchives"))));
                 }),
                 demo.readFile(QStringLiteral("Z3DLaunch/Data/archives.z3d")).constData());

        // A font chosen: the launcher ends and starts again in it.
        QVERIFY(clickAndAnswer(run(), window, kFontButton, QStringLiteral("Font"), keys("Return")));
        QVERIFY2(run().launcher.waitForExit(), "the launcher did not end for its restart");
        QCOMPARE(run().launcher.exitCode(), 0);
        QVERIFY(demo.exists(QStringLiteral("Z3DLaunch/font.z3d")));
        const QString restarted = session.waitForWindow(kMainTitle);
        QVERIFY2(!restarted.isEmpty(), "the launcher did not come back");
        QVERIFY(session.pressKeys(restarted, keys("alt+F4")));
        QVERIFY2(session.waitForNoWindow(kMainTitle), "the restarted launcher did not end");
    }

    // Keys pressed while a game's selection chain holds the window (its checker is slow) are
    // dropped, not acted on once it ends: the game the player chose stays chosen.
    void keysDuringASelectionChainAreDropped()
    {
        DemoInstallation& demo = run().demo;
        XSession& session = run().session;
        QVERIFY(holdCheckerRuns(demo));
        QVERIFY(demo.writeSettings(installedGames()));
        const QString window = run().startLauncher();
        QVERIFY2(!window.isEmpty(), qPrintable(run().launcher.output()));
        // The keyboard to the games list (OUTPOST, QUARRY, SAMPLER), on its first game.
        QVERIFY(click(run(), window, kGamesList));
        QVERIFY(session.typeKeys(keys("Home")));

        QVERIFY(demo.writeFile(QStringLiteral("bin/hold"), {}));
        QVERIFY(session.typeKeys(keys("Down")));
        QVERIFY2(XSession::waitUntil([&] { return demo.exists(QStringLiteral("bin/hold.seen")); }),
                 "the chain of QUARRY did not run the checker");
        QVERIFY(session.typeKeys(keys("Down Down")));
        QVERIFY(demo.removeFile(QStringLiteral("bin/hold")));

        QVERIFY2(run().closeWindow(window), "the launcher did not end");
        QCOMPARE(demo.settings().lastInstalledGame, QStringLiteral("Quarry"));
    }

    // The playlist editor, opened by "New" after the name prompt: the file dialog over it
    // replaces a map's music, and leaving it asks, over it, whether to save.
    void playlistEditorWithItsDialogs()
    {
        DemoInstallation& demo = run().demo;
        LauncherSettings settings = installedGames();
        settings.advancedOptions = true;
        QVERIFY(demo.writeSettings(settings));
        const QString window = run().startLauncher();
        QVERIFY2(!window.isEmpty(), qPrintable(run().launcher.output()));

        QVERIFY(click(run(), window, kSoundTab));
        QVERIFY(clickAndAnswer(run(), window, kNewPlaylistButton,
                               QStringLiteral(" Create New Playlist"), keys("Return"),
                               QStringLiteral("Mine")));
        const QString editor = run().answer(QStringLiteral("Opening Mine"), {});
        QVERIFY(!editor.isEmpty());
        // A new playlist starts as the Doom one (the demo has Doom): E1M1 gets the music.
        QVERIFY(run().session.doubleClick(editor, kFirstDoomMap.x, kFirstDoomMap.y));
        const QString music = demo.path(QStringLiteral("OggVorbis/M-Fold/intro.ogg"));
        QVERIFY(demo.writeFile(QStringLiteral("OggVorbis/M-Fold/intro.ogg"), "OggS"));
        QVERIFY(run().answerAndWaitForClose(
            QStringLiteral("Add or Replace a music file to the Playlist"), keys("Return"), music));
        QVERIFY(run().answer(QStringLiteral("Opening Mine"), keys("Escape")) == editor);
        QVERIFY(run().answerAndWaitForClose(QStringLiteral(" Save playlist"), keys("y")));
        QVERIFY(run().session.waitForNoWindow(QStringLiteral("Opening Mine")));
        const QByteArray playlist = demo.readFile(QStringLiteral("Z3DLaunch/Music/Mine.z3m"));
        // A file under the installation is written from its root, quoted.
        QVERIFY2(playlist.contains("\r\nE1M1 \"\\OggVorbis\\M-Fold\\intro.ogg\"\r\n"),
                 playlist.constData());

        QVERIFY2(run().closeWindow(window), "the launcher did not end");
        QCOMPARE(demo.settings().playlistName, QStringLiteral("Mine"));
    }
};

Z3D_TEST_GUILESS_MAIN(TestWindows)
#include "tst_windows.moc"
