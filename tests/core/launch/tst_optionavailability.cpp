// Which options are offered: what an installation tree holds, then each moment's decision over
// named resources and choices. Availabilities are written as the names of the enabled options.

#include "core/launch/OptionAvailability.h"

#include "support/DataTable.h"
#include "support/InstallTree.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace z3d;
using namespace z3d::test;

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

// The names among all whose flag is set in flags, in the order of all.
template <typename Flags>
QStringList setNames(Flags flags, bool* (*field)(Flags&, const QString&), const QStringList& all)
{
    QStringList names;
    for (const QString& name : all) {
        if (*field(flags, name))
            names << name;
    }
    return names;
}

QStringList enabledNames(const OptionAvailability& a)
{
    return setNames(a, option, kOptions);
}

QStringList trueResources(const InstalledResources& r)
{
    return setNames(r, resource, kResources);
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
    const DataTable<QStringList, QString, QStringList, QString> row(
        "entries",        // created under the root; "/" ends a folder
        "texturePath",    // under the root; empty: none
        "found",          // the resources found
        "textureSetDir"); // expected, under the root; empty: not checked

    row("nothing", QStringList{}, "", QStringList{}, "");
    row("extra effects", QStringList{"Defs/Model/Addon/extrafx.DED"}, "", QStringList{"extraFx"},
        "");
    row("detail textures", QStringList{"DATA/DTEX/Detail.wad"}, "", QStringList{"detailTextures"},
        "");
    row("a folder is no detail file", QStringList{"data/dtex/detail.wad/"}, "", QStringList{}, "");
    row("sky boxes", QStringList{"Data/SKYBOXES/"}, "", QStringList{"skyboxes"}, "");
    row("a file is no sky-box folder", QStringList{"data/Skyboxes"}, "", QStringList{}, "");
    row("sound pack", QStringList{"data/HV_DOOM_SFX.WAD"}, "", QStringList{"soundPack"}, "");
    row("patch file in the installation's patch set", QStringList{"Data/Patches/STBAR.PNG"}, "",
        QStringList{"patchFile", "patchesAvailable"}, "");
    row("default texture folder, no patches", QStringList{"data/textures/"}, "",
        QStringList{"texturePathValid"}, "data");
    row("texture set elsewhere with its patches",
        QStringList{"Sets/Hi/Textures/", "Sets/Hi/patches/"}, "Sets/Hi",
        QStringList{"texturePathValid", "patchesAvailable"}, "Sets/Hi");
    row("game with its own high-resolution folders",
        QStringList{"Data/Custom.hires/MyGame/", "Md2/MYGAME/"}, "",
        QStringList{"gameHasOwnHiResFolders"}, "");
    row("game with its textures only", QStringList{"Data/Custom.hires/MyGame/"}, "", QStringList{},
        "");
}

void TestOptionAvailability::probe()
{
    const auto [entries, texturePath, found, textureSetDir] =
        fetchRow<QStringList, QString, QStringList, QString>("entries", "texturePath", "found", "textureSetDir");

    InstallTree tree;
    for (const QString& entry : entries)
        tree.addEntry(entry);
    const InstalledResources probed = InstalledResources::probe(
        tree.paths(), texturePath.isEmpty() ? QString() : tree.path(texturePath), QString(),
        QString(), tree.path(QStringLiteral("Z3DGames/MyGame/MyGame.wad")));
    QCOMPARE(trueResources(probed), found);
    if (!textureSetDir.isEmpty())
        QCOMPARE(probed.textureSetDir, tree.path(textureSetDir));
}

