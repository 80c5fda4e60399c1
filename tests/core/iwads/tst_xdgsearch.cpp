// The IWAD search where Linux players keep their games: games/doom under the XDG data folders
// after every Windows-style location, and Freedoom as the free stand-in for a game without a file.
// The XDG folders are passed in (IwadEnvironment), never the machine's own.

#include "core/iwads/IwadEnvironment.h"
#include "core/iwads/IwadRegistry.h"
#include "core/iwads/IwadSearch.h"
#include "core/iwads/IwadStartupLoad.h"
#include "core/iwads/IwadType.h"
#include "core/launch/LaunchRules.h"
#include "core/music/AutoPlaylistFile.h"
#include "core/saves/SaveGameFolders.h"

#include "support/DataTable.h"
#include "support/InstallTree.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

// The tree's stand-ins for the XDG data home and two folders of the data dirs.
const QString kHome = QStringLiteral("Xdg/Home");
const QString kLocal = QStringLiteral("Xdg/Local");
const QString kShare = QStringLiteral("Xdg/Share");

QStringList absolute(const InstallTree& tree, const QStringList& relative)
{
    QStringList out;
    for (const QString& r : relative)
        out << tree.path(r);
    return out;
}

void addWads(InstallTree& tree, const QStringList& files)
{
    for (const QString& file : files)
        tree.addFile(file, "IWAD");
}

// An environment with DOOMWADDIR unset and the three XDG folders of the tree.
IwadEnvironment xdgEnvironment(const InstallTree& tree)
{
    IwadEnvironment environment;
    environment.xdgDataFolders = absolute(tree, {kHome, kLocal, kShare});
    return environment;
}

QStringList searched(const InstallTree& tree, const IwadEnvironment& environment)
{
    IwadRegistry registry;
    searchIwads(registry, tree.paths(), environment);
    return tree.relative(registry.registrationOrder());
}

// The environment a process would have with these values ("" leaves a variable unset).
IwadEnvironment fromVariables(const QString& home, const QString& dataHome, const QString& dataDirs)
{
    QProcessEnvironment variables;
    const auto set = [&](const char* name, const QString& value) {
        if (!value.isNull())
            variables.insert(QLatin1String(name), value);
    };
    set("HOME", home);
    set("XDG_DATA_HOME", dataHome);
    set("XDG_DATA_DIRS", dataDirs);
    return IwadEnvironment::fromEnvironment(variables);
}

} // namespace

class TestXdgSearch : public QObject
{
    Q_OBJECT

private slots:
    void standInNames_data()
    {
        const DataTable<QString, int, bool> row("name", "type", "standIn"); // type -1: none
        row("freedoom2.wad", "freedoom2.wad", int(IwadType::Doom2), true);
        row("FREEDOOM1.WAD", "FREEDOOM1.WAD", int(IwadType::Doom), true);
        row("a full path", "/usr/share/games/doom/freedoom2.wad", int(IwadType::Doom2), true);
        row("backslashes", R"(C:\Games\FreeDoom1.wad)", int(IwadType::Doom), true);
        row("Freedoom's deathmatch IWAD is no game", "freedm.wad", -1, false);
        row("freedoom.wad is no game", "freedoom.wad", -1, false);
        row("freedoom2.wad.bak", "freedoom2.wad.bak", -1, false);
        row("the real Doom II", "doom2.wad", int(IwadType::Doom2), false);
    }

    void standInNames()
    {
        const auto [name, type, standIn] = fetchRow<QString, int, bool>("name", "type", "standIn");
        const std::optional<IwadType> found = iwadTypeFromFileName(name);
        QCOMPARE(found ? int(*found) : -1, type);
        QCOMPARE(isIwadStandIn(name), standIn);
    }

