// Which options are offered: what an installation tree holds, then each moment's decision over
// named resources and choices. Availabilities are written as the names of the enabled options.

#include "core/launch/OptionAvailability.h"

#include "support/InstallTree.h"

#include <QTest>

using namespace z3d;
using z3d::test::InstallTree;

namespace {

const QStringList kOptions{
    "enhancements", "extraFx",       "resurrectWithFade",   "detailTextures",    "skyboxes",
    "hiResPatches", "hiResTextures", "texturePathControls", "texturePathButton", "soundPack"};
const QStringList kResources{
    "extraFx",   "detailTextures",   "skyboxes",         "soundPack",
    "patchFile", "texturePathValid", "patchesAvailable", "gameHasOwnHiResFolders"};

bool* option(OptionAvailability& a, const QString& name)
{
    bool* fields[] = {
        &a.enhancements,      &a.extraFx,      &a.resurrectWithFade, &a.detailTextures,
        &a.skyboxes,          &a.hiResPatches, &a.hiResTextures,     &a.texturePathControls,
        &a.texturePathButton, &a.soundPack};
    return fields[kOptions.indexOf(name)];
}

bool* resource(InstalledResources& r, const QString& name)
{
    bool* fields[] = {
        &r.extraFx,   &r.detailTextures,   &r.skyboxes,         &r.soundPack,
        &r.patchFile, &r.texturePathValid, &r.patchesAvailable, &r.gameHasOwnHiResFolders};
    return fields[kResources.indexOf(name)];
}

// "all" names every option or resource and "-name" takes one away; the result is in the
// order of all.
QStringList expand(const QStringList& names, const QStringList& all)
{
    QStringList chosen;
    for (const QString& name : names) {
        if (name == QLatin1String("all"))
            chosen += all;
        else if (name.startsWith(QLatin1Char('-')))
            chosen.removeAll(name.mid(1));
        else
            chosen += name;
    }
    QStringList result;
    for (const QString& name : all) {
        if (chosen.contains(name))
            result << name;
    }
    return result;
}

OptionAvailability availability(const QStringList& enabled)
{
    OptionAvailability a;
    for (const QString& name : kOptions)
        *option(a, name) = enabled.contains(name);
    return a;
}

QStringList enabledNames(OptionAvailability a)
{
    QStringList names;
    for (const QString& name : kOptions) {
        if (*option(a, name))
            names << name;
    }
    return names;
}

QStringList effectNames(const AvailabilityUpdate& u)
{
    QStringList names;
    const std::pair<bool, const char*> effects[] = {
        {u.uncheckDetailTextures, "uncheckDetailTextures"},
        {u.uncheckResurrectWithFade, "uncheckResurrectWithFade"},
        {u.checkHiResTextures, "checkHiResTextures"},
        {u.forceHiResPatches, "forceHiResPatches"},
        {u.forceHiResTextures, "forceHiResTextures"},
        {u.texturePathTested, "texturePathTested"},
        {u.textureSetDirTaken, "textureSetDirTaken"}};
    for (const auto& [on, name] : effects) {
        if (on)
            names << QLatin1String(name);
    }
    return names;
}

QStringList trueResources(InstalledResources r)
{
    QStringList names;
    for (const QString& name : kResources) {
        if (*resource(r, name))
            names << name;
    }
    return names;
}

} // namespace

class TestOptionAvailability : public QObject
{
    Q_OBJECT

private slots:
    void probe_data();
    void probe();
    void decision_data();
    void decision();
    void textureChoice_data();
    void textureChoice();
    void launchBoxStatesFollowTheGroups();
};

