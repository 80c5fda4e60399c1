// Copying and writing whole files on throw-away trees: what lands where, the error numbers of
// each refusal, and that a failed copy or write leaves the earlier file as it was.

#include "core/platform/FaultInjector.h"
#include "core/platform/FileOperations.h"

#include "support/InstallTree.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace z3d;
using z3d::test::InstallTree;

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
    return QDir(tree.path(folder)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

Q_DECLARE_METATYPE(z3d::FileOperations::ReadOnlyTarget)

class TestFileCopy : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { FaultInjector::clear(); }

    void copyFile_data();
    void copyFile();
    void copyFileInjectedFaults_data();
    void copyFileInjectedFaults();
    void copyFileLargerThanOnePiece();
    void writeFile_data();
    void writeFile();
};

void TestFileCopy::copyFile_data()
{
    using Target = FileOperations::ReadOnlyTarget;
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addColumn<Target>("readOnly");
    QTest::addColumn<int>("error");
    // The file that holds the target's bytes afterwards, and those bytes (the source's after
    // a copy, the earlier ones after a refusal).
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("new file") << "src/a.wad"
                              << "dst/b.wad" << Target::Refuse << 0 << "dst/b.wad" << kNew;
    QTest::newRow("replaces") << "src/a.wad"
                              << "dst/old.wad" << Target::Refuse << 0 << "dst/old.wad" << kNew;
    QTest::newRow("replaces another case")
        << "src/a.wad"
        << "DST/OLD.WAD" << Target::Refuse << 0 << "dst/old.wad" << kNew;
    QTest::newRow("source in another case")
        << "SRC/A.WAD"
        << "dst/b.wad" << Target::Refuse << 0 << "dst/b.wad" << kNew;
    QTest::newRow("read-only target refused")
        << "src/a.wad"
        << "dst/ro.wad" << Target::Refuse << 70 << "dst/RO.WAD" << kOld;
    QTest::newRow("read-only target replaced")
        << "src/a.wad"
        << "dst/ro.wad" << Target::Replace << 0 << "dst/RO.WAD" << kNew;
    QTest::newRow("onto itself") << "src/a.wad"
                                 << "src/a.wad" << Target::Refuse << 0 << "src/a.wad" << kNew;
    QTest::newRow("onto itself in another case")
        << "src/a.wad"
        << "Src/A.wad" << Target::Refuse << 0 << "src/a.wad" << kNew;
    QTest::newRow("missing source")
        << "src/gone.wad"
        << "dst/old.wad" << Target::Refuse << 53 << "dst/old.wad" << kOld;
    QTest::newRow("missing source folder")
        << "gone/a.wad"
        << "dst/old.wad" << Target::Refuse << 76 << "dst/old.wad" << kOld;
    QTest::newRow("source is a folder")
        << "dst/folder.wad"
        << "dst/old.wad" << Target::Refuse << 75 << "dst/old.wad" << kOld;
    QTest::newRow("target is a folder")
        << "src/a.wad"
        << "dst/folder.wad" << Target::Replace << 75 << "src/a.wad" << kNew;
    QTest::newRow("missing target folder")
        << "src/a.wad"
        << "gone/a.wad" << Target::Refuse << 76 << "src/a.wad" << kNew;
}

void TestFileCopy::copyFile()
{
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(FileOperations::ReadOnlyTarget, readOnly);
    QFETCH(int, error);
    QFETCH(QString, written);
    QFETCH(QByteArray, content);
    InstallTree tree(InstallTree::Empty);
    QVERIFY(tree.isValid());
    buildTree(tree);
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
    QTest::addColumn<FileOperation>("operation");
    QTest::addColumn<QString>("failing");
    QTest::newRow("reading the source") << FileOperation::Read << "src/a.wad";
    QTest::newRow("writing the target") << FileOperation::Write << "dst/old.wad";
}

void TestFileCopy::copyFileInjectedFaults()
{
    QFETCH(FileOperation, operation);
    QFETCH(QString, failing);
    InstallTree tree(InstallTree::Empty);
    QVERIFY(tree.isValid());
    buildTree(tree);
    FaultInjector::fail(operation, tree.path(failing), ErrorNumber::FileAlreadyOpen);
    QCOMPARE(FileOperations::copyFile(tree.path("src/a.wad"), tree.path("dst/old.wad")),
             ErrorNumber::FileAlreadyOpen);
    QCOMPARE(tree.readFile("dst/old.wad"), kOld);
    QCOMPARE(entriesOf(tree, "dst"), (QStringList{"RO.WAD", "folder.wad", "old.wad"}));
}

void TestFileCopy::copyFileLargerThanOnePiece()
{
    InstallTree tree(InstallTree::Empty);
    QVERIFY(tree.isValid());
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
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("injected");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("new file") << "dst/new.txt" << false << 0 << "dst/new.txt" << kNew;
    QTest::newRow("replaces another case") << "DST/Old.Wad" << false << 0 << "dst/old.wad" << kNew;
    QTest::newRow("injected failure") << "dst/old.wad" << true << 55 << "dst/old.wad" << kOld;
    QTest::newRow("a folder") << "dst/folder.wad" << false << 75 << "dst/old.wad" << kOld;
    QTest::newRow("missing folder") << "gone/new.txt" << false << 76 << "dst/old.wad" << kOld;
}

void TestFileCopy::writeFile()
{
    QFETCH(QString, path);
    QFETCH(bool, injected);
    QFETCH(int, error);
    QFETCH(QString, written);
    QFETCH(QByteArray, content);
    InstallTree tree(InstallTree::Empty);
    QVERIFY(tree.isValid());
    buildTree(tree);
    if (injected)
        FaultInjector::fail(FileOperation::Write, tree.path(path), ErrorNumber::FileAlreadyOpen);
    QCOMPARE(int(FileOperations::writeFile(tree.path(path), kNew)), error);
    QCOMPARE(tree.readFile(written), content);
    QVERIFY(tree.isFolder("dst/folder.wad"));
    for (const QString& entry : entriesOf(tree, "dst"))
        QVERIFY2(!entry.contains(u'~') && entry.count(u'.') == 1, qPrintable(entry));
}

QTEST_GUILESS_MAIN(TestFileCopy)
#include "tst_filecopy.moc"
