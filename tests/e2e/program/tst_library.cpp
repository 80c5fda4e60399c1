// The built launcher on a private X display, playing and managing installed games and the zip
// library as a player does with keys and the mouse, judged by the launch line and the game
// folders.

#include "support/Archivers.h"
#include "support/DataTable.h"
#include "support/GameFileBytes.h"
#include "support/ProgramTestCase.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <zip.h>

using namespace z3d;
using namespace z3d::test;

namespace {

const QString kVault = QStringLiteral("Z3DArchives/Vault.zip");
const QString kExtractedWad = QStringLiteral("Z3DLaunch/Zips/vault.wad");
const QByteArray kPassword = "swordfish";
// The archive is 7-Zip's, with AES-256 (no CRC recorded), rather than libzip's.
constexpr int kSevenZipAes = -1;

// The zip library's view, "Normal" after a launch; remembered names the entry chosen last.
LauncherSettings zipLibrarySettings(const QString& remembered)
{
    LauncherSettings settings = ProgramScenario::quietSettings();
    settings.advancedOptions = true; // offers the zip library's view
    settings.gamesListView = 2;
    settings.lastZipLibraryEntry = remembered;
    settings.afterLaunchOption = 0;
    return settings;
}

// Encrypts the second member of the zip at path with kPassword (the traditional method), the
// first staying as it is.
bool encryptSecondMember(const QString& path)
{
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), 0, nullptr);
    if (!archive)
        return false;
    const bool encrypted =
        zip_file_set_encryption(archive, 1, ZIP_EM_TRAD_PKWARE, kPassword.constData()) == 0;
    return zip_close(archive) == 0 && encrypted;
}

// The keys that type text, then Return.
QStringList keysTyping(const QByteArray& text)
{
    QStringList keys;
    for (const char letter : text)
        keys << QString(QLatin1Char(letter));
    return keys << QStringLiteral("Return");
}

} // namespace

class TestLibrary : public ProgramTestCase
{
    Q_OBJECT

private slots:
    void rememberedSaveGameIsLoaded()
    {
        DemoInstallation& demo = run().demo;
        LauncherSettings settings =
            ProgramScenario::installedGameSettings(QStringLiteral("Outpost"));
        settings.rememberLastSavegame = true;
        settings.skill = 3; // a save is chosen with a skill, never "Start game from New"
        QVERIFY(demo.writeSettings(settings));
        // Outpost's saves are in slots 1 and 3; the record names the slot played last.
        QVERIFY(demo.writeFile(QStringLiteral("Z3DLaunch/GameInfo/Save/outpost.z3ds"), "3\r\n"));

        const QString window = run().startLauncher();
        QVERIFY2(!window.isEmpty(), qPrintable(run().launcher.output()));
        QVERIFY2(run().launchAndWaitForEngine(window), "the engine was not started");
        const QByteArray line = demo.readFile(QStringLiteral("Z3DLaunch/launch.log"));
        QVERIFY2(line.contains(" -loadgame 3 "), line.trimmed().constData());
        QVERIFY2(demo.readFile(QStringLiteral("Zorn3D.out")).contains("[-loadgame] [3]"),
                 demo.readFile(QStringLiteral("Zorn3D.out")).constData());
    }

    void conversionToManualLoadingKeepsHiddenFiles()
    {
        DemoInstallation& demo = run().demo;
        QVERIFY(demo.copyFile(QStringLiteral("Z3DGames/Outpost/Pwads/outpost.wad"),
                              QStringLiteral("Z3DGames/Dotted/Pwads/p.wad")));
        QVERIFY(demo.copyFile(QStringLiteral("Z3DGames/Outpost/Pwads/outpost_res.wad"),
                              QStringLiteral("Z3DGames/Dotted/Pwads/.extra.wad")));
        LauncherSettings settings =
            ProgramScenario::installedGameSettings(QStringLiteral("Dotted"));
        settings.developmentMode = true; // offers the conversions in the games-list menu
        QVERIFY(demo.writeSettings(settings));

        const QString window = run().startLauncher();
        QVERIFY2(!window.isEmpty(), qPrintable(run().launcher.output()));
        // The games list takes the left third of the window's middle; its few entries sit at
        // its top, and a click below them keeps the chosen game. The menu opens for the
        // mouse only.
        QVERIFY(run().session.rightClick(window, 0.15, 0.5));
        const QString menu = run().session.waitForNewWindow(run().launcher.pid(), {window});
        QVERIFY2(!menu.isEmpty(), "the games list's menu did not open");
        // "Convert  Udir to Gwads" is the last item; Up from none reaches it.
        QVERIFY(run().session.typeKeys({QStringLiteral("Up"), QStringLiteral("Return")}));

        const QString gwads = QStringLiteral("Z3DGames/Dotted/Gwads");
        const QStringList moved{QStringLiteral(".extra.wad"), QStringLiteral("p.wad")};
        const bool converted =
            XSession::waitUntil([&] { return demo.folderEntries(gwads) == moved; });
        QVERIFY2(converted, qPrintable("Gwads holds " + demo.folderEntries(gwads).join(u' ')));
        QVERIFY(!demo.exists(QStringLiteral("Z3DGames/Dotted/Pwads")));
    }

