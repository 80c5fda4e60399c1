// Runs the real z3d-install (`make install`) into throw-away engine installations and a
// throw-away applications folder, and checks what lands where; the menu entry it writes is
// judged by desktop-file-validate.

#include "support/DataTable.h"
#include "support/FileBytes.h"
#include "support/TestRegistry.h"
#include "support/ToolRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace z3d::test;

namespace {

const QString kBinDir = QStringLiteral(Z3D_BIN_DIR);
const QString kInstaller = kBinDir + QStringLiteral("/z3d-install");
const QString kIconSource = QStringLiteral(Z3D_SOURCE_DIR "/tools/install/z3dlauncher.png");

ToolRun run(const QStringList& arguments, const QString& workingFolder = QString())
{
    return runTool(kInstaller, arguments, workingFolder);
}

bool executable(const QString& path)
{
    const QFile::Permissions p = QFile::permissions(path);
    return p.testFlag(QFile::ExeOwner) && p.testFlag(QFile::ExeOther);
}

// An engine installation with the files a real one ships in bin, under root/name.
struct Installation
{
    explicit Installation(const QString& name = QStringLiteral("Zorn3D"),
                          const QString& bin = QStringLiteral("bin"), bool ownChecker = true)
    {
        root = dir.filePath(name);
        binDir = root + u'/' + bin;
        applications = dir.filePath(QStringLiteral("Home/.local/share/applications"));
        QStringList files{"Zorn3D.exe", "unzip32.dll", "fmodex.dll", "eax.dll"};
        if (ownChecker)
            files << QStringLiteral("Z3DgFiles.exe");
        for (const QString& file : files)
            writeBytes(binDir + u'/' + file, "MZ engine file");
    }

    ToolRun install() { return run({kBinDir, root, applications}); }
    QString entry() const { return applications + QStringLiteral("/Z3DLauncher.desktop"); }

