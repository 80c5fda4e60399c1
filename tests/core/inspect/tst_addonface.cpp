// Which files make the face of a list entry (its title picture's wad, the IWAD colouring it,
// its text), in installation trees built in the test, and the text read from a zip of the
// library in memory, as players' archivers write them and as they arrive damaged.

#include "core/inspect/AddonFace.h"

#include "core/iwads/IwadRegistry.h"
#include "core/platform/PathResolver.h"

#include "support/Archivers.h"
#include "support/DataTable.h"
#include "support/FileBytes.h"
#include "support/GameFileBytes.h"
#include "support/InstallTree.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

using Files = QList<std::pair<QString, QByteArray>>;

// A wad holding maps maps and a title picture.
QByteArray wad(int maps)
{
    QList<QByteArray> markers;
    for (int map = 1; map <= maps; ++map)
        markers << QStringLiteral("MAP%1").arg(map, 2, 10, QLatin1Char('0')).toLatin1();
    return wadWithMaps(markers, "PWAD", {{"TITLEPIC", doomPicture(2, {1, 2, 3, 4})}});
}

// A text file titled by its own name: the title tells which file was read.
std::pair<QString, QByteArray> text(const QString& path)
{
    const QString name = path.mid(path.lastIndexOf(u'/') + 1);
    return {path, "Title                   : " + name.toUtf8() + "\r\n"};
}

// The tree holding files; every file of Iwads is registered as an IWAD.
IwadRegistry build(InstallTree& tree, const Files& files)
{
    IwadRegistry iwads;
    for (const auto& [path, content] : files) {
        tree.addFile(path, content);
        if (path.startsWith(u"Iwads/"))
            iwads.registerIwad(tree.path(path));
    }
    return iwads;
}

QString titleOf(const std::optional<AddonText>& text)
{
    return text ? text->title : QString();
}

} // namespace

class TestAddonFace : public QObject
{
    Q_OBJECT

private slots:
    void folderFaces_data()
    {
        // wad, palette: the face's files relative to the root; text: the title of its text.
        const DataTable<int, QString, QString, Files, QString, QString, QString> row(
            "view", "game", "file", "files", "wad", "palette", "text");
        const int installed = int(GamesListMode::InstalledGames);
        const int commercial = int(GamesListMode::DoomGames);
        const QString pwads = "Z3DGames/Castle/Pwads/";
        const QString gwads = "Z3DGames/Keep/Gwads/";
        row("the text of the wad's name", installed, "Castle", "",
            {{pwads + "castle.wad", wad(1)},
             text(pwads + "CASTLE.TXT"),
             text(pwads + "notes.txt"),
             {"Iwads/Doom2.wad", wad(32)}},
            pwads + "castle.wad", "Iwads/Doom2.wad", "CASTLE.TXT");
        row("the only text", installed, "castle", "",
            {{pwads + "castle.wad", wad(1)}, text(pwads + "readme.txt")}, pwads + "castle.wad", "",
            "readme.txt");
        row("two texts, neither of the wad's name", installed, "Castle", "",
            {{pwads + "castle.wad", wad(1)}, text(pwads + "a.txt"), text(pwads + "b.txt")},
            pwads + "castle.wad", "", "");
        // b.wad of three maps and c.wad of one, each with its text.
        const Files threeAndOne{{pwads + "b.wad", wad(3)},
                                {pwads + "c.wad", wad(1)},
                                text(pwads + "b.txt"),
                                text(pwads + "C.txt")};
        row("the wad with the most maps", installed, "Castle", "",
            Files{{pwads + "a.wad", wad(3)}} + threeAndOne, pwads + "b.wad", "", "b.txt");
        // Two wads in a user directory, the first with the more maps, each with its text.
        const Files keep{{gwads + "one.wad", wad(2)},
                         {gwads + "two.wad", wad(1)},
                         text(gwads + "one.txt"),
                         text(gwads + "two.txt")};
        row("a user directory's remembered wad", installed, "Keep", "",
            keep + Files{{"Z3DLaunch/GameInfo/Gwads/keep.z3dg", "two.wad\r\n"}}, gwads + "two.wad",
            "", "two.txt");
        row("a user directory without a record", installed, "Keep", "", keep, gwads + "one.wad", "",
            "one.txt");
        row("a game that is not there", installed, "Gone", "", {}, "", "", "");
        row("a game file: a text", installed, "Castle", "notes.txt",
            {{pwads + "castle.wad", wad(1)}, text(pwads + "notes.txt")}, "", "", "notes.txt");
        row("a game file: a wad of its own", installed, "Castle", "c.wad", threeAndOne,
            pwads + "c.wad", "", "C.txt");
        row("a game file: neither", installed, "Castle", "castle.deh",
            {{pwads + "castle.wad", wad(1)},
             {pwads + "castle.deh", "Patch File"},
             text(pwads + "castle.txt")},
            "", "", "");
        row("a commercial game: its own name's text", commercial, "DOOM II", "",
            {{"Iwads/Doom2.wad", wad(32)}, text("Iwads/DOOM2.TXT"), text("Iwads/readme.txt")},
            "Iwads/Doom2.wad", "Iwads/Doom2.wad", "DOOM2.TXT");
        row("a commercial game: no other text", commercial, "Doom II", "Doom2.wad",
            {{"Iwads/Doom2.wad", wad(32)}, text("Iwads/readme.txt")}, "Iwads/Doom2.wad",
            "Iwads/Doom2.wad", "");
    }

