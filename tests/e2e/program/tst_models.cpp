// The built launcher's model packs on a private X display: what the installation holds decides
// which model switches a commercial game's launch line carries, and the player's selected
// definition files ride along.

#include "support/ProgramTestCase.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace z3d;
using namespace z3d::test;

class TestModels : public ProgramTestCase
{
    Q_OBJECT

private slots:
    // The demo installation has packs for HUD weapons and decorations, none for items and
    // weapons or splashes: a missing pack is switched off whatever the settings say, an
    // installed one only when the player turned it off.
    void installedPacksDecideTheModelSwitches()
    {
        DemoInstallation& demo = run().demo;
        QVERIFY(demo.writeFile(QStringLiteral("Z3DLaunch/Data/custom.z3d"),
                               "Demo glow,1\r\nNot there,1\r\n"));
        LauncherSettings settings = ProgramScenario::doomTwoSettings(true);
        settings.modelOptHudWeapons = true;
        settings.modelOptDecorations = false;
        QVERIFY(demo.writeSettings(settings));

        const QString window = run().startLauncher();
        QVERIFY2(!window.isEmpty(), qPrintable(run().launcher.output()));
        const QByteArray line = run().launchAndReadLog(window);
        const auto has = [&line](const char* piece) { return line.contains(piece); };
        QVERIFY2(line.startsWith("Bin\\Zorn3D -doom2 "), line.trimmed().constData());
        QVERIFY2(has(" -xh ") && has(" -xi -xw ") && has(" -xs "), line.trimmed().constData());
        QVERIFY2(!has(" -xd ") && !has(" -xa "), line.trimmed().constData());
        QVERIFY2(has(" -d \"") && has("Demo glow.ded\" "), line.trimmed().constData());
        QVERIFY2(!has("Not there"), line.trimmed().constData());
    }
};

Z3D_TEST_GUILESS_MAIN(TestModels)
#include "tst_models.moc"
