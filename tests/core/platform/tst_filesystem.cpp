#include "core/platform/FaultInjector.h"
#include "core/platform/FileOperations.h"
#include "core/platform/FileStamp.h"
#include "core/platform/InstallPaths.h"
#include "core/platform/PathResolver.h"

#include "support/DataTable.h"
#include "support/FileChanges.h"
#include "support/InstallTree.h"
#include "support/LinkedAway.h"
#include "support/TestRegistry.h"
#include "support/TreeSnapshot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTest>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#endif

using namespace z3d;
using namespace z3d::test;

Q_DECLARE_METATYPE(z3d::test::FileChange)

class TestFileSystem : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { FaultInjector::clear(); }

    void resolve_data();
    void resolve();
    void resolvePrefersExactSpelling();
    void join_data();
    void join();
    void pathParts_data();
    void pathParts();
    void samePath();
    void existsTests();
    void folderListingsAgree();

    void installPaths();
    void installPathsFollowDiskCase();

    void deleteFile();
    void deleteReadOnlyFile();
    void deleteFileErrors();
    void createAndDeleteFolder();
    void deleteFolderTree();
    void deleteFolderTreeStopsAtInjectedFailure();
    void deletionsMeetLinks_data();
    void deletionsMeetLinks();
    void deleteMatching();
    void wildcard_data();
    void wildcard();
    void writeProbe();
    void writeProbeRefused_data();
    void writeProbeRefused();
    void stampTellsChanges_data();
    void stampTellsChanges();
};

void TestFileSystem::resolve_data()
{
    const DataTable<QString, QString> row("asked", "found");
    for (const char* asked : {"Z3DLaunch/Data", "z3dlaunch/data", "z3dlaunch//data"})
        row(asked, asked, "Z3DLaunch/Data");
    row("backslashes", "\\Z3DLAUNCH\\DATA\\", "Z3DLaunch/Data/");
    row("file", "z3dgames/castle/PWADS/castle.WAD", "Z3DGames/Castle/Pwads/Castle.wad");
    row("missing tail keeps spelling", "z3dgames/castle/NewFolder/New.txt",
        "Z3DGames/Castle/NewFolder/New.txt");
    row("nothing matches", "Nowhere/At/All", "Nowhere/At/All");
    row("only the file otherwise", "Z3DGames/Castle/Pwads/CASTLE.WAD",
        "Z3DGames/Castle/Pwads/Castle.wad");
    row("only the file missing", "Z3DGames/Castle/Pwads/Keep.wad",
        "Z3DGames/Castle/Pwads/Keep.wad");
    row("up from a folder otherwise", "z3dgames/../Z3DGames/castle/pwads",
        "Z3DGames/../Z3DGames/Castle/Pwads");
    row("names beyond ASCII", "z3dgames/éCLAIR/pwads/ÉTÉ.wad", "Z3DGames/Éclair/Pwads/Été.wad");
}

void TestFileSystem::resolve()
{
    const auto [asked, found] = fetchRow<QString, QString>("asked", "found");
    InstallTree tree;
    tree.addFile("Z3DGames/Castle/Pwads/Castle.wad", "PWAD");
    tree.addFile("Z3DGames/Éclair/Pwads/Été.wad", "PWAD");
    QCOMPARE(PathResolver::resolve(tree.root() + "/" + asked), tree.root() + "/" + found);
    QCOMPARE(PathResolver::resolve(QString()), QString());
}

void TestFileSystem::resolvePrefersExactSpelling()
{
    InstallTree tree(InstallTree::Empty);
    tree.addFolder("Data");
    tree.addFolder("data");
    QCOMPARE(PathResolver::resolve(tree.path("data")), tree.path("data"));
    QCOMPARE(PathResolver::resolve(tree.path("Data")), tree.path("Data"));
    // Neither spelling matches exactly: one of them, the same each time.
    const QString once = PathResolver::resolve(tree.path("DATA"));
    QVERIFY(once == tree.path("Data") || once == tree.path("data"));
    QCOMPARE(PathResolver::resolve(tree.path("DATA")), once);
}

