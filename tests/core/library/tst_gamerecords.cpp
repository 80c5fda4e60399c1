// The per-game records under GameInfo: their file names, their bytes, the one-line-per-wad
// rewrite of a user directory's map record, lookups without regard to case, stale and empty
// records, failures injected through the file layer, and the deletions of the preferences.

#include "core/library/GameRecords.h"
#include "core/platform/FaultInjector.h"

#include "support/CurrentFolder.h"
#include "support/DataTable.h"
#include "support/InstallTree.h"
#include "support/LinkedAway.h"
#include "support/TestRegistry.h"
#include "support/TreeSnapshot.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QTest>

#include <memory>

using namespace z3d;
using namespace z3d::test;

namespace {

const QString kInfo = QStringLiteral("Z3DLaunch/GameInfo/");

const QStringList kDoom2Maps{"MAP01", "MAP07", "MAP32"};

// The path relative to GameInfo, or "" for an empty path.
QString underInfo(const InstallTree& tree, const QString& path)
{
    if (path.isEmpty())
        return {};
    const QString prefix = tree.path(kInfo);
    return path.startsWith(prefix) ? path.mid(prefix.size()) : QStringLiteral("outside: ") + path;
}

} // namespace

Q_DECLARE_METATYPE(z3d::GameKind)

class TestGameRecords : public QObject
{
    Q_OBJECT

private slots:
    // A fresh installation and its records for every test function and data row.
    void init()
    {
        m_tree = std::make_unique<InstallTree>();
        QVERIFY(m_tree->isValid());
        m_paths = m_tree->paths();
        m_records = std::make_unique<GameRecords>(m_paths);
    }

    void cleanup()
    {
        FaultInjector::clear();
        m_records.reset();
        m_tree.reset();
    }

    // A game's record name, and the path under GameInfo of its last map's record ("" where a
    // game keeps none, or its name would climb out).
    void recordNames_data()
    {
        const DataTable<GameKind, QString, QString, QString> row("kind", "game", "name",
                                                                 "lastMap");
        const GameKind iwad = GameKind::IwadGame;
        const GameKind pwad = GameKind::PwadGame;
        row("shareware Doom", iwad, "Shareware Doom", "shareware doom",
            "Iwads/shareware doom.z3dm");
        row("shareware Doom shown in capitals", iwad, "SHAREWARE DOOM", "shareware doom",
            "Iwads/shareware doom.z3dm");
        row("Ultimate Doom", iwad, "Doom/Ultimate Doom", "doom", "Iwads/doom.z3dm");
        row("Doom II", iwad, "DOOM II", "doom2", "Iwads/doom2.z3dm");
        row("TNT", iwad, "TNT - Final Doom", "tnt", "Iwads/tnt.z3dm");
        row("Plutonia", iwad, "The Plutonia Experiment", "plutonia", "Iwads/plutonia.z3dm");
        row("installed game", pwad, "My.Game", "my.game", "Pwads/my.game.z3dm");
        row("scripted map", GameKind::ScriptedMap, "Wickermoor", "wickermoor",
            "Pwads/wickermoor.z3dm");
        row("zip archive", GameKind::ZipArchive, "MYZIP", "myzip", "Zips/myzip.z3dm");
        row("accents", GameKind::ZipArchive, QString::fromUtf8("Château"),
            QString::fromUtf8("château"), QString::fromUtf8("Zips/château.z3dm"));
        row("user directory has its own", GameKind::UserDirectory, "Udir", "udir", "");
        row("no game", GameKind::None, "Castle", "castle", "");
        row("a slash climbs out", pwad, "../evil", "", "");
        row("a backslash climbs out", pwad, "a\\b", "", "");
        row("dot dot", GameKind::UserDirectory, "..", "", "");
        row("empty", pwad, "", "", "");
    }

