// Runs the real z3d-stage-demo into a throw-away folder and inspects the tree it builds,
// reading its wads and saves through the real checker.

#include "support/DataTable.h"
#include "support/FileBytes.h"
#include "support/TestRegistry.h"
#include "support/ToolRun.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace z3d::test;

namespace {

const QString BinDir = QStringLiteral(Z3D_BIN_DIR);
const QString StagerPath = BinDir + QStringLiteral("/z3d-stage-demo");
const QString CheckerPath = BinDir + QStringLiteral("/Z3DgFiles");
const QString FreedoomDir = QStringLiteral("/usr/share/games/doom");

QStringList mapsOf(const QString& wad)
{
    QStringList names;
    const QList<QByteArray> lines = runTool(CheckerPath, {"CHECKWAD", wad}).output.split('\n');
    for (const QByteArray& line : lines.mid(3))
        if (!line.isEmpty())
            names.append(QString::fromLatin1(line.left(5).trimmed()));
    return names;
}

// Member names from a zip's central directory.
QStringList zipMembers(const QString& path)
{
    const QByteArray zip = readBytes(path);
    const qsizetype end = zip.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (end < 0 || end + 22 > zip.size())
        return {};
    const int count = qFromLittleEndian<quint16>(zip.constData() + end + 10);
    qsizetype at = qFromLittleEndian<quint32>(zip.constData() + end + 16);
    QStringList names;
    for (int i = 0; i < count && at + 46 <= zip.size(); ++i) {
        if (zip.mid(at, 4) != QByteArray("PK\x01\x02", 4))
            return {};
        const int nameLength = qFromLittleEndian<quint16>(zip.constData() + at + 28);
        const int extraLength = qFromLittleEndian<quint16>(zip.constData() + at + 30);
        const int commentLength = qFromLittleEndian<quint16>(zip.constData() + at + 32);
        names.append(QString::fromUtf8(zip.mid(at + 46, nameLength)));
        at += 46 + nameLength + extraLength + commentLength;
    }
    return names;
}

} // namespace

class TestStageDemo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void folders_data();
    void folders();
    void programs();
    void iwads_data();
    void iwads();
    void games_data();
    void games();
    void zipLibrary();
    void saves();
    void tipsAndDocs();
    void restageKeepsOnlySettings();
    void refusesForeignFolder();
    void failureKeepsPreviousTree();

private:
    QTemporaryDir m_dir;
    QString m_demo;
};

void TestStageDemo::initTestCase()
{
    QVERIFY2(QFile::exists(StagerPath), "build the z3d-stage-demo target first");
    QVERIFY(m_dir.isValid());
    m_demo = m_dir.filePath(QStringLiteral("demo"));
    const ToolRun staged = runTool(StagerPath, {BinDir, m_demo, FreedoomDir});
    QVERIFY2(staged.exitCode == 0, staged.output.constData());
}

void TestStageDemo::folders_data()
{
    const DataTable<QString> row("folder");
    for (const char* folder :
         {"bin", "Z3DLaunch", "Z3DLaunch/Data", "Z3DLaunch/Music", "Z3DLaunch/GameInfo", "Z3DGames",
          "Z3DArchives", "Defs/Base", "Defs/Model", "Defs/Model/Addon", "Defs/Model/Pellam",
          "Defs/Model/Orrinpack", "Defs/Custom", "Md2", "Data", "Iwads", "Z3D_Docs"})
        row(folder, QString::fromLatin1(folder));
}

void TestStageDemo::folders()
{
    QFETCH(QString, folder);
    const QFileInfo info(m_demo + '/' + folder);
    QVERIFY2(info.isDir() && !info.isSymLink(), qPrintable(folder));
}

void TestStageDemo::programs()
{
    for (const QString name : {"Zorn3D", "Z3DgFiles", "Z3Dlauncher"}) {
        const QString built = BinDir + '/' + name;
        const QFileInfo copy(m_demo + QStringLiteral("/bin/") + name);
        if (name == QStringLiteral("Z3Dlauncher") && !QFile::exists(built)) {
            QVERIFY(!copy.exists());
            continue;
        }
        QVERIFY2(copy.isFile() && !copy.isSymLink(), qPrintable(name));
        QVERIFY(copy.isExecutable());
        QCOMPARE(readBytes(copy.filePath()), readBytes(built));
    }
    for (const QString name : {"unzip32.dll", "fmodex.dll", "eax.dll"}) {
        const QFileInfo placeholder(m_demo + QStringLiteral("/bin/") + name);
        QVERIFY2(placeholder.isFile(), qPrintable(name));
        QCOMPARE(placeholder.size(), 0);
    }
    // The staged engine runs and records its arguments where it is started.
    QTemporaryDir work;
    QProcess engine;
    engine.setWorkingDirectory(work.path());
    engine.start(m_demo + QStringLiteral("/bin/Zorn3D"), {"-iwad", "Iwads\\Doom2.wad"});
    QVERIFY(engine.waitForFinished(30000));
    QCOMPARE(readBytes(work.filePath(QStringLiteral("Zorn3D.out"))),
             QByteArray("Zorn3D [-iwad] [Iwads\\Doom2.wad]\n"));
}