void TestFileSystem::join_data()
{
    const DataTable<QString, QString, QString> row("base", "relative", "joined");
    row("folder", "/opt/z", "\\Z3DLaunch\\Data\\", "/opt/z/Z3DLaunch/Data/");
    row("base with slash", "/opt/z/", "\\Md2\\", "/opt/z/Md2/");
    row("double separator", "/opt/z/Z3DLaunch/Data/", "\\pwad.z3d",
        "/opt/z/Z3DLaunch/Data/pwad.z3d");
    row("file", "/opt/z", "\\bin\\Zorn3D.exe", "/opt/z/bin/Zorn3D.exe");
    row("root", "/", "\\Z3DGames\\", "/Z3DGames/");
    row("empty relative", "/opt/z", "", "/opt/z");
    row("drive", "C:\\Zorn3D", "\\Data", "C:/Zorn3D/Data");
}

void TestFileSystem::join()
{
    const auto [base, relative] = fetchRow<QString, QString>("base", "relative");
    QTEST(PathResolver::join(base, relative), "joined");
}

void TestFileSystem::pathParts_data()
{
    const DataTable<QString, QString, QString> row("path", "last", "parent");
    row("plain", "/a/b/Textures", "Textures", "/a/b");
    row("trailing", "/a/b/textures/", "textures", "/a/b");
    row("backslashes", "C:\\x\\Textures", "Textures", "C:/x");
    row("drive child", "C:\\x", "x", "C:/");
    row("root child", "/x", "x", "/");
    row("root", "/", "", "");
    row("relative", "Textures", "Textures", "");
}

void TestFileSystem::pathParts()
{
    QFETCH(QString, path);
    QTEST(PathResolver::lastComponent(path), "last");
    QTEST(PathResolver::parentFolder(path), "parent");
}

void TestFileSystem::samePath()
{
    QVERIFY(PathResolver::samePath("/a/Data/Textures", "/A/data/TEXTURES/"));
    QVERIFY(PathResolver::samePath("C:\\a\\b", "c:/A/B"));
    QVERIFY(!PathResolver::samePath("/a/Data/Textures", "/a/Data/Textures2"));
}

void TestFileSystem::existsTests()
{
    InstallTree tree;
    tree.addFile("Data/hv_doom_sfx.wad");
    QVERIFY(PathResolver::fileExists(tree.path("DATA/HV_DOOM_SFX.WAD")));
    QVERIFY(!PathResolver::folderExists(tree.path("data/hv_doom_sfx.wad")));
    QVERIFY(PathResolver::folderExists(tree.path("data")));
    QVERIFY(!PathResolver::fileExists(tree.path("data")));
    QVERIFY(!PathResolver::exists(tree.path("data/none")));
    QVERIFY(!PathResolver::fileExists(QString()));
}

// The quick listing of a folder already spelled as on disk lists what the resolving one lists,
// links and special files included.
void TestFileSystem::folderListingsAgree()
{
    InstallTree tree(InstallTree::Empty);
    tree.addFolder("Game/Pwads");
    tree.addFolder("Game/.hidden");
    tree.addFile("Game/readme.txt", "text");
    const QString game = tree.path("Game");
#if defined(Q_OS_UNIX)
    QVERIFY(QFile::link(game + "/Pwads", game + "/to folder"));
    QVERIFY(QFile::link(game + "/readme.txt", game + "/to file"));
    QVERIFY(QFile::link(game + "/nowhere", game + "/broken"));
    QCOMPARE(::mkfifo(QFile::encodeName(game + "/fifo").constData(), 0600), 0);
#endif
    QStringList quick = PathResolver::folderNamesAsSpelled(game);
    QStringList resolving = PathResolver::folderNames(game);
    quick.sort();
    resolving.sort();
    QCOMPARE(quick, resolving);
    QVERIFY(quick.contains(".hidden") && quick.contains("Pwads") && !quick.contains("readme.txt"));
#if defined(Q_OS_UNIX)
    QCOMPARE(quick, QStringList({".hidden", "Pwads", "broken", "fifo", "to folder"}));
#endif
    QVERIFY(PathResolver::folderNamesAsSpelled(tree.path("Game/readme.txt")).isEmpty());
    QVERIFY(PathResolver::folderNamesAsSpelled(tree.path("Missing")).isEmpty());
}

