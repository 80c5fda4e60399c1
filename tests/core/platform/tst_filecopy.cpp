// Copying and writing whole files on throw-away trees: what lands where, the error numbers of
// each refusal, and that a failed copy or write leaves the earlier file as it was.

#include "core/platform/FaultInjector.h"
#include "core/platform/FileOperations.h"

#include "support/DataTable.h"
#include "support/InstallTree.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <memory>

using namespace z3d;
using namespace z3d::test;

namespace {

const QByteArray kNew("new bytes");
const QByteArray kOld("old bytes");

// src/a.wad (kNew); dst/old.wad and a read-only dst/RO.WAD (kOld); a folder dst/folder.wad.
void buildTree(InstallTree& tree)
{
    tree.addFile("src/a.wad", kNew);
    tree.addFile("dst/old.wad", kOld);
    const QString readOnly = tree.addFile("dst/RO.WAD", kOld);
    QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner));
    tree.addFolder("dst/folder.wad");
}

QStringList entriesOf(const InstallTree& tree, const QString& folder)
{
    // Hidden ones too: the temporaries of a replacement are.
    return QDir(tree.path(folder))
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

Q_DECLARE_METATYPE(z3d::FileOperations::ReadOnlyTarget)

class TestFileCopy : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void copyFile_data();
    void copyFile();
    void copyFileInjectedFaults_data();
    void copyFileInjectedFaults();
    void copyFileLargerThanOnePiece();
    void writeFile_data();
    void writeFile();

private:
    // A tree made by buildTree() for each test.
    std::unique_ptr<InstallTree> m_tree;
};

void TestFileCopy::init()
{
    m_tree = std::make_unique<InstallTree>(InstallTree::Empty);
    QVERIFY(m_tree->isValid());
    buildTree(*m_tree);
}

void TestFileCopy::cleanup()
{
    FaultInjector::clear();
    m_tree.reset();
}

void TestFileCopy::copyFile_data()
{
    using Target = FileOperations::ReadOnlyTarget;
    // written: the file that holds the target's bytes afterwards; content: those bytes (the
    // source's after a copy, the earlier ones after a refusal).
    const DataTable<QString, QString, Target, int, QString, QByteArray> row(
        "source", "target", "readOnly", "error", "written", "content");

    // A copy that succeeds leaves the source's bytes in `written`.
    const auto copies = [&](const char* name, const char* source, const char* target,
                            Target readOnly, const char* written) {
        row(name, source, target, readOnly, 0, written, kNew);
    };
    const auto refuses = [&](const char* name, const char* source, const char* target, int error,
                             const char* written, const QByteArray& content) {
        row(name, source, target, Target::Refuse, error, written, content);
    };
    copies("new file", "src/a.wad", "dst/b.wad", Target::Refuse, "dst/b.wad");
    copies("replaces", "src/a.wad", "dst/old.wad", Target::Refuse, "dst/old.wad");
    copies("replaces another case", "src/a.wad", "DST/OLD.WAD", Target::Refuse, "dst/old.wad");
    copies("source in another case", "SRC/A.WAD", "dst/b.wad", Target::Refuse, "dst/b.wad");
    copies("read-only target replaced", "src/a.wad", "dst/ro.wad", Target::Replace, "dst/RO.WAD");
    copies("onto itself", "src/a.wad", "src/a.wad", Target::Refuse, "src/a.wad");
    copies("onto itself in another case", "src/a.wad", "Src/A.wad", Target::Refuse, "src/a.wad");
    refuses("read-only target refused", "src/a.wad", "dst/ro.wad", 70, "dst/RO.WAD", kOld);
    refuses("missing source", "src/gone.wad", "dst/old.wad", 53, "dst/old.wad", kOld);
    refuses("missing source folder", "gone/a.wad", "dst/old.wad", 76, "dst/old.wad", kOld);
    refuses("source is a folder", "dst/folder.wad", "dst/old.wad", 75, "dst/old.wad", kOld);
    row("target is a folder", "src/a.wad", "dst/folder.wad", Target::Replace, 75, "src/a.wad",
        kNew);
    refuses("missing target folder", "src/a.wad", "gone/a.wad", 76, "src/a.wad", kNew);
}

