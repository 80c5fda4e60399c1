// Copies of several files shown as one piece of work: the total, the files in their order, and
// a copy that stops at its first failure with its progress ended.

#include "core/library/FileCopies.h"

#include "support/InstallTree.h"
#include "support/RecordingProgress.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QTest>

using namespace z3d;
using z3d::test::InstallTree;
using z3d::test::RecordingProgress;

namespace {

// The named files of the tree's Gwads copied into a new Pwads folder, as a conversion does.
ErrorNumber copyIntoPwads(InstallTree& tree, const QStringList& names,
                          RecordingProgress& progress, const QString& title)
{
    tree.addFolder("Pwads");
    return copyFiles(folderCopies(tree.path("Gwads"), names, tree.path("Pwads")), &progress, title);
}

} // namespace

class TestFileCopies : public QObject
{
    Q_OBJECT

private slots:
    void everyByteCounted();
    void firstFailureStops();
};

void TestFileCopies::everyByteCounted()
{
    InstallTree tree(InstallTree::Empty);
    const QByteArray big(5 * 1024 * 1024 + 3, 'w'); // more than one copy chunk
    tree.addFile("Gwads/big.wad", big);
    tree.addFile("Gwads/empty.deh");
    tree.addFile("Gwads/small.txt", "small");
    RecordingProgress progress;

    QCOMPARE(copyIntoPwads(tree, {"big.wad", "empty.deh", "small.txt"}, progress, kCopyingTitle),
             ErrorNumber::None);
    QCOMPARE(tree.readFile("Pwads/big.wad"), big);
    QCOMPARE(tree.readFile("Pwads/small.txt"), QByteArray("small"));
    QCOMPARE(progress.titles(), QStringList{" Copying game files"});
    QCOMPARE(progress.total(), big.size() + 5);
    QCOMPARE(progress.fileNames(), QStringList({"big.wad", "empty.deh", "small.txt"}));
    QVERIFY(progress.steps().size() > 3);
    QVERIFY(progress.neverWentBack());
    QCOMPARE(progress.steps().constLast().doneBytes, progress.total());
    QCOMPARE(progress.open(), 0);
}

void TestFileCopies::firstFailureStops()
{
    InstallTree tree(InstallTree::Empty);
    tree.addFile("Gwads/a.wad", "a");
    tree.addFile("Gwads/c.wad", "c");
    RecordingProgress progress;

    QCOMPARE(copyIntoPwads(tree, {"a.wad", "missing.wad", "c.wad"}, progress, kInstallingTitle),
             ErrorNumber::FileNotFound);
    QCOMPARE(QDir(tree.path("Pwads")).entryList(QDir::Files), QStringList{"a.wad"});
    QCOMPARE(progress.open(), 0);
    // Without a progress the copy is the same.
    QCOMPARE(copyFiles({{tree.path("Gwads/c.wad"), tree.path("Pwads/c.wad")}}, nullptr,
                       kInstallingTitle),
             ErrorNumber::None);
    QCOMPARE(tree.readFile("Pwads/c.wad"), QByteArray("c"));
}

Z3D_TEST_GUILESS_MAIN(TestFileCopies)
#include "tst_filecopies.moc"