void TestStageDemo::iwads_data()
{
    const DataTable<QString, QString, int, QString> row("source", "iwad", "mapCount", "firstMap");
    row("Doom", "freedoom1.wad", "Iwads/Doom.wad", 36, "E1M1");
    row("Doom II", "freedoom2.wad", "Iwads/Doom2.wad", 32, "MAP01");
}

void TestStageDemo::iwads()
{
    const auto [source, iwad, mapCount, firstMap] =
        fetchRow<QString, QString, int, QString>("source", "iwad", "mapCount", "firstMap");
    const QString original = FreedoomDir + '/' + source;
    if (!QFile::exists(original))
        QSKIP("Freedoom is not installed");
    const QFileInfo copy(m_demo + '/' + iwad);
    QVERIFY(copy.isFile() && !copy.isSymLink());
    QCOMPARE(copy.size(), QFileInfo(original).size());
    QFile a(original);
    QFile b(copy.filePath());
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCryptographicHash hashA(QCryptographicHash::Sha1);
    QCryptographicHash hashB(QCryptographicHash::Sha1);
    QVERIFY(hashA.addData(&a) && hashB.addData(&b));
    QCOMPARE(hashB.result(), hashA.result());
    const QStringList maps = mapsOf(copy.filePath());
    QCOMPARE(maps.size(), mapCount);
    QCOMPARE(maps.first(), firstMap);
}

void TestStageDemo::games_data()
{
    const DataTable<QString, QStringList, QString> row("wad", "maps", "info");

    row("Outpost main", "Z3DGames/Outpost/Pwads/outpost.wad",
        QStringList{"MAP01", "MAP02", "MAP03"}, "Z3DGames/Outpost/Pwads/outpost.txt");
    row("Outpost resources", "Z3DGames/Outpost/Pwads/outpost_res.wad", QStringList(),
        "Z3DGames/Outpost/Pwads/outpost.txt");
    row("Quarry", "Z3DGames/Quarry/Pwads/quarry.wad", QStringList{"E1M1", "E1M2", "E1M3", "E1M4"},
        "Z3DGames/Quarry/Pwads/quarry.txt");
    row("Sampler text maps", "Z3DGames/Sampler/Gwads/sampler_a.wad", QStringList{"MAP01", "MAP02"},
        "Z3DGames/Sampler/Gwads/sampler.txt");
    row("Sampler episode", "Z3DGames/Sampler/Gwads/sampler_b.wad",
        QStringList{"E2M1", "E2M2", "E2M3"}, "Z3DGames/Sampler/Gwads/sampler.txt");
}

void TestStageDemo::games()
{
    const auto [wad, maps, info] = fetchRow<QString, QStringList, QString>("wad", "maps", "info");
    const QString path = m_demo + '/' + wad;
    QVERIFY2(QFileInfo(path).isFile(), qPrintable(wad));
    const ToolRun check = runTool(CheckerPath, {"CHECKWAD", path});
    QCOMPARE(check.exitCode, 0); // an intact directory
    QCOMPARE(mapsOf(path), maps);
    QVERIFY(QFileInfo(path).size() < 64 * 1024);
    const QByteArray text = readBytes(m_demo + '/' + info);
    QVERIFY(!text.isEmpty() && text.endsWith("\r\n"));
}

void TestStageDemo::zipLibrary()
{
    const QString zip = m_demo + QStringLiteral("/Z3DArchives/Canyon.zip");
    QVERIFY(QFileInfo(zip).isFile());
    QStringList members = zipMembers(zip);
    members.sort();
    QCOMPARE(members, QStringList({"canyon.txt", "canyon.wad"}));
}

void TestStageDemo::saves()
{
    const QString folder = m_demo + QStringLiteral("/Z3DGames/Outpost/savegame");
    const ToolRun headers = runTool(CheckerPath, {"GETSAVEHDRS", folder});
    QCOMPARE(headers.exitCode, 0);
    QCOMPARE(headers.output, QByteArray("\"1Outpost entry hall\"\n\"3Reactor, second try\"\n"));
}

