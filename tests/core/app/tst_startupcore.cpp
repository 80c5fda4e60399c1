#include "core/app/Dependencies.h"
#include "core/app/ModelFolderTidy.h"
#include "core/app/StartupState.h"
#include "core/platform/InstallPaths.h"

#include "support/DataTable.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace z3d;
using z3d::test::DataTable;
using z3d::test::fetchRow;

Q_DECLARE_METATYPE(LauncherSwitch)

namespace {

void touch(const QString& root, const QString& relative, const QByteArray& content = {})
{
    const QString path = root + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

bool exists(const QString& root, const QString& relative)
{
    return QFileInfo::exists(root + QLatin1Char('/') + relative);
}

} // namespace

class TestStartupCore : public QObject
{
    Q_OBJECT

private slots:
    void windowTitleHasTwoBlanksAroundAnd()
    {
        QCOMPARE(buildWindowTitle(kLauncherVersion, kEngineVersion),
                 QStringLiteral("Z3DLauncher v7.5  and  Zorn3D v2.2.20"));
    }

    void launcherSwitchMustBeTheWholeCommandLine_data()
    {
        const DataTable<QStringList, LauncherSwitch> row("arguments", "expected");
        row("none", QStringList{}, LauncherSwitch::None);
        row("wine", QStringList{"/WINE"}, LauncherSwitch::Wine);
        row("wine lower case", QStringList{"/wine"}, LauncherSwitch::Wine);
        row("restart mixed case", QStringList{"/Restart"}, LauncherSwitch::Restart);
        row("both switches", QStringList{"/WINE", "/RESTART"}, LauncherSwitch::None);
        row("with a trailing blank", QStringList{"/WINE "}, LauncherSwitch::None);
        row("other", QStringList{"-wine"}, LauncherSwitch::None);
    }
    void launcherSwitchMustBeTheWholeCommandLine()
    {
        const auto [arguments, expected] =
            fetchRow<QStringList, LauncherSwitch>("arguments", "expected");
        QCOMPARE(parseLauncherSwitch(arguments), expected);
    }

    void missingDependencyNamesTheFirstInTestOrder_data()
    {
        const DataTable<QStringList, QStringList, QString> row("present", "onPath", "missing");
        const QStringList all{"Zorn3D.exe", "Z3DgFiles.exe", "unzip32.dll", "fmodex.dll",
                              "eax.dll"};
        const QStringList libraries = all.mid(2);
        row("all present", all, QStringList{}, QString());
        row("eax missing", all.mid(0, 4), QStringList{}, "eax.dll");
        row("two missing, first named", QStringList{"Zorn3D.exe", "Z3DgFiles.exe", "eax.dll"},
            QStringList{}, "unzip32.dll");
        row("native programs without .exe",
            QStringList{"Zorn3D", "Z3DgFiles", "unzip32.dll", "fmodex.dll", "eax.dll"},
            QStringList{}, QString());
        row("other case on disk",
            QStringList{"ZORN3D.EXE", "z3dgfiles.exe", "Unzip32.DLL", "FMODEX.dll", "EAX.dll"},
            QStringList{}, QString());
        row("nothing", QStringList{}, QStringList{}, "Zorn3D.exe");
        // Programs of those names elsewhere are not the installation's.
        row("engine on PATH only", QStringList{"Z3DgFiles"} + libraries,
            QStringList{"Zorn3D", "Zorn3D.exe"}, "Zorn3D.exe");
        row("checker on PATH only", QStringList{"Zorn3D"} + libraries,
            QStringList{"Z3DgFiles", "Z3DgFiles.exe"}, "Z3DgFiles.exe");
    }
    void missingDependencyNamesTheFirstInTestOrder()
    {
        QFETCH(QStringList, present);
        QFETCH(QStringList, onPath);
        QFETCH(QString, missing);
        QTemporaryDir root;
        QTemporaryDir elsewhere;
        const auto executable = [](const QString& folder, const QString& name) {
            touch(folder, name, "MZ");
            QFile::setPermissions(folder + "/" + name,
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        };
        for (const QString& name : present)
            executable(root.path(), "bin/" + name);
        for (const QString& name : onPath)
            executable(elsewhere.path(), name);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(elsewhere.path()) + ':' + path);
        const QString found = findMissingDependency(root.path());
        qputenv("PATH", path);
        QCOMPARE(found, missing);
    }

    void squishEffectsGoOnlyWhenTheMonsterPackHasItsOwn()
    {
        QTemporaryDir root;
        touch(root.path(), "Md2/CoreEffects/Squish.dmd");
        touch(root.path(), "Md2/CoreEffects/squish.png");
        touch(root.path(), "Md2/Pellam/Items/Bottle3.dmd");
        const InstallPaths paths = InstallPaths::fromInstallRoot(root.path());
        tidyModelFolders(paths);
        QVERIFY(exists(root.path(), "Md2/CoreEffects/Squish.dmd"));

        touch(root.path(), "Md2/Monsters/Squished/Squish.dmd");
        tidyModelFolders(paths);
        QVERIFY(!exists(root.path(), "Md2/CoreEffects/Squish.dmd"));
        QVERIFY(!exists(root.path(), "Md2/CoreEffects/squish.png"));
        QVERIFY(exists(root.path(), "Md2/Monsters/Squished/Squish.dmd"));
        QVERIFY(exists(root.path(), "Md2/Pellam/Items/Bottle3.dmd"));
    }

    void pellamLeftoversGoWhenTheModelSetIsNotInstalled()
    {
        QTemporaryDir root;
        touch(root.path(), "Defs/Custom/Pellam pistol packing zombies.ded");
        touch(root.path(), "Defs/Custom/Other.ded");
        touch(root.path(), "Defs/Model/Pellam/pellam.ded");
        touch(root.path(), "Md2/Pellam/Monsters/zombie.dmd");
        tidyModelFolders(InstallPaths::fromInstallRoot(root.path()));
        QVERIFY(!exists(root.path(), "Defs/Custom/Pellam pistol packing zombies.ded"));
        QVERIFY(!exists(root.path(), "Defs/Model/Pellam"));
        QVERIFY(!exists(root.path(), "Md2/Pellam"));
        QVERIFY(exists(root.path(), "Defs/Custom/Other.ded"));
    }

    void pellamStaysWhileOneMarkerModelExists()
    {
        QTemporaryDir root;
        touch(root.path(), "Md2/Pellam/Tech/Lamp.dmd");
        touch(root.path(), "Defs/Model/Pellam/pellam.ded");
        tidyModelFolders(InstallPaths::fromInstallRoot(root.path()));
        QVERIFY(exists(root.path(), "Md2/Pellam/Tech/Lamp.dmd"));
        QVERIFY(exists(root.path(), "Defs/Model/Pellam/pellam.ded"));
    }
};

Z3D_TEST_GUILESS_MAIN(TestStartupCore)
#include "tst_startupcore.moc"
