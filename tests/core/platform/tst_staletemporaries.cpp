// What a launcher killed in the middle of a write leaves behind, removed at the next start-up
// whatever its date, the player's files of similar names left alone, and the work of a launcher
// still running on the installation spared.

#include "core/library/ZipExtraction.h"
#include "core/platform/FileOperations.h"
#include "core/platform/InstallationLock.h"
#include "core/platform/ReplacementFile.h"
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
#include <utility>
#include <zip.h>

using namespace z3d;
using namespace z3d::test;

namespace {

// Calls work, once, as soon as the second member's first bytes are written: the first one
// waits, written whole, for its rename.
class SecondMemberProgress : public Progress
{
public:
    explicit SecondMemberProgress(std::function<void()> work) : m_work(std::move(work)) {}
    void begin(const QString&, qint64) override {}
    void advance(const QString& fileName, qint64 doneBytes) override
    {
        if (fileName == u"e2.wad" && doneBytes > 0 && m_work)
            std::exchange(m_work, {})();
    }
    void advanceCount(const QString&, qint64) override {}
    void end() override {}

private:
    std::function<void()> m_work;
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
const QByteArray kSecondWad = QByteArray("PWAD") + QByteArray(3000, '2');

// The start-up sweep of a launcher of the installation, to its end.
void sweepAtStartup(const InstallTree& tree)
{
    StaleTemporarySweep sweep(tree.paths());
    sweep.begin();
    sweep.finish();
}

// The launcher's temporaries in folder.
QStringList temporariesIn(const QString& folder)
{
    return QDir(folder).entryList({".z3d*"}, QDir::Files | QDir::Hidden);
}

// Dates every member of the zip at path as given.
bool dateMembers(const QString& path, const QDateTime& date)
{
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), 0, nullptr);
    if (!archive)
        return false;
    bool dated = true;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i)
        dated = dated && zip_file_set_mtime(archive, zip_uint64_t(i),
                                            time_t(date.toSecsSinceEpoch()), 0) == 0;
    return zip_close(archive) == 0 && dated;
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
    void sweepSparesALauncherWriting_data();
    void sweepSparesALauncherWriting();
    void anotherLaunchersStartLeavesAnExtractionWhole_data();
    void anotherLaunchersStartLeavesAnExtractionWhole();
    void cleanup();
};

void TestStaleTemporaries::cleanup()
{
    InstallationLock::setInstallation({});
}

void TestStaleTemporaries::leftByAKilledLauncher_data()
{
    const DataTable<QString, QString> row("work", "folder");
    row("settings written", "settings", "Z3DLaunch");
    row("record written", "record", "Z3DLaunch/GameInfo/Save/Gwads/castle");
    row("wad installed", "copy", "Z3DGames/Castle/Pwads");
    row("wad converted", "copy", "Z3DGames/Castle/Gwads");
    row("zip installed", "zip", "Z3DGames/Castle/Pwads");
    // Its members keep the archive's date: a time to come is no sign of a file being written.
    row("zip dated 2099 installed", "zip of 2099", "Z3DGames/Castle/Pwads");
    row("zip chosen in the zip library", "zip", "Z3DLaunch/Zips");
}

void TestStaleTemporaries::leftByAKilledLauncher()
{
    QFETCH(QString, work);
    QFETCH(QString, folder);
    InstallTree tree;
    const QString target = tree.addFile(folder + "/castle.wad", "earlier");
    const QString source = tree.addFile("Downloads/castle.wad", kWad);
    const QString zip = tree.path("Downloads/castle.zip");
    QVERIFY(writeZip(zip, {{"castle.wad", kWad}, {"e2.wad", kWad}}));
    if (work == "zip of 2099")
        QVERIFY(dateMembers(zip, QDateTime(QDate(2099, 1, 1), QTime(12, 0), Qt::UTC)));
    InstallationLock::setInstallation(tree.paths().launcherDir);

    QVERIFY(killedDuring([&] {
        if (work == "copy") {
            FileOperations::copyFile(source, target, FileOperations::ReadOnlyTarget::Refuse,
                                     [](qint64) { _exit(0); });
        } else if (work.startsWith("zip")) {
            SilentDialogs dialogs;
            SecondMemberProgress killer([] { _exit(0); });
            ZipExtraction(dialogs, &killer).extract(zip, tree.path(folder));
        } else {
            ReplacementFile file(target);
            if (file.open() == ErrorNumber::None && file.write(kWad) == ErrorNumber::None)
                _exit(0);
        }
    }));
    // A replacement's temporary has no name until it is renamed into place where the file
    // system allows that, so a kill leaves nothing; elsewhere, and for an extraction's members
    // written whole, it leaves a file that the start-up removes.
    if (work.startsWith("zip"))
        QCOMPARE(temporariesIn(tree.path(folder)).size(), 1);
    sweepAtStartup(tree);

    QStringList files = QDir(tree.path(folder)).entryList(QDir::Files | QDir::Hidden);
    files.removeOne(InstallationLock::kFileName);
    QCOMPARE(files, QStringList{"castle.wad"});
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
    // A write-permission probe's folder, left by a kill (a folder when the name ends in '/').
    row("probe folder", "Z3DLaunch/Admin.4242/", true);
    row("probe folder of a second choice", "Z3DLaunch/Admin.1-1/", true);
    row("probe folder with something in it", "Z3DLaunch/Admin.1/notes.txt", false);
    row("classic probe folder", "Z3DLaunch/Admin/", false);
    row("probe-like folder", "Z3DLaunch/Admin.x/", false);
    row("probe-like folder elsewhere", "Z3DLaunch/Data/Admin.4242/", false);
}

