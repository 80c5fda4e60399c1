// The built launcher's playlists on a private X display: the built-in list written at start-up,
// and the playlist the engine is told to play, chosen by hand or assigned to the game.

#include "support/DataTable.h"
#include "support/ProgramTestCase.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace z3d;
using namespace z3d::test;

class TestMusic : public ProgramTestCase
{
    Q_OBJECT

private slots:
    void theChosenPlaylistReachesTheEngine_data()
    {
        const DataTable<bool> row("automatic");
        row("Manual", false);
        row("Auto, assigned to Doom II", true);
    }

    // A dotted name is handed over cut before its last dot. The remembered choice has to
    // survive the start-up's refill of the list.
    void theChosenPlaylistReachesTheEngine()
    {
        QFETCH(bool, automatic);
        DemoInstallation& demo = run().demo;
        QVERIFY(demo.writeFile(QStringLiteral("Z3DLaunch/Music/Doom Mix v1.2.z3m"), "\r\n"));
        if (automatic)
            QVERIFY(demo.writeFile(
                QStringLiteral("Z3DLaunch/Music/auto-playlist.z3d"),
                "IMPORTANT: Do not manually edit or change the order of this list\r\n"
                "Doom/Ultimate Doom Placeholder\r\nDoom Mix v1.2\r\n"
                "Plutonia - Placeholder\r\nTNT - Placeholder\r\n"));
        LauncherSettings settings = ProgramScenario::doomTwoSettings(true);
        settings.playlistName = automatic ? QString() : QStringLiteral("Doom Mix v1.2");
        settings.manualPlaylist = !automatic;
        settings.autoPlaylist = automatic;
        QVERIFY(demo.writeSettings(settings));

        const QString window = run().startLauncher();
        QVERIFY2(!window.isEmpty(), qPrintable(run().launcher.output()));
        QVERIFY(demo.exists(QStringLiteral("Z3DLaunch/Music/M-Fold - Doom2.z3m")));
        const QByteArray line = run().launchAndReadLog(window);
        QVERIFY2(line.startsWith("Bin\\Zorn3D -doom2 "), line.trimmed().constData());
        QVERIFY2(line.contains(" -extmus \"Doom Mix v1\" "), line.trimmed().constData());
        QCOMPARE(line.count("-extmus"), 1);
        QCOMPARE(demo.settings().manualPlaylist, !automatic);
        QCOMPARE(demo.settings().autoPlaylist, automatic);
    }
};

Z3D_TEST_GUILESS_MAIN(TestMusic)
#include "tst_music.moc"
