#include "core/app/Dependencies.h"
#include "core/app/ModelFolderTidy.h"
#include "core/app/StartupState.h"
#include "core/platform/InstallPaths.h"

#include "support/DataTable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace z3d;
using z3d::test::DataTable;

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
        QFETCH(QStringList, arguments);
        QFETCH(LauncherSwitch, expected);
        QCOMPARE(parseLauncherSwitch(arguments), expected);
    }

    void missingDependencyNamesTheFirstInTestOrder_data()
    {
        const DataTable<QStringList, QString> row("present", "missing");
        const QStringList all{"Zorn3D.exe", "Z3DgFiles.exe", "unzip32.dll", "fmodex.dll",
                              "eax.dll"};
        row("all present", all, QString());
        row("eax missing", all.mid(0, 4), "eax.dll");
        row("two missing, first named", QStringList{"Zorn3D.exe", "Z3DgFiles.exe", "eax.dll"},
            "unzip32.dll");
        row("native programs without .exe",
            QStringList{"Zorn3D", "Z3DgFiles", "unzip32.dll", "fmodex.dll", "eax.dll"}, QString());
        row("other case on disk",
            QStringList{"ZORN3D.EXE", "z3dgfiles.exe", "Unzip32.DLL", "FMODEX.dll", "EAX.dll"},
            QString());
        row("nothing", QStringList{}, "Zorn3D.exe");
    }
    void missingDependencyNamesTheFirstInTestOrder()
    {
        QFETCH(QStringList, present);
        QFETCH(QString, missing);
        QTemporaryDir root;
        for (const QString& name : present) {
            touch(root.path(), "bin/" + name, "MZ");
            QFile::setPermissions(root.path() + "/bin/" + name,
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        QCOMPARE(findMissingDependency(root.path()), missing);
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

QTEST_GUILESS_MAIN(TestStartupCore)
#include "tst_startupcore.moc"