void TestOptionAvailability::probe_data()
{
    QTest::addColumn<QStringList>("entries");   // created under the root; "/" ends a folder
    QTest::addColumn<QString>("texturePath");   // under the root; empty: none
    QTest::addColumn<QStringList>("found");     // the resources found
    QTest::addColumn<QString>("textureSetDir"); // expected, under the root; empty: not checked

    QTest::newRow("nothing") << QStringList{} << "" << QStringList{} << "";
    QTest::newRow("extra effects")
        << QStringList{"Defs/Model/Addon/extrafx.DED"} << "" << QStringList{"extraFx"} << "";
    QTest::newRow("detail textures")
        << QStringList{"DATA/DTEX/Detail.wad"} << "" << QStringList{"detailTextures"} << "";
    QTest::newRow("a folder is no detail file")
        << QStringList{"data/dtex/detail.wad/"} << "" << QStringList{} << "";
    QTest::newRow("sky boxes") << QStringList{"Data/SKYBOXES/"} << "" << QStringList{"skyboxes"}
                               << "";
    QTest::newRow("a file is no sky-box folder")
        << QStringList{"data/Skyboxes"} << "" << QStringList{} << "";
    QTest::newRow("sound pack") << QStringList{"data/HV_DOOM_SFX.WAD"} << ""
                                << QStringList{"soundPack"} << "";
    QTest::newRow("patch file in the installation's patch set")
        << QStringList{"Data/Patches/STBAR.PNG"} << ""
        << QStringList{"patchFile", "patchesAvailable"} << "";
    QTest::newRow("default texture folder, no patches")
        << QStringList{"data/textures/"} << "" << QStringList{"texturePathValid"} << "data";
    QTest::newRow("texture set elsewhere with its patches")
        << QStringList{"Sets/Hi/Textures/", "Sets/Hi/patches/"} << "Sets/Hi"
        << QStringList{"texturePathValid", "patchesAvailable"} << "Sets/Hi";
    QTest::newRow("game with its own high-resolution folders")
        << QStringList{"Data/Custom.hires/MyGame/", "Md2/MYGAME/"} << ""
        << QStringList{"gameHasOwnHiResFolders"} << "";
    QTest::newRow("game with its textures only")
        << QStringList{"Data/Custom.hires/MyGame/"} << "" << QStringList{} << "";
}

void TestOptionAvailability::probe()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, texturePath);
    QFETCH(QStringList, found);
    QFETCH(QString, textureSetDir);

    InstallTree tree;
    QVERIFY(tree.isValid());
    for (const QString& entry : entries) {
        if (entry.endsWith(QLatin1Char('/')))
            tree.addFolder(entry);
        else
            tree.addFile(entry);
    }
    const InstalledResources probed = InstalledResources::probe(
        tree.paths(), texturePath.isEmpty() ? QString() : tree.path(texturePath), QString(),
        QString(), tree.path(QStringLiteral("Z3DGames/MyGame/MyGame.wad")));
    QCOMPARE(trueResources(probed), found);
    if (!textureSetDir.isEmpty())
        QCOMPARE(probed.textureSetDir, tree.path(textureSetDir));
}

