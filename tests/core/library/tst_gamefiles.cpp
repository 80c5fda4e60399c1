// Which files of a game are listed, the side files tidied on the way, the installed-games and
// zip-library lists, the scripted-map table and the main-wad choice, on throw-away trees.

#include "core/library/GameFiles.h"
#include "core/library/InstalledGamesList.h"
#include "core/library/InstalledGamesPrefetch.h"
#include "core/library/MainWadChooser.h"
#include "core/library/NameOrder.h"
#include "core/library/ScriptedMapTable.h"
#include "core/library/SideFileTidy.h"
#include "core/library/ZipLibraryList.h"
#include "core/platform/FaultInjector.h"

#include "support/DataTable.h"
#include "support/InstallTree.h"
#include "support/TestRegistry.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

const QString kPwads = QStringLiteral("Z3DGames/Castle/Pwads/");

QStringList displaysOf(const GamesListEntries& entries)
{
    QStringList texts;
    for (const GamesListEntry& entry : entries)
        texts << entry.display;
    return texts;
}

QStringList namesOf(const GamesListEntries& entries)
{
    QStringList names;
    for (const GamesListEntry& entry : entries)
        names << entry.name;
    return names;
}

} // namespace

class TestGameFiles : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { FaultInjector::clear(); }

    void isGameFile_data()
    {
        const DataTable<QString, bool, bool> row("name", "listed", "listedWadFilesOnly");
        row("a wad", "castle.wad", true, true);
        row("wad in capitals", "CASTLE.WAD", true, true);
        // The commercial games' own files, in any case, are never a game's files.
        for (const char* iwad : {"DOOM2.WAD", "doom.wad", "Doom1.WAD", "plutonia.wad", "TNT.wad"})
            row(iwad, iwad, false, false);
        row("model pack wad", "OrrinPack.WAD", false, false);
        row("script file", "scp_zoff", true, true);
        row("definition file", "SCP_DEFN", true, true);
        row("sound file", "sndinfo", true, true);
        row("sound file with extension", "sndinfo.txt", true, false);
        row("longer script name", "scp_zoff2", false, false);
        row("text", "readme.TXT", true, false);
        row("htm", "page.htm", true, false);
        row("html", "page.html", true, false);
        row("doc", "manual.doc", true, false);
        row("dehacked", "patch.deh", true, false);
        row("bex", "patch.BEX", true, false);
        row("ded", "defs.ded", true, false);
        row("demo", "demo1.lmp", true, false);
        row("music", "music.mid", false, false);
        row("zip", "castle.zip", false, false);
        row("wad backup", "castle.wad.bak", false, false);
        row("node file", "castle.Z3Dgwa", false, false);
        row("blanks, dots, accents", QString::fromUtf8("Château d'été v1.2.wad"), true, true);
        row("empty", "", false, false);
    }

    void isGameFile()
    {
        const auto [name, listed, listedWadFilesOnly] =
            fetchRow<QString, bool, bool>("name", "listed", "listedWadFilesOnly");
        QCOMPARE(GameFiles::isGameFile(name, false), listed);
        QCOMPARE(GameFiles::isGameFile(name, true), listedWadFilesOnly);
    }

    void listGameFiles_data()
    {
        const DataTable<bool, QStringList> row("wadFilesOnly", "expected");
        // Letters beyond ASCII sort after 'z' (by character, case folded).
        row("every game file", false,
            QStringList{".hidden.wad", "b.deh", "Castle.wad", "my.big map.wad", "readme.TXT",
                        "scp_zoff", "SNDINFO", "Y.WAD", "z.wad", QString::fromUtf8("Été 2.wad")});
        row("wad files only", true,
            QStringList{".hidden.wad", "Castle.wad", "my.big map.wad", "scp_zoff", "SNDINFO",
                        "Y.WAD", "z.wad", QString::fromUtf8("Été 2.wad")});
    }

    // Side files are tidied while listing: the node file goes, the backups become wads (one
    // over an existing wad of another case, one as a new wad) and are listed as such.
    void listGameFiles()
    {
        const auto [wadFilesOnly, expected] =
            fetchRow<bool, QStringList>("wadFilesOnly", "expected");
        InstallTree tree;
        for (const char* name : {"Castle.wad", "readme.TXT", "DOOM2.WAD", "scp_zoff", "SNDINFO",
                                 "b.deh", "music.mid", "my.big map.wad", ".hidden.wad"})
            tree.addFile(kPwads + QLatin1String(name), "x");
        tree.addFile(kPwads + QString::fromUtf8("Été 2.wad"), "x");
        tree.addFolder(kPwads + "folder.wad");
        const QString node = tree.addFile(kPwads + "Castle.Z3Dgwa", "nodes");
        QFile::setPermissions(node, QFile::ReadOwner);
        tree.addFile(kPwads + "Y.WAD", "old");
        tree.addFile(kPwads + "y.Z3Dbak", "backup");
        tree.addFile(kPwads + "z.z3dbak", "zed");

        const GameFileList list =
            GameFiles::listGameFiles(tree.path("z3dgames/castle/PWADS"), wadFilesOnly);
        QCOMPARE(list.names, expected);
        QCOMPARE(list.count(), expected.size());

        QVERIFY(!tree.exists(kPwads + "Castle.Z3Dgwa"));
        QVERIFY(!tree.exists(kPwads + "y.Z3Dbak"));
        QVERIFY(!tree.exists(kPwads + "z.z3dbak"));
        QCOMPARE(tree.readFile(kPwads + "Y.WAD"), QByteArray("backup"));
        QVERIFY(!tree.exists(kPwads + "y.wad"));
        QCOMPARE(tree.readFile(kPwads + "z.wad"), QByteArray("zed"));
    }

    // A backup whose copy fails is the only good copy of its wad: it stays.
    void backupKeptWhenCopyFails()
    {
        InstallTree tree;
        tree.addFile(kPwads + "Y.wad", "old");
        tree.addFile(kPwads + "Y.Z3Dbak", "backup");
        tree.addFile(kPwads + "a.Z3Dgwa", "nodes");
        FaultInjector::fail(FileOperation::Write, tree.path(kPwads + "Y.wad"),
                            ErrorNumber::PermissionDenied);
        FaultInjector::fail(FileOperation::Delete, tree.path(kPwads + "a.Z3Dgwa"),
                            ErrorNumber::PermissionDenied);

        const GameFileList list = GameFiles::listGameFiles(tree.path(kPwads), false);
        QCOMPARE(list.names, QStringList{"Y.wad"});
        QCOMPARE(tree.readFile(kPwads + "Y.wad"), QByteArray("old"));
        QCOMPARE(tree.readFile(kPwads + "Y.Z3Dbak"), QByteArray("backup"));
        QVERIFY(tree.exists(kPwads + "a.Z3Dgwa"));
        QCOMPARE(tree.fileNames(kPwads), (QStringList{"Y.Z3Dbak", "Y.wad", "a.Z3Dgwa"}));
    }

    // A read-only wad is put back from its backup all the same.
    void backupRestoresReadOnlyWad()
    {
        InstallTree tree;
        const QString wad = tree.addFile(kPwads + "Y.wad", "old");
        QVERIFY(QFile::setPermissions(wad, QFile::ReadOwner));
        tree.addFile(kPwads + "y.Z3Dbak", "backup");

        const SideFileTidy::Result result = SideFileTidy::tidy(tree.path(kPwads + "y.Z3Dbak"));
        QCOMPARE(result.outcome, SideFileTidy::Outcome::Restored);
        QCOMPARE(result.error, ErrorNumber::None);
        QCOMPARE(result.restoredWad, wad);
        QCOMPARE(tree.readFile(kPwads + "Y.wad"), QByteArray("backup"));
        QCOMPARE(tree.fileNames(kPwads), QStringList{"Y.wad"});
    }

    void missingFolderListsNothing()
    {
        InstallTree tree;
        QCOMPARE(GameFiles::listGameFiles(tree.path("Z3DGames/Gone/Pwads"), false).count(), 0);
        QVERIFY(GameFiles::listFolderFiles(tree.path("Z3DGames/Gone/Pwads")).isEmpty());
    }

    // The extraction folder is listed whole, untouched.
    void listFolderFiles()
    {
        InstallTree tree;
        for (const char* name : {"music.mid", "Doom2.wad", "b.Z3Dbak", "A.wad", ".x"})
            tree.addFile(QStringLiteral("Z3DLaunch/Zips/") + QLatin1String(name), "x");
        QCOMPARE(GameFiles::listFolderFiles(tree.path("Z3DLaunch/Zips")),
                 (QStringList{".x", "A.wad", "b.Z3Dbak", "Doom2.wad", "music.mid"}));
        QVERIFY(tree.exists("Z3DLaunch/Zips/b.Z3Dbak"));
    }

    void leafName_data()
    {
        const DataTable<QString, QString> row("path", "leaf");
        row("folder", "/games/Z3DGames/Castle", "Castle");
        row("file with dots", "/g/Pwads/my.big map.wad", "my.big map.wad");
        row("backslashes, trailing", "C:\\Games\\My.Game\\", "My.Game");
        row("bare name", "castle.wad", "castle.wad");
        row("no extension", "/g/Pwads/sndinfo", "sndinfo");
    }

    void leafName()
    {
        const auto [path, leaf] = fetchRow<QString, QString>("path", "leaf");
        QCOMPARE(GameFiles::leafName(path), leaf);
    }

    void installedGames_data()
    {
        const DataTable<bool, bool, QStringList, QStringList> row("scriptedOnly", "customFont",
                                                                  "displays", "names");
        const QStringList names{"Both",    "Castle", QString::fromUtf8("Château"),
                                "My.Game", "udir",   "Wickermoor"};
        row("default font", false, false,
            QStringList{"BOTH", "CASTLE", QString::fromUtf8("CHÂTEAU"), "MY.GAME", "UDIR",
                        "WICKERMOOR"},
            names);
        row("custom font", false, true, names, names);
        row("scripted maps only", true, false, QStringList{"WICKERMOOR"},
            QStringList{"Wickermoor"});
    }

    void installedGames()
    {
        const auto [scriptedOnly, customFont, displays, names] =
            fetchRow<bool, bool, QStringList, QStringList>("scriptedOnly", "customFont", "displays", "names");
        InstallTree tree;
        tree.addFolder("Z3DGames/Castle/Pwads");
        tree.addFolder("Z3DGames/Both/Pwads");
        tree.addFolder("Z3DGames/Both/Gwads");
        tree.addFolder("Z3DGames/udir/gwads");
        tree.addFolder("Z3DGames/Empty/savegame");
        tree.addFolder("Z3DGames/Filed/Pwads.txt");
        tree.addFile("Z3DGames/Loose/Pwads", "a file, not a folder");
        tree.addFile("Z3DGames/loose.txt", "x");
        tree.addFolder("Z3DGames/My.Game/PWADS");
        tree.addFolder(QString::fromUtf8("Z3DGames/Château/Pwads"));
        tree.addFolder("Z3DGames/Wickermoor/Pwads");

        const GamesListEntries entries =
            InstalledGamesList::list(tree.paths(), scriptedOnly, customFont);
        QCOMPARE(displaysOf(entries), displays);
        QCOMPARE(namesOf(entries), names);
    }

    void installedGameKinds()
    {
        InstallTree tree;
        tree.addFolder("Z3DGames/Castle/Pwads");
        tree.addFolder("Z3DGames/Both/Pwads");
        tree.addFolder("Z3DGames/Both/Gwads");
        tree.addFolder("Z3DGames/Wickermoor/Pwads");
        tree.addFolder("Z3DGames/Pale Chorus/Gwads");
        const InstallPaths paths = tree.paths();

        QHash<QString, GameKind> listed;
        for (const GamesListEntry& entry : InstalledGamesList::list(paths, false, false))
            listed.insert(entry.name, entry.kind);
        QCOMPARE(listed.value("Castle"), GameKind::PwadGame);
        QCOMPARE(listed.value("Both"), GameKind::UserDirectory);
        QCOMPARE(listed.value("Wickermoor"), GameKind::ScriptedMap);
        QCOMPARE(listed.value("Pale Chorus"), GameKind::UserDirectory);

        QCOMPARE(InstalledGamesList::kindOf(paths, "BOTH"), GameKind::UserDirectory);
        QCOMPARE(InstalledGamesList::kindOf(paths, "CASTLE"), GameKind::PwadGame);
        QCOMPARE(InstalledGamesList::kindOf(paths, "WICKERMOOR"), GameKind::ScriptedMap);
        // A vanished folder still has a kind: its files list is simply empty.
        QCOMPARE(InstalledGamesList::kindOf(paths, "Gone"), GameKind::PwadGame);
    }

    // The games lists' order is nameLess on the display texts, however the sort gets there.
    void gamesListOrder()
    {
        const QStringList texts{"game 10",
                                "Zebra",
                                "_under",
                                "GAME 2",
                                "[bracket",
                                "zeb",
                                "~tilde",
                                "Game 2",
                                "a",
                                "eclair",
                                "A",
                                "game 1",
                                QString::fromUtf8("Éclair"),
                                QString::fromUtf8("ÉCLAIR"),
                                "B"};
        GamesListEntries entries;
        for (const QString& text : texts)
            entries.append({text, text, GameKind::PwadGame});
        sortByDisplay(entries);
        QStringList expected = texts;
        std::sort(expected.begin(), expected.end(), nameLess);
        QCOMPARE(displaysOf(entries), expected);
    }

    // The start-up's scan, made on its own thread, serves the first fill only: a later one sees
    // the folder as it is then.
    void prefetchedScanServesTheFirstFill()
    {
        InstallTree tree;
        tree.addFolder("Z3DGames/Castle/Pwads");
        const InstallPaths paths = tree.paths();
        InstalledGamesPrefetch prefetch(paths.gamesDir);
        const auto names = [](const GameFolders& folders) {
            QStringList found;
            for (const GameFolder& folder : folders)
                found << folder.name;
            return found;
        };
        QCOMPARE(names(prefetch.take(paths.gamesDir)), QStringList{"Castle"});
        tree.addFolder("Z3DGames/Added/Gwads");
        QStringList now = names(prefetch.take(paths.gamesDir));
        now.sort();
        QCOMPARE(now, QStringList({"Added", "Castle"}));

        InstalledGamesPrefetch elsewhere(tree.root() + "/Elsewhere");
        QCOMPARE(names(elsewhere.take(paths.gamesDir)).size(), 2);
    }

    void missingGamesDirListsNothing()
    {
        InstallTree tree(InstallTree::Empty);
        QVERIFY(InstalledGamesList::list(tree.paths(), false, false).isEmpty());
    }

    void zipLibrary_data()
    {
        const DataTable<bool, QStringList> row("customFont", "displays");
        row("default font", false,
            QStringList{"A B.C", "MYZIP", "OTHER", QString::fromUtf8("ÉTÉ")});
        row("custom font", true, QStringList{"A b.c", "Myzip", "Other", QString::fromUtf8("Été")});
    }

    void zipLibrary()
    {
        const auto [customFont, displays] = fetchRow<bool, QStringList>("customFont", "displays");
        InstallTree tree;
        tree.addFiles({"Z3DArchives/myzip.zip", "Z3DArchives/Other.ZIP", "Z3DArchives/a b.c.zip"},
                      "PK");
        tree.addFile(QString::fromUtf8("Z3DArchives/été.zip"), "PK");
        tree.addFile("Z3DArchives/notes.txt", "x");
        tree.addFile("Z3DArchives/old.zip.bak", "x");
        tree.addFolder("Z3DArchives/folder.zip");

        const GamesListEntries listed = ZipLibraryList::list(tree.path("z3DArchives"), customFont);
        QCOMPARE(displaysOf(listed), displays);
        QCOMPARE(namesOf(listed),
                 (QStringList{"a b.c", "myzip", "Other", QString::fromUtf8("été")}));
        for (const GamesListEntry& entry : listed)
            QCOMPARE(entry.kind, GameKind::ZipArchive);
    }

    void zipLibraryFolderCreated()
    {
        InstallTree tree;
        QVERIFY(ZipLibraryList::list(tree.path("Zips"), false).isEmpty());
        QVERIFY(tree.isFolder("Zips"));
        // A library on a drive that has gone is not made again, parents and all.
        QVERIFY(ZipLibraryList::list(tree.path("Stick/Zips"), false).isEmpty());
        QVERIFY(!tree.isFolder("Stick"));
    }

    void scriptedMapTable()
    {
        const auto rows = ScriptedMapTable::rows();
        QCOMPARE(rows.size(), std::size_t(15));
        QSet<QString> titles;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const ScriptedMapRow& row = rows[i];
            titles.insert(QString::fromLatin1(row.title).toLower());
            QVERIFY(QString::fromLatin1(row.wadFile).endsWith(".wad"));
            if (i + 1 < rows.size())
                QCOMPARE(QString::fromLatin1(row.modelFolder),
                         QFileInfo(QString::fromLatin1(row.wadFile)).completeBaseName());
            else
                QVERIFY(row.modelFolder == nullptr);
        }
        QCOMPARE(titles.size(), qsizetype(15));
    }

    void isScriptedMap_data()
    {
        const DataTable<QStringList, QString, bool, bool> row("folders", "name", "scripted",
                                                              "assets");
        const QString wad = QStringLiteral("Z3DGames/Cinder Abbey/Pwads/cndabbey.wad");
        const QStringList all{wad, "Md2/cndabbey/", "Data/custom.hires/cndabbey/"};
        row("every asset", all, "Cinder Abbey", true, true);
        row("any case, on disk too",
            QStringList{"Z3DGames/cinder abbey/PWADS/CNDABBEY.WAD", "Md2/CndAbbey/",
                        "DATA/Custom.Hires/cndabbey/"},
            "CINDER ABBEY", true, true);
        row("no high-resolution folder", QStringList{wad, "Md2/cndabbey/"}, "Cinder Abbey", true,
            false);
        row("no models", QStringList{wad, "Data/custom.hires/cndabbey/"}, "Cinder Abbey", true,
            false);
        row("no wad", QStringList{"Md2/cndabbey/", "Data/custom.hires/cndabbey/"}, "Cinder Abbey",
            true, false);
        row("not a title", all, "Castle", false, false);
    }

    void isScriptedMap()
    {
        const auto [folders, name, scripted, assets] =
            fetchRow<QStringList, QString, bool, bool>("folders", "name", "scripted", "assets");
        InstallTree tree;
        for (const QString& entry : std::as_const(folders))
            tree.addEntry(entry, "PWAD");
        const ScriptedMapCheck check = ScriptedMapTable::isScriptedMap(tree.paths(), name);
        QCOMPARE(check.isScriptedMap, scripted);
        QCOMPARE(check.assetsPresent, assets);
    }

    void anyScriptedMapModels()
    {
        InstallTree tree;
        QVERIFY(!ScriptedMapTable::anyScriptedMapModelsInstalled(tree.paths()));
        // The last map has no model folder: a folder of its wad's name does not count.
        tree.addFolder("Md2/wickmoor");
        QVERIFY(!ScriptedMapTable::anyScriptedMapModelsInstalled(tree.paths()));
        tree.addFolder("Md2/PALECHOR");
        QVERIFY(ScriptedMapTable::anyScriptedMapModelsInstalled(tree.paths()));
    }

    void mainWad_data()
    {
        const DataTable<QStringList, QVariantMap, QString, int, QStringList> row(
            "files", "codes", "mainFile", "wadCount", "asked");
        const QStringList twoWads{"a.wad", "b.wad"};
        row("most maps, last name among equals",
            QStringList{"a.wad", "b.wad", "c.wad", "readme.txt"},
            QVariantMap{{"a.wad", 103}, {"b.wad", 103}, {"c.wad", 101}}, "b.wad", 3,
            QStringList{"a.wad", "b.wad", "c.wad"});
        row("a copy of Doom II beside the game wad", QStringList{"castle.wad", "Doom2.wad"},
            QVariantMap{{"castle.wad", 101}}, "castle.wad", 2, QStringList{"castle.wad"});
        row("one wad asks nothing", QStringList{"castle.wad", "castle.deh"}, QVariantMap{},
            "castle.wad", 1, QStringList{});
        row("only a commercial wad", QStringList{"DOOM.WAD", "readme.txt"}, QVariantMap{}, "", 1,
            QStringList{});
        row("no wad", QStringList{"readme.txt"}, QVariantMap{}, "", 0, QStringList{});
        row("names sort without case", QStringList{"a.wad", "B.WAD"},
            QVariantMap{{"a.wad", 102}, {"B.WAD", 102}}, "B.WAD", 2, QStringList{"a.wad", "B.WAD"});
        row("fewer maps lose whatever their names", QStringList{"alpha.wad", "zulu.wad"},
            QVariantMap{{"alpha.wad", 132}, {"zulu.wad", 109}}, "alpha.wad", 2,
            QStringList{"alpha.wad", "zulu.wad"});
        // A check that printed nothing answers 10: it ranks below any map count, and the
        // chosen path keeps its first characters.
        row("a silent check ranks last", QStringList{"a.wad", "b.wad"},
            QVariantMap{{"a.wad", 101}, {"b.wad", 10}}, "a.wad", 2, QStringList{"a.wad", "b.wad"});
        row("every check silent", twoWads, QVariantMap{{"a.wad", 10}, {"b.wad", 10}}, "b.wad", 2,
            twoWads);
        row("a refused candidate is dropped", twoWads, QVariantMap{{"a.wad", 101}, {"b.wad", 0}},
            "a.wad", 2, twoWads);
        row("names with blanks, dots and accents",
            QStringList{"my.big map.wad", QString::fromUtf8("été.wad")},
            QVariantMap{{"my.big map.wad", 104}, {QString::fromUtf8("été.wad"), 104}},
            QString::fromUtf8("été.wad"), 2,
            QStringList{"my.big map.wad", QString::fromUtf8("été.wad")});
    }

    void mainWad()
    {
        QFETCH(QStringList, files);
        QFETCH(QVariantMap, codes);
        QFETCH(QString, mainFile);
        QFETCH(int, wadCount);
        QFETCH(QStringList, asked);
        InstallTree tree;
        for (const QString& file : std::as_const(files))
            tree.addFile(kPwads + file, "PWAD");

        const QString folder = tree.path(QStringLiteral("Z3DGames/Castle/Pwads")) + u'/';
        QStringList askedFor;
        const MainWadChoice choice =
            MainWadChooser::choose(tree.path("Z3DGAMES/castle/pwads"), [&](const QString& wad) {
                // A path outside the folder shows up whole in the comparison below.
                askedFor << (wad.startsWith(folder) ? wad.mid(folder.size()) : wad);
                return codes.value(wad.mid(folder.size()), 0).toInt();
            });
        askedFor.sort(Qt::CaseInsensitive);
        QCOMPARE(askedFor, asked);
        QCOMPARE(choice.wadCount, wadCount);
        QCOMPARE(choice.fileName, mainFile);
        QCOMPARE(choice.mainFile, mainFile.isEmpty() ? QString() : folder + mainFile);
        QCOMPARE(choice.found(), !mainFile.isEmpty());
    }
};

Z3D_TEST_GUILESS_MAIN(TestGameFiles)
#include "tst_gamefiles.moc"
