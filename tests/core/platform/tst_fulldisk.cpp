// Writing and copying onto a real file system filled to its last byte: the failure is reported
// as a full disk and the earlier file keeps its content, whether the bytes would have stayed in
// a writer's buffer (a small file) or not.

#include "core/platform/ErrorNumber.h"
#include "core/platform/FileOperations.h"

#include "support/DataTable.h"
#include "support/SmallTmpfs.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

const QByteArray kOld("the player's settings\r\n");

QByteArray bytesOfSize(int size)
{
    QByteArray bytes;
    for (int i = 0; bytes.size() < size; ++i)
        bytes += QByteArray::number(i) + ',';
    return bytes.left(size);
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class TestFullDisk : public QObject
{
    Q_OBJECT

private slots:
    void keepsTheEarlierFile_data();
    void keepsTheEarlierFile();
};

void TestFullDisk::keepsTheEarlierFile_data()
{
    const DataTable<bool, int> row("copy", "size");
    row("write, smaller than a buffer", false, 424);
    row("write, larger than a buffer", false, 20000);
    row("copy, smaller than a buffer", true, 424);
    row("copy, larger than a buffer", true, 20000);
}

void TestFullDisk::keepsTheEarlierFile()
{
    QFETCH(bool, copy);
    QFETCH(int, size);
    Z3D_SMALL_TMPFS(disk);
    const QString target = disk.path(QStringLiteral("config.z3d"));
    {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kOld) == kOld.size());
    }
    const QByteArray bytes = bytesOfSize(size);
    QTemporaryDir sourceDir;
    QVERIFY(sourceDir.isValid());
    const QString source = sourceDir.filePath(QStringLiteral("source.wad"));
    {
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    const auto replace = [&] {
        return copy ? FileOperations::copyFile(source, target)
                    : FileOperations::writeFile(target, bytes);
    };
    QVERIFY(disk.fill());

    QCOMPARE(replace(), ErrorNumber::DiskFull);
    QCOMPARE(contentOf(target), kOld);
    QCOMPARE(entriesOf(disk.path()), (QStringList{"config.z3d", "filler"}));

    // With the room given back the same replacement goes through.
    QVERIFY(disk.unfill());
    QCOMPARE(replace(), ErrorNumber::None);
    QVERIFY(contentOf(target) == bytes);
    QCOMPARE(entriesOf(disk.path()), QStringList{"config.z3d"});
}

Z3D_TEST_GUILESS_MAIN(TestFullDisk)
#include "tst_fulldisk.moc"
