// The model boxes' rules: which boxes the installed packs and the other boxes leave enabled,
// and which choices they clear.

#include "core/launch/OptionAvailability.h"
#include "core/models/ModelOptions.h"
#include "core/settings/LauncherSettings.h"

#include "support/DataTable.h"
#include "support/InstallTree.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace z3d;
using namespace z3d::model_box;
using namespace z3d::test;

namespace {

// Every pack of the table, as the demo's complete installation has them.
InstalledModelPacks allPacks()
{
    InstalledModelPacks p;
    for (bool* flag :
         {&p.modelDir, &p.coreEffects, &p.hudWeapons, &p.monsters, &p.decorations, &p.itemsWeapons,
          &p.splashes, &p.flameModels, &p.orrinWeapons, &p.orrinAltWeapons, &p.brannock,
          &p.hudWeaponsFolder, &p.pellamHang7, &p.pellamHang1, &p.fullpackDed, &p.alternativeDed,
          &p.tolmsSoldiersDed, &p.monstersImp, &p.flameModelsDed})
        *flag = true;
    return p;
}

// The enabled boxes by name: "o<index>" for ChkModelOpts, "a<index>" for chkAltModels.
QStringList enabledBoxes(const ModelAvailability& a)
{
    QStringList names;
    for (int i = 0; i < 9; ++i) {
        if (a.options[i])
            names << QStringLiteral("o%1").arg(i);
    }
    for (int i = 1; i < 5; ++i) {
        if (a.alternatives[i])
            names << QStringLiteral("a%1").arg(i);
    }
    return names;
}

// The box a name of enabledBoxes stands for.
bool& box(ModelChoices& c, const QString& name)
{
    const int index = name.mid(1).toInt();
    return name[0] == 'o' ? c.options[index] : c.alternatives[index];
}

QStringList allBoxesBut(const QStringList& off)
{
    QStringList names;
    for (const QString& name : enabledBoxes(ModelAvailability{})) {
        if (!off.contains(name))
            names << name;
    }
    return names;
}

} // namespace

class TestModelOptions : public QObject
{
    Q_OBJECT

private slots:
    void probeFindsPacksByTheirFolderAndDefinition();
    void refreshGreysWhatIsMissing_data();
    void refreshGreysWhatIsMissing();
    void hudWeaponsGreysBothOrrinpackBoxes();
    void orrinpackWeaponPacksExcludeEachOther();
    void allModelsAndCoreEffectsWithdrawTheGroups();
    void settingsRoundTrip();
    void boxStatesFollowPacksEnhancementsAndLock();
};

void TestModelOptions::probeFindsPacksByTheirFolderAndDefinition()
{
    InstallTree tree;
    // Names in another case than the table's still count.
    tree.addFolder("Md2/hudweapons/CHAINSAW");
    tree.addFile("Defs/Model/hudweapons.ded");
    tree.addFolder("Md2/Decorations");                 // no Decorations.ded
    tree.addFile("Defs/Model/Orrinpack/fullpack.ded"); // no Orrinpack folder
    tree.addFile("Md2/Pellam/Gore/hang7.dmd");
    const InstalledModelPacks packs = InstalledModelPacks::probe(tree.paths());
    QVERIFY(packs.modelDir);
    QVERIFY(packs.hudWeapons);
    QVERIFY(packs.hudWeaponsFolder);
    QVERIFY(!packs.decorations);
    QVERIFY(packs.fullpackDed);
    QVERIFY(!packs.orrinWeapons);
    QVERIFY(packs.pellamHang7);
    QVERIFY(!packs.coreEffects);
}

