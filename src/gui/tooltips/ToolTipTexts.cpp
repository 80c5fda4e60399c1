#include "gui/tooltips/ToolTipTexts.h"

#include <QStringList>

#include <initializer_list>

namespace z3d {

namespace {

// The pieces of a text, one line each.
QString lines(std::initializer_list<const char*> pieces)
{
    QStringList joined;
    for (const char* piece : pieces)
        joined.append(QLatin1String(piece));
    return joined.join(QStringLiteral("\r\n"));
}

// The sound pack's page on the launcher's own site.
const char* const kSoundPackSite = "Website: https://z3dlauncher.example/sound-packs";

} // namespace

const QList<ToolTipRow>& ToolTipTexts::mainWindow()
{
    // The last six rows are the lists', pictures' and label's own tips.
    static const QList<ToolTipRow> rows{
        {"chkSound_0", QStringLiteral("Disables all sound and music.")},
        {"chkSound_1", QStringLiteral("Disables music only.")},
        {"chkSound_2", QStringLiteral("Enables ricochet for bullet sounds.")},
        {"chkSound_3", lines({"Enables DSound with EAX if your audio card has this capability.",
                              "If you are running in either Vista or Windows 7 check out the",
                              "documentation relating to sound issues with these systems, the",
                              "information can be found under the help section of the website."})},
        {"chkSound_5", QStringLiteral("Manually load a selected playlist.")},
        {"chkSound_4", lines({"Automatically load preselected playlists for different iwads, this",
                              "also translates to any pwads that have no music replacements."})},
        {"chkSound_6", lines({"Holvik's SFX sound replacements for Doom.", kSoundPackSite})},
        {"chkSound_7", QStringLiteral("Disables switching sounds of HUD weapons.")},
        {"chkSound_8",
         lines({"Custom map music in pwads will take", " precedence over any playlist settings."})},
        {"Ricotext", lines({"Rate of frequency in which you hear ricochets.",
                            " 1 - being the least frequently heard.",
                            " 9 - being the most frequently heard."})},
        {"cbChannels", lines({"Best left at the default value of 32, further",
                              "information can be found in the Z3D_sound.txt."})},
        {"butMusic_0", QStringLiteral("Create a new playlist - new music for each map.")},
        {"butMusic_1", QStringLiteral("Open an existing playlist for editing purposes.")},
        {"butMusic_2", QStringLiteral("Delete a playlist.")},
        {"chkGraphics_0", lines({"Improves performance if your graphics card",
                                 "has less that 256MB of onboard memory."})},
        {"chkGraphics_1", lines({"Texture detail is sharpened at a distance",
                                 "if your video card supports this feature."})},
        {"chkGraphics_2", QStringLiteral("Enhances original textures if this pack is installed.")},
        {"chkGraphics_3", QStringLiteral("Renders a high resolution 3D sky.")},
        {"chkGraphics_4",
         lines({"Renders high resolution menu, titlepic,", "interpics, message text, and HUD."})},
        {"SkyOpt_0",
         lines({"Replace sky with a skybox if a custom ", "sky does not exist in the pwad."})},
        {"SkyOpt_1", QStringLiteral("Force skybox if possible.")},
        {"chkMain_1", QStringLiteral("Renders high resolution wall and flat textures.")},
        {"Corpse", lines({"Time in seconds before a corpse will fade.",
                          " 9 - the longest duration before fading.",
                          " 0 - no fade (not advisable with models)."})},
        {"chkEffects_0", QStringLiteral("Lighting is cast from light sources.")},
        {"chkEffects_2",
         QStringLiteral("Enables splash and burn effects with certain animated flats.")},
        {"chkEffects_3", QStringLiteral("Smoke effects for torches and flaming barrel.")},
        {"TexButton", QStringLiteral("Browse for a custom hires texture folder.")},
        {"HiResText", lines({"Specify are custom hires texture path, as a rule",
                             "you don't need to worry about this as the default",
                             "paths used by the pack installation are adequate."})},
        {"AuxButton_0", lines({"Install a pwad to the games list, either",
                               "zipped or unzipped files can be installed."})},
        {"AuxButton_1", QStringLiteral("Zorn3D documentation and help files.  ")},
        {"AuxButton_2", QStringLiteral("Create a shortcut using the current launcher settings.")},
        {"AuxButton_3", QStringLiteral("View edit.out file for amended texture offsets.")},
        {"AuxButton_4", QStringLiteral("View Zorn3D.out file.")},
        {"AuxButton_5", QStringLiteral("Iwad locations used by Zorn3D.")},
        {"AuxButton_6", QStringLiteral("Change launcher font.")},
        {"AuxButton_7", QStringLiteral("Specify the location of your zipped wad files.")},
        {"AuxButton_8", QStringLiteral("Model pack cleanup tool.")},
        {"LaunchButton", QStringLiteral("Launch game selected in list.")},
        {"SkillsLevel_0", lines({"Skill level - sets the degree of difficulty.",
                                 "Note: The 'Start game from new' option",
                                 "takes you to the default Doom startup."})},
        {"SkillsLevel_1", lines({"Skill level - sets the degree of difficulty.",
                                 "Note: The 'Start game from new' option",
                                 "takes you to the default Doom startup."})},
        {"chkMain_0", lines({"Switches off all port enhancements, this",
                             "is required for heavily dehacked pwads."})},
        {"chkMain_2", QStringLiteral("Provides additional options for the advanced user.")},
        {"chkMain_3", QStringLiteral("Set light level in all sectors - 0 to 255.")},
        {"chkMain_4", QStringLiteral("Removes all game objects in edit mode.")},
        {"chkMain_5", lines({"Zorn3D is put into edit mode which is used for texture",
                             "alignment, any changes to offsets can be saved on exit",
                             "Note: This only applies to editing pwads - not iwads."})},
        {"chkMain_6", QStringLiteral("Removes monsters in both game and Z3D edit.")},
        {"OptionUdir_1", QStringLiteral("List of Doom iwads.")},
        {"OptionUdir_0", QStringLiteral("List of user installed pwads.")},
        {"OptionUdir_2", QStringLiteral("List of stored zips - location specified by user.")},
        {"edCustom", lines({"The majority of command line parameters are covered by",
                            "launcher options, additional information can be found",
                            "in the documentation under Help - Z3D_Cmdline.txt."})},
        {"SelButton", QStringLiteral("Toggle between Z3D edit and the command line.")},
        {"chkZ3DOpts_0", QStringLiteral("Prevents mouse being detected.")},
        {"chkZ3DOpts_1", QStringLiteral("Prevents joystick being detected.")},
        {"chkZ3DOpts_2", QStringLiteral("Allows swimmable water and underwater effects.")},
        {"chkZ3DOpts_3", lines({"When selected the archvile can resurrect corpses after",
                                "they have disappeared if corpse time is not set to zero."})},
        {"chkZ3DOpts_4", QStringLiteral("Allows underwater colour effects.")},
        {"chkZ3DOpts_5", QStringLiteral("Tougher monsters.")},
        {"chkZ3DOpts_6", lines({"Provides in-game messages to the console and a",
                                "more detailed Zorn3D.out as a troubleshooting aid."})},
        {"chkZ3DOpts_7", QStringLiteral(" ")},
        {"chkZ3DOpts_8", QStringLiteral("Respawn Monsters after death.")},
        {"chkZ3DOpts_9", QStringLiteral("Prevent same type monsters from firing on each other.")},
        {"chkZ3DOpts_10",
         QStringLiteral("Prevent Lost Souls from inflicting damage on each other.")},
        {"chkLaunchPrefs_0", QStringLiteral("Automatically select the last launched map.")},
        {"chkLaunchPrefs_1", QStringLiteral("Automatically select the last launched savegame.")},
        {"chkLaunchPrefs_3", lines({"Removes all the tooltip text from the launcher.",
                                    "Hint - this is what you are currently viewing."})},
        {"chkLaunchPrefs_2", QStringLiteral("Provides a shortcut creation tool.")},
        {"chkLaunchPrefs_4", lines({"Only display wads in the game file list, caution",
                                    "this option will hide the author's info files."})},
        {"chkLaunchPrefs_5", QStringLiteral("Show tip of the day.")},
        {"ChkGL", lines({"Replaces the rocket launcher with either",
                         "a grenade launcher or a pipebomb launcher",
                         "if the delay timer is set to zero."})},
        {"chkTesting", lines({"If you have stumbled on this option by",
                              "accident - ignore it (dev team only)."})},
        {"Timeout", QStringLiteral("Delay in seconds before grenade explodes.")},
        {"ButPurge_0", QStringLiteral("Remove all previously saved games.")},
        {"ButPurge_1", QStringLiteral("Remove all previously built nodes.")},
        {"ExitOption_1", QStringLiteral("Minimise launcher after having launched a game.")},
        {"ExitOption_2", QStringLiteral("Exit out of launcher after having launched a game.")},
        {"ChkModelOpts_0", QStringLiteral("Use sprites for monsters and player.")},
        {"ChkModelOpts_1", QStringLiteral("Use sprites for player's HUD weapons.")},
        {"ChkModelOpts_2", QStringLiteral("Use sprites for all map decorations.")},
        {"ChkModelOpts_3", lines({"Use models if modified sprites look similar to",
                                  "the originals. This option is not foolproof but",
                                  "does seem to work in the majority of cases."})},
        {"ChkModelOpts_4", QStringLiteral("Use sprites for all items, weapons and ammo pickups.")},
        {"ChkModelOpts_5", QStringLiteral("Disable all models, core effects will still be used.")},
        {"ChkModelOpts_6", QStringLiteral("Use sprites for splash and burn effects.")},
        {"ChkModelOpts_7", QStringLiteral("Use sprites for all models with flames.")},
        {"ChkModelOpts_8", QStringLiteral("WARNING: Model and particle effects will be disabled.")},
        {"chkAltModels_1", QStringLiteral("Modifies standard HUD weapon models.")},
        {"chkAltModels_2", QStringLiteral("Modifies HUD weapon models with two new weapon types.")},
        {"chkAltModels_3", QStringLiteral("Enhanced model replacement - currently a WIP.")},
        {"chkAltModels_4",
         QStringLiteral("Replaces the former human models including pistol zombie.")},
        {"butGlobalDefs", lines({"Add a custom definition to the list, the",
                                 "item needs to be checked before it is read."})},
        {"butRemoveGlobalDefs", lines({"Remove a custom definition from the list,",
                                       "if unchecked the item will not be read."})},
        {"MapList", QStringLiteral("  Select map for startup.  "), true},
        {"SaveGameList", QStringLiteral("  Right click on savegame for tasks menu.  "), true},
        {"Home_0", QStringLiteral("  Zorn3D Website.  "), true},
        {"TitlePic", QStringLiteral("  Double click to cycle through themes.  "), true},
        {"ImageCM", QStringLiteral(" Toggle Zorn3D scripted maps if installed. "), true},
        {"Auto_0", QStringLiteral(" Toggle Zorn3D scripted maps if installed. "), true},
    };
    return rows;
}

const QList<ToolTipRow>& ToolTipTexts::iwadWindow()
{
    static const QList<ToolTipRow> rows{
        {"butAddIwad",
         lines({"User can add Iwads if a compliant", "Iwad location is not detected."})},
        {"butReset", QStringLiteral("Clears Iwad locations from list.")},
        {"butSearch", QStringLiteral("Scan for compliant Iwad locations.")},
        {"butOK", QStringLiteral("Accept changes if any and exit.")},
    };
    return rows;
}

const QList<ToolTipRow>& ToolTipTexts::shortcutWindow()
{
    static const QList<ToolTipRow> rows{
        {"chkShortcut_0",
         lines({"Add a shortcut to the Zorn3D Shortcuts", "folder of the applications menu."})},
        {"chkShortcut_1",
         lines({"Add a shortcut to the Zorn3D Shortcuts", "folder on the desktop."})},
        {"ChkMapNum", lines({"Start the shortcut at the map selected in",
                             "the map list, unless the game starts from new."})},
        {"OKButton",
         lines({"Create the chosen shortcuts, or close", "the window when none is chosen."})},
    };
    return rows;
}

QString ToolTipTexts::gamesList(int view)
{
    switch (view) {
    case 0:
        return QStringLiteral(" Right click on selected game for tasks menu. ");
    case 2:
        return QStringLiteral(" Right click on selected zip file for tasks menu. ");
    default:
        return QString();
    }
}

QString ToolTipTexts::gamesListBeforeFirstView()
{
    return QStringLiteral("  Right click on selected game  for tasks menu.  ");
}

} // namespace z3d