    void recordNames()
    {
        const auto [kind, game, name, lastMap] =
            fetchRow<GameKind, QString, QString, QString>("kind", "game", "name", "lastMap");
        QCOMPARE(GameRecords::recordName(kind, game), name);
        QCOMPARE(underInfo(*m_tree, m_records->lastMapRecordPath(kind, game)), lastMap);
    }

    // The record is one CR LF line, in a folder made for it.
    void saveLastMap()
    {
        QCOMPARE(m_records->saveLastMap(GameKind::IwadGame, "Shareware Doom", "E1M3"),
                 ErrorNumber::None);
        QCOMPARE(m_records->saveLastMap(GameKind::IwadGame, "Doom II", "MAP07"), ErrorNumber::None);
        QCOMPARE(m_records->saveLastMap(GameKind::ZipArchive, "MyZip", "MAP02"), ErrorNumber::None);
        QCOMPARE(m_tree->readFile(kInfo + "Iwads/shareware doom.z3dm"), QByteArray("E1M3\r\n"));
        QCOMPARE(m_tree->readFile(kInfo + "Iwads/doom2.z3dm"), QByteArray("MAP07\r\n"));
        QCOMPARE(m_tree->readFile(kInfo + "Zips/myzip.z3dm"), QByteArray("MAP02\r\n"));

        QCOMPARE(m_records->restoreLastMap(GameKind::IwadGame, "Doom II", kDoom2Maps),
                 std::optional<QString>("MAP07"));
        // The map list no longer holds it: the caller selects the first map.
        QCOMPARE(m_records->restoreLastMap(GameKind::IwadGame, "Doom II", {"MAP01", "MAP02"}),
                 std::nullopt);
    }

    void restoreLastMap_data()
    {
        const DataTable<QString, QByteArray, QString> row("file", "content", "restored");
        row("as written", "Iwads/doom2.z3dm", QByteArray("MAP07\r\n"), "MAP07");
        row("record and value of another case", "IWADS/Doom2.Z3DM", QByteArray("map07\r\n"),
            "MAP07");
        row("line feeds only", "Iwads/doom2.z3dm", QByteArray("MAP32\n"), "MAP32");
        row("blanks around", "Iwads/doom2.z3dm", QByteArray(" MAP07 \r\n"), "MAP07");
        row("stale map", "Iwads/doom2.z3dm", QByteArray("MAP15\r\n"), "");
        row("empty record", "Iwads/doom2.z3dm", QByteArray(), "");
        row("blank line", "Iwads/doom2.z3dm", QByteArray("\r\nMAP07\r\n"), "");
        row("another game", "Iwads/tnt.z3dm", QByteArray("MAP07\r\n"), "");
        row("binary junk", "Iwads/doom2.z3dm", QByteArray("\x00\xff\x01", 3), "");
    }

    void restoreLastMap()
    {
        const auto [file, content, restored] =
            fetchRow<QString, QByteArray, QString>("file", "content", "restored");
        m_tree->addFile(kInfo + file, content);
        const std::optional<QString> map =
            m_records->restoreLastMap(GameKind::IwadGame, "Doom II", kDoom2Maps);
        QCOMPARE(map.value_or(QString()), restored);
    }

    // A record of another case is replaced, not joined by a second file.
    void saveLastMapReplacesRecordOfAnotherCase()
    {
        m_tree->addFile(kInfo + "Pwads/Castle.Z3DM", "MAP01\r\n");
        QCOMPARE(m_records->saveLastMap(GameKind::PwadGame, "CASTLE", "MAP05"), ErrorNumber::None);
        QCOMPARE(m_tree->fileNames(kInfo + "Pwads"), QStringList{"Castle.Z3DM"});
        QCOMPARE(m_tree->readFile(kInfo + "Pwads/Castle.Z3DM"), QByteArray("MAP05\r\n"));
    }

