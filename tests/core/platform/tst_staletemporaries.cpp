// The temporaries of interrupted replacements removed from the launcher's folders at start-up,
// and the player's files of similar names left alone.

#include "core/platform/StaleTemporaries.h"

#include "support/DataTable.h"
#include "support/InstallTree.h"

#include <QTemporaryFile>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

class TestStaleTemporaries : public QObject
{
    Q_OBJECT

private slots:
    void removedFromLauncherFolders_data();
    void removedFromLauncherFolders();
    void nameOfAnInterruptedReplacement();
};

void TestStaleTemporaries::removedFromLauncherFolders_data()
{
    const DataTable<QString, bool> row("file", "removed");
    row("settings", "Z3DLaunch/config.z3d.aBcDeF", true);
    row("record", "Z3DLaunch/GameInfo/Castle.z3d.Qwerty", true);
    row("data file", "Z3DLaunch/Data/pwad.z3d.ZZZZZZ", true);
    row("playlist", "Z3DLaunch/Music/Doom.m3u.abcdef", true);
    row("zip member", "Z3DLaunch/Zips/.z3dzip-Ab12Cd", true);
    row("the file itself", "Z3DLaunch/config.z3d", false);
    row("five letters", "Z3DLaunch/config.z3d.abcde", false);
    row("seven letters", "Z3DLaunch/config.z3d.abcdefg", false);
    row("no extension before", "Z3DLaunch/notes.abcdef", false);
    row("punctuation", "Z3DLaunch/config.z3d.ab-def", false);
    row("game folder", "Z3DGames/Castle/castle.wad.aBcDeF", false);
    row("in a sub-folder", "Z3DLaunch/Zips/Old/x.z3d.aBcDeF", false);
}

void TestStaleTemporaries::removedFromLauncherFolders()
{
    QFETCH(QString, file);
    QFETCH(bool, removed);
    InstallTree tree;
    QVERIFY(tree.isValid());
    tree.addFile(file, "partial");
    tree.addFile("Z3DLaunch/config.z3d", "whole");

    StaleTemporaries::removeFromLauncherFolders(tree.paths());

    QCOMPARE(tree.exists(file), !removed);
    QCOMPARE(tree.readFile("Z3DLaunch/config.z3d"), QByteArray("whole"));
}

void TestStaleTemporaries::nameOfAnInterruptedReplacement()
{
    // The name Qt gives the temporary of a replacement, not a name written by hand.
    InstallTree tree;
    QVERIFY(tree.isValid());
    QTemporaryFile temporary(tree.path("Z3DLaunch/config.z3d"));
    QVERIFY(temporary.open());
    temporary.setAutoRemove(false);
    const QString left = temporary.fileName();
    temporary.close();

    QCOMPARE(StaleTemporaries::removeFromLauncherFolders(tree.paths()), QStringList{left});
}

QTEST_GUILESS_MAIN(TestStaleTemporaries)
#include "tst_staletemporaries.moc"