void TestFileSystem::installPaths()
{
    InstallTree tree;
    const InstallPaths p = InstallPaths::fromLauncherFolder(tree.binDir());
    const QString r = tree.root();
    QCOMPARE(p.installRoot, r);
    QCOMPARE(p.zipLibraryDir, r + "/Z3DArchives");
    QCOMPARE(p.launcherDataDir, r + "/Z3DLaunch/Data/");
    QCOMPARE(p.baseDefsDir, r + "/Defs/Base/");
    QCOMPARE(p.modelDefsDir, r + "/Defs/Model/");
    QCOMPARE(p.addonDefsDir, r + "/Defs/Model/Addon/");
    QCOMPARE(p.pellamDefsDir, r + "/Defs/Model/Pellam/");
    QCOMPARE(p.orrinpackDefsDir, r + "/Defs/Model/Orrinpack/");
    QCOMPARE(p.launcherDir, r + "/Z3DLaunch/");
    QCOMPARE(p.gamesDir, r + "/Z3DGames/");
    QCOMPARE(p.customDefsDir, r + "/Defs/Custom/");
    QCOMPARE(p.musicDir, r + "/Z3DLaunch/Music/");
    QCOMPARE(p.modelDir, r + "/Md2/");
    QCOMPARE(p.engineExe, r + "/bin/Zorn3D.exe");
    QCOMPARE(p.gameInfoDir, r + "/Z3DLaunch/GameInfo/");
    QCOMPARE(p.under("\\Data\\Textures"), r + "/Data/Textures");
    // A trailing separator on the launcher folder changes nothing.
    QCOMPARE(InstallPaths::fromLauncherFolder(tree.binDir() + "/").installRoot, r);
}

void TestFileSystem::installPathsFollowDiskCase()
{
    InstallTree tree(InstallTree::Empty);
    tree.addFolder("BIN");
    tree.addFolder("z3dlaunch/DATA");
    tree.addFolder("MD2");
    tree.addFile("BIN/ZORN3D.EXE");
    const InstallPaths p = InstallPaths::fromInstallRoot(tree.root());
    QCOMPARE(p.launcherDir, tree.root() + "/z3dlaunch/");
    QCOMPARE(p.launcherDataDir, tree.root() + "/z3dlaunch/DATA/");
    QCOMPARE(p.modelDir, tree.root() + "/MD2/");
    QCOMPARE(p.engineExe, tree.root() + "/BIN/ZORN3D.EXE");
    // Missing folders keep the spelling of the table, under the found parent.
    QCOMPARE(p.gameInfoDir, tree.root() + "/z3dlaunch/GameInfo/");
    QCOMPARE(p.gamesDir, tree.root() + "/Z3DGames/");
}

void TestFileSystem::deleteFile()
{
    InstallTree tree;
    tree.addFile("Z3DLaunch/launch.txt", "x");
    QCOMPARE(FileOperations::deleteFile(tree.path("z3dlaunch/LAUNCH.TXT")), ErrorNumber::None);
    QVERIFY(!tree.exists("Z3DLaunch/launch.txt"));
    QCOMPARE(FileOperations::deleteFileIfExists(tree.path("Z3DLaunch/launch.txt")),
             ErrorNumber::None);
}

void TestFileSystem::deleteReadOnlyFile()
{
    InstallTree tree;
    const QString file = tree.addFile("Z3DLaunch/config.z3d", "v7.5\r\n");
    QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadUser));
    QCOMPARE(FileOperations::deleteFile(file), ErrorNumber::None);
    QVERIFY(!QFile::exists(file));
}

void TestFileSystem::deleteFileErrors()
{
    InstallTree tree;
    QCOMPARE(FileOperations::deleteFile(tree.path("Z3DLaunch/none.z3d")),
             ErrorNumber::FileNotFound);
    QCOMPARE(FileOperations::deleteFile(tree.path("Nowhere/none.z3d")), ErrorNumber::PathNotFound);
    QCOMPARE(FileOperations::deleteFile(tree.path("Z3DLaunch")), ErrorNumber::FileNotFound);
    QVERIFY(tree.isFolder("Z3DLaunch"));
    const QString file = tree.addFile("Z3DGames/x.wad");
    FaultInjector::fail(FileOperation::Delete, tree.path("z3dgames/X.WAD"),
                        ErrorNumber::FileAlreadyOpen);
    QCOMPARE(FileOperations::deleteFile(file), ErrorNumber::FileAlreadyOpen);
    QVERIFY(QFile::exists(file));
}

