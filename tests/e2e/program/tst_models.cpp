// The built launcher's model packs on a private X display: what the installation holds decides
// which model switches a commercial game's launch line carries, and the player's selected
// definition files ride along.

#include "core/settings/LauncherSettings.h"
#include "support/DemoInstallation.h"
#include "support/LauncherProcess.h"
#include "support/XSession.h"

#include <QTest>

using namespace z3d;
using namespace z3d::test;

class TestModels : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (const QString why = XSession::skipReason(); !why.isEmpty())
            QSKIP(qPrintable(why));
    }

    // The demo installation has packs for HUD weapons and decorations, none for items and
    // weapons or splashes: a missing pack is switched off whatever the settings say, an
    // installed one only when the player turned it off.
    void installedPacksDecideTheModelSwitches()
    {
        XSession session;
        QVERIFY2(session.isReady(), qPrintable(session.error()));
        DemoInstallation demo(QStringLiteral(Z3D_BIN_DIR));
        QVERIFY2(demo.isValid(), qPrintable(demo.error()));
        QVERIFY(demo.writeFile(QStringLiteral("Z3DLaunch/Data/custom.z3d"),
                               "Demo glow,1\r\nNot there,1\r\n"));
        LauncherSettings settings;
        settings.showTips = false;
        settings.afterLaunchOption = 2; // "Exit"
        settings.gamesListView = 1;     // the commercial games
        settings.lastDoomGame = QStringLiteral("DOOM II");
        settings.modelOptHudWeapons = true;
        settings.modelOptDecorations = false;
        QVERIFY(demo.writeSettings(settings));

        LauncherProcess launcher(session, demo.binDir(), demo.tempFolder());
        QVERIFY(launcher.start());
        const QString window =
            session.waitForWindow(LauncherProcess::kMainWindowTitle, launcher.pid());
        QVERIFY2(!window.isEmpty(), qPrintable(launcher.output()));
        QVERIFY(session.pressKeys(window, {QStringLiteral("Return")}));

        QVERIFY2(launcher.waitForExit(), "the launcher did not end after the launch");
        const QByteArray line = demo.readFile(QStringLiteral("Z3DLaunch/launch.log"));
        const auto has = [&line](const char* piece) { return line.contains(piece); };
        QVERIFY2(line.startsWith("Bin\\Zorn3D -doom2 "), line.trimmed().constData());
        QVERIFY2(has(" -xh ") && has(" -xi -xw ") && has(" -xs "), line.trimmed().constData());
        QVERIFY2(!has(" -xd ") && !has(" -xa "), line.trimmed().constData());
        QVERIFY2(has(" -d \"") && has("Demo glow.ded\" "), line.trimmed().constData());
        QVERIFY2(!has("Not there"), line.trimmed().constData());
    }
};

QTEST_GUILESS_MAIN(TestModels)
#include "tst_models.moc"