    QTemporaryDir dir;
    QString root;
    QString binDir;
    QString applications;
};

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(kInstaller).isExecutable(), "build z3d-install first");
        QVERIFY(QFileInfo(kBinDir + QStringLiteral("/Z3Dlauncher")).isFile());
    }

    void installsTheLauncherBesideTheEngine()
    {
        Installation installation;
        const ToolRun result = installation.install();
        QVERIFY2(result.exitCode == 0, result.output.constData());
        const QString bin = installation.binDir;
        QCOMPARE(readBytes(bin + "/Z3Dlauncher"), readBytes(kBinDir + "/Z3Dlauncher"));
        QVERIFY(executable(bin + "/Z3Dlauncher"));
        QVERIFY2(!QFileInfo::exists(bin + "/Z3DgFiles"), "the installation has its checker");
        QCOMPARE(readBytes(bin + "/Z3DgFiles.exe"), QByteArray("MZ engine file"));
        QCOMPARE(readBytes(bin + "/Z3Dlauncher.png"), readBytes(kIconSource));
        QVERIFY(readBytes(bin + "/Z3Dlauncher.png").startsWith("\x89PNG\r\n\x1a\n"));

        QCOMPARE(readBytes(installation.entry()),
                 QByteArray("[Desktop Entry]\n"
                            "Type=Application\n"
                            "Version=1.0\n"
                            "Name=Z3DLauncher\n"
                            "Comment=Choose a Doom game, a map and the options, and start "
                            "Zorn3D\n"
                            "Exec=" +
                            bin.toUtf8() +
                            "/Z3Dlauncher\n"
                            "Path=" +
                            bin.toUtf8() +
                            "\n"
                            "Icon=" +
                            bin.toUtf8() +
                            "/Z3Dlauncher.png\n"
                            "Terminal=false\n"
                            "Categories=Game;\n"));
    }

    void aRelativeInstallationIsNamedByItsFullPath()
    {
        Installation installation;
        const ToolRun result = run(
            {kBinDir, QStringLiteral("Zorn3D"), QStringLiteral("Home/.local/share/applications")},
            installation.dir.path());
        QVERIFY2(result.exitCode == 0, result.output.constData());
        QVERIFY(readBytes(installation.entry())
                    .contains("\nExec=" + installation.binDir.toUtf8() + "/Z3Dlauncher\n"));
        QVERIFY(QFileInfo(installation.binDir + "/Z3Dlauncher").isExecutable());
    }

    void copiesTheCheckerWhereThereIsNone()
    {
        Installation installation(QStringLiteral("Zorn3D"), QStringLiteral("bin"), false);
        // An earlier copy of ours is replaced.
        QVERIFY(writeBytes(installation.binDir + "/Z3DgFiles", "old checker"));
        const ToolRun result = installation.install();
        QVERIFY2(result.exitCode == 0, result.output.constData());
        QCOMPARE(readBytes(installation.binDir + "/Z3DgFiles"), readBytes(kBinDir + "/Z3DgFiles"));
        QVERIFY(executable(installation.binDir + "/Z3DgFiles"));
        QVERIFY(!QFileInfo::exists(installation.binDir + "/Z3DgFiles.exe"));
    }

    void namesOfAnotherCaseAreReplacedInPlace()
    {
        Installation installation(QStringLiteral("Zorn3D"), QStringLiteral("Bin"));
        QVERIFY(writeBytes(installation.binDir + "/z3dlauncher", "old launcher"));
        QVERIFY(writeBytes(installation.applications + "/z3dlauncher.DESKTOP", "old entry"));
        const ToolRun result = installation.install();
        QVERIFY2(result.exitCode == 0, result.output.constData());
        QCOMPARE(QDir(installation.binDir).entryList({"z3dlauncher*"}, QDir::Files),
                 (QStringList{"z3dlauncher", "Z3Dlauncher.png"}));
        QCOMPARE(readBytes(installation.binDir + "/z3dlauncher"),
                 readBytes(kBinDir + "/Z3Dlauncher"));
        QCOMPARE(QDir(installation.applications).entryList(QDir::Files),
                 QStringList{"z3dlauncher.DESKTOP"});
        QVERIFY(readBytes(installation.applications + "/z3dlauncher.DESKTOP")
                    .contains("Exec=" + installation.binDir.toUtf8() + "/z3dlauncher\n"));
    }

    void theMenuEntryPassesDesktopFileValidate_data()
    {
        const DataTable<QString> row("folder");
        row("plain", QStringLiteral("Zorn3D"));
        row("blanks and shell characters",
            QStringLiteral("My Games/Zorn3D & \"co\" $HOME 100% (new)"));
        row("beyond ASCII", QStringLiteral("Jeux/Château"));
    }

    void theMenuEntryPassesDesktopFileValidate()
    {
        QFETCH(QString, folder);
        const QString validator =
            QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (validator.isEmpty())
            QSKIP("desktop-file-validate (Debian package desktop-file-utils) is not installed");
        Installation installation(folder);
        const ToolRun result = installation.install();
        QVERIFY2(result.exitCode == 0, result.output.constData());

        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(validator, {installation.entry()});
        QVERIFY(process.waitForFinished(60000));
        const QByteArray output = process.readAll();
        QVERIFY2(process.exitCode() == 0 && !output.contains("error"), output.constData());
        QVERIFY2(!output.contains("warning"), output.constData());
    }

    // `make install` hands the folders over whole, whatever their names hold. Its build step is
    // left out (MAKE=true): the tree is built already.
    void makeInstallTakesAnyFolderName_data()
    {
        const DataTable<QString> row("name");
        row("double quotes", "Zorn3D \"quoted\" games");
        row("one double quote", "Zorn3D\"");
        row("single quote", "Player's Zorn3D");
    }
    void makeInstallTakesAnyFolderName()
    {
        QFETCH(QString, name);
        Installation installation(name);
        const QString build = QFileInfo(kBinDir).absolutePath();
        const ToolRun result = runTool(
            QStringLiteral("make"),
            {QStringLiteral("-s"), QStringLiteral("-C"), QStringLiteral(Z3D_SOURCE_DIR),
             QStringLiteral("install"), QStringLiteral("MAKE=true"), "BUILD=" + build,
             "INSTALLATION=" + installation.root, "APPLICATIONS=" + installation.applications});
        QVERIFY2(result.exitCode == 0, result.output.constData());
        QCOMPARE(readBytes(installation.binDir + "/Z3Dlauncher"),
                 readBytes(kBinDir + "/Z3Dlauncher"));
        QVERIFY(QFileInfo::exists(installation.entry()));
    }

    void refusesAFolderWithoutBin()
    {
        Installation installation;
        QVERIFY(QDir(installation.binDir).removeRecursively());
        const ToolRun result = installation.install();
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.output.contains("has no bin folder"));
        QVERIFY2(!QFileInfo::exists(installation.applications), "nothing is written");
        QCOMPARE(QDir(installation.root).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{});

        QCOMPARE(run({kBinDir, installation.dir.filePath("Missing"), installation.applications})
                     .exitCode,
                 1);
        QVERIFY(!QFileInfo::exists(installation.applications));
    }

    void usage()
    {
        QCOMPARE(run({}).exitCode, 2);
        QCOMPARE(run({kBinDir}).exitCode, 2);
        QCOMPARE(run({kBinDir, QString()}).exitCode, 2);
        QCOMPARE(run({kBinDir, "/a", "/b", "/c"}).exitCode, 2);
    }
};

Z3D_TEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