void TestFileSystem::createAndDeleteFolder()
{
    InstallTree tree;
    QCOMPARE(FileOperations::createFolder(tree.path("Z3DGames/New")), ErrorNumber::None);
    QVERIFY(tree.isFolder("Z3DGames/New"));
    QCOMPARE(FileOperations::createFolder(tree.path("z3dgames/NEW")),
             ErrorNumber::PathFileAccessError);
    QCOMPARE(FileOperations::createFolder(tree.path("Gone/New")), ErrorNumber::PathNotFound);
    QCOMPARE(FileOperations::createFolderPath(tree.path("Z3DGames/A/B/C")), ErrorNumber::None);
    QVERIFY(tree.isFolder("Z3DGames/A/B/C"));
    QCOMPARE(FileOperations::createFolderPath(tree.path("z3dgames/a/b/c")), ErrorNumber::None);

    tree.addFile("Z3DGames/New/file.wad");
    QCOMPARE(FileOperations::deleteFolder(tree.path("Z3DGames/New")),
             ErrorNumber::PathFileAccessError);
    QVERIFY(tree.removeFile("Z3DGames/New/file.wad"));
    QCOMPARE(FileOperations::deleteFolder(tree.path("Z3DGAMES/new")), ErrorNumber::None);
    QVERIFY(!tree.exists("Z3DGames/New"));
    QCOMPARE(FileOperations::deleteFolder(tree.path("Z3DGames/New")), ErrorNumber::PathNotFound);
}

void TestFileSystem::deleteFolderTree()
{
    InstallTree tree;
    tree.addFile("Md2/Pellam/Items/Bottle3.dmd", "x");
    tree.addFile("Md2/Pellam/skin.png", "x");
    const QString readOnly = tree.addFile("Md2/Pellam/Tech/ro.dmd", "x");
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner);
    QCOMPARE(FileOperations::deleteFolderTree(tree.path("md2/pellam")), ErrorNumber::None);
    QVERIFY(!tree.exists("Md2/Pellam"));
    QVERIFY(tree.isFolder("Md2"));
    QCOMPARE(FileOperations::deleteFolderTree(tree.path("Md2/Pellam")), ErrorNumber::PathNotFound);
}

void TestFileSystem::deleteFolderTreeStopsAtInjectedFailure()
{
    InstallTree tree;
    tree.addFile("Md2/Pellam/a.dmd");
    const QString locked = tree.addFile("Md2/Pellam/Sub/locked.dmd");
    FaultInjector::fail(FileOperation::Delete, locked, ErrorNumber::PermissionDenied);
    QCOMPARE(FileOperations::deleteFolderTree(tree.path("Md2/Pellam")),
             ErrorNumber::PermissionDenied);
    QVERIFY(QFile::exists(locked));
    QVERIFY(tree.isFolder("Md2/Pellam"));
}

void TestFileSystem::deletionsMeetLinks_data()
{
    // The deletion (tree, empty folder or "*.wad" files), the entry made a link to elsewhere,
    // what is deleted, and what of elsewhere goes with it: only a folder of the operation's
    // own that lies behind a linked parent.
    const DataTable<QString, QString, QString, QString, QString> row(
        "operation", "link", "elsewhere", "deleted", "elsewhereGone");
    row("tree: the folder is a link", "tree", "Z3DGames/Castle", "Elsewhere/Castle",
        "Z3DGames/Castle", "");
    row("tree: a member links to a folder", "tree", "Z3DGames/Castle/Pwads", "Elsewhere/Pwads",
        "Z3DGames/Castle", "");
    row("tree: a member links to a file", "tree", "Z3DGames/Castle/Pwads/castle.wad",
        "Elsewhere/castle.wad", "Z3DGames/Castle", "");
    row("tree: a parent is a link", "tree", "Z3DGames", "Elsewhere/Games", "Z3DGames/Castle",
        "Elsewhere/Games/Castle/");
    row("empty folder: the folder is a link", "empty", "Z3DGames/Castle/Pwads", "Elsewhere/Pwads",
        "Z3DGames/Castle/Pwads", "");
    row("files: a member links to a file", "files", "Z3DGames/Castle/Pwads/castle.wad",
        "Elsewhere/castle.wad", "Z3DGames/Castle/Pwads/castle.wad", "");
}