    // A failed write leaves the old record whole.
    void failedWriteKeepsRecord()
    {
        m_tree->addFile(kInfo + "Pwads/castle.z3dm", "MAP01\r\n");
        FaultInjector::fail(FileOperation::Write, m_tree->path(kInfo + "Pwads/castle.z3dm"),
                            ErrorNumber::PermissionDenied);
        QCOMPARE(m_records->saveLastMap(GameKind::PwadGame, "Castle", "MAP05"),
                 ErrorNumber::PermissionDenied);
        QCOMPARE(m_tree->readFile(kInfo + "Pwads/castle.z3dm"), QByteArray("MAP01\r\n"));
    }

    void userDirectoryRecords_data()
    {
        const DataTable<QByteArray, QString, QString, QByteArray> row("before", "file", "map",
                                                                      "after");
        row("first record", QByteArray(), "a.wad", "MAP01", QByteArray("a.wad MAP01\r\n"));
        row("another wad is appended", QByteArray("a.wad MAP01\r\n"), "b.wad", "E1M1",
            QByteArray("a.wad MAP01\r\nb.wad E1M1\r\n"));
        row("same wad keeps its place", QByteArray("a.wad MAP01\r\nb.wad E1M1\r\n"), "A.WAD",
            "MAP05", QByteArray("A.WAD MAP05\r\nb.wad E1M1\r\n"));
        row("later lines of the wad go",
            QByteArray("a.wad MAP01\r\nb.wad MAP02\r\na.wad MAP03\r\n"), "a.wad", "MAP09",
            QByteArray("a.wad MAP09\r\nb.wad MAP02\r\n"));
        row("a longer name is another wad", QByteArray("a.wad.wad MAP04\r\n"), "a.wad", "MAP02",
            QByteArray("a.wad.wad MAP04\r\na.wad MAP02\r\n"));
        // Items, not lines: a comma ends a value; a name holding one is written quoted.
        row("comma-separated values are separate items",
            QByteArray("odd.wad MAP07, b.wad MAP03\r\n"), "b.wad", "MAP01",
            QByteArray("odd.wad MAP07\r\nb.wad MAP01\r\n"));
        row("a name with a comma is one quoted item", QByteArray("\"My Wad, v2.wad MAP03\"\r\n"),
            "My Wad, v2.wad", "MAP01", QByteArray("\"My Wad, v2.wad MAP01\"\r\n"));
        row("no map selected", QByteArray(), "a.wad", "", QByteArray("a.wad \r\n"));
    }

    void userDirectoryRecords()
    {
        const auto [before, file, map, after] =
            fetchRow<QByteArray, QString, QString, QByteArray>("before", "file", "map", "after");
        if (!before.isEmpty())
            m_tree->addFile(kInfo + "Gwads/my dir.z3dm", before);
        QCOMPARE(m_records->saveUserDirectorySelection("My Dir", file, map, true),
                 ErrorNumber::None);
        QCOMPARE(m_tree->readFile(kInfo + "Gwads/my dir.z3dm"), after);
        // The file record is read by its first value, so a comma in the name is quoted.
        const QByteArray fileRecord =
            file.contains(',') ? '"' + file.toUtf8() + "\"\r\n" : file.toUtf8() + "\r\n";
        QCOMPARE(m_tree->readFile(kInfo + "Gwads/my dir.z3dg"), fileRecord);
        QCOMPARE(m_records->userDirectoryFile("MY DIR"), file);
        QCOMPARE(m_records->userDirectoryMap("my dir", file).value_or(QString()), map);
    }

    void userDirectoryWithoutRememberedMaps()
    {
        QCOMPARE(m_records->saveUserDirectorySelection("Udir", "a.wad", "MAP01", false),
                 ErrorNumber::None);
        QCOMPARE(m_tree->fileNames(kInfo + "Gwads"), QStringList{"udir.z3dg"});
        // No file selected: nothing at all.
        QCOMPARE(m_records->saveUserDirectorySelection("Else", "", "E1M1", true),
                 ErrorNumber::None);
        QCOMPARE(m_tree->fileNames(kInfo + "Gwads"), QStringList{"udir.z3dg"});
        QCOMPARE(m_records->userDirectoryFile("Else"), QString());
    }

