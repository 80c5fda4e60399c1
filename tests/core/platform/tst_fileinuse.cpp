// The in-use probe against real processes: a child shell holding a file open through a
// descriptor, the same file reached by other names, and what is never "in use".

#include "core/platform/FileInUse.h"

#include "support/DataTable.h"
#include "support/HeldOpen.h"
#include "support/InstallTree.h"
#include "support/TestRegistry.h"

#include <QFile>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

class TestFileInUse : public QObject
{
    Q_OBJECT

private slots:
    void heldByAnotherProcess_data()
    {
        const DataTable<QString> row("redirection");
        row("open for reading", "<");
        row("open for appending", ">>");
    }

    void heldByAnotherProcess()
    {
        QFETCH(QString, redirection);
        InstallTree tree;
        const QString wad = tree.addFile("Z3DGames/Castle/Gwads/Castle.wad", "PWAD");
        const QString other = tree.addFile("Z3DGames/Castle/Gwads/Other.wad", "PWAD");
        QVERIFY(QFile::link(wad, tree.path("link.wad")));
        QVERIFY(QFile::copy(wad, tree.path("copy.wad")));

        QVERIFY(!FileInUse::check(wad));
        HeldOpen holder;
        QVERIFY(holder.start(wad, redirection));
        QVERIFY(FileInUse::check(wad));
        // The same file under another case and through a link; a copy and a neighbour are
        // other files.
        QVERIFY(FileInUse::check(tree.path("z3dgames/CASTLE/gwads/castle.WAD")));
        QVERIFY(FileInUse::check(tree.path("link.wad")));
        QVERIFY(!FileInUse::check(tree.path("copy.wad")));
        QVERIFY(!FileInUse::check(other));

        holder.stop();
        QVERIFY(!FileInUse::check(wad));
    }

    void heldByThisProcessOnly()
    {
        InstallTree tree;
        QFile file(tree.addFile("Castle.wad", "PWAD"));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(!FileInUse::check(file.fileName()));
    }

    void neverInUse_data()
    {
        const DataTable<QString, bool> row("relative", "empty");
        row("missing file", "Z3DGames/Castle/Gwads/Gone.wad", false);
        row("missing folder", "Nowhere/Gone.wad", false);
        row("a folder", "Z3DGames", false);
        row("no path", "", true);
    }

    void neverInUse()
    {
        const auto [relative, empty] = fetchRow<QString, bool>("relative", "empty");
        InstallTree tree;
        tree.addFolder("Z3DGames");
        // A process holding the folder open does not make the folder a file in use.
        HeldOpen holder;
        QVERIFY(holder.start(tree.path("Z3DGames"), QStringLiteral("<")));
        QVERIFY(!FileInUse::check(empty ? QString() : tree.path(relative)));
    }
};

Z3D_TEST_GUILESS_MAIN(TestFileInUse)
#include "tst_fileinuse.moc"