void TestFileSystem::deletionsMeetLinks()
{
    const auto [operation, link, elsewhere, deleted, elsewhereGone] =
        fetchRow<QString, QString, QString, QString, QString>("operation", "link", "elsewhere", "deleted", "elsewhereGone");
    InstallTree tree;
    tree.addFile("Z3DGames/Castle/Pwads/castle.wad", "PWAD");
    tree.addFile("Z3DGames/Castle/Pwads/readme.txt", "text");
    tree.addFile("Z3DGames/Other/Pwads/other.wad", "PWAD");
    QVERIFY(linkAway(tree, link, elsewhere));
    const QSet<QString> before = snapshot(tree);

    const QString path = tree.path(deleted);
    const ErrorNumber error = operation == u"tree" ? FileOperations::deleteFolderTree(path)
                              : operation == u"empty"
                                  ? FileOperations::deleteFolder(path)
                                  : FileOperations::deleteMatching(QFileInfo(path).path(), "*.wad");

    QCOMPARE(error, ErrorNumber::None);
    QVERIFY(!QFileInfo(path).exists());
    QVERIFY(!QFileInfo(path).isSymLink());
    verifyGoneElsewhere(tree, before, elsewhereGone);
    QVERIFY(tree.exists("Z3DGames/Other/Pwads/other.wad"));
}