    // An encrypted zip asks for its password; the progress of the extraction must not cover
    // the question, however long the player takes to answer it. The zip is either remembered
    // from the last run (asked before the main window shows) or chosen in the list.
    void encryptedZipAsksForItsPassword_data()
    {
        // method: libzip's encryption, or kSevenZipAes for 7-Zip's AES-256 (no CRC recorded).
        const DataTable<int, bool, bool> row("method", "remembered", "answered");
        row("7-Zip AES, remembered, answered", kSevenZipAes, true, true);
        row("7-Zip AES, chosen, answered", kSevenZipAes, false, true);
        row("AES, remembered, answered", ZIP_EM_AES_256, true, true);
        row("traditional, remembered, answered", ZIP_EM_TRAD_PKWARE, true, true);
        row("AES, remembered, empty answer", ZIP_EM_AES_256, true, false);
        row("AES, chosen, answered", ZIP_EM_AES_256, false, true);
        row("traditional, chosen, answered", ZIP_EM_TRAD_PKWARE, false, true);
        row("traditional, chosen, empty answer", ZIP_EM_TRAD_PKWARE, false, false);
    }
    void encryptedZipAsksForItsPassword()
    {
        QFETCH(int, method);
        QFETCH(bool, remembered);
        QFETCH(bool, answered);
        DemoInstallation& demo = run().demo;
        XSession& session = run().session;
        const QByteArray wad = wadWithMaps({"MAP01", "MAP02"});
        if (method == kSevenZipAes) {
            const Archiver sevenZip =
                Archiver::sevenZip({"-p" + QString::fromLatin1(kPassword), "-mem=AES256"});
            if (const QString missing = sevenZip.missing(); !missing.isEmpty())
                QSKIP(qPrintable(missing));
            const ToolRun made = sevenZip.write(demo.path(kVault), {{"vault.wad", wad}});
            QVERIFY2(made.exitCode == 0, made.output.constData());
        } else {
            if (!zip_encryption_method_supported(zip_uint16_t(method), 1))
                QSKIP("this libzip cannot write the encryption");
            QVERIFY(writeZip(demo.path(kVault), {{"vault.wad", wad}}, quint16(method), kPassword));
        }
        // Canyon, the demo's zip, comes before Vault in the list.
        QVERIFY(demo.writeSettings(
            zipLibrarySettings(remembered ? QStringLiteral("Vault") : QStringLiteral("Canyon"))));

        QString window;
        QString question;
        if (remembered) {
            QVERIFY2(run().launcher.start(), qPrintable(run().launcher.output()));
            question = session.waitForNewWindow(run().launcher.pid(), {});
        } else {
            window = run().startLauncher();
            QVERIFY2(!window.isEmpty(), qPrintable(run().launcher.output()));
            // A click below the list's two entries gives it the keys; Down chooses Vault.
            QVERIFY(session.click(window, 0.15, 0.55));
            QVERIFY(session.pressKeys(window, {QStringLiteral("Down")}));
            question = session.waitForNewWindow(run().launcher.pid(), {window});
        }
        QVERIFY2(!question.isEmpty(), "no password was asked for");
        // The player reads the question before typing: long enough for any progress window
        // meant to appear after a moment to have appeared.
        QTest::qWait(1500);
        QVERIFY(session.pressKeys(question, keysTyping(answered ? kPassword : QByteArray())));
        if (remembered) {
            window = session.waitForWindow(LauncherProcess::kMainWindowTitle, run().launcher.pid());
            QVERIFY2(!window.isEmpty(), "the main window did not show after the question");
        }
        if (!answered) {
            // Also when the zip was extracted before the main window showed: told once it has.
            const QString error = session.waitForWindow(QStringLiteral(" File error"));
            QVERIFY2(!error.isEmpty(), "the declined password was not reported");
            QVERIFY(session.pressKeys(error, {QStringLiteral("Return")}));
        }

        if (answered) {
            QVERIFY2(XSession::waitUntil([&] { return demo.exists(kExtractedWad); }),
                     "the typed password did not extract the wad");
            QVERIFY2(run().launchAndWaitForEngine(window), "the engine was not started");
            const QByteArray arguments = demo.readFile(QStringLiteral("Zorn3D.out"));
            QVERIFY2(arguments.contains("vault.wad"), arguments.constData());
        } else {
            // Enter launches nothing; the launch log tells, once the launcher has ended.
            QVERIFY(session.pressKeys(window, {QStringLiteral("Return")}));
        }
        QVERIFY2(run().closeWindow(window), "the launcher did not end");
        QCOMPARE(demo.exists(kExtractedWad), answered);
        QCOMPARE(demo.exists(QStringLiteral("Z3DLaunch/launch.log")), answered);
    }

