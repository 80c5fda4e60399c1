// What a launcher killed in the middle of a write leaves behind, removed at the next start-up,
// and the player's files of similar names left alone.

#include "core/library/ZipExtraction.h"
#include "core/platform/FileOperations.h"
#include "core/platform/ReplacementFile.h"
#include "core/platform/StaleTemporaries.h"
#include "core/platform/StaleTemporarySweep.h"
#include "core/services/Progress.h"

#include "support/DataTable.h"
#include "support/GameFileBytes.h"
#include "support/InstallTree.h"
#include "support/SilentDialogs.h"
#include "support/TestRegistry.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTest>

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

using namespace z3d;
using namespace z3d::test;

namespace {

// Ends the process, as a kill would, as soon as the second member's first bytes are written:
// the first one waits, written whole, for its rename.
class KillingProgress : public Progress
{
public:
    void begin(const QString&, qint64) override {}
    void advance(const QString& fileName, qint64 doneBytes) override
    {
        if (fileName == u"e2.wad" && doneBytes > 0)
            _exit(0);
    }
    void advanceCount(const QString&, qint64) override {}
    void end() override {}
};

// Runs work in a child process that ends without tidying up; false when it ended otherwise.
bool killedDuring(const std::function<void()>& work)
{
    const pid_t child = fork();
    if (child == 0) {
        work();
        _exit(1); // the work finished: it was not killed part-way
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

const QByteArray kWad = QByteArray("PWAD") + QByteArray(3000, 'w');

// What the next start-up removes: everything left before it began.
QStringList sweptAtStartup(const InstallTree& tree)
{
    return StaleTemporaries::removeFromLauncherFolders(tree.paths()) +
           StaleTemporaries::removeFromGameFolders(tree.paths(),
                                                   std::filesystem::file_time_type::clock::now());
}

} // namespace

class TestStaleTemporaries : public QObject
{
    Q_OBJECT

private slots:
    void leftByAKilledLauncher_data();
    void leftByAKilledLauncher();
    void playersFilesStay_data();
    void playersFilesStay();
    void gameFoldersSweptBesideTheStartup();
};

void TestStaleTemporaries::leftByAKilledLauncher_data()
{
    const DataTable<QString, QString> row("work", "folder");
    row("settings written", "settings", "Z3DLaunch");
    row("record written", "record", "Z3DLaunch/GameInfo/Save/Gwads/castle");
    row("wad installed", "copy", "Z3DGames/Castle/Pwads");
    row("wad converted", "copy", "Z3DGames/Castle/Gwads");
    row("zip installed", "zip", "Z3DGames/Castle/Pwads");
    row("zip chosen in the zip library", "zip", "Z3DLaunch/Zips");
}

void TestStaleTemporaries::leftByAKilledLauncher()
{
    QFETCH(QString, work);
    QFETCH(QString, folder);
    InstallTree tree;
    QVERIFY(tree.isValid());
    const QString target = tree.addFile(folder + "/castle.wad", "earlier");
    const QString source = tree.addFile("Downloads/castle.wad", kWad);
    const QString zip = tree.path("Downloads/castle.zip");
    QVERIFY(writeZip(zip, {{"castle.wad", kWad}, {"e2.wad", kWad}}));

    QVERIFY(killedDuring([&] {
        if (work == "copy") {
            FileOperations::copyFile(source, target, FileOperations::ReadOnlyTarget::Refuse,
                                     [](qint64) { _exit(0); });
        } else if (work == "zip") {
            SilentDialogs dialogs;
            KillingProgress killer;
            ZipExtraction(dialogs, &killer).extract(zip, tree.path(folder));
        } else {
            ReplacementFile file(target);
            if (file.open() == ErrorNumber::None && file.write(kWad) == ErrorNumber::None)
                _exit(0);
        }
    }));
    const QStringList removed = tree.relative(sweptAtStartup(tree));

    // A replacement's temporary has no name until it is renamed into place where the file
    // system allows that, so a kill leaves nothing; elsewhere, and for an extraction's members
    // written whole, it leaves a file that the start-up removes.
    if (work == "zip")
        QCOMPARE(removed.size(), 1);
    for (const QString& path : removed)
        QVERIFY2(path.startsWith(folder + "/.z3d"), qPrintable(path));
    QCOMPARE(QDir(tree.path(folder)).entryList(QDir::Files | QDir::Hidden),
             QStringList{"castle.wad"});
    QCOMPARE(tree.readFile(folder + "/castle.wad"), QByteArray("earlier"));
    QCOMPARE(tree.readFile("Downloads/castle.wad"), kWad);
}

void TestStaleTemporaries::playersFilesStay_data()
{
    const DataTable<QString, bool> row("file", "removed");
    row("a replacement's temporary", "Z3DLaunch/.z3dsave-aBcDeF", true);
    row("in Data", "Z3DLaunch/Data/.z3dsave-ZZZZZZ", true);
    row("in Music", "Z3DLaunch/Music/.z3dsave-abc123", true);
    row("in a folder of GameInfo", "Z3DLaunch/GameInfo/Pwads/.z3dsave-Qwerty", true);
    row("in a game's files folder", "Z3DGames/Castle/Gwads/.z3dzip-Ab12Cd", true);
    row("in one spelled otherwise", "Z3DGames/Castle/PWADS/.z3dsave-Ab12Cd", true);
    row("player's settings backup", "Z3DLaunch/config.z3d.backup", false);
    row("player's playlist backup", "Z3DLaunch/Music/party.z3m.backup", false);
    row("player's remix", "Z3DLaunch/Music/theme.ogg.remix1", false);
    row("player's record copy", "Z3DLaunch/GameInfo/Pwads/castle.z3dm.Ab12Cd", false);
    // Earlier versions' form: it cannot be told from the player's names above.
    row("earlier versions' temporary", "Z3DLaunch/config.z3d.aBcDeF", false);
    row("temporary-looking dot-file", "Z3DLaunch/.config.z3d.aBcDeF", false);
    row("dot-file of a word", "Z3DLaunch/.abcdef", false);
    row("dot-file with an extension", "Z3DLaunch/.z3dsave-aBcDeF.txt", false);
    row("five letters", "Z3DLaunch/.z3dsave-abcde", false);
    row("seven letters", "Z3DLaunch/.z3dsave-abcdefg", false);
    row("punctuation", "Z3DLaunch/.z3dzip-ab-def", false);
}

void TestStaleTemporaries::playersFilesStay()
{
    QFETCH(QString, file);
    QFETCH(bool, removed);
    InstallTree tree;
    QVERIFY(tree.isValid());
    tree.addFile(file, "player's");
    tree.addFile("Z3DLaunch/config.z3d", "whole");
    // A folder of the form is no temporary file, and a link is not followed.
    tree.addFolder("Z3DLaunch/GameInfo/.z3dsave-Folder/");
    tree.addFile("Elsewhere/.z3dsave-aBcDeF", "elsewhere");
    QVERIFY(QFile::link(tree.path("Elsewhere"), tree.path("Z3DLaunch/GameInfo/Linked")));

    sweptAtStartup(tree);

    QCOMPARE(tree.exists(file), !removed);
    QCOMPARE(tree.readFile("Z3DLaunch/config.z3d"), QByteArray("whole"));
    QVERIFY(tree.isFolder("Z3DLaunch/GameInfo/.z3dsave-Folder"));
    QVERIFY(tree.exists("Elsewhere/.z3dsave-aBcDeF"));
}

void TestStaleTemporaries::gameFoldersSweptBesideTheStartup()
{
    InstallTree tree;
    QVERIFY(tree.isValid());
    const QString left = tree.addFile("Z3DGames/Castle/Pwads/.z3dzip-Ab12Cd", "earlier run");
    QFile earlier(left);
    QVERIFY(earlier.open(QIODevice::ReadWrite) &&
            earlier.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                QFileDevice::FileModificationTime));
    earlier.close();
    // Being written by this launcher as the sweep begins (a conversion into Gwads, say).
    tree.addFile("Z3DGames/Castle/Gwads/.z3dsave-Ab12Cd", "being written");

    StaleTemporarySweep sweep(tree.paths());
    sweep.begin();
    sweep.finish();

    QVERIFY(!tree.exists("Z3DGames/Castle/Pwads/.z3dzip-Ab12Cd"));
    QVERIFY(tree.exists("Z3DGames/Castle/Gwads/.z3dsave-Ab12Cd"));
}

Z3D_TEST_GUILESS_MAIN(TestStaleTemporaries)
#include "tst_staletemporaries.moc"
