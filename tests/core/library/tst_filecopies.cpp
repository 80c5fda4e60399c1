// Copies of several files shown as one piece of work: the total, the files in their order, and
// a copy that stops at its first failure with its progress ended.

#include "core/library/FileCopies.h"

#include "support/RecordingProgress.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace z3d;
using z3d::test::RecordingProgress;

namespace {

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestFileCopies : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void everyByteCounted();
    void firstFailureStops();

private:
    QString from() const { return m_dir->filePath("Gwads"); }
    QString to() const { return m_dir->filePath("Pwads"); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestFileCopies::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir().mkpath(from()) && QDir().mkpath(to()));
}

void TestFileCopies::everyByteCounted()
{
    const QByteArray big(5 * 1024 * 1024 + 3, 'w'); // more than one copy chunk
    QVERIFY(writeAll(from() + "/big.wad", big));
    QVERIFY(writeAll(from() + "/empty.deh", {}));
    QVERIFY(writeAll(from() + "/small.txt", "small"));
    RecordingProgress progress;

    QCOMPARE(copyFiles(folderCopies(from(), {"big.wad", "empty.deh", "small.txt"}, to()), &progress,
                       kCopyingTitle),
             ErrorNumber::None);
    QCOMPARE(readAll(to() + "/big.wad"), big);
    QCOMPARE(readAll(to() + "/small.txt"), QByteArray("small"));
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
    QVERIFY(writeAll(from() + "/a.wad", "a"));
    QVERIFY(writeAll(from() + "/c.wad", "c"));
    RecordingProgress progress;

    QCOMPARE(copyFiles(folderCopies(from(), {"a.wad", "missing.wad", "c.wad"}, to()), &progress,
                       kInstallingTitle),
             ErrorNumber::FileNotFound);
    QCOMPARE(QDir(to()).entryList(QDir::Files), QStringList{"a.wad"});
    QCOMPARE(progress.open(), 0);
    // Without a progress the copy is the same.
    QCOMPARE(copyFiles(folderCopies(from(), {"c.wad"}, to()), nullptr, kInstallingTitle),
             ErrorNumber::None);
    QCOMPARE(readAll(to() + "/c.wad"), QByteArray("c"));
}

QTEST_GUILESS_MAIN(TestFileCopies)
#include "tst_filecopies.moc"