    // Every lookup from an IWAD file to its game knows the stand-ins: the launch's IWAD path,
    // the save folder and the automatic playlist are those of the game stood in for.
    void lookupsKnowTheStandIns()
    {
        const QString freedoom2 = QStringLiteral("/usr/share/games/doom/freedoom2.wad");
        const QString freedoom1 = QStringLiteral("/usr/share/games/doom/FREEDOOM1.WAD");
        IwadRegistry registry;
        QVERIFY(registry.registerIwad(freedoom2));
        QVERIFY(registry.registerIwad(freedoom1));
        QCOMPARE(LaunchRules::selectIwadPath("freedoom2.wad", registry, "x"), freedoom2);
        QCOMPARE(LaunchRules::selectIwadPath("Doom.wad", registry, "x"), freedoom1);
        QCOMPARE(LaunchRules::selectIwadPath("freedm.wad", registry, "x"), QStringLiteral("x"));

        InstallTree tree;
        GameSelection selection;
        selection.currentKind = GameKind::IwadGame;
        selection.selectedIwadPath = freedoom2;
        const SaveGameFolders folders(tree.paths());
        QCOMPARE(folders.folderFor(selection), folders.iwadGameFolder(IwadType::Doom2));
        selection.selectedIwadPath = freedoom1;
        QCOMPARE(folders.folderFor(selection), folders.iwadGameFolder(IwadType::Doom));

        QCOMPARE(AutoPlaylistFile::gameIndexOfIwad(freedoom1), std::optional<int>(0));
        QCOMPARE(AutoPlaylistFile::gameIndexOfIwad(freedoom2), std::optional<int>(1));
        QCOMPARE(AutoPlaylistFile::gameIndexOfIwad("/g/freedm.wad"), std::optional<int>());
    }

    void xdgDataFolders_data()
    {
        const DataTable<QString, QString, QString, QStringList> row("home", "dataHome", "dataDirs",
                                                                    "expected");
        const QStringList defaults{"/usr/local/share", "/usr/share"};
        row("all unset: the system folders", "", "", "", defaults);
        row("HOME only", "/home/p", "", "", QStringList{"/home/p/.local/share"} + defaults);
        row("XDG_DATA_HOME first", "/home/p", "/data/p", "/opt/share",
            QStringList{"/data/p", "/opt/share"});
        row("relative XDG_DATA_HOME: HOME's", "/home/p", "data/p", "/opt/share",
            QStringList{"/home/p/.local/share", "/opt/share"});
        row("relative HOME: no data home", "home/p", "", "/opt/share", QStringList{"/opt/share"});
        row("XDG_DATA_DIRS blank: the defaults", "", "", "   ", defaults);
        row("only separators", "", "", ":::", QStringList{});
        row("relative entries ignored", "", "", "share:/opt/share:./x:../y:~/z",
            QStringList{"/opt/share"});
        row("blank entries ignored", "", "", " : /opt/share :/srv/share",
            QStringList{"/srv/share"});
        row("each folder once, cleaned", "/home/p", "/usr/share/", "/usr//share:/opt/../usr/share",
            QStringList{"/usr/share"});
        row("order kept", "", "/c", "/b:/a:/b", QStringList{"/c", "/b", "/a"});
    }

    void xdgDataFolders()
    {
        QFETCH(QString, home);
        QFETCH(QString, dataHome);
        QFETCH(QString, dataDirs);
        QFETCH(QStringList, expected);
        QCOMPARE(IwadEnvironment::xdgDataFoldersOf(home, dataHome, dataDirs), expected);
        // Unset and empty mean the same.
        const auto orNull = [](const QString& v) { return v.isEmpty() ? QString() : v; };
        QCOMPARE(fromVariables(orNull(home), orNull(dataHome), orNull(dataDirs)).xdgDataFolders,
                 expected);
        QCOMPARE(fromVariables(home, dataHome, dataDirs).xdgDataFolders, expected);
    }