void TestOptionAvailability::decision_data()
{
    QTest::addColumn<QString>("moment");
    QTest::addColumn<QStringList>("found");   // resources present
    QTest::addColumn<bool>("basic");          // "Basic Doom mode" checked
    QTest::addColumn<QStringList>("ticked");  // hiResTextures, hiResPatches
    QTest::addColumn<int>("corpse");          // corpse-fade seconds
    QTest::addColumn<QStringList>("current"); // enabled before (not read at load)
    QTest::addColumn<QStringList>("enabled"); // enabled after
    QTest::addColumn<QStringList>("effects");

    const QStringList all{"all"};
    const QStringList none;
    // Every resource, the selected game bringing no high-resolution folders of its own.
    const QStringList installed{"all", "-gameHasOwnHiResFolders"};
    const QStringList textures{"hiResTextures"};
    const QStringList tested{"texturePathTested", "textureSetDirTaken"};
    const QStringList forced{"forceHiResPatches", "forceHiResTextures", "texturePathTested",
                             "textureSetDirTaken"};
    const QStringList refreshed{"hiResPatches", "hiResTextures", "detailTextures"};

    QTest::newRow("load, everything installed")
        << "load" << installed << false << textures << 3 << none << all << tested;
    QTest::newRow("load, nothing installed")
        << "load" << none << false << textures << 3 << none
        << QStringList{"enhancements", "resurrectWithFade", "texturePathButton"}
        << QStringList{"uncheckDetailTextures", "texturePathTested", "textureSetDirTaken"};
    QTest::newRow("load, textures unticked")
        << "load" << installed << false << none << 3 << none
        << QStringList{"all", "-texturePathControls"} << tested;
    QTest::newRow("load, game with its own high-resolution folders")
        << "load" << all << false << textures << 3 << none << QStringList{"all", "-hiResPatches"}
        << tested;
    QTest::newRow("load, corpse fade 0")
        << "load" << installed << false << textures << 0 << none
        << QStringList{"all", "-resurrectWithFade"}
        << QStringList{"uncheckResurrectWithFade", "texturePathTested", "textureSetDirTaken"};
    QTest::newRow("load, Basic Doom mode leaves the patches offered")
        << "load" << installed << true << textures << 3 << none << QStringList{"hiResPatches"}
        << tested;
    QTest::newRow("load, Basic Doom mode without a patch set")
        << "load" << QStringList{"all", "-patchesAvailable", "-gameHasOwnHiResFolders"} << true
        << textures << 3 << none << none << tested;

    QTest::newRow("Basic Doom on") << "basic" << installed << true << textures << 3 << all
                                   << QStringList{"hiResPatches"} << none;
    QTest::newRow("Basic Doom on, patches already off")
        << "basic" << installed << true << textures << 3 << QStringList{"all", "-hiResPatches"}
        << none << none;
    QTest::newRow("Basic Doom off, everything installed")
        << "basic" << installed << false << textures << 3 << none
        << QStringList{"all", "-hiResPatches"} << QStringList{"texturePathTested"};
    QTest::newRow("Basic Doom off, nothing installed")
        << "basic" << none << false << textures << 3 << none
        << QStringList{"enhancements", "resurrectWithFade", "texturePathButton"}
        << QStringList{"texturePathTested"};
    QTest::newRow("Basic Doom off, Extra FX not installed")
        << "basic" << QStringList{"all", "-extraFx", "-gameHasOwnHiResFolders"} << false << textures
        << 3 << none << QStringList{"all", "-extraFx", "-hiResPatches"}
        << QStringList{"texturePathTested"};
    QTest::newRow("Basic Doom off, corpse fade 0, textures unticked")
        << "basic" << installed << false << none << 0 << none
        << QStringList{"all", "-resurrectWithFade", "-texturePathControls", "-hiResPatches"}
        << QStringList{"texturePathTested"};

    QTest::newRow("refresh enables what exists and forces both settings")
        << "refresh" << installed << false << none << 3 << none << refreshed << forced;
    QTest::newRow("refresh with the patches ticked forces no patches")
        << "refresh" << installed << false << QStringList{"hiResPatches"} << 3 << none << refreshed
        << QStringList{"forceHiResTextures", "texturePathTested", "textureSetDirTaken"};
    QTest::newRow("refresh, invalid texture path")
        << "refresh" << QStringList{"all", "-texturePathValid", "-gameHasOwnHiResFolders"} << false
        << textures << 3 << all << QStringList{"all", "-hiResTextures", "-texturePathControls"}
        << QStringList{"forceHiResPatches", "texturePathTested", "textureSetDirTaken"};
    QTest::newRow("refresh, patch set without the patch file")
        << "refresh" << QStringList{"patchesAvailable"} << false << none << 3 << none
        << QStringList{"hiResPatches"} << tested;
    QTest::newRow("refresh, game with its own high-resolution folders")
        << "refresh" << all << false << none << 3 << none << refreshed << forced;
    QTest::newRow("refresh skipped in Basic Doom mode")
        << "refresh" << installed << true << none << 3 << none << none << none;
    QTest::newRow("refresh skipped for a scripted map")
        << "refresh scripted" << installed << false << none << 3 << none << none << none;

    QTest::newRow("sound pack refresh")
        << "sound" << installed << false << none << 3 << none << QStringList{"soundPack"} << none;
    QTest::newRow("sound pack refresh in Basic Doom mode")
        << "sound" << installed << true << none << 3 << none << none << none;
    QTest::newRow("sound pack refresh never disables")
        << "sound" << none << false << none << 3 << all << all << none;

    QTest::newRow("launch refresh") << "launch" << installed << false << none << 3 << none
                                    << refreshed + QStringList{"soundPack"} << forced;
    QTest::newRow("launch refresh for a scripted map still offers the sound pack")
        << "launch scripted" << installed << false << none << 3 << none << QStringList{"soundPack"}
        << none;

    QTest::newRow("corpse fade 0")
        << "corpse" << none << false << none << 0 << all << QStringList{"all", "-resurrectWithFade"}
        << QStringList{"uncheckResurrectWithFade"};
    QTest::newRow("corpse fade 1") << "corpse" << none << false << none << 1 << none
                                   << QStringList{"resurrectWithFade"} << none;
}