    // A map record that exists but cannot be read is not replaced by a single line.
    void unreadableMapRecordIsKept()
    {
        const QByteArray old("a.wad MAP01\r\nb.wad MAP02\r\n");
        m_tree->addFile(kInfo + "Gwads/udir.z3dm", old);
        FaultInjector::fail(FileOperation::Read, m_tree->path(kInfo + "Gwads/udir.z3dm"),
                            ErrorNumber::FileAlreadyOpen);
        QCOMPARE(m_records->saveUserDirectorySelection("Udir", "c.wad", "MAP03", true),
                 ErrorNumber::FileAlreadyOpen);
        QCOMPARE(m_tree->readFile(kInfo + "Gwads/udir.z3dm"), old);
        QCOMPARE(m_tree->readFile(kInfo + "Gwads/udir.z3dg"), QByteArray("c.wad\r\n"));
    }

    void userDirectoryMap_data()
    {
        const DataTable<QByteArray, QString, QString> row("record", "file", "map");
        const QByteArray record("a.wad MAP01\r\nb.wad E2M2\r\na.wad   MAP03  \r\nc.wad\r\n");
        row("last line wins, trimmed", record, "a.wad", "MAP03");
        row("file of another case", record, "B.WAD", "E2M2");
        row("line without a map", record, "c.wad", "");
        row("no line for the file", record, "d.wad", "");
        row("prefix of another name", QByteArray("ab.wad MAP04\r\n"), "a", "");
        row("no file", record, "", "");
        row("no record", QByteArray(), "a.wad", "");
    }

    void userDirectoryMap()
    {
        const auto [record, file, map] =
            fetchRow<QByteArray, QString, QString>("record", "file", "map");
        if (!record.isEmpty())
            m_tree->addFile(kInfo + "GWADS/Udir.Z3DM", record);
        QCOMPARE(m_records->userDirectoryMap("udir", file).value_or(QString()), map);
    }

    // Wads saved in turn, each then read back: a name with a quote and a comma, quotes at
    // either end, blanks inside, and a name that is another's start followed by a blank.
    void userDirectoryNamesReadBackEqual_data()
    {
        const DataTable<QStringList, QStringList> row("files", "maps");
        row("quote and comma", {"a.wad", "Evil \"x\", v2.wad", "b.wad"},
            {"MAP01", "MAP02", "MAP03"});
        row("quotes at either end", {"\"q.wad", "q.wad\"", "\"\""}, {"E1M1", "E1M2", "E1M3"});
        row("leading blanks", {"  lead.wad", "lead.wad"}, {"MAP04", "MAP05"});
        row("blanks inside, no map", {"a", "a b.wad", "c d MAP07.wad"}, {"MAP01", "", "MAP07"});
        row("no map, then another's map", {"x y.wad", "x"}, {"", "MAP09"});
        row("one name in two cases", {"Case.wad", "CASE.WAD"}, {"MAP01", "MAP02"});
    }

    void userDirectoryNamesReadBackEqual()
    {
        const auto [files, maps] = fetchRow<QStringList, QStringList>("files", "maps");
        QHash<QString, QString> expected;
        for (qsizetype i = 0; i < files.size(); ++i) {
            QCOMPARE(m_records->saveUserDirectorySelection("Udir", files[i], maps[i], true),
                     ErrorNumber::None);
            QCOMPARE(m_records->userDirectoryFile("Udir"), files[i]);
            expected.insert(files[i].toCaseFolded(), maps[i]);
        }
        for (const QString& file : files)
            QCOMPARE(m_records->userDirectoryMap("Udir", file).value_or(QString()),
                     expected.value(file.toCaseFolded()));
    }