    void environmentKeepsTheDoomWadDirValues()
    {
        QProcessEnvironment variables;
        variables.insert(QStringLiteral("DOOMWADDIR"), QStringLiteral("/plain"));
        variables.insert(QStringLiteral("$DOOMWADDIR"), QStringLiteral("/dollar"));
        variables.insert(QStringLiteral("XDG_DATA_DIRS"), QStringLiteral("/opt/share"));
        const IwadEnvironment environment = IwadEnvironment::fromEnvironment(variables);
        QCOMPARE(environment.doomWadDir, QStringLiteral("/plain"));
        QCOMPARE(environment.dollarDoomWadDir, QStringLiteral("/dollar"));
        QCOMPARE(environment.xdgDataFolders, QStringList{"/opt/share"});
    }

    void searchOrder_data()
    {
        const DataTable<QStringList, QStringList> row("files", "expected");

        row("the standard folder wins over the XDG folders",
            QStringList{"Xdg/Home/games/doom/doom2.wad", "Iwads/Doom2.wad",
                        "Xdg/Share/games/doom/doom2.wad"},
            QStringList{"Iwads/Doom2.wad"});
        row("lower-case doom2.wad in the data home", QStringList{"Xdg/Home/games/doom/doom2.wad"},
            QStringList{"Xdg/Home/games/doom/doom2.wad"});
        row("folders and names in any case",
            QStringList{"Xdg/Share/Games/DOOM/DOOM2.WAD", "Xdg/Local/GAMES/Doom/Tnt.Wad"},
            QStringList{"Xdg/Local/GAMES/Doom/Tnt.Wad", "Xdg/Share/Games/DOOM/DOOM2.WAD"});
        row("data home before data dirs, data dirs in order",
            QStringList{"Xdg/Share/games/doom/doom2.wad", "Xdg/Local/games/doom/doom2.wad",
                        "Xdg/Home/games/doom/doom2.wad", "Xdg/Share/games/doom/doom.wad",
                        "Xdg/Local/games/doom/doom.wad"},
            QStringList{"Xdg/Home/games/doom/doom2.wad", "Xdg/Local/games/doom/doom.wad"});
        row("the same names in the same order",
            QStringList{"Xdg/Share/games/doom/doom1.wad", "Xdg/Share/games/doom/plutonia.wad",
                        "Xdg/Share/games/doom/tnt.wad", "Xdg/Share/games/doom/doom.wad",
                        "Xdg/Share/games/doom/doom2.wad"},
            QStringList{"Xdg/Share/games/doom/doom2.wad", "Xdg/Share/games/doom/doom.wad",
                        "Xdg/Share/games/doom/tnt.wad", "Xdg/Share/games/doom/plutonia.wad",
                        "Xdg/Share/games/doom/doom1.wad"});
        row("shareware after every full game of the XDG folders",
            QStringList{"Xdg/Home/games/doom/doom1.wad", "Xdg/Share/games/doom/tnt.wad"},
            QStringList{"Xdg/Share/games/doom/tnt.wad", "Xdg/Home/games/doom/doom1.wad"});
        row("the standard shareware before the XDG folders",
            QStringList{"Iwads/Doom1.wad", "Xdg/Home/games/doom/doom1.wad",
                        "Xdg/Home/games/doom/plutonia.wad"},
            QStringList{"Iwads/Doom1.wad", "Xdg/Home/games/doom/plutonia.wad"});
        row("only games/doom is searched",
            QStringList{"Xdg/Home/doom2.wad", "Xdg/Home/games/doom2.wad",
                        "Xdg/Home/games/doom/sub/doom2.wad", "Xdg/Home/games/doom-wads/doom.wad"},
            QStringList{});

        row("Freedoom fills both missing games, Doom II first",
            QStringList{"Xdg/Share/games/doom/freedoom1.wad", "Xdg/Share/games/doom/freedoom2.wad"},
            QStringList{"Xdg/Share/games/doom/freedoom2.wad",
                        "Xdg/Share/games/doom/freedoom1.wad"});
        row("Freedoom fills only the missing game",
            QStringList{"Iwads/Doom2.wad", "Xdg/Share/games/doom/freedoom1.wad",
                        "Xdg/Share/games/doom/freedoom2.wad"},
            QStringList{"Iwads/Doom2.wad", "Xdg/Share/games/doom/freedoom1.wad"});
        row("a real file in a later folder beats Freedoom in an earlier one",
            QStringList{"Xdg/Home/games/doom/freedoom2.wad", "Xdg/Share/games/doom/DOOM2.WAD"},
            QStringList{"Xdg/Share/games/doom/DOOM2.WAD"});
        row("Freedoom after everything, shareware included",
            QStringList{"Xdg/Home/games/doom/freedoom2.wad", "Xdg/Share/games/doom/doom1.wad"},
            QStringList{"Xdg/Share/games/doom/doom1.wad", "Xdg/Home/games/doom/freedoom2.wad"});
        row("Freedoom from the first folder holding it",
            QStringList{"Xdg/Share/games/doom/freedoom2.wad", "Xdg/Local/games/doom/FreeDoom2.WAD"},
            QStringList{"Xdg/Local/games/doom/FreeDoom2.WAD"});
        row("Freedoom stands in for no other game",
            QStringList{"Xdg/Share/games/doom/freedoom1.wad", "Xdg/Share/games/doom/freedm.wad",
                        "Xdg/Share/games/doom/Doom.wad"},
            QStringList{"Xdg/Share/games/doom/Doom.wad"});
        row("Freedoom only from the XDG folders",
            QStringList{"Iwads/freedoom2.wad", "freedoom1.wad", "Data/freedoom2.wad"},
            QStringList{});
    }