void TestOptionAvailability::decision()
{
    QFETCH(QString, moment);
    QFETCH(QStringList, found);
    QFETCH(bool, basic);
    QFETCH(QStringList, ticked);
    QFETCH(int, corpse);
    QFETCH(QStringList, current);
    QFETCH(QStringList, enabled);
    QFETCH(QStringList, effects);

    InstalledResources resources;
    for (const QString& name : expand(found, kResources))
        *resource(resources, name) = true;
    const OptionChoices choices{basic, ticked.contains("hiResTextures"),
                                ticked.contains("hiResPatches"), corpse};
    const OptionAvailability before = availability(expand(current, kOptions));

    AvailabilityUpdate update;
    if (moment == "load")
        update = availabilityAtLoad(resources, choices);
    else if (moment == "basic")
        update = availabilityForBasicDoom(before, resources, choices);
    else if (moment.startsWith("refresh"))
        update = hiResOptionsRefreshed(before, resources, choices, moment.endsWith("scripted"));
    else if (moment == "sound")
        update = soundPackRefreshed(before, resources, choices);
    else if (moment.startsWith("launch"))
        update = refreshedForLaunch(before, resources, choices, moment.endsWith("scripted"));
    else
        update = availabilityForCorpseFade(before, corpse);

    QCOMPARE(enabledNames(update.available), expand(enabled, kOptions));
    QCOMPARE(effectNames(update), effects);
}

void TestOptionAvailability::textureChoice_data()
{
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("patches"); // ControlChange
    QTest::addColumn<QStringList>("current");
    QTest::addColumn<QStringList>("enabled");

    const QStringList texture{"hiResTextures", "texturePathControls"};
    QTest::newRow("valid folder with patches")
        << true << int(ControlChange::Enable) << QStringList{}
        << texture + QStringList{"hiResPatches"};
    QTest::newRow("valid folder leaves the patches")
        << true << int(ControlChange::Unchanged) << QStringList{} << texture;
    QTest::newRow("invalid folder without patches")
        << false << int(ControlChange::Disable) << QStringList{"all"}
        << QStringList{"all", "-hiResPatches", "-hiResTextures", "-texturePathControls"};
}

void TestOptionAvailability::textureChoice()
{
    QFETCH(bool, valid);
    QFETCH(int, patches);
    QFETCH(QStringList, current);
    QFETCH(QStringList, enabled);

    TextureChoiceOutcome outcome;
    outcome.valid = valid;
    outcome.patches = static_cast<ControlChange>(patches);
    const AvailabilityUpdate update =
        availabilityAfterTextureChoice(availability(expand(current, kOptions)), outcome);
    QCOMPARE(enabledNames(update.available), expand(enabled, kOptions));
    QCOMPARE(update.checkHiResTextures, valid);
}

void TestOptionAvailability::launchBoxStatesFollowTheGroups()
{
    const OptionBoxStates extrasOnly = availability({"extraFx", "soundPack"}).boxStates();
    QVERIFY(!extrasOnly.replacements && !extrasOnly.allModels && !extrasOnly.forceOverride &&
            !extrasOnly.hudWeapons && !extrasOnly.decorations && !extrasOnly.itemsWeapons &&
            !extrasOnly.splashes && !extrasOnly.flameModels);
    QVERIFY(extrasOnly.extraFx && extrasOnly.soundPack);

    const OptionBoxStates modelsOnly = availability({"enhancements"}).boxStates();
    QVERIFY(modelsOnly.replacements && modelsOnly.allModels && modelsOnly.forceOverride &&
            modelsOnly.hudWeapons && modelsOnly.decorations && modelsOnly.itemsWeapons &&
            modelsOnly.splashes && modelsOnly.flameModels);
    QVERIFY(!modelsOnly.extraFx && !modelsOnly.soundPack);
}

QTEST_GUILESS_MAIN(TestOptionAvailability)
#include "tst_optionavailability.moc"
