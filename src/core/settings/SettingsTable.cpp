#include "core/settings/SettingsTable.h"

#include <array>

namespace z3d {

namespace {

using LS = LauncherSettings;
using B = SettingBinding;

SettingLine text(int line, const char* name, QString LS::*member, const char* def = "",
                 const char* control = "", B binding = B::None)
{
    return {line, name, SettingKind::Text, 0, def, member, nullptr, nullptr, control, binding};
}

SettingLine number(int line, const char* name, int LS::*member, int def, const char* control = "",
                   B bind = B::None)
{
    return {line, name, SettingKind::Number16, def, "", nullptr, member, nullptr, control, bind};
}

SettingLine number32(int line, const char* name, int LS::*member, int def)
{
    return {line, name, SettingKind::Number32, def, "", nullptr, member, nullptr, "", B::None};
}

SettingLine flag(int line, const char* name, bool LS::*member, bool def, const char* control = "")
{
    return {line,
            name,
            SettingKind::Flag,
            def ? 1 : 0,
            "",
            nullptr,
            nullptr,
            member,
            control,
            *control ? B::CheckBox : B::None};
}

const std::array<SettingLine, SettingsTable::kLineCount>& table()
{
    static const std::array<SettingLine, SettingsTable::kLineCount> lines = {{
        text(1, "versionText", &LS::versionText, LauncherSettings::kVersionText),
        number(2, "lastSkill", &LS::lastSkill, 2),
        number(3, "titlePictureIndex", &LS::titlePictureIndex, 0),
        number32(4, "tipNumber", &LS::tipNumber, 0),
        number(5, "soundChannels", &LS::soundChannels, 32, "cbChannels", B::ComboText),
        flag(6, "hiResPatches", &LS::hiResPatches, true, "chkGraphics_4"),
        flag(7, "orrinAltWeapons", &LS::orrinAltWeapons, false, "chkAltModels_2"),
        flag(8, "modelOptCoreEffects", &LS::modelOptCoreEffects, false, "ChkModelOpts_8"),
        flag(9, "orrinWeapons", &LS::orrinWeapons, false, "chkAltModels_1"),
        flag(10, "modelOptAllModels", &LS::modelOptAllModels, false, "ChkModelOpts_5"),
        flag(11, "modelOptMonstersPlayer", &LS::modelOptMonstersPlayer, false, "ChkModelOpts_0"),
        flag(12, "modelOptForceOverride", &LS::modelOptForceOverride, true, "ChkModelOpts_3"),
        flag(13, "modelOptHudWeapons", &LS::modelOptHudWeapons, false, "ChkModelOpts_1"),
        flag(14, "modelOptDecorations", &LS::modelOptDecorations, false, "ChkModelOpts_2"),
        flag(15, "modelOptItemsWeapons", &LS::modelOptItemsWeapons, false, "ChkModelOpts_4"),
        flag(16, "modelOptSplashes", &LS::modelOptSplashes, false, "ChkModelOpts_6"),
        flag(17, "modelOptFlameModels", &LS::modelOptFlameModels, false, "ChkModelOpts_7"),
        flag(18, "grenadeLauncher", &LS::grenadeLauncher, false, "ChkGL"),
        flag(19, "developmentMode", &LS::developmentMode, false, "chkTesting"),
        flag(20, "fastMonstersCopy", &LS::fastMonstersCopy, false, "chkZ3DOpts_5"),
        flag(21, "disableSound", &LS::disableSound, false, "chkSound_0"),
        flag(22, "disableMusic", &LS::disableMusic, false, "chkSound_1"),
        flag(23, "ricochets", &LS::ricochets, true, "chkSound_2"),
        flag(24, "disableMouse", &LS::disableMouse, false, "chkZ3DOpts_0"),
        flag(25, "monsterRespawn", &LS::monsterRespawn, false, "chkZ3DOpts_8"),
        flag(26, "noSameTypeInfighting", &LS::noSameTypeInfighting, false, "chkZ3DOpts_9"),
        flag(27, "noLostSoulInfighting", &LS::noLostSoulInfighting, false, "chkZ3DOpts_10"),
        number(28, "lightValue", &LS::lightValue, 200, "LightText", B::NumberText),
        text(29, "extraCommandLine", &LS::extraCommandLine, "", "edCustom", B::LineEdit),
        flag(30, "spareGraphics", &LS::spareGraphics, false, "chkGraphics_1"),
        flag(31, "rememberLastMap", &LS::rememberLastMap, true, "chkLaunchPrefs_0"),
        flag(32, "rememberLastSavegame", &LS::rememberLastSavegame, false, "chkLaunchPrefs_1"),
        flag(33, "pellamOrrinModels", &LS::pellamOrrinModels, true, "chkAltModels_3"),
        flag(34, "brannockSoldiers", &LS::brannockSoldiers, false, "chkAltModels_4"),
        flag(35, "hiResTextures", &LS::hiResTextures, true, "chkMain_1"),
        flag(36, "noMonsters", &LS::noMonsters, false, "chkMain_6"),
        flag(37, "textureCompression", &LS::textureCompression, true, "chkGraphics_0"),
        flag(38, "verbose", &LS::verbose, false, "chkZ3DOpts_6"),
        flag(39, "skyboxes", &LS::skyboxes, true, "chkGraphics_3"),
        number(40, "skyboxStyle", &LS::skyboxStyle, 0, "SkyOpt", B::OptionGroup),
        flag(41, "detailTexturesCopy", &LS::detailTexturesCopy, false, "chkGraphics_2"),
        flag(42, "waterDynamics", &LS::waterDynamics, false, "chkZ3DOpts_2"),
        flag(43, "hiResSoundPack", &LS::hiResSoundPack, true, "chkSound_6"),
        flag(44, "autoPlaylist", &LS::autoPlaylist, false, "chkSound_4"),
        flag(45, "ignorePlaylistForCustomMusic", &LS::ignorePlaylistForCustomMusic, true,
             "chkSound_8"),
        flag(46, "spareOption", &LS::spareOption, false, "chkZ3DOpts_7"),
        flag(47, "resurrectWithFade", &LS::resurrectWithFade, true, "chkZ3DOpts_3"),
        flag(48, "detailTextures", &LS::detailTextures, false, "chkGraphics_2"),
        flag(49, "underwaterFakeGlow", &LS::underwaterFakeGlow, true, "chkZ3DOpts_4"),
        flag(50, "fastMonsters", &LS::fastMonsters, false, "chkZ3DOpts_5"),
        flag(51, "basicDoomMode", &LS::basicDoomMode, false, "chkMain_0"),
        flag(52, "noMonsters", &LS::noMonsters, false, "chkMain_6"),
        flag(53, "advancedOptions", &LS::advancedOptions, false, "chkMain_2"),
        flag(54, "editMode", &LS::editMode, false, "chkMain_5"),
        flag(55, "monsterRespawnCopy", &LS::monsterRespawnCopy, false, "chkZ3DOpts_8"),
        flag(56, "editLight", &LS::editLight, false, "chkMain_3"),
        flag(57, "editNoObjects", &LS::editNoObjects, false, "chkMain_4"),
        flag(58, "disableJoystick", &LS::disableJoystick, false, "chkZ3DOpts_1"),
        number(59, "skill", &LS::skill, 0, "SkillsLevel_1", B::ListIndex),
        number(60, "afterLaunchOption", &LS::afterLaunchOption, 1, "ExitOption", B::OptionGroup),
        text(61, "lastInstalledGame", &LS::lastInstalledGame),
        text(62, "lastDoomGame", &LS::lastDoomGame),
        text(63, "lastZipLibraryEntry", &LS::lastZipLibraryEntry),
        text(64, "reservedText1", &LS::reservedText1),
        number(65, "gamesListView", &LS::gamesListView, 1, "OptionUdir", B::OptionGroup),
        flag(66, "shortcutCreation", &LS::shortcutCreation, false, "chkLaunchPrefs_2"),
        flag(67, "showTips", &LS::showTips, true, "chkLaunchPrefs_5"),
        flag(68, "wadFilesOnly", &LS::wadFilesOnly, false, "chkLaunchPrefs_4"),
        flag(69, "disableTooltips", &LS::disableTooltips, false, "chkLaunchPrefs_3"),
        flag(70, "dynamicLighting", &LS::dynamicLighting, true, "chkEffects_0"),
        flag(71, "extraFx", &LS::extraFx, false, "chkEffects_3"),
        flag(72, "manualPlaylist", &LS::manualPlaylist, false, "chkSound_5"),
        flag(73, "disableWeaponSwitchSounds", &LS::disableWeaponSwitchSounds, false, "chkSound_7"),
        number(74, "reservedNumber", &LS::reservedNumber, 0),
        number(75, "lastAfterLaunchAction", &LS::lastAfterLaunchAction, 0),
        number(76, "lowerPanelMode", &LS::lowerPanelMode, 1, "SelButton", B::PanelButton),
        text(77, "playlistName", &LS::playlistName),
        number(78, "corpseFadeSeconds", &LS::corpseFadeSeconds, 9, "Corpse", B::PageNumber),
        number(79, "ricochetValue", &LS::ricochetValue, 4, "Ricotext", B::PageNumber),
        number(80, "grenadeTimeout", &LS::grenadeTimeout, 2, "Timeout", B::PageNumber),
        flag(81, "waterSplashes", &LS::waterSplashes, true, "chkEffects_2"),
        flag(82, "threeDSound", &LS::threeDSound, true, "chkSound_3"),
        flag(83, "playlistFrameFlag", &LS::playlistFrameFlag, true),
        text(84, "reservedText2", &LS::reservedText2),
        number32(85, "windowTop", &LS::windowTop, 0),
        number32(86, "windowLeft", &LS::windowLeft, 0),
    }};
    return lines;
}

} // namespace

QString SettingLine::textValue(const LauncherSettings& s) const
{
    Q_ASSERT(text);
    return s.*text;
}

int SettingLine::numberValue(const LauncherSettings& s) const
{
    Q_ASSERT(number);
    return s.*number;
}

bool SettingLine::flagValue(const LauncherSettings& s) const
{
    Q_ASSERT(flag);
    return s.*flag;
}

void SettingLine::setText(LauncherSettings& s, const QString& value) const
{
    Q_ASSERT(text);
    s.*text = value;
}

void SettingLine::setNumber(LauncherSettings& s, int value) const
{
    Q_ASSERT(number);
    s.*number = value;
}

void SettingLine::setFlag(LauncherSettings& s, bool value) const
{
    Q_ASSERT(flag);
    s.*flag = value;
}

std::span<const SettingLine> SettingsTable::lines()
{
    return table();
}

const SettingLine* SettingsTable::line(int n)
{
    if (n < 1 || n > kLineCount)
        return nullptr;
    return &table()[static_cast<size_t>(n - 1)];
}

int SettingsTable::storedLineCount(bool wineMode)
{
    return wineMode ? kWineLineCount : kLineCount;
}

QList<const SettingLine*> SettingsTable::linesForControl(const QString& objectName)
{
    QList<const SettingLine*> found;
    if (objectName.isEmpty())
        return found;
    for (const SettingLine& entry : table()) {
        if (objectName == QLatin1String(entry.control))
            found.append(&entry);
    }
    return found;
}

void SettingsTable::applyDefaults(LauncherSettings& s)
{
    for (const SettingLine& entry : table()) {
        switch (entry.kind) {
        case SettingKind::Text:
            entry.setText(s, QString::fromLatin1(entry.defaultText));
            break;
        case SettingKind::Number16:
        case SettingKind::Number32:
            entry.setNumber(s, entry.defaultNumber);
            break;
        case SettingKind::Flag:
            entry.setFlag(s, entry.defaultNumber != 0);
            break;
        }
    }
}

} // namespace z3d