    void searchOrder()
    {
        const auto [files, expected] = fetchRow<QStringList, QStringList>("files", "expected");
        InstallTree tree;
        addWads(tree, files);
        QCOMPARE(searched(tree, xdgEnvironment(tree)), expected);
    }

    void doomWadDirWinsOverTheXdgFolders()
    {
        InstallTree tree;
        addWads(tree,
                {"Env/Doom2.wad", "Xdg/Home/games/doom/doom2.wad", "Xdg/Home/games/doom/doom.wad"});
        IwadEnvironment environment = xdgEnvironment(tree);
        environment.doomWadDir = tree.path("Env");
        QCOMPARE(searched(tree, environment),
                 (QStringList{"Env/Doom2.wad", "Xdg/Home/games/doom/doom.wad"}));
    }

    void standInNamesTypeAfterTheSearch()
    {
        InstallTree tree;
        addWads(tree, {"Xdg/Share/games/doom/freedoom2.wad"});
        IwadRegistry registry;
        searchIwads(registry, tree.paths(), xdgEnvironment(tree));
        QCOMPARE(registry.listedGames(), QList<IwadType>{IwadType::Doom2});
        QCOMPARE(registry.path(IwadType::Doom2), tree.path("Xdg/Share/games/doom/freedoom2.wad"));
        QCOMPARE(QString::fromLatin1(iwadInfo(IwadType::Doom2).upperDisplayName),
                 QStringLiteral("DOOM II"));
    }

    void registryPrefersARealFileToAStandIn()
    {
        IwadRegistry registry;
        QVERIFY(registry.registerIwad("/usr/share/games/doom/freedoom2.wad"));
        QVERIFY(registry.registerIwad("/usr/share/games/doom/freedoom1.wad"));
        QVERIFY2(!registry.registerIwad("/elsewhere/freedoom2.wad"), "a stand-in stays first");
        QVERIFY(registry.registerIwad("/games/DOOM2.WAD"));
        QVERIFY2(!registry.registerIwad("/usr/share/games/doom/freedoom2.wad"),
                 "a stand-in never replaces a real file");
        QVERIFY(!registry.registerIwad("/other/doom2.wad"));
        QCOMPARE(registry.path(IwadType::Doom2), QStringLiteral("/games/DOOM2.WAD"));
        QCOMPARE(registry.registrationOrder(),
                 (QStringList{"/usr/share/games/doom/freedoom1.wad", "/games/DOOM2.WAD"}));
    }