void TestModelOptions::refreshGreysWhatIsMissing_data()
{
    const DataTable<QStringList, QStringList, bool, bool, QStringList, QStringList> row(
        "missing", "checked", "noMonsters", "scripted", "enabled", "cleared");
    const QStringList none;
    row("everything installed", none, none, false, false, allBoxesBut({}), none);
    row("no pack at all",
        {"modelDir", "coreEffects", "hudWeapons", "monsters", "decorations", "itemsWeapons",
         "splashes", "flameModels", "orrinWeapons", "orrinAltWeapons", "brannock",
         "hudWeaponsFolder", "pellamHang7"},
        none, false, false, {}, {"o8"});
    row("the six groups missing: All models and Force model override greyed",
        {"hudWeapons", "monsters", "decorations", "itemsWeapons", "splashes", "flameModels"},
        {"a1", "a4"}, false, false, {"o8", "a1", "a2", "a3"}, none);
    row("a scripted map with its models leaves the groups alone",
        {"hudWeapons", "monsters", "decorations", "itemsWeapons", "splashes", "flameModels"}, none,
        false, true, allBoxesBut({}), none);
    row("core effects missing: checked, and every other box greyed with it", {"coreEffects"},
        {"a4"}, false, false, {}, {"o8"});
    row("no hud weapons folder: every optional pack greyed and cleared", {"hudWeaponsFolder"},
        {"a1", "a3", "a4"}, false, false, allBoxesBut({"a1", "a2", "a3", "a4"}), {"a1", "a4"});
    row("No monsters greys the monsters box and the soldiers", none, none, true, false,
        allBoxesBut({"o0", "a4"}), none);
    row("Monsters and player checked clears the soldiers", none, {"o0", "a4"}, false, false,
        allBoxesBut({"a4"}), {"a4"});
    row("no soldier pack", {"brannock"}, {"a4"}, false, false, allBoxesBut({"a4"}), {"a4"});
    row("missing monsters also greys the soldiers", {"monsters"}, none, false, false,
        allBoxesBut({"o0", "a4"}), none);
    row("no replacements: greyed, the check stays", {"pellamHang7"}, {"a3"}, false, false,
        allBoxesBut({"a3"}), none);
    row("alternative weapons without their definition", {"orrinAltWeapons"}, {"a2"}, false, false,
        allBoxesBut({"a2"}), {"a2"});
}

void TestModelOptions::refreshGreysWhatIsMissing()
{
    const auto [missing, checked, noMonsters, scripted, enabled, cleared] =
        fetchRow<QStringList, QStringList, bool, bool, QStringList, QStringList>("missing", "checked", "noMonsters", "scripted", "enabled", "cleared");

    ModelWorld world{allPacks(), false, noMonsters, scripted};
    const QStringList packNames{"modelDir",     "coreEffects",     "hudWeapons", "monsters",
                                "decorations",  "itemsWeapons",    "splashes",   "flameModels",
                                "orrinWeapons", "orrinAltWeapons", "brannock",   "hudWeaponsFolder",
                                "pellamHang7"};
    bool* flags[] = {
        &world.packs.modelDir,        &world.packs.coreEffects, &world.packs.hudWeapons,
        &world.packs.monsters,        &world.packs.decorations, &world.packs.itemsWeapons,
        &world.packs.splashes,        &world.packs.flameModels, &world.packs.orrinWeapons,
        &world.packs.orrinAltWeapons, &world.packs.brannock,    &world.packs.hudWeaponsFolder,
        &world.packs.pellamHang7};
    for (const QString& name : missing)
        *flags[packNames.indexOf(name)] = false;
    ModelChoices choices;
    for (const QString& name : checked)
        box(choices, name) = true;

    const ModelUpdate update = modelOptionsAtLoad(choices, world);
    QCOMPARE(enabledBoxes(update.available), enabled);
    ModelChoices after = update.choices;
    QStringList actuallyCleared;
    for (const QString& name : checked) {
        if (!box(after, name))
            actuallyCleared << name;
    }
    QStringList nowChecked;
    for (int i = 0; i < 9; ++i) {
        if (update.choices.options[i] && !checked.contains(QStringLiteral("o%1").arg(i)))
            nowChecked << QStringLiteral("o%1").arg(i);
    }
    QCOMPARE(actuallyCleared + nowChecked, cleared);
}