    // The one-value records: the last map, the save slot and a user directory's last file.
    void valuesReadBackEqual_data()
    {
        const DataTable<QString> row("value");
        row("quote and comma", "say \"hi\", then go");
        row("starts with a quote", "\"MAP01");
        row("blanks at either end", "  MAP01 ");
        row("comma only", ",");
        row("a blank", " ");
    }

    void valuesReadBackEqual()
    {
        QFETCH(QString, value);
        QCOMPARE(m_records->saveLastMap(GameKind::PwadGame, "Castle", value), ErrorNumber::None);
        QCOMPARE(m_records->restoreLastMap(GameKind::PwadGame, "Castle", {"MAP02", value}),
                 std::optional<QString>(value));
        QCOMPARE(m_records->writeSaveRecord(GameKind::ZipArchive, "Zip", {}, value),
                 ErrorNumber::None);
        QCOMPARE(m_records->readSaveRecord(GameKind::ZipArchive, "Zip"),
                 std::optional<QString>(value));
        QCOMPARE(m_records->saveUserDirectorySelection("Udir", value, "MAP01", false),
                 ErrorNumber::None);
        QCOMPARE(m_records->userDirectoryFile("Udir"), value);
    }

    // What a record line cannot hold is not written, and the record stays as it was.
    void unwritableValuesLeaveTheRecord()
    {
        QCOMPARE(m_records->saveLastMap(GameKind::PwadGame, "Castle", "MAP01"), ErrorNumber::None);
        QCOMPARE(m_records->saveLastMap(GameKind::PwadGame, "Castle", "MAP\n02"),
                 ErrorNumber::PathFileAccessError);
        QCOMPARE(m_tree->readFile(kInfo + "Pwads/castle.z3dm"), QByteArray("MAP01\r\n"));
        QCOMPARE(m_records->saveUserDirectorySelection("Udir", "a.wad", "MAP01", true),
                 ErrorNumber::None);
        QCOMPARE(m_records->saveUserDirectorySelection("Udir", "a.wad", "MAP 02", true),
                 ErrorNumber::PathFileAccessError);
        QCOMPARE(m_records->saveUserDirectorySelection("Udir", "trail.wad ", "MAP03", true),
                 ErrorNumber::PathFileAccessError);
        QCOMPARE(m_tree->readFile(kInfo + "Gwads/udir.z3dm"), QByteArray("a.wad MAP01\r\n"));
        // The file record of a name ending in a blank is still written.
        QCOMPARE(m_records->userDirectoryFile("Udir"), QString("trail.wad "));
    }

    void saveRecordPath_data()
    {
        const DataTable<GameKind, QString, QString, QString> row("kind", "game", "mainFile",
                                                                 "path");
        row("Doom II", GameKind::IwadGame, "Doom II", "", "Save/doom2.z3ds");
        row("shareware Doom", GameKind::IwadGame, "Shareware Doom", "", "Save/shareware doom.z3ds");
        row("installed game", GameKind::PwadGame, "Castle", "", "Save/castle.z3ds");
        row("scripted map", GameKind::ScriptedMap, "Pale Chorus", "", "Save/pale chorus.z3ds");
        row("user directory, per wad", GameKind::UserDirectory, "My Dir",
            "/g/Z3DGames/My Dir/Gwads/Level.One.WAD", "Save/Gwads/my dir/level.one.z3ds");
        row("user directory, bare file name", GameKind::UserDirectory, "My Dir", "E1.wad",
            "Save/Gwads/my dir/e1.z3ds");
        row("user directory without a wad", GameKind::UserDirectory, "My Dir", "", "");
        row("zip archive", GameKind::ZipArchive, "MyZip", "", "Save/Zip/myzip.z3ds");
        row("no game", GameKind::None, "Castle", "", "");
    }

    void saveRecordPath()
    {
        const auto [kind, game, mainFile, path] =
            fetchRow<GameKind, QString, QString, QString>("kind", "game", "mainFile", "path");
        QCOMPARE(underInfo(*m_tree, m_records->saveRecordPath(kind, game, mainFile)), path);
    }

