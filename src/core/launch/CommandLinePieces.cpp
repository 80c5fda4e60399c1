#include "core/launch/CommandLinePieces.h"

#include "core/launch/LaunchRules.h"
#include "core/platform/PathResolver.h"

#include <utility>

namespace z3d {

namespace {

bool endsWithCi(const QString& text, const char* suffix)
{
    return text.endsWith(QLatin1String(suffix), Qt::CaseInsensitive);
}

QString fileNameOf(const QString& path)
{
    return PathResolver::lastComponent(path);
}

// A playlist name loses what follows its last dot, as a file name loses its extension.
QString playlistBaseName(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 ? name.left(dot) : name;
}

} // namespace

DefinitionUse DefinitionUse::select(const QList<DefinitionEntry>& entries,
                                    const LauncherSettings& settings, const QString& customDefsDir)
{
    static const QLatin1String kTeskPrefix("Tesk's pistol");
    static const QLatin1String kPellamPrefix("Pellam pistol");
    static const QLatin1String kTeskZombies("Tesk's pistol packing zombies");
    static const QLatin1String kPellamZombies("Pellam pistol packing zombies");

    DefinitionUse use;
    for (const DefinitionEntry& entry : entries) {
        if (!entry.selected)
            continue;
        use.anySelected = true;
        const QString& text = entry.text;
        const bool tesk = text.startsWith(kTeskPrefix, Qt::CaseInsensitive);
        const bool pellam = text.startsWith(kPellamPrefix, Qt::CaseInsensitive);
        if (pellam && !settings.pellamOrrinModels)
            continue;
        if (tesk && settings.pellamOrrinModels)
            continue;
        if (settings.brannockSoldiers && (text.compare(kTeskZombies, Qt::CaseInsensitive) == 0 ||
                                          text.compare(kPellamZombies, Qt::CaseInsensitive) == 0))
            continue;
        const QString name = fileNameOf(text);
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        const bool dedFile =
            dot >= 0 && name.mid(dot + 1).compare(QLatin1String("ded"), Qt::CaseInsensitive) == 0;
        // The entry's name is matched without regard to case; the engine gets the file's own
        // spelling, which a case-sensitive disk needs.
        use.paths << (dedFile ? text
                              : PathResolver::resolveUnder(customDefsDir,
                                                           text + QLatin1String(".ded")));
        use.teskUsed = use.teskUsed || tesk;
        use.pellamUsed = use.pellamUsed || pellam;
    }
    return use;
}

CommandLinePieces::CommandLinePieces(EngineCommandLine& line, const LauncherSettings& settings,
                                     const LaunchInputs& inputs, const LaunchState& state,
                                     LaunchColumn column, bool iwadByPath)
    : m_line(line), m_settings(settings), m_inputs(inputs), m_state(state), m_column(column),
      m_iwadByPath(iwadByPath),
      m_definitions(DefinitionUse::select(inputs.definitions, settings, inputs.paths.customDefsDir))
{
}

void CommandLinePieces::iwad()
{
    if (m_iwadByPath) {
        m_line.append(" -iwad ");
        m_line.appendQuoted(m_state.iwadPath);
    } else {
        m_line.append(QLatin1String(" -") + LaunchRules::iwadSwitchName(m_state.iwadPath) +
                      QLatin1String(" "));
    }
}

void CommandLinePieces::gameFiles()
{
    const InstalledGameInputs& game = m_inputs.game;
    if (game.mainFile.isEmpty())
        return;

    if (!game.severalFiles || game.userDirectory) {
        if (game.userDirectory) {
            m_line.append("-udir ");
            m_line.appendQuoted(game.folder);
        }
        m_line.append("-f ");
        m_line.appendQuoted(game.userDirectory ? fileNameOf(game.mainFile) : game.mainFile);
        return;
    }

    // Several wads: the engine loads every wad of the folder itself unless it is told the
    // files; a zip-library game's files are named by their full paths.
    if (game.fromZipLibrary) {
        m_line.append("-f");
    } else {
        m_line.append("-udir ");
        m_line.appendQuoted(game.folder);
        if (m_iwadByPath)
            m_line.append("-f");
    }
    bool first = true;
    for (const GameFileEntry& file : game.files) {
        if (!endsWithCi(file.path, ".wad") || !file.loadable)
            continue;
        QString name;
        if (game.fromZipLibrary)
            name = file.path;
        else if (m_iwadByPath)
            name = fileNameOf(file.path);
        else
            continue;
        // "-f" has no blank of its own: the first name brings it.
        if (std::exchange(first, false))
            m_line.append(" ");
        m_line.appendQuoted(name);
    }
    if (!m_iwadByPath && !game.fromZipLibrary)
        return;
    bool firstPatch = true;
    for (const GameFileEntry& file : game.files) {
        if (!endsWithCi(file.path, ".deh"))
            continue;
        if (std::exchange(firstPatch, false))
            m_line.append("-deh ");
        m_line.appendQuoted(file.path);
    }
}

void CommandLinePieces::definitionFiles()
{
    if (!m_definitions.anySelected)
        return;
    m_line.append("-d ");
    m_definitionSwitchWritten = true;
    for (const QString& path : m_definitions.paths)
        m_line.appendQuoted(path);
}

void CommandLinePieces::gameDefinitionFiles()
{
    if (!m_iwadByPath)
        return;
    for (const GameFileEntry& file : m_inputs.game.files) {
        if (!endsWithCi(file.path, ".ded"))
            continue;
        if (!m_definitionSwitchWritten) {
            m_line.append("-d ");
            m_definitionSwitchWritten = true;
        }
        m_line.appendQuoted(file.path);
    }
}

void CommandLinePieces::developmentMode()
{
    if (m_settings.developmentMode)
        m_line.append("-devmap -debug_scp ");
}

void CommandLinePieces::modelPacks()
{
    const LauncherSettings& s = m_settings;
    const bool orrinAllowed = !basic() && !s.modelOptAllModels && !s.editMode;
    if (orrinAllowed && s.orrinWeapons)
        m_line.append("-cwp -fp ");
    if (orrinAllowed && s.orrinAltWeapons)
        m_line.append("-cwp -ap ");

    const bool replacements = m_inputs.boxes.replacements && s.pellamOrrinModels;
    // A scripted map takes the replacements whatever Basic Doom mode and "All models" say.
    if (replacements && (scripted() || (!basic() && !s.modelOptAllModels)))
        m_line.append("-am ");
}

void CommandLinePieces::modelsPartlyDisabled()
{
    const LauncherSettings& s = m_settings;
    const bool partly = s.modelOptMonstersPlayer || s.modelOptHudWeapons || s.modelOptDecorations ||
                        s.modelOptItemsWeapons || s.modelOptFlameModels || s.modelOptSplashes;
    if (!basic() && partly)
        m_line.append("-mpd ");
}

void CommandLinePieces::textures()
{
    const LauncherSettings& s = m_settings;
    if (!s.hiResPatches && !basic())
        m_line.append("-np ");
    if (!s.hiResTextures && !basic() && !ownHiRes())
        m_line.append("-nht ");

    const QString defaultFolder =
        PathResolver::join(m_inputs.paths.installRoot, QStringLiteral("Data/Textures"));
    const bool otherFolder =
        !PathResolver::samePath(m_inputs.texturePathBoxText.trimmed(), defaultFolder) &&
        m_inputs.texturePathIsFolder;
    // A game with its own high-resolution folders needs the texture set even in Basic Doom
    // mode, as long as the set has its patches.
    const bool wanted =
        ownHiRes() ? m_inputs.textureSetPatchesExist : (s.hiResTextures && !basic());
    if (wanted && otherFolder) {
        m_line.append("-td ");
        m_line.appendQuoted(m_inputs.texturePath);
    }
}

void CommandLinePieces::sound()
{
    const LauncherSettings& s = m_settings;
    // "Disable sound" ends only the sound switches: "-boom " and the model switches that
    // follow still go on the line, since a Boom map without its compatibility switch (or a
    // game without its models) because the sound is off would be plainly wrong.
    if (s.disableSound) {
        m_line.append("-nosound ");
        return;
    }
    if (s.disableWeaponSwitchSounds)
        m_line.append("-nws ");
    if (m_inputs.boxes.soundPack && s.hiResSoundPack)
        m_line.append("-data hv_doom_sfx.wad ");
    if (s.threeDSound)
        m_line.append("-3d ");
    appendWithValue("-ch ", QString::number(s.soundChannels < 1 ? 16 : s.soundChannels));

    if (s.disableMusic) {
        m_line.append("-nomusic ");
        return;
    }
    // A scripted map brings its own music.
    if (!scripted()) {
        if (s.manualPlaylist && m_inputs.manualPlaylistFileExists)
            appendPlaylist(s.playlistName);
        if (s.autoPlaylist) {
            const AutoPlaylistChoice choice = m_inputs.autoPlaylists.value(m_state.iwadPath);
            if (choice.listed && choice.fileExists)
                appendPlaylist(choice.name);
        }
    }
    if (s.ignorePlaylistForCustomMusic)
        m_line.append("-upm ");
}

void CommandLinePieces::appendWithValue(const char* piece, const QString& value)
{
    m_line.append(QLatin1String(piece) + value + QLatin1String(" "));
}

void CommandLinePieces::appendPlaylist(const QString& name)
{
    m_line.append("-extmus ");
    m_line.appendQuoted(playlistBaseName(name));
}

void CommandLinePieces::boom()
{
    if (compatibilityClass() == 3 && !m_settings.editMode)
        m_line.append("-boom ");
}

void CommandLinePieces::modelSwitches()
{
    const LauncherSettings& s = m_settings;
    if (basic())
        return;
    const OptionBoxStates& box = m_inputs.boxes;

    if (installed()) {
        if (s.modelOptAllModels && !scripted()) {
            m_line.append("-xa ");
            return;
        }
    } else if (s.modelOptAllModels || !box.allModels) {
        m_line.append("-xa ");
        return;
    }

    // The commercial column also switches off a group whose box is greyed (its pack is not
    // installed); the installed column goes by the settings alone and leaves a scripted map's
    // models alone.
    const bool commercial = !installed();
    const bool own = !scripted();
    if (s.modelOptMonstersPlayer && !s.noMonsters && own)
        m_line.append("-xm -xp ");
    else if (s.brannockSoldiers)
        m_line.append("-cs ");
    if (box.forceOverride && s.modelOptForceOverride && own)
        m_line.append("-amwds ");
    if (own && (s.modelOptHudWeapons || (commercial && !box.hudWeapons)))
        m_line.append("-xh ");
    if (own && (s.modelOptDecorations || (commercial && !box.decorations)))
        m_line.append("-xd ");
    if (own && (s.modelOptItemsWeapons || (commercial && !box.itemsWeapons)))
        m_line.append("-xi -xw ");
    if (own && (s.modelOptSplashes || (commercial && !box.splashes)))
        m_line.append("-xs ");
    if (!s.modelOptFlameModels || (commercial && !box.flameModels))
        m_line.append("-ams ");
    if (box.extraFx && s.extraFx && own)
        m_line.append("-fx ");
    if (m_definitions.teskUsed)
        m_line.append("-cpz ");
    if (m_definitions.pellamUsed)
        m_line.append("-spz ");
}

void CommandLinePieces::mouse()
{
    if (m_settings.disableMouse)
        m_line.append("-nomouse ");
}

void CommandLinePieces::respawnAndInfighting()
{
    const LauncherSettings& s = m_settings;
    if (s.monsterRespawn)
        m_line.append(installed() ? "-ReSpawn " : "-respawn ");
    if (s.noSameTypeInfighting)
        m_line.append("-noif1 ");
    if (s.noLostSoulInfighting)
        m_line.append("-noif2 ");
}

void CommandLinePieces::gameRules()
{
    const LauncherSettings& s = m_settings;
    if (s.grenadeLauncher && s.grenadeTimeout != 0)
        appendWithValue("-gnd ", QString::number(s.grenadeTimeout * 35));
    if (s.grenadeLauncher && s.grenadeTimeout == 0)
        m_line.append("-pbm ");
    if (s.noMonsters)
        m_line.append("-nm ");
    if (s.textureCompression)
        m_line.append("-tc ");
    if (!basic() && s.detailTextures)
        m_line.append("-dt ");
    if (s.detailTexturesCopy)
        m_line.append("-ol ");
    if (s.disableJoystick)
        m_line.append("-nojoy ");
}

void CommandLinePieces::skyAndRespawn()
{
    const LauncherSettings& s = m_settings;
    if (scripted()) {
        m_line.append("-usb ");
        if (basic())
            m_line.append("-ams ");
        return;
    }
    if (s.skyboxes && !basic()) {
        if (s.skyboxStyle == 0)
            m_line.append("-usb ");
        else if (s.skyboxStyle == 1)
            m_line.append("-fsb ");
    }
    if (installed())
        respawnAndInfighting();
}

void CommandLinePieces::spareAndResurrect()
{
    if (m_settings.spareOption)
        m_line.append("-to ");
    if (m_settings.resurrectWithFade)
        m_line.append("-ro ");
}

void CommandLinePieces::appendCorpse()
{
    const int seconds = m_settings.corpseFadeSeconds;
    if (!m_settings.noMonsters && seconds != 0)
        appendWithValue("-ct ", QString::number(seconds));
}

void CommandLinePieces::corpseFade()
{
    // A scripted map keeps its corpse fade in Basic Doom mode.
    if (!basic() || scripted())
        appendCorpse();
}

void CommandLinePieces::consoleBlock()
{
    const LauncherSettings& s = m_settings;
    if (basic())
        return;
    if (s.waterDynamics)
        m_line.append("-wd ");
    if (!installed())
        appendCorpse();
    // Everything after "-cmd " is read as console commands, each one quoted.
    m_line.append("-cmd ");
    m_line.appendQuoted(s.dynamicLighting ? QStringLiteral("rend-light 1")
                                          : QStringLiteral("rend-light 0"));
    if (m_inputs.ricochetChanged) {
        m_line.appendQuoted(s.ricochets ? QLatin1String("audio-ricoh ") +
                                              LaunchRules::ricochetCommandValue(s.ricochetValue)
                                        : QStringLiteral("audio-ricoh 0"));
    }
    if (m_inputs.fakeGlowChanged)
        m_line.appendQuoted(s.underwaterFakeGlow ? QStringLiteral("fakeglow 1")
                                                 : QStringLiteral("fakeglow 0"));
}

void CommandLinePieces::fastMonsters()
{
    if (m_settings.fastMonsters)
        m_line.append("-fast ");
}

void CommandLinePieces::basicPieces()
{
    if (!basic() || scripted())
        return;
    for (const char* piece : {"-spx ", "-nc ", "-nht ", "-np ", "-nto "})
        m_line.append(piece);
}

void CommandLinePieces::splashes()
{
    if (!m_settings.waterSplashes && !basic() && !scripted())
        m_line.append("-spx ");
}

void CommandLinePieces::compatibilitySwitches()
{
    switch (compatibilityClass()) {
    case 5:
        m_line.append("-stx ");
        break;
    case 6:
        m_line.append("-c_nextmap ");
        break;
    case 4:
        if (!ownHiRes())
            m_line.append("-mfo ");
        break;
    default:
        break;
    }
}

void CommandLinePieces::coreEffects()
{
    if (m_settings.modelOptCoreEffects && !basic() && !scripted())
        m_line.append("-nc ");
}

void CommandLinePieces::verbose()
{
    if (m_settings.verbose)
        m_line.append("-v ");
}

void CommandLinePieces::startPoint()
{
    const LauncherSettings& s = m_settings;
    const LaunchState& state = m_state;
    if (s.skill != 0 && state.kind != LaunchKind::NewGame)
        appendWithValue("-sk ", QString::number(s.skill));
    if (s.editMode) {
        m_line.append("-txe ");
        if (s.editNoObjects)
            m_line.append("-txn ");
        if (s.editLight)
            appendWithValue("-txa ", QString::number(s.lightValue));
    }
    if (state.kind == LaunchKind::WarpToMap && !state.warpArgument.isEmpty())
        appendWithValue("-wp ", state.warpArgument);
    if (state.kind == LaunchKind::LoadSave)
        appendWithValue("-loadgame ", state.saveSlot);
}

void CommandLinePieces::extraText()
{
    if (!m_settings.extraCommandLine.isEmpty())
        m_line.appendPlayerText(m_settings.extraCommandLine);
}

} // namespace z3d