void TestOptionAvailability::decision_data()
{
    const DataTable<QString, QStringList, bool, QStringList, int, QStringList, QStringList,
                    QStringList>
        row("moment",
            "found",   // resources present
            "basic",   // "Basic Doom mode" checked
            "ticked",  // hiResTextures, hiResPatches
            "corpse",  // corpse-fade seconds
            "current", // enabled before (not read at load)
            "enabled", // enabled after
            "effects");

    const QStringList all{"all"};
    const QStringList none;
    // Every resource, the selected game bringing no high-resolution folders of its own.
    const QStringList installed{"all", "-gameHasOwnHiResFolders"};
    const QStringList textures{"hiResTextures"};
    const QStringList tested{"texturePathTested", "textureSetDirTaken"};
    const QStringList forced{"forceHiResPatches", "forceHiResTextures", "texturePathTested",
                             "textureSetDirTaken"};
    const QStringList refreshed{"hiResPatches", "hiResTextures", "detailTextures"};

    row("load, everything installed", "load", installed, false, textures, 3, none, all, tested);
    row("load, nothing installed", "load", none, false, textures, 3, none,
        QStringList{"enhancements", "resurrectWithFade", "texturePathButton"},
        QStringList{"uncheckDetailTextures", "texturePathTested", "textureSetDirTaken"});
    row("load, textures unticked", "load", installed, false, none, 3, none,
        QStringList{"all", "-texturePathControls"}, tested);
    row("load, game with its own high-resolution folders", "load", all, false, textures, 3, none,
        QStringList{"all", "-hiResPatches"}, tested);
    row("load, corpse fade 0", "load", installed, false, textures, 0, none,
        QStringList{"all", "-resurrectWithFade"},
        QStringList{"uncheckResurrectWithFade", "texturePathTested", "textureSetDirTaken"});
    row("load, Basic Doom mode leaves the patches offered", "load", installed, true, textures, 3,
        none, QStringList{"hiResPatches"}, tested);
    row("load, Basic Doom mode without a patch set", "load",
        QStringList{"all", "-patchesAvailable", "-gameHasOwnHiResFolders"}, true, textures, 3, none,
        none, tested);

    row("Basic Doom on", "basic", installed, true, textures, 3, all, QStringList{"hiResPatches"},
        none);
    row("Basic Doom on, patches already off", "basic", installed, true, textures, 3,
        QStringList{"all", "-hiResPatches"}, none, none);
    row("Basic Doom off, everything installed", "basic", installed, false, textures, 3, none,
        QStringList{"all", "-hiResPatches"}, QStringList{"texturePathTested"});
    row("Basic Doom off, nothing installed", "basic", none, false, textures, 3, none,
        QStringList{"enhancements", "resurrectWithFade", "texturePathButton"},
        QStringList{"texturePathTested"});
    row("Basic Doom off, Extra FX not installed", "basic",
        QStringList{"all", "-extraFx", "-gameHasOwnHiResFolders"}, false, textures, 3, none,
        QStringList{"all", "-extraFx", "-hiResPatches"}, QStringList{"texturePathTested"});
    row("Basic Doom off, corpse fade 0, textures unticked", "basic", installed, false, none, 0,
        none, QStringList{"all", "-resurrectWithFade", "-texturePathControls", "-hiResPatches"},
        QStringList{"texturePathTested"});

    row("refresh enables what exists and forces both settings", "refresh", installed, false, none,
        3, none, refreshed, forced);
    row("refresh with the patches ticked forces no patches", "refresh", installed, false,
        QStringList{"hiResPatches"}, 3, none, refreshed,
        QStringList{"forceHiResTextures", "texturePathTested", "textureSetDirTaken"});
    row("refresh, invalid texture path", "refresh",
        QStringList{"all", "-texturePathValid", "-gameHasOwnHiResFolders"}, false, textures, 3, all,
        QStringList{"all", "-hiResTextures", "-texturePathControls"},
        QStringList{"forceHiResPatches", "texturePathTested", "textureSetDirTaken"});
    row("refresh, patch set without the patch file", "refresh", QStringList{"patchesAvailable"},
        false, none, 3, none, QStringList{"hiResPatches"}, tested);
    row("refresh, game with its own high-resolution folders", "refresh", all, false, none, 3, none,
        refreshed, forced);
    row("refresh skipped in Basic Doom mode", "refresh", installed, true, none, 3, none, none,
        none);
    row("refresh skipped for a scripted map", "refresh scripted", installed, false, none, 3, none,
        none, none);

    row("sound pack refresh", "sound", installed, false, none, 3, none, QStringList{"soundPack"},
        none);
    row("sound pack refresh in Basic Doom mode", "sound", installed, true, none, 3, none, none,
        none);
    row("sound pack refresh never disables", "sound", none, false, none, 3, all, all, none);

    row("launch refresh", "launch", installed, false, none, 3, none,
        refreshed + QStringList{"soundPack"}, forced);
    row("launch refresh for a scripted map still offers the sound pack", "launch scripted",
        installed, false, none, 3, none, QStringList{"soundPack"}, none);

    row("corpse fade 0", "corpse", none, false, none, 0, all,
        QStringList{"all", "-resurrectWithFade"}, QStringList{"uncheckResurrectWithFade"});
    row("corpse fade 1", "corpse", none, false, none, 1, none, QStringList{"resurrectWithFade"},
        none);
}

void TestOptionAvailability::decision()
{
    const auto [moment, found, basic, ticked, corpse, current, enabled, effects] =
        fetchRow<QString, QStringList, bool, QStringList, int, QStringList, QStringList, QStringList>("moment", "found", "basic", "ticked", "corpse", "current", "enabled", "effects");

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
    const DataTable<bool, int, QStringList, QStringList> row("valid",
                                                             "patches", // ControlChange
                                                             "current", "enabled");

    const QStringList texture{"hiResTextures", "texturePathControls"};
    row("valid folder with patches", true, int(ControlChange::Enable), QStringList{},
        texture + QStringList{"hiResPatches"});
    row("valid folder leaves the patches", true, int(ControlChange::Unchanged), QStringList{},
        texture);
    row("invalid folder without patches", false, int(ControlChange::Disable), QStringList{"all"},
        QStringList{"all", "-hiResPatches", "-hiResTextures", "-texturePathControls"});
}

void TestOptionAvailability::textureChoice()
{
    const auto [valid, patches, current, enabled] =
        fetchRow<bool, int, QStringList, QStringList>("valid", "patches", "current", "enabled");

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

Z3D_TEST_GUILESS_MAIN(TestOptionAvailability)
#include "tst_optionavailability.moc"
