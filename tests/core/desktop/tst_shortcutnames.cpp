// The names a shortcut gets: the game part from the games-list entry, the map part, the link
// name's case, and the name the shortcut window shows.

#include "core/desktop/ShortcutNames.h"

#include "support/DataTable.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace z3d;
using z3d::test::DataTable;
using z3d::test::fetchRow;

Q_DECLARE_METATYPE(z3d::GameKind)

class TestShortcutNames : public QObject
{
    Q_OBJECT

private slots:
    void linkNames_data();
    void linkNames();
    void windowLabel_data();
    void windowLabel();
};

void TestShortcutNames::linkNames_data()
{
    const DataTable<QString, GameKind, QString, bool, bool, QString, QString> row(
        "entry", "kind", "mainFile", "includeMap", "startFromNew", "mapEntry", "linkName");

    const auto iwad = GameKind::IwadGame;
    row("Doom II MAP07", "DOOM II", iwad, "/i/DOOM2.WAD", true, false, "MAP07", "Doom2 - Map07");
    row("Ultimate Doom E2M4", "DOOM/ULTIMATE DOOM", iwad, "/i/DOOM.WAD", true, false, "E2M4",
        "Doom - E2M4");
    row("TNT", "TNT - FINAL DOOM", iwad, "/i/TNT.WAD", true, false, "MAP01", "Tnt - Map01");
    row("Plutonia", "The Plutonia Experiment", iwad, "/i/PLUTONIA.WAD", true, false, "MAP32",
        "Plutonia - Map32");
    row("shareware keeps its entry", "SHAREWARE DOOM", iwad, "/i/DOOM1.WAD", true, false, "E1M1",
        "Shareware doom - E1M1");
    row("start game from new: no map part", "DOOM II", iwad, "/i/DOOM2.WAD", true, true, "MAP07",
        "Doom2");
    row("no map selected", "CASTLE", GameKind::PwadGame, "/g/Castle.wad", true, false, "",
        "Castle");
    row("installed game", "CASTLE", GameKind::PwadGame, "/g/Pwads/Castle.wad", true, false, "MAP03",
        "Castle - Map03");
    row("installed game named like a commercial one", "DOOM II", GameKind::PwadGame,
        "/g/Pwads/x.wad", false, false, "", "Doom ii");
    row("scripted map", "MYMAP", GameKind::ScriptedMap, "/g/Pwads/mymap.wad", true, false, "E1M1",
        "Mymap - E1M1");
    row("user directory: entry and main file", "MYDIR", GameKind::UserDirectory,
        "/g/Mydir/Gwads/Castle.v2.wad", true, false, "MAP07", "Mydir - castle.v2 - Map07");
    row("zip library", "ARCHIVE", GameKind::ZipArchive, "/z/Zips/a.wad", true, false, "map05",
        "Archive - Map05");
    row("map names outside the sets", "CASTLE", GameKind::PwadGame, "/g/c.wad", true, false,
        "START", "Castle - START");
}

void TestShortcutNames::linkNames()
{
    const auto [entry, kind, mainFile, includeMap, startFromNew, mapEntry, linkName] =
        fetchRow<QString, GameKind, QString, bool, bool, QString, QString>("entry", "kind", "mainFile", "includeMap", "startFromNew", "mapEntry", "linkName");

    const QString name = ShortcutNames::shortcutName(entry, kind, mainFile);
    const QString map = ShortcutNames::mapPart(includeMap, startFromNew, mapEntry);
    QCOMPARE(ShortcutNames::linkName(name, map), linkName);
}

void TestShortcutNames::windowLabel_data()
{
    const DataTable<QString, GameKind, QString, QString, bool, QString> row(
        "entry", "kind", "installedName", "mainFile", "customFont", "label");

    const auto iwad = GameKind::IwadGame;
    row("Plutonia", "THE PLUTONIA EXPERIMENT", iwad, "", "", false, "PLUTONIA EXPERIMENT");
    row("TNT, custom font", "TNT - Final Doom", iwad, "", "", true, "TNT Evilution");
    row("Doom", "DOOM/ULTIMATE DOOM", iwad, "", "", false, "DOOM");
    row("Doom II", "DOOM II", iwad, "", "", false, "DOOM II");
    row("Shareware, custom font", "Shareware Doom", iwad, "", "", true, "Shareware Doom");
    row("installed game as named", "CASTLE", GameKind::PwadGame, "Castle", "/g/Castle.wad", false,
        "Castle");
    row("installed game of 31 characters", "", GameKind::PwadGame, QString(31, u'x'), "", false,
        QString(27, u'x') + " ...");
    row("installed game shortened", "", GameKind::PwadGame, "A Castle With A Very Long Name Indeed",
        "", false, "A Castle With A Very Long N ...");
    row("user directory: main file", "MYDIR", GameKind::UserDirectory, "",
        "/g/Mydir/Gwads/castle.wad", true, "CASTLE");
    row("zip library: main file", "ARCH", GameKind::ZipArchive, "", "/l/Zips/Arch.v1.wad", false,
        "ARCH.V1");
}

void TestShortcutNames::windowLabel()
{
    const auto [entry, kind, installedName, mainFile, customFont] =
        fetchRow<QString, GameKind, QString, QString, bool>("entry", "kind", "installedName", "mainFile", "customFont");
    QTEST(ShortcutNames::windowLabel(entry, kind, installedName, mainFile, customFont), "label");
}

Z3D_TEST_GUILESS_MAIN(TestShortcutNames)
#include "tst_shortcutnames.moc"