    void saveRecords()
    {
        const QString wad = m_tree->path("Z3DGames/My Dir/Gwads/Level1.wad");
        QCOMPARE(m_records->writeSaveRecord(GameKind::UserDirectory, "My Dir", wad, "3"),
                 ErrorNumber::None);
        QCOMPARE(m_records->writeSaveRecord(GameKind::ZipArchive, "MyZip", {}, "0"),
                 ErrorNumber::None);
        QCOMPARE(m_records->writeSaveRecord(GameKind::IwadGame, "Doom II", {}, "4"),
                 ErrorNumber::None);
        QCOMPARE(m_tree->readFile(kInfo + "Save/Gwads/my dir/level1.z3ds"), QByteArray("3\r\n"));
        QCOMPARE(m_tree->readFile(kInfo + "Save/Zip/myzip.z3ds"), QByteArray("0\r\n"));
        QCOMPARE(m_tree->readFile(kInfo + "Save/doom2.z3ds"), QByteArray("4\r\n"));

        QCOMPARE(m_records->readSaveRecord(GameKind::UserDirectory, "MY DIR", "LEVEL1.WAD"),
                 std::optional<QString>("3"));
        QCOMPARE(m_records->readSaveRecord(GameKind::IwadGame, "DOOM II"),
                 std::optional<QString>("4"));
        QCOMPARE(m_records->readSaveRecord(GameKind::PwadGame, "Castle"), std::nullopt);

        // A user directory's record needs its wad; an empty slot is never written.
        QVERIFY(m_records->writeSaveRecord(GameKind::UserDirectory, "My Dir", {}, "3") !=
                ErrorNumber::None);
        QVERIFY(m_records->writeSaveRecord(GameKind::PwadGame, "Keep", {}, {}) !=
                ErrorNumber::None);
        QVERIFY(!m_tree->exists(kInfo + "Save/keep.z3ds"));

        QCOMPARE(m_records->deleteSaveRecord(GameKind::ZipArchive, "myzip"), ErrorNumber::None);
        QVERIFY(!m_tree->exists(kInfo + "Save/Zip/myzip.z3ds"));
        QCOMPARE(m_records->deleteSaveRecord(GameKind::ZipArchive, "myzip"), ErrorNumber::None);
    }

    void saveRecordValue_data()
    {
        const DataTable<QByteArray, QString> row("content", "slot");
        row("as written", QByteArray("3\r\n"), "3");
        row("blanks around", QByteArray(" 3 \r\n"), "3");
        row("empty", QByteArray(), "");
        row("blank line", QByteArray("  \r\n"), "");
    }

    void saveRecordValue()
    {
        const auto [content, slot] = fetchRow<QByteArray, QString>("content", "slot");
        m_tree->addFile(kInfo + "Save/castle.z3ds", content);
        QCOMPARE(m_records->readSaveRecord(GameKind::PwadGame, "Castle").value_or(QString()), slot);
    }

