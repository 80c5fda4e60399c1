// The built launcher on a private X display finds Doom II where Linux players keep it, in
// games/doom under its XDG data folders, or Freedoom standing in for it, and hands the engine
// the file by its full path.

#include "core/settings/LauncherSettings.h"
#include "support/DemoInstallation.h"
#include "support/LauncherProcess.h"
#include "support/XSession.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

class TestXdgIwads : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (const QString why = XSession::skipReason(); !why.isEmpty())
            QSKIP(qPrintable(why));
    }

    void doomTwoFromTheXdgFoldersGoesByPath_data()
    {
        QTest::addColumn<bool>("dataHome"); // else the data dirs
        QTest::addColumn<QString>("fileName");
        QTest::newRow("doom2.wad in XDG_DATA_HOME") << true << QStringLiteral("doom2.wad");
        QTest::newRow("Freedoom in XDG_DATA_DIRS") << false << QStringLiteral("freedoom2.wad");
    }

    void doomTwoFromTheXdgFoldersGoesByPath()
    {
        QFETCH(bool, dataHome);
        QFETCH(QString, fileName);
        XSession session;
        QVERIFY2(session.isReady(), qPrintable(session.error()));
        DemoInstallation demo(QStringLiteral(Z3D_BIN_DIR));
        QVERIFY2(demo.isValid(), qPrintable(demo.error()));
        // The installation's own Doom II would win: it goes, its maps move to the XDG folder.
        const QString xdg = dataHome ? LauncherProcess::xdgDataHome(demo.tempFolder())
                                     : LauncherProcess::xdgDataDirs(demo.tempFolder());
        const QString wad = xdg + QStringLiteral("/games/doom/") + fileName;
        QVERIFY(QDir().mkpath(xdg + QStringLiteral("/games/doom")));
        QVERIFY(QFile::copy(demo.path(QStringLiteral("Iwads/Doom2.wad")), wad));
        QVERIFY(demo.removeFile(QStringLiteral("Iwads/Doom2.wad")));

        LauncherSettings settings;
        settings.showTips = false;
        settings.afterLaunchOption = 2; // "Exit"
        settings.gamesListView = 1;     // the commercial games
        settings.lastDoomGame = QStringLiteral("DOOM II");
        QVERIFY(demo.writeSettings(settings));

        LauncherProcess launcher(session, demo.binDir(), demo.tempFolder());
        QVERIFY(launcher.start());
        const QString window =
            session.waitForWindow(LauncherProcess::kMainWindowTitle, launcher.pid());
        QVERIFY2(!window.isEmpty(), qPrintable(launcher.output()));
        QVERIFY(session.pressKeys(window, {QStringLiteral("Return")}));

        QVERIFY2(launcher.waitForExit(), "the launcher did not end after the launch");
        const QByteArray line = demo.readFile(QStringLiteral("Z3DLaunch/launch.log"));
        const QByteArray expected = "Bin\\Zorn3D -iwad \"" + QFile::encodeName(wad) + "\" ";
        QVERIFY2(line.startsWith(expected), line.trimmed().constData());
        const QByteArray engine = demo.readFile(QStringLiteral("Zorn3D.out"));
        QVERIFY2(engine.contains(QFile::encodeName(wad)), engine.constData());
    }
};

QTEST_GUILESS_MAIN(TestXdgIwads)
#include "tst_xdgiwads.moc"
