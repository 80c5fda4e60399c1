#include "gui/tabs/GraphicsTab.h"
#include "gui/tabs/OptionsTab.h"
#include "support/Controls.h"
#include "support/DataTable.h"
#include "support/OptionsWindow.h"
#include "support/TestRegistry.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

struct Fixture : OptionsWindow
{
    Fixture()
    {
        QObject::connect(&window, &MainWindow::basicDoomChanged,
                         [this] { availability->basicDoom(); });
    }

    // Every control Basic Doom mode switches off.
    QList<QWidget*> enhancements() const
    {
        QList<QWidget*> controls{findControl<QCheckBox>(window, "chkGraphics", 2),
                                 findControl<QCheckBox>(window, "chkGraphics", 3),
                                 findControl<QRadioButton>(window, "SkyOpt", 0),
                                 findControl<QRadioButton>(window, "SkyOpt", 1),
                                 findControl<QCheckBox>(window, "chkSound", 2),
                                 findControl<QCheckBox>(window, "chkSound", 6),
                                 findControl<QCheckBox>(window, "chkSound", 7),
                                 findControl<QCheckBox>(window, "chkZ3DOpts", 2),
                                 findControl<QCheckBox>(window, "chkZ3DOpts", 3),
                                 findControl<QCheckBox>(window, "chkZ3DOpts", 4),
                                 window.chkMain(1),
                                 findControl<QPushButton>(window, "TexButton"),
                                 findControl<QLineEdit>(window, "HiResText")};
        for (int i = 0; i <= 8; ++i)
            controls << findControl<QCheckBox>(window, "ChkModelOpts", i);
        for (int i = 1; i <= 4; ++i)
            controls << findControl<QCheckBox>(window, "chkAltModels", i);
        for (int i : {0, 2, 3})
            controls << findControl<QCheckBox>(window, "chkEffects", i);
        for (const char* name :
             {"butleft", "butRight", "Corpse", "RicoButton_0", "RicoButton_1", "Ricotext",
              "GlobalDefList", "butGlobalDefs", "butRemoveGlobalDefs"})
            controls << window.findChild<QWidget*>(name);
        return controls;
    }
};

} // namespace

class TestAvailabilityController : public QObject
{
    Q_OBJECT

private slots:
    void basicDoomModeSwitchesEveryEnhancementOff()
    {
        Fixture f;
        f.window.chkMain(0)->setChecked(true);
        for (QWidget* control : f.enhancements())
            QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
    }

    void leavingBasicDoomModeOffersWhatIsInstalled()
    {
        Fixture f;
        f.tree.addFile("data/dtex/detail.wad");
        f.tree.addFolder("Data/Textures");
        f.context.texture.texturePath = f.tree.path("Data/Textures");
        f.tree.addFiles({"Md2/CoreEffects/c.dmd", "Defs/Base/CoreEffects.ded",
                         "Md2/Monsters/Imp/imp.dmd", "Defs/Model/Monsters.ded"});
        f.window.chkMain(1)->setChecked(true);
        f.window.chkMain(0)->setChecked(true);
        f.window.chkMain(0)->setChecked(false);
        QVERIFY(findControl<QCheckBox>(f.window, "chkGraphics", 2)->isEnabled());
        QVERIFY(f.window.chkMain(1)->isEnabled());
        QVERIFY(findControl<QLineEdit>(f.window, "HiResText")->isEnabled());
        QVERIFY(findControl<QCheckBox>(f.window, "ChkModelOpts", 0)->isEnabled());
        // Not installed: no sky boxes, no sound pack, no decorations.
        QVERIFY(!findControl<QCheckBox>(f.window, "ChkModelOpts", 2)->isEnabled());
        QVERIFY(!findControl<QCheckBox>(f.window, "chkGraphics", 3)->isEnabled());
        QVERIFY(!findControl<QRadioButton>(f.window, "SkyOpt", 0)->isEnabled());
        QVERIFY(!findControl<QCheckBox>(f.window, "chkSound", 6)->isEnabled());
    }

    // The extra effects come back only when installed, "Resurrect with fade" only with a
    // corpse fade to resurrect from.
    void leavingBasicDoomModeKeepsWhatNeedsItsResource_data()
    {
        const DataTable<bool, int> row("extraFx", "corpseFade");
        row("no extra effects, no corpse fade", false, 0);
        row("extra effects, corpse fade", true, 5);
    }
    void leavingBasicDoomModeKeepsWhatNeedsItsResource()
    {
        const auto [extraFx, corpseFade] = fetchRow<bool, int>("extraFx", "corpseFade");
        Fixture f;
        f.context.extraFxInstalled = extraFx;
        // Without the core effects every model effect is greyed, Extra FX with them.
        f.tree.addFile("Md2/CoreEffects/c.dmd");
        f.tree.addFile("Defs/Base/CoreEffects.ded");
        f.context.settings.corpseFadeSeconds = corpseFade;
        QVERIFY(f.window.pages().options()->applySettings(f.context.settings));
        f.window.chkMain(0)->setChecked(true);
        f.window.chkMain(0)->setChecked(false);
        QCOMPARE(findControl<QCheckBox>(f.window, "chkEffects", 3)->isEnabled(), extraFx);
        QCOMPARE(findControl<QCheckBox>(f.window, "chkZ3DOpts", 3)->isEnabled(), corpseFade != 0);
    }

    void refreshesReEnableInstalledResources()
    {
        Fixture f;
        f.tree.addFile("data/patches/stbar.png");
        f.tree.addFile("data/hv_doom_sfx.wad");
        findControl<QCheckBox>(f.window, "chkGraphics", 4)->setEnabled(false);
        findControl<QCheckBox>(f.window, "chkSound", 6)->setEnabled(false);
        f.context.settings.hiResPatches = false;
        f.availability->refreshHiResOptions();
        f.availability->refreshSoundPackOption();
        QVERIFY(findControl<QCheckBox>(f.window, "chkGraphics", 4)->isEnabled());
        QVERIFY(f.context.settings.hiResPatches);
        QVERIFY(findControl<QCheckBox>(f.window, "chkSound", 6)->isEnabled());
    }

    void refreshesAreSkippedInBasicDoomMode()
    {
        Fixture f;
        f.tree.addFile("data/hv_doom_sfx.wad");
        f.window.chkMain(0)->setChecked(true);
        f.availability->refreshSoundPackOption();
        f.availability->refreshHiResOptions();
        QVERIFY(!findControl<QCheckBox>(f.window, "chkSound", 6)->isEnabled());
    }
};

Z3D_TEST_MAIN(TestAvailabilityController)
#include "tst_availabilitycontroller.moc"