void TestStaleTemporaries::playersFilesStay()
{
    const auto [file, removed] = fetchRow<QString, bool>("file", "removed");
    InstallTree tree;
    tree.addEntry(file, "player's");
    tree.addFile("Z3DLaunch/config.z3d", "whole");
    // A folder of the form is no temporary file, and a link is not followed.
    tree.addFolder("Z3DLaunch/GameInfo/.z3dsave-Folder/");
    tree.addFile("Elsewhere/.z3dsave-aBcDeF", "elsewhere");
    QVERIFY(QFile::link(tree.path("Elsewhere"), tree.path("Z3DLaunch/GameInfo/Linked")));

    sweepAtStartup(tree);

    QCOMPARE(tree.exists(file), !removed);
    QCOMPARE(tree.readFile("Z3DLaunch/config.z3d"), QByteArray("whole"));
    QVERIFY(tree.isFolder("Z3DLaunch/GameInfo/.z3dsave-Folder"));
    QVERIFY(tree.exists("Elsewhere/.z3dsave-aBcDeF"));
}

// What the sweep finds while another launcher of the installation writes (this one, on the main
// thread, or another process) is that launcher's, whatever its date.
void TestStaleTemporaries::sweepSparesALauncherWriting_data()
{
    const DataTable<QString, bool> row("left", "writing");
    const QString inGame = "Z3DGames/Castle/Pwads/.z3dzip-Ab12Cd";
    const QString inLauncher = "Z3DLaunch/Zips/.z3dzip-Ab12Cd";
    const QString probe = "Z3DLaunch/Admin.4242/";
    row("game folder, nobody writing", inGame, false);
    row("game folder, a launcher writing", inGame, true);
    row("launcher folder, nobody writing", inLauncher, false);
    row("launcher folder, a launcher writing", inLauncher, true);
    row("probe folder, nobody probing", probe, false);
    row("probe folder, a launcher probing", probe, true);
}

void TestStaleTemporaries::sweepSparesALauncherWriting()
{
    const auto [left, writing] = fetchRow<QString, bool>("left", "writing");
    InstallTree tree;
    tree.addEntry(left, "written an hour ago");
    InstallationLock writer(tree.paths().launcherDir);
    if (writing)
        writer.lockShared();

    sweepAtStartup(tree);

    QCOMPARE(tree.exists(left), writing);
}

// Two launchers of one installation that do not meet (other users, other temporary folders):
// the second one starts while the first extracts, and the first still gets its archive whole,
// not mixed with the one it replaces.
void TestStaleTemporaries::anotherLaunchersStartLeavesAnExtractionWhole_data()
{
    const DataTable<QString> row("folder");
    row("zip installed", "Z3DGames/Castle/Pwads");
    row("zip chosen in the zip library", "Z3DLaunch/Zips");
}

void TestStaleTemporaries::anotherLaunchersStartLeavesAnExtractionWhole()
{
    QFETCH(QString, folder);
    InstallTree tree;
    tree.addFile(folder + "/castle.wad", "the archive before");
    tree.addFile(folder + "/e2.wad", "the archive before");
    const QString zip = tree.addFolder("Downloads") + "/castle.zip";
    QVERIFY(writeZip(zip, {{"castle.wad", kWad}, {"e2.wad", kSecondWad}}));
    InstallationLock::setInstallation(tree.paths().launcherDir);

    bool secondStarted = false;
    SecondMemberProgress secondLauncher([&] {
        const pid_t child = fork();
        if (child == 0) {
            sweepAtStartup(tree);
            _exit(0);
        }
        int status = 0;
        secondStarted = child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status);
    });
    SilentDialogs dialogs;
    QVERIFY(ZipExtraction(dialogs, &secondLauncher).extract(zip, tree.path(folder)));

    QVERIFY(secondStarted);
    QCOMPARE(tree.readFile(folder + "/castle.wad"), kWad);
    QCOMPARE(tree.readFile(folder + "/e2.wad"), kSecondWad);
    QCOMPARE(temporariesIn(tree.path(folder)), QStringList());
}

Z3D_TEST_GUILESS_MAIN(TestStaleTemporaries)
#include "tst_staletemporaries.moc"