void TestStageDemo::tipsAndDocs()
{
    const QByteArray tips = readBytes(m_demo + QStringLiteral("/Z3DLaunch/Data/tips.txt"));
    QVERIFY(tips.endsWith("\r\n"));
    const QList<QByteArray> lines = tips.chopped(2).split('\n');
    QVERIFY(lines.size() >= 5);
    for (const QByteArray& line : lines) {
        QVERIFY(line.endsWith('\r') || &line == &lines.last());
        QVERIFY(line.trimmed().size() > 10);
    }
    const QStringList docs =
        QDir(m_demo + QStringLiteral("/Z3D_Docs")).entryList({"*.txt"}, QDir::Files);
    QCOMPARE(docs.size(), 1);
    QVERIFY(QFileInfo(m_demo + QStringLiteral("/Z3D_Docs/") + docs.first()).size() > 100);
}

void TestStageDemo::restageKeepsOnlySettings()
{
    QTemporaryDir dir;
    const QString demo = dir.filePath(QStringLiteral("demo"));
    QCOMPARE(runTool(StagerPath, {BinDir, demo, FreedoomDir}).exitCode, 0);

    const QByteArray settings("v7.5\r\n 1 \r\n");
    const auto write = [&](const QString& relative, const QByteArray& bytes) {
        return writeBytes(demo + '/' + relative, bytes);
    };
    QVERIFY(write(QStringLiteral("Z3DLaunch/config.z3d"), settings));
    QVERIFY(write(QStringLiteral("Z3DLaunch/launch.log"), "Bin\\Zorn3D -iwad x\r\n"));
    QVERIFY(write(QStringLiteral("Zorn3D.out"), "Zorn3D [-iwad]\n"));
    QVERIFY(
        write(QStringLiteral("Z3DGames/Outpost/savegame/Zorn3DSav5.z3dsg"), QByteArray(40, 'x')));
    QVERIFY(write(QStringLiteral("Z3DGames/Outpost/Pwads/outpost.wad"), "overwritten"));
    QVERIFY(QDir(demo).mkpath(QStringLiteral("Z3DGames/Installed Later/Pwads")));

    QCOMPARE(runTool(StagerPath, {BinDir, demo, FreedoomDir}).exitCode, 0);
    QCOMPARE(readBytes(demo + QStringLiteral("/Z3DLaunch/config.z3d")), settings);
    for (const char* stale :
         {"Z3DLaunch/launch.log", "Zorn3D.out", "Z3DGames/Outpost/savegame/Zorn3DSav5.z3dsg",
          "Z3DGames/Installed Later"})
        QVERIFY2(!QFileInfo::exists(demo + '/' + stale), stale);
    QCOMPARE(mapsOf(demo + QStringLiteral("/Z3DGames/Outpost/Pwads/outpost.wad")).size(), 3);
    // No working folders are left beside the tree.
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList{"demo"});
}

void TestStageDemo::refusesForeignFolder()
{
    QTemporaryDir dir;
    const QString foreign = dir.filePath(QStringLiteral("Documents"));
    QVERIFY(QDir().mkpath(foreign));
    const QString letter = foreign + QStringLiteral("/letter.txt");
    QVERIFY(writeBytes(letter, "keep me"));

    const ToolRun refused = runTool(StagerPath, {BinDir, foreign, FreedoomDir});
    QCOMPARE(refused.exitCode, 1);
    QVERIFY(refused.output.contains("not replacing"));
    QCOMPARE(readBytes(letter), QByteArray("keep me"));
    QCOMPARE(QDir(foreign).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList{"letter.txt"});
}

void TestStageDemo::failureKeepsPreviousTree()
{
    QTemporaryDir dir;
    const QString demo = dir.filePath(QStringLiteral("demo"));
    QCOMPARE(runTool(StagerPath, {BinDir, demo, FreedoomDir}).exitCode, 0);
    const QString settings = demo + QStringLiteral("/Z3DLaunch/config.z3d");
    QVERIFY(writeBytes(settings, "v7.5\r\n"));

    // A bin folder without the programs makes the stage fail half-way.
    const ToolRun failed = runTool(StagerPath, {dir.filePath(QStringLiteral("empty-bin")), demo});
    QCOMPARE(failed.exitCode, 1);
    QVERIFY(failed.output.contains("missing"));
    QCOMPARE(readBytes(settings), QByteArray("v7.5\r\n"));
    QVERIFY(QFileInfo(demo + QStringLiteral("/bin/Zorn3D")).isFile());
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList{"demo"});
}

Z3D_TEST_GUILESS_MAIN(TestStageDemo)
#include "tst_stagedemo.moc"