void TestFileCopy::copyFile()
{
    const auto [source, target, readOnly, error, written, content] =
        fetchRow<QString, QString, FileOperations::ReadOnlyTarget, int, QString, QByteArray>("source", "target", "readOnly", "error", "written", "content");
    InstallTree& tree = *m_tree;
    const QStringList before = entriesOf(tree, "dst");

    QCOMPARE(int(FileOperations::copyFile(tree.path(source), tree.path(target), readOnly)), error);
    QCOMPARE(tree.readFile(written), content);
    QCOMPARE(tree.readFile("src/a.wad"), kNew);
    // Nothing but the new file appears: no second spelling, no temporary file left behind.
    QStringList expected = before;
    if (error == 0 && written == "dst/b.wad")
        expected = QStringList{"RO.WAD", "b.wad", "folder.wad", "old.wad"};
    QCOMPARE(entriesOf(tree, "dst"), expected);
    QCOMPARE(entriesOf(tree, "src"), QStringList{"a.wad"});
}

void TestFileCopy::copyFileInjectedFaults_data()
{
    const DataTable<FileOperation, QString> row("operation", "failing");
    row("reading the source", FileOperation::Read, "src/a.wad");
    row("writing the target", FileOperation::Write, "dst/old.wad");
}

void TestFileCopy::copyFileInjectedFaults()
{
    const auto [operation, failing] = fetchRow<FileOperation, QString>("operation", "failing");
    InstallTree& tree = *m_tree;
    FaultInjector::fail(operation, tree.path(failing), ErrorNumber::FileAlreadyOpen);
    QCOMPARE(FileOperations::copyFile(tree.path("src/a.wad"), tree.path("dst/old.wad")),
             ErrorNumber::FileAlreadyOpen);
    QCOMPARE(tree.readFile("dst/old.wad"), kOld);
    QCOMPARE(entriesOf(tree, "dst"), (QStringList{"RO.WAD", "folder.wad", "old.wad"}));
}

void TestFileCopy::copyFileLargerThanOnePiece()
{
    InstallTree& tree = *m_tree;
    // Three pieces and a few bytes, no two pieces alike.
    QByteArray bytes;
    for (int i = 0; bytes.size() < 3 * (1 << 20) + 5; ++i)
        bytes += QByteArray::number(i) + ',';
    tree.addFile("big.wad", bytes);
    tree.addFile("copy.wad", kOld);
    QCOMPARE(FileOperations::copyFile(tree.path("big.wad"), tree.path("copy.wad")),
             ErrorNumber::None);
    QVERIFY(tree.readFile("copy.wad") == bytes);
}

void TestFileCopy::writeFile_data()
{
    const DataTable<QString, bool, int, QString, QByteArray> row("path", "injected", "error",
                                                                 "written", "content");
    row("new file", "dst/new.txt", false, 0, "dst/new.txt", kNew);
    row("replaces another case", "DST/Old.Wad", false, 0, "dst/old.wad", kNew);
    row("injected failure", "dst/old.wad", true, 55, "dst/old.wad", kOld);
    row("a folder", "dst/folder.wad", false, 75, "dst/old.wad", kOld);
    row("missing folder", "gone/new.txt", false, 76, "dst/old.wad", kOld);
}

void TestFileCopy::writeFile()
{
    const auto [path, injected, error, written, content] =
        fetchRow<QString, bool, int, QString, QByteArray>("path", "injected", "error", "written", "content");
    InstallTree& tree = *m_tree;
    if (injected)
        FaultInjector::fail(FileOperation::Write, tree.path(path), ErrorNumber::FileAlreadyOpen);
    QCOMPARE(int(FileOperations::writeFile(tree.path(path), kNew)), error);
    QCOMPARE(tree.readFile(written), content);
    QVERIFY(tree.isFolder("dst/folder.wad"));
    for (const QString& entry : entriesOf(tree, "dst"))
        QVERIFY2(!entry.startsWith(u'.') && !entry.contains(u'~') && entry.count(u'.') == 1,
                 qPrintable(entry));
}

Z3D_TEST_GUILESS_MAIN(TestFileCopy)
#include "tst_filecopy.moc"