void TestModelOptions::hudWeaponsGreysBothOrrinpackBoxes()
{
    ModelWorld world{allPacks()};
    ModelChoices choices;
    choices.alternatives[kOrrinAltWeapons] = true;
    const ModelUpdate start = modelOptionsAtLoad(choices, world);

    choices.options[kHudWeapons] = true;
    const ModelUpdate checked = modelOptionClicked(kHudWeapons, start.available, choices, world);
    QVERIFY(!checked.available.alternatives[kOrrinWeapons]);
    QVERIFY(!checked.available.alternatives[kOrrinAltWeapons]);
    QVERIFY(!checked.choices.alternatives[kOrrinAltWeapons]);

    // Unchecked again, each comes back only with its own definition file.
    world.packs.alternativeDed = false;
    world.packs.orrinAltWeapons = false;
    ModelChoices unchecked = checked.choices;
    unchecked.options[kHudWeapons] = false;
    const ModelUpdate back = modelOptionClicked(kHudWeapons, checked.available, unchecked, world);
    QVERIFY(back.available.alternatives[kOrrinWeapons]);
    QVERIFY(!back.available.alternatives[kOrrinAltWeapons]);
}

void TestModelOptions::orrinpackWeaponPacksExcludeEachOther()
{
    const ModelWorld world{allPacks()};
    ModelChoices choices;
    choices.options[kHudWeapons] = true;
    choices.alternatives[kOrrinAltWeapons] = true;
    choices.alternatives[kOrrinWeapons] = true;
    const ModelUpdate update =
        alternativeModelClicked(kOrrinWeapons, ModelAvailability{}, choices, world);
    QVERIFY(update.choices.alternatives[kOrrinWeapons]);
    QVERIFY(!update.choices.alternatives[kOrrinAltWeapons]);
    QVERIFY(!update.choices.options[kHudWeapons]);
    QVERIFY(update.available.alternatives[kOrrinWeapons]);
}

void TestModelOptions::allModelsAndCoreEffectsWithdrawTheGroups()
{
    const ModelWorld world{allPacks()};
    ModelChoices choices;
    choices.options[kAllModels] = true;
    const ModelUpdate all = modelOptionClicked(kAllModels, ModelAvailability{}, choices, world);
    QCOMPARE(enabledBoxes(all.available), (QStringList{"o5", "o8"}));
    QVERIFY(!all.available.groupFrame);
    QVERIFY(!all.available.extraFx);
    QVERIFY(!all.importDroppedDefinitions);

    choices.options[kAllModels] = false;
    const ModelUpdate back = modelOptionClicked(kAllModels, all.available, choices, world);
    QCOMPARE(back.available, ModelAvailability{});
    QVERIFY(back.importDroppedDefinitions);

    choices.options[kCoreEffects] = true;
    const ModelUpdate core = modelOptionClicked(kCoreEffects, back.available, choices, world);
    QCOMPARE(enabledBoxes(core.available), QStringList{"o8"});
    choices.options[kCoreEffects] = false;
    QCOMPARE(modelOptionClicked(kCoreEffects, core.available, choices, world).available,
             ModelAvailability{});
}

void TestModelOptions::settingsRoundTrip()
{
    LauncherSettings settings;
    settings.modelOptFlameModels = true;
    settings.brannockSoldiers = true;
    ModelChoices choices = ModelChoices::fromSettings(settings);
    QVERIFY(choices.options[kFlameModels]);
    QVERIFY(choices.alternatives[kBrannock]);
    choices.options[kCoreEffects] = true;
    choices.alternatives[kBrannock] = false;
    choices.applyTo(settings);
    QVERIFY(settings.modelOptCoreEffects);
    QVERIFY(!settings.brannockSoldiers);
    QVERIFY(settings.modelOptFlameModels);
}

void TestModelOptions::boxStatesFollowPacksEnhancementsAndLock()
{
    OptionAvailability available;
    available.models.options[kAllModels] = false;
    available.models.alternatives[kReplacements] = false;
    available.models.extraFx = false;
    OptionBoxStates boxes = available.boxStates();
    QVERIFY(!boxes.allModels);
    QVERIFY(!boxes.replacements);
    QVERIFY(!boxes.extraFx);
    QVERIFY(boxes.hudWeapons);

    available.spriteOptionsLocked = true;
    QVERIFY(!available.boxStates().hudWeapons);
    available = withSpriteOptionsLocked(available, false);
    available.enhancements = false;
    QVERIFY(!available.boxStates().hudWeapons);
}

Z3D_TEST_GUILESS_MAIN(TestModelOptions)
#include "tst_modeloptions.moc"