    void folderFaces()
    {
        QFETCH(int, view);
        QFETCH(QString, game);
        QFETCH(QString, file);
        QFETCH(Files, files);
        QFETCH(QString, wad);
        QFETCH(QString, palette);
        QFETCH(QString, text);
        InstallTree tree;
        QVERIFY(tree.isValid());
        const IwadRegistry iwads = build(tree, files);
        const AddonFaceEntry entry{GamesListMode(view), game, file};

        const AddonFaceSources sources = AddonFaceSources::of(entry, tree.paths(), iwads);
        QCOMPARE(tree.relative(sources.wad), wad);
        QCOMPARE(tree.relative(sources.paletteWad), palette);
        const AddonFace face = AddonFace::read(entry, tree.paths(), iwads);
        QCOMPARE(face.picture.has_value(), !wad.isEmpty());
        QCOMPARE(titleOf(face.text), text);
    }

    void zipFaces_data()
    {
        // extracted: the files the extraction folder holds. damage: "garbage" for the whole
        // file, "truncated" for its end cut off, "understated" for the second member declared
        // as long as its first line. wad: the picture's wad relative to the root.
        const DataTable<Archiver, Files, Files, QString, QString, QString> row(
            "archiver", "members", "extracted", "damage", "wad", "text");
        const Archiver zip = Archiver::infoZip();
        const QString zips = "Z3DLaunch/Zips/";
        const Files castle{{"castle.wad", wad(1)}, text("docs/CASTLE.txt"), text("notes.txt")};
        row("the text of the wad's name", zip, castle, {}, "", "", "CASTLE.txt");
        row("the only text, stored", Archiver::sevenZip({"-mm=Copy"}),
            {{"castle.wad", wad(1)}, text("readme.txt")}, {}, "", "", "readme.txt");
        row("two texts, neither of the wad's name", zip,
            {{"castle.wad", wad(1)}, text("a.txt"), text("b.txt")}, {}, "", "", "");
        // Which wad is the main one is not known before the wads are extracted.
        row("two wads with a text each", zip,
            {{"a.wad", wad(1)}, {"b.wad", wad(2)}, text("a.txt"), text("b.txt")}, {}, "", "", "");
        row("a text longer than what is read", zip,
            {{"castle.wad", wad(1)},
             {"castle.txt", text("castle.txt").second + QByteArray(200 * 1024, '\n')}},
            {}, "", "", "castle.txt");
        row("extracted: the wad's picture", zip, castle, {{"castle.wad", wad(1)}}, "",
            zips + "castle.wad", "CASTLE.txt");
        row("another zip's wad extracted", zip, castle, {{"castle.wad", wad(2)}}, "", "",
            "CASTLE.txt");
        row("an encrypted text", Archiver::infoZip({"-P", "s3cret"}), castle, {}, "", "", "");
        row("an encrypted text, AES", Archiver::sevenZip({"-ps3cret", "-mem=AES256"}), castle, {},
            "", "", "");
        row("not a zip", zip, castle, {}, "garbage", "", "");
        row("truncated", zip, castle, {}, "truncated", "", "");
        const std::pair<QString, QByteArray> title = text("castle.txt");
        row("a text longer than its archive says", zip,
            {{"castle.wad", wad(1)}, {title.first, title.second + QByteArray(4096, '-')}}, {},
            "understated", "", "");
    }

    void zipFaces()
    {
        QFETCH(Archiver, archiver);
        QFETCH(Files, members);
        QFETCH(Files, extracted);
        QFETCH(QString, damage);
        QFETCH(QString, wad);
        QFETCH(QString, text);
        if (const QString missing = archiver.missing(); !missing.isEmpty())
            QSKIP(qPrintable(missing));
        InstallTree tree;
        QVERIFY(tree.isValid());
        const QString zipPath = tree.path("Z3DArchives/Castle.zip");
        const ToolRun made = archiver.write(tree.path("made.zip"), members);
        QVERIFY2(made.exitCode == 0, made.output.constData());
        QByteArray bytes = readBytes(tree.path("made.zip"));
        if (damage == "garbage")
            bytes = "PK\3\4 is how it starts, and that is all";
        if (damage == "truncated")
            bytes.chop(30);
        if (damage == "understated") {
            const QList<ZipMemberBytes> places = zipMembers(bytes);
            QCOMPARE(places.size(), members.size());
            const quint32 firstLine = quint32(members.at(1).second.indexOf('\n') + 1);
            putLittle32(bytes, places.at(1).localHeader + 22, firstLine);
            putLittle32(bytes, places.at(1).centralHeader + 24, firstLine);
        }
        QVERIFY(writeBytes(zipPath, bytes));
        for (const auto& [name, content] : extracted)
            tree.addFile("Z3DLaunch/Zips/" + name, content);
        const AddonFaceEntry entry{GamesListMode::ZipLibrary, "CASTLE", {}};

        const AddonFaceSources sources = AddonFaceSources::of(entry, tree.paths(), {});
        QCOMPARE(tree.relative(sources.wad), wad);
        const AddonFace face = AddonFace::read(entry, tree.paths(), {});
        QCOMPARE(face.picture.has_value(), !wad.isEmpty());
        QCOMPARE(titleOf(face.text), text);
        // Nothing was extracted for the face.
        if (extracted.isEmpty())
            QVERIFY(PathResolver::fileNames(tree.path("Z3DLaunch/Zips")).isEmpty());
    }
};

Z3D_TEST_GUILESS_MAIN(TestAddonFace)
#include "tst_addonface.moc"