    void deleteMapRecords()
    {
        m_tree->addFile(kInfo + "Iwads/doom2.z3dm", "MAP01\r\n");
        m_tree->addFile(kInfo + "pwads/castle.z3dm", "MAP01\r\n");
        m_tree->addFile(kInfo + "Zips/myzip.z3dm", "MAP01\r\n");
        m_tree->addFile(kInfo + "Gwads/udir.z3dm", "a.wad MAP01\r\n");
        m_tree->addFile(kInfo + "Gwads/Other.Z3DM", "b.wad MAP01\r\n");
        m_tree->addFile(kInfo + "Gwads/udir.z3dg", "a.wad\r\n");
        m_tree->addFile(kInfo + "Save/castle.z3ds", "1\r\n");
        QCOMPARE(m_records->deleteMapRecords(), ErrorNumber::None);
        QCOMPARE(QDir(m_tree->path(kInfo)).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name),
                 (QStringList{"Gwads", "Save"}));
        QCOMPARE(m_tree->fileNames(kInfo + "Gwads"), QStringList{"udir.z3dg"});
        QVERIFY(m_tree->exists(kInfo + "Save/castle.z3ds"));
        // Nothing left to delete is not a failure.
        QCOMPARE(m_records->deleteMapRecords(), ErrorNumber::None);
    }

    void deleteSaveRecords()
    {
        m_tree->addFile(kInfo + "Save/castle.z3ds", "1\r\n");
        m_tree->addFile(kInfo + "Save/Gwads/udir/a.z3ds", "2\r\n");
        m_tree->addFile(kInfo + "Save/Zip/myzip.z3ds", "3\r\n");
        m_tree->addFile(kInfo + "Pwads/castle.z3dm", "MAP01\r\n");
        QCOMPARE(m_records->deleteSaveRecords(), ErrorNumber::None);
        QVERIFY(!m_tree->exists(kInfo + "Save"));
        QVERIFY(m_tree->exists(kInfo + "Pwads/castle.z3dm"));
        QCOMPARE(m_records->deleteSaveRecords(), ErrorNumber::None);
    }

    // Turning a preference off meets linked record folders: a linked folder goes as a link,
    // a linked member as a link, and what they point to stays.
    void recordsDeletedThroughLinks_data()
    {
        const DataTable<bool, QString> row("saves", "link");
        row("map records: a folder is a link", false, "Pwads");
        row("map records: a member is a link", false, "Pwads/castle.z3dm");
        row("save records: the folder is a link", true, "Save");
        row("save records: a member is a link", true, "Save/Gwads");
    }

    void recordsDeletedThroughLinks()
    {
        const auto [saves, link] = fetchRow<bool, QString>("saves", "link");
        m_tree->addFile(kInfo + "Pwads/castle.z3dm", "MAP01\r\n");
        m_tree->addFile(kInfo + "Save/castle.z3ds", "1\r\n");
        m_tree->addFile(kInfo + "Save/Gwads/udir/a.z3ds", "2\r\n");
        QVERIFY(linkAway(*m_tree, kInfo + link, "Elsewhere/" + link));
        const QSet<QString> before = entriesUnder(snapshot(*m_tree), "Elsewhere/");

        QCOMPARE(saves ? m_records->deleteSaveRecords() : m_records->deleteMapRecords(),
                 ErrorNumber::None);
        QVERIFY(!m_tree->exists(kInfo + (saves ? "Save" : "Pwads")));
        QVERIFY(!QFileInfo(m_tree->path(kInfo + link)).isSymLink());
        QCOMPARE(entriesUnder(snapshot(*m_tree), "Elsewhere/"), before);
    }

    // Without a GameInfo folder no record lands in the current folder.
    void noGameInfoDirWritesNothing()
    {
        InstallTree tree(InstallTree::Empty);
        const CurrentFolder current(tree.root());
        QVERIFY(current.isSet());
        InstallPaths paths;
        const GameRecords records(paths);
        QVERIFY(records.saveLastMap(GameKind::PwadGame, "Castle", "MAP01") != ErrorNumber::None);
        QVERIFY(records.saveUserDirectorySelection("Udir", "a.wad", "MAP01", true) !=
                ErrorNumber::None);
        QVERIFY(records.writeSaveRecord(GameKind::PwadGame, "Castle", {}, "1") !=
                ErrorNumber::None);
        records.deleteMapRecords();
        records.deleteSaveRecords();
        const QStringList left =
            QDir(tree.root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(", ")));
    }

private:
    std::unique_ptr<InstallTree> m_tree;
    InstallPaths m_paths;
    std::unique_ptr<GameRecords> m_records;
};

Z3D_TEST_GUILESS_MAIN(TestGameRecords)
#include "tst_gamerecords.moc"
