// The built launcher on a private X display finds Doom II where Linux players keep it, in
// games/doom under its XDG data folders, or Freedoom standing in for it, and hands the engine
// the file by its full path.

#include "support/DataTable.h"
#include "support/ProgramTestCase.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

class TestXdgIwads : public ProgramTestCase
{
    Q_OBJECT

private slots:
    void doomTwoFromTheXdgFoldersGoesByPath_data()
    {
        const DataTable<bool, QString> row("dataHome", "fileName"); // else the data dirs
        row("doom2.wad in XDG_DATA_HOME", true, QStringLiteral("doom2.wad"));
        row("Freedoom in XDG_DATA_DIRS", false, QStringLiteral("freedoom2.wad"));
    }

    void doomTwoFromTheXdgFoldersGoesByPath()
    {
        QFETCH(bool, dataHome);
        QFETCH(QString, fileName);
        DemoInstallation& demo = run().demo;
        // The installation's own Doom II would win: it goes, its maps move to the XDG folder.
        const QString xdg = dataHome ? LauncherProcess::xdgDataHome(demo.tempFolder())
                                     : LauncherProcess::xdgDataDirs(demo.tempFolder());
        const QString wad = xdg + QStringLiteral("/games/doom/") + fileName;
        QVERIFY(QDir().mkpath(xdg + QStringLiteral("/games/doom")));
        QVERIFY(QFile::copy(demo.path(QStringLiteral("Iwads/Doom2.wad")), wad));
        QVERIFY(demo.removeFile(QStringLiteral("Iwads/Doom2.wad")));

        LauncherSettings settings = ProgramScenario::doomTwoSettings(true);
        QVERIFY(demo.writeSettings(settings));

        const QString window = run().startLauncher();
        QVERIFY2(!window.isEmpty(), qPrintable(run().launcher.output()));
        const QByteArray line = run().launchAndReadLog(window);
        const QByteArray expected = "Bin\\Zorn3D -iwad \"" + QFile::encodeName(wad) + "\" ";
        QVERIFY2(line.startsWith(expected), line.trimmed().constData());
        const QByteArray engine = demo.readFile(QStringLiteral("Zorn3D.out"));
        QVERIFY2(engine.contains(QFile::encodeName(wad)), engine.constData());
    }
};

Z3D_TEST_GUILESS_MAIN(TestXdgIwads)
#include "tst_xdgiwads.moc"