void TestFileSystem::deleteMatching()
{
    InstallTree tree;
    tree.addFiles({"Z3DLaunch/GameInfo/castle.z3dm", "Z3DLaunch/GameInfo/HELL.Z3DM",
                   "Z3DLaunch/GameInfo/castle.z3ds"});
    tree.addFolder("Z3DLaunch/GameInfo/sub.z3dm");
    QCOMPARE(FileOperations::deleteMatching(tree.path("Z3DLaunch/GameInfo"), "*.z3dm"),
             ErrorNumber::None);
    QCOMPARE(
        QDir(tree.path("Z3DLaunch/GameInfo")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
        (QStringList{"castle.z3ds", "sub.z3dm"}));
    QCOMPARE(FileOperations::deleteMatching(tree.path("Z3DLaunch/GameInfo"), "*.z3dm"),
             ErrorNumber::FileNotFound);

    tree.addFiles({"Z3DLaunch/Zips/a.wad", "Z3DLaunch/Zips/README", "Z3DLaunch/Zips/.hidden"});
    const QString zips = tree.path("z3dlaunch/zips");
    QCOMPARE(FileOperations::deleteMatching(zips, "*.*"), ErrorNumber::None);
    QVERIFY(QDir(tree.path("Z3DLaunch/Zips"))
                .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    QCOMPARE(FileOperations::deleteMatching(tree.path("Gone"), "*.*"), ErrorNumber::PathNotFound);

    // A failing file does not stop the others.
    const QString a = tree.addFile("Z3DGames/a.wad");
    const QString b = tree.addFile("Z3DGames/b.wad");
    FaultInjector::fail(FileOperation::Delete, a, ErrorNumber::FileAlreadyOpen);
    QCOMPARE(FileOperations::deleteMatching(tree.path("Z3DGames"), "*.wad"),
             ErrorNumber::FileAlreadyOpen);
    QVERIFY(QFile::exists(a));
    QVERIFY(!QFile::exists(b));
}

void TestFileSystem::wildcard_data()
{
    const DataTable<QString, QString, bool> row("name", "pattern", "matches");
    row("ext", "castle.z3dm", "*.z3dm", true);
    row("ext case", "CASTLE.Z3DM", "*.z3dm", true);
    row("other ext", "castle.z3dms", "*.z3dm", false);
    row("star dot star no ext", "README", "*.*", true);
    row("question", "map01.wad", "map??.wad", true);
    row("question short", "map1.wad", "map??.wad", false);
    row("prefix", "Zorn3DSav1.z3dsg", "zorn3dsav*.z3dsg", true);
    row("brackets literal", "[x].wad", "[x].wad", true);
    row("brackets not a class", "x.wad", "[x].wad", false);
    row("two stars", "a.b.c", "*.*.c", true);
    row("exact", "confirm.z3d", "CONFIRM.Z3D", true);
}

void TestFileSystem::wildcard()
{
    const auto [name, pattern] = fetchRow<QString, QString>("name", "pattern");
    QTEST(FileOperations::matchesWildcard(name, pattern), "matches");
}

void TestFileSystem::writeProbe()
{
    InstallTree tree;
    const InstallPaths p = tree.paths();
    const QString probe = FileOperations::writeProbeFolder(p.launcherDir);
    QCOMPARE(QFileInfo(probe).absolutePath() + '/', p.launcherDir);
    QCOMPARE(FileOperations::probeWritePermission(p.launcherDir), ErrorNumber::None);
    QVERIFY(!QFileInfo::exists(probe));
    // A folder of this process id's name, not empty (left by a launcher of the same id in
    // another container), or a file of that name is in the way: the probe takes another name
    // and leaves it as it is.
    tree.addFile(tree.relative(probe) + "/notes.txt", "kept");
    QCOMPARE(FileOperations::probeWritePermission(p.launcherDir), ErrorNumber::None);
    QVERIFY(tree.exists(tree.relative(probe) + "/notes.txt"));
    QVERIFY(tree.removeFolder(tree.relative(probe)));
    tree.addFile(tree.relative(probe), "a file");
    QCOMPARE(FileOperations::probeWritePermission(p.launcherDir), ErrorNumber::None);
    QCOMPARE(QDir(p.launcherDir).entryList({"Admin*"}, QDir::AllEntries),
             QStringList{QFileInfo(probe).fileName()});
    // Another launcher's probe folder is no business of this one.
    tree.addFolder("Z3DLaunch/Admin");
    QCOMPARE(FileOperations::probeWritePermission(p.launcherDir), ErrorNumber::None);
    QVERIFY(tree.exists("Z3DLaunch/Admin"));
}

void TestFileSystem::writeProbeRefused_data()
{
    const DataTable<int, int> row("operation", "error");
    row("create denied", int(FileOperation::CreateFolder), 70);
    row("create access", int(FileOperation::CreateFolder), 75);
    row("delete denied", int(FileOperation::DeleteFolder), 70);
}

void TestFileSystem::writeProbeRefused()
{
    const auto [operation, error] = fetchRow<int, int>("operation", "error");
    InstallTree tree;
    const InstallPaths p = tree.paths();
    FaultInjector::fail(FileOperation(operation), FileOperations::writeProbeFolder(p.launcherDir),
                        ErrorNumber(error));
    QCOMPARE(int(FileOperations::probeWritePermission(p.launcherDir)), error);
}

// Which parts of a file's stamp each change moves, and which it leaves, as the file system
// keeps them.
void TestFileSystem::stampTellsChanges_data()
{
    const DataTable<FileChange, QStringList, QStringList> row("change", "moved", "kept");
    row("left alone", FileChange::None, QStringList{},
        QStringList{"file", "size", "modified", "changed"});
    row("modification time moved", FileChange::TimeMoved, QStringList{"modified", "changed"},
        QStringList{"file", "size"});
    row("rewritten, size and time kept", FileChange::RewrittenKeepingSizeAndTime,
        QStringList{"changed"}, QStringList{"file", "size", "modified"});
    row("replaced, size and time kept", FileChange::ReplacedKeepingSizeAndTime, QStringList{"file"},
        QStringList{"size", "modified"});
    row("grown", FileChange::Grown, QStringList{"size", "modified", "changed"},
        QStringList{"file"});
}

void TestFileSystem::stampTellsChanges()
{
    QFETCH(FileChange, change);
    QFETCH(QStringList, moved);
    QFETCH(QStringList, kept);
    InstallTree tree;
    const QString path = tree.addFile("Z3DGames/Castle/Pwads/castle.wad", "PWAD of some size");
    const std::optional<FileStamp> before = FileStamp::of(path);
    QVERIFY(before);
    QVERIFY(changeFile(path, change));
    const std::optional<FileStamp> after = FileStamp::of(path);
    QVERIFY(after);
    const auto parts = [](const FileStamp& stamp) {
        return QMap<QString, qint64>{{"file", qint64(stamp.file)},
                                     {"size", stamp.size},
                                     {"modified", stamp.modified},
                                     {"changed", stamp.changed}};
    };
    const QMap<QString, qint64> was = parts(*before);
    const QMap<QString, qint64> is = parts(*after);
    for (const QString& part : moved)
        QVERIFY2(was.value(part) != is.value(part), qPrintable(part));
    for (const QString& part : kept)
        QCOMPARE(is.value(part), was.value(part));
    QCOMPARE(*after == *before, moved.isEmpty());
    QCOMPARE(after->device, before->device);
    QVERIFY(!FileStamp::of(tree.path("Z3DGames/Castle/Pwads")));
    QVERIFY(!FileStamp::of(tree.path("Z3DGames/Castle/Pwads/missing.wad")));
}

Z3D_TEST_GUILESS_MAIN(TestFileSystem)
#include "tst_filesystem.moc"
