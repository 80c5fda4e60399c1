// Runs the real Zorn3D demo engine and reads back what it recorded in Zorn3D.out.

#include "support/DataTable.h"
#include "support/FileBytes.h"
#include "support/TestRegistry.h"
#include "support/ToolRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace z3d::test;

namespace {

const QString EnginePath = QStringLiteral(Z3D_BIN_DIR "/Zorn3D");

int runEngine(const QString& workingFolder, const QStringList& arguments)
{
    return runTool(EnginePath, arguments, workingFolder).exitCode;
}

} // namespace

class TestDemoEngine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void recordsArguments_data();
    void recordsArguments();
    void appendsAcrossRuns();
    void unwritableRecord();
};

void TestDemoEngine::initTestCase()
{
    QVERIFY2(QFile::exists(EnginePath), "build the Zorn3D target first");
}

void TestDemoEngine::recordsArguments_data()
{
    const DataTable<QStringList, QByteArray> row("arguments", "line");

    row("no arguments", QStringList(), QByteArray("Zorn3D\n"));
    row("plain", QStringList{"-iwad", "Iwads\\Doom2.wad", "-warp", "07"},
        QByteArray("Zorn3D [-iwad] [Iwads\\Doom2.wad] [-warp] [07]\n"));
    row("blanks kept inside one argument",
        QStringList{"-file", "Z3DGames\\My Game\\Pwads\\a b.wad", "  padded  "},
        QByteArray("Zorn3D [-file] [Z3DGames\\My Game\\Pwads\\a b.wad] [  padded  ]\n"));
    row("quotes and backslashes verbatim", QStringList{"say \"hi\"", "C:\\path\\", "\\\"", "["},
        QByteArray("Zorn3D [say \"hi\"] [C:\\path\\] [\\\"] [[]\n"));
    row("empty argument", QStringList{"", "x"}, QByteArray("Zorn3D [] [x]\n"));
    row("escaped characters", QStringList{"100%", "a]b", "two\nlines", "cr\rhere"},
        QByteArray("Zorn3D [100%25] [a%5Db] [two%0Alines] [cr%0Dhere]\n"));
    row("UTF-8", QStringList{QStringLiteral("Caf\u00e9")}, QByteArray("Zorn3D [Caf\xc3\xa9]\n"));
}

void TestDemoEngine::recordsArguments()
{
    const auto [arguments, line] = fetchRow<QStringList, QByteArray>("arguments", "line");
    QTemporaryDir dir;
    QCOMPARE(runEngine(dir.path(), arguments), 0);
    QCOMPARE(readBytes(dir.filePath(QStringLiteral("Zorn3D.out"))), line);
}

void TestDemoEngine::appendsAcrossRuns()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("Zorn3D.out"));
    QFile existing(out);
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("earlier line\n");
    existing.close();

    QCOMPARE(runEngine(dir.path(), {"-iwad", "Iwads\\Doom.wad", "-skill", "3"}), 0);
    QCOMPARE(runEngine(dir.path(), {"-loadgame", "3", "+set x \"a b\""}), 0);
    QCOMPARE(readBytes(out), QByteArray("earlier line\n"
                                        "Zorn3D [-iwad] [Iwads\\Doom.wad] [-skill] [3]\n"
                                        "Zorn3D [-loadgame] [3] [+set x \"a b\"]\n"));
    // Nothing is written anywhere but the working folder.
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{"Zorn3D.out"});
}

void TestDemoEngine::unwritableRecord()
{
    // A folder in the record's place makes the write fail: the engine says so and fails.
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Zorn3D.out")));
    QCOMPARE(runEngine(dir.path(), {"-iwad"}), 1);
}

Z3D_TEST_GUILESS_MAIN(TestDemoEngine)
#include "tst_demoengine.moc"