    // A real file remembered in iwads.cfg beats Freedoom found by the search; a remembered
    // Freedoom line does not beat a real file found by the search.
    void startupLoadKeepsRealFilesFirst()
    {
        InstallTree tree;
        addWads(tree, {"Xdg/Share/games/doom/freedoom2.wad", "Xdg/Share/games/doom/freedoom1.wad",
                       "Games/DOOM2.WAD", "Xdg/Home/games/doom/doom.wad"});
        tree.addTextFile("Z3DLaunch/Data/iwads.cfg",
                         {tree.path("Games/DOOM2.WAD"),
                          tree.path("Xdg/Share/games/doom/freedoom1.wad"), "", ""});
        IwadRegistry registry;
        const IwadLoadResult result = loadIwads(registry, tree.paths(), xdgEnvironment(tree));
        QCOMPARE(registry.path(IwadType::Doom2), tree.path("Games/DOOM2.WAD"));
        QCOMPARE(registry.path(IwadType::Doom), tree.path("Xdg/Home/games/doom/doom.wad"));
        QCOMPARE(tree.relative(QStringList(result.lines.begin(), result.lines.end())),
                 (QStringList{"Xdg/Home/games/doom/doom.wad", "Games/DOOM2.WAD", "", ""}));
    }

    void startupLoadShowsTheXdgLocations()
    {
        InstallTree tree;
        addWads(tree, {"Xdg/Home/games/doom/doom2.wad", "Xdg/Share/games/doom/freedoom1.wad"});
        tree.addFile("Xdg/Home/games/doom/doom2.Z3Dgwa", "nodes");
        IwadRegistry registry;
        const IwadLoadResult result = loadIwads(registry, tree.paths(), xdgEnvironment(tree));
        QVERIFY(!result.noIwadRegistered);
        QCOMPARE(tree.relative(QStringList(result.lines.begin(), result.lines.end())),
                 (QStringList{"Xdg/Home/games/doom/doom2.wad", "Xdg/Share/games/doom/freedoom1.wad",
                              "", ""}));
        QVERIFY2(!tree.exists("Xdg/Home/games/doom/doom2.Z3Dgwa"),
                 "the side file goes as for any other location");
    }

