// custom.z3d, the drop folder and the entry "Add" makes, on throw-away installation trees.

#include "core/launch/CommandLinePieces.h"
#include "core/models/CustomDefinitions.h"
#include "core/settings/LauncherSettings.h"

#include "support/DataTable.h"
#include "support/InstallTree.h"
#include "support/TestRegistry.h"
#include "support/TextLines.h"

#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

QStringList shown(const QList<DefinitionEntry>& entries)
{
    QStringList lines;
    for (const DefinitionEntry& entry : entries)
        lines << entry.text + (entry.selected ? "*" : "");
    return lines;
}

} // namespace

class TestCustomDefinitions : public QObject
{
    Q_OBJECT

private slots:
    void load_data();
    void load();
    void entryFromAnotherFolderLastsOneRun();
    void importTakesOverTheDropFolder();
    void entryForChosenFile_data();
    void entryForChosenFile();
    void lineNamesTheFileAsOnDisk_data();
    void lineNamesTheFileAsOnDisk();
};

void TestCustomDefinitions::load_data()
{
    const DataTable<QStringList, QStringList> row("lines", "entries");
    row("the second of three names a deleted file", {"alpha,1", "gone,1", "Gamma,0"},
        {"alpha*", "Gamma"});
    row("marks other than 0 and 1 leave the entry unselected", {"alpha,x", "Gamma,2"},
        {"alpha", "Gamma"});
    row("lines without a comma lose two characters all the same", {"alpha", "alpha,1x", "a"}, {});
    row("names with commas and quotes are names", {"with, comma,1", "\"quoted\",0"},
        {"with, comma*", "\"quoted\""});
    row("a path separator names no file in the folder", {"sub/alpha,1", "..\\Custom\\alpha,1"}, {});
    QStringList many;
    for (int i = 0; i < 30; ++i)
        many << "alpha,1";
    row("only the first 21 lines are read", many, QStringList(21, "alpha*"));
}

void TestCustomDefinitions::load()
{
    const auto [lines, entries] = fetchRow<QStringList, QStringList>("lines", "entries");
    InstallTree tree;
    for (const char* file :
         {"ALPHA.ded", "Gamma.ded", "with, comma.ded", "\"quoted\".ded", "sub/alpha.ded"})
        tree.addFile(QStringLiteral("Defs/Custom/") + file);
    tree.addTextFile("Z3DLaunch/Data/custom.z3d", lines);
    QCOMPARE(shown(CustomDefinitions::load(tree.paths())), entries);
}

void TestCustomDefinitions::entryFromAnotherFolderLastsOneRun()
{
    InstallTree tree;
    QVERIFY(CustomDefinitions::load(tree.paths()).isEmpty());
    tree.addFile("Defs/Custom/mine.ded");
    const QString elsewhere = tree.addFile("elsewhere/theirs.ded");
    QCOMPARE(CustomDefinitions::save(tree.paths(),
                                     {{"mine", false}, {elsewhere, true}, {"with,comma", true}}),
             ErrorNumber::None);
    QCOMPARE(crLfLines(tree.readFile("Z3DLaunch/Data/custom.z3d")),
             (QStringList{"mine,0", elsewhere + ",1", "with,comma,1"}));
    QCOMPARE(shown(CustomDefinitions::load(tree.paths())), QStringList{"mine"});
}

void TestCustomDefinitions::importTakesOverTheDropFolder()
{
    InstallTree tree;
    tree.addFiles({"Z3DLaunch/Create/Fresh.ded", "Z3DLaunch/Create/MINE.ded",
                   "Z3DLaunch/Create/fresh.txt", "Z3DLaunch/Create/nested/deep.ded"});
    const QList<DefinitionEntry> added =
        CustomDefinitions::importDropped(tree.paths(), {{"mine", true}});
    QCOMPARE(shown(added), QStringList{"Fresh"});
    QVERIFY(!tree.exists("Z3DLaunch/Create"));
    QVERIFY(CustomDefinitions::importDropped(tree.paths(), {}).isEmpty());
}

void TestCustomDefinitions::entryForChosenFile_data()
{
    const DataTable<QString, bool, QString> row("chosen", "warning", "entry");
    row("a file directly in Custom gives its base name", "/i/Defs/Custom/My.Defs.ded", false,
        "My.Defs");
    row("Custom spelt in another case", "/i/defs/CUSTOM/mine.ded", false, "mine");
    row("a file of a sub-folder keeps its path", "/i/Defs/Custom/sub/mine.ded", false,
        "/i/Defs/Custom/sub/mine.ded");
    row("a file elsewhere keeps its path", "/home/p/mine.ded", false, "/home/p/mine.ded");
    for (const char* orrin :
         {"/i/Md2/Orrinpack/ORRINPACK.WAD", "/x/fullpack.ded", "/i/Defs/Custom/Alternative.DED"})
        row(orrin, orrin, true, "");
}

void TestCustomDefinitions::entryForChosenFile()
{
    const auto [chosen, warning, entry] =
        fetchRow<QString, bool, QString>("chosen", "warning", "entry");
    const CustomDefinitions::AddOutcome outcome =
        CustomDefinitions::entryForChosenFile(chosen, "/i/Defs/Custom/");
    QCOMPARE(outcome.configurationWarning, warning);
    QCOMPARE(outcome.entry, entry);
}

// However an entry spells its name, the engine is given the file as the disk spells it.
void TestCustomDefinitions::lineNamesTheFileAsOnDisk_data()
{
    const DataTable<QString> row("source");
    row("custom.z3d", "custom.z3d");
    row("the drop folder", "Create");
    row("Add", "Add");
}

void TestCustomDefinitions::lineNamesTheFileAsOnDisk()
{
    QFETCH(QString, source);
    InstallTree tree;
    const QString onDisk = tree.addFile("Defs/Custom/Caps.DED");
    const InstallPaths paths = tree.paths();
    QList<DefinitionEntry> entries;
    if (source == "custom.z3d") {
        tree.addTextFile("Z3DLaunch/Data/custom.z3d", {"caps,1"});
        entries = CustomDefinitions::load(paths);
    } else if (source == "Create") {
        tree.addFile("Z3DLaunch/Create/caps.ded");
        entries = CustomDefinitions::importDropped(paths, {});
    } else {
        entries << DefinitionEntry{
            CustomDefinitions::entryForChosenFile(onDisk, paths.customDefsDir).entry, true};
    }
    QCOMPARE(entries.size(), 1);
    entries.first().selected = true;
    const DefinitionUse use = DefinitionUse::select(
        entries, LauncherSettings::defaults(20000, 15000), paths.customDefsDir);
    QCOMPARE(use.paths, QStringList{onDisk});
}

Z3D_TEST_GUILESS_MAIN(TestCustomDefinitions)
#include "tst_customdefinitions.moc"