    // Two launchers of one installation that do not meet (another player's, or one started
    // from another desktop: other temporary folders). The second starts while the first waits
    // for the remembered archive's password, its first member written and not yet in place:
    // the first still gets the archive whole, not mixed with the one chosen before, and
    // launches it.
    void anotherLaunchersStartLeavesAnExtractionWhole()
    {
        if (!zip_encryption_method_supported(ZIP_EM_TRAD_PKWARE, 1))
            QSKIP("this libzip cannot write the encryption");
        DemoInstallation& demo = run().demo;
        XSession& session = run().session;
        const QByteArray wad = wadWithMaps({"MAP01", "MAP02"});
        const QByteArray locked = wadWithMaps({"MAP03"});
        QVERIFY(writeZip(demo.path(kVault), {{"vault.wad", wad}, {"locked.wad", locked}}));
        QVERIFY(encryptSecondMember(demo.path(kVault)));
        QVERIFY(demo.writeFile(kExtractedWad, "the archive chosen before"));
        QVERIFY(demo.writeSettings(zipLibrarySettings(QStringLiteral("Vault"))));

        QVERIFY2(run().launcher.start(), qPrintable(run().launcher.output()));
        const QString question = session.waitForNewWindow(run().launcher.pid(), {});
        QVERIFY2(!question.isEmpty(), "no password was asked for");
        const QDir zips(demo.path(QStringLiteral("Z3DLaunch/Zips")));
        QCOMPARE(zips.entryList({QStringLiteral(".z3dzip-*")}, QDir::Files | QDir::Hidden).size(),
                 1);

        // The other launcher shows the commercial games, not the archive.
        QVERIFY(demo.writeSettings(ProgramScenario::doomTwoSettings()));
        QTemporaryDir otherTemp;
        LauncherProcess other(session, demo.binDir(), otherTemp.path());
        QVERIFY(other.start());
        const QString otherWindow =
            session.waitForWindow(LauncherProcess::kMainWindowTitle, other.pid());
        QVERIFY2(!otherWindow.isEmpty(), qPrintable(other.output()));
        QVERIFY2(run().closeWindow(otherWindow, other), "the other launcher did not end");

        QVERIFY(session.pressKeys(question, keysTyping(kPassword)));
        const QString window =
            session.waitForWindow(LauncherProcess::kMainWindowTitle, run().launcher.pid());
        QVERIFY2(!window.isEmpty(), "the main window did not show after the question");
        QCOMPARE(demo.readFile(kExtractedWad), wad);
        QCOMPARE(demo.readFile(QStringLiteral("Z3DLaunch/Zips/locked.wad")), locked);
        QVERIFY2(run().launchAndWaitForEngine(window), "the engine was not started");
        QVERIFY2(run().closeWindow(window), "the launcher did not end");
    }

    // Renaming an archive through its menu and the name prompt: the entry next to it, passed
    // over while the list's entry is replaced, is not chosen. (Chosen, this one, not a zip,
    // would be reported and would empty the extraction folder.)
    void renamingAnArchiveLeavesTheNextEntryAlone()
    {
        DemoInstallation& demo = run().demo;
        XSession& session = run().session;
        LauncherSettings settings = ProgramScenario::quietSettings();
        settings.advancedOptions = true; // offers the zip library's view
        settings.gamesListView = 2;
        settings.lastZipLibraryEntry = QStringLiteral("Canyon");
        QVERIFY(demo.writeSettings(settings));
        QVERIFY(demo.writeFile(QStringLiteral("Z3DArchives/Dud.zip"), "not a zip at all"));
        const QString marker = QStringLiteral("Z3DLaunch/Zips/notes.txt");
        QVERIFY(demo.writeFile(marker, "kept while Canyon's files are the extracted ones"));

        const QString window = run().startLauncher();
        QVERIFY2(!window.isEmpty(), qPrintable(run().launcher.output()));
        QVERIFY(session.rightClick(window, 0.15, 0.5));
        QVERIFY(!session.waitForNewWindow(run().launcher.pid(), {window}).isEmpty());
        // "Rename zip file" is the menu's second item, after a separator.
        QVERIFY(session.typeKeys(
            {QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Return")}));
        const QString prompt =
            session.waitForWindow(QStringLiteral(" Rename Zip"), run().launcher.pid());
        QVERIFY2(!prompt.isEmpty(), "the name prompt did not appear");
        QVERIFY(session.pressKeys(prompt, {QStringLiteral("ctrl+a"), QStringLiteral("G"),
                                           QStringLiteral("U"), QStringLiteral("L"),
                                           QStringLiteral("F"), QStringLiteral("Return")}));

        QVERIFY(XSession::waitUntil(
            [&] { return demo.exists(QStringLiteral("Z3DArchives/GULF.zip")); }));
        QVERIFY(session.waitForNoWindow(QStringLiteral(" Rename Zip")));
        QVERIFY(session.windows(QStringLiteral(" File error")).isEmpty());
        QVERIFY2(run().closeWindow(window), "the launcher did not end");
        QVERIFY(demo.exists(marker));
        QCOMPARE(demo.settings().lastZipLibraryEntry, QStringLiteral("GULF"));
    }
};

Z3D_TEST_GUILESS_MAIN(TestLibrary)
#include "tst_library.moc"