    // Bad values and bad folders are passed over: never a crash, never a message.
    void relativeDataDirsAreNotTakenAgainstTheCurrentFolder()
    {
        InstallTree tree;
        addWads(tree, {"Here/share/games/doom/doom2.wad", "Here/games/doom/doom.wad"});
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(tree.path("Here")));
        const IwadEnvironment environment = fromVariables("home", ".", "share:.:games/..");
        QDir::setCurrent(previous);
        QVERIFY(environment.xdgDataFolders.isEmpty());
        QVERIFY(QDir::setCurrent(tree.path("Here")));
        const QStringList found = searched(tree, environment);
        QDir::setCurrent(previous);
        QCOMPARE(found, QStringList{});
    }

    void blankEntriesAreSkipped()
    {
        InstallTree tree;
        addWads(tree, {"Xdg/Share/games/doom/doom2.wad"});
        const IwadEnvironment environment =
            fromVariables(" ", " ", QStringLiteral("  : \t:") + tree.path(kShare) + u':');
        QCOMPARE(environment.xdgDataFolders, QStringList{tree.path(kShare)});
        QCOMPARE(searched(tree, environment), QStringList{"Xdg/Share/games/doom/doom2.wad"});
    }

    void aThousandEntries()
    {
        InstallTree tree;
        addWads(tree, {"Xdg/Share/games/doom/doom2.wad", "Xdg/Share/games/doom/freedoom1.wad"});
        QStringList entries;
        for (int i = 0; i < 1000; ++i) {
            switch (i % 4) {
            case 0:
                entries << tree.path(QStringLiteral("Xdg/Missing%1").arg(i));
                break;
            case 1:
                entries << QStringLiteral("relative%1").arg(i);
                break;
            case 2:
                entries << tree.path(kShare);
                break;
            default:
                entries << QString();
                break;
            }
        }
        const IwadEnvironment environment = fromVariables({}, {}, entries.join(u':'));
        QCOMPARE(environment.xdgDataFolders.size(), 251);
        QCOMPARE(environment.xdgDataFolders.at(1), tree.path(kShare));
        QCOMPARE(environment.xdgGameFolders(), QStringList{tree.path("Xdg/Share/games/doom")});
        QCOMPARE(searched(tree, environment), (QStringList{"Xdg/Share/games/doom/doom2.wad",
                                                           "Xdg/Share/games/doom/freedoom1.wad"}));
    }

    void foldersThatAreFilesAreSkipped()
    {
        InstallTree tree;
        tree.addFiles({"Xdg/Home", "Xdg/Local/games/doom", "Xdg/Share/games"},
                      "a file, not a folder");
        QVERIFY(xdgEnvironment(tree).xdgGameFolders().isEmpty());
        QCOMPARE(searched(tree, xdgEnvironment(tree)), QStringList{});
    }

    void unreadableFolders()
    {
        InstallTree tree;
        addWads(tree, {"Xdg/Home/games/doom/doom2.wad", "Xdg/Share/games/doom/doom.wad"});
        const QString locked = tree.path("Xdg/Home/games/doom");
        const QString lockedData = tree.path("Xdg/Share");
        const QFile::Permissions before = QFile::permissions(locked);
        QVERIFY(QFile::setPermissions(locked, QFile::Permissions()));
        QVERIFY(QFile::setPermissions(lockedData, QFile::Permissions()));
        // Root reads any folder: there the files are found; anyone else passes them over.
        const bool readable = QFileInfo(locked).isReadable() && QFileInfo(locked).isExecutable();
        const QStringList found = searched(tree, xdgEnvironment(tree));
        QFile::setPermissions(locked, before);
        QFile::setPermissions(lockedData, before);
        const QStringList expected =
            readable ? QStringList{"Xdg/Home/games/doom/doom2.wad", "Xdg/Share/games/doom/doom.wad"}
                     : QStringList{};
        QCOMPARE(found, expected);
    }

    void directoriesAndDanglingLinksAreNoIwads()
    {
        InstallTree tree;
        tree.addFolder("Xdg/Home/games/doom/doom2.wad");
        tree.addFolder("Xdg/Home/games/doom/freedoom1.wad");
        tree.addFolder("Xdg/Local/games/doom");
        QVERIFY(QFile::link(tree.path("Nowhere/doom2.wad"),
                            tree.path("Xdg/Local/games/doom/DOOM2.WAD")));
        QVERIFY(
            QFile::link(tree.path("Nowhere/doom.wad"), tree.path("Xdg/Local/games/doom/doom.wad")));
        addWads(tree, {"Xdg/Share/games/doom/doom2.wad", "Xdg/Share/games/doom/freedoom1.wad"});
        QCOMPARE(
            searched(tree, xdgEnvironment(tree)),
            (QStringList{"Xdg/Share/games/doom/doom2.wad", "Xdg/Share/games/doom/freedoom1.wad"}));
    }

    void aLinkToAnIwadIsOne()
    {
        InstallTree tree;
        addWads(tree, {"Elsewhere/DOOM2.WAD"});
        tree.addFolder("Xdg/Home/games/doom");
        QVERIFY(QFile::link(tree.path("Elsewhere/DOOM2.WAD"),
                            tree.path("Xdg/Home/games/doom/doom2.wad")));
        QCOMPARE(searched(tree, xdgEnvironment(tree)),
                 QStringList{"Xdg/Home/games/doom/doom2.wad"});
    }
};

Z3D_TEST_GUILESS_MAIN(TestXdgSearch)
#include "tst_xdgsearch.moc"
