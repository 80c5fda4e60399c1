#include "core/launch/LaunchAssembler.h"

#include "core/inspect/MapSelection.h"
#include "core/launch/CommandLinePieces.h"
#include "core/launch/EngineCommandLine.h"
#include "core/launch/LaunchMessages.h"
#include "core/launch/LaunchRules.h"
#include "core/platform/PathResolver.h"

namespace z3d {

namespace {

LaunchOutcome startOutcome(const LauncherSettings& settings, const LaunchInputs& inputs)
{
    LaunchOutcome outcome;
    outcome.settings = settings;
    outcome.state = inputs.state;
    outcome.state.launchPending = false;
    outcome.state.shortcutRequest = false;
    // A shortcut is not a launch: the after-launch action of the last launch stays.
    if (!inputs.state.shortcutRequest)
        outcome.settings.lastAfterLaunchAction = settings.afterLaunchOption;
    return outcome;
}

// The model-pack tests. They never stop the launch: a failed test switches its options off
// (for this and later launches) and says so.
void testModelPacks(LaunchOutcome& outcome, const LaunchInputs& inputs)
{
    LauncherSettings& s = outcome.settings;
    // The Orrinpack weapons replace the hud weapons; with those switched off they are moot.
    if (s.modelOptHudWeapons) {
        s.orrinWeapons = false;
        s.orrinAltWeapons = false;
    }
    if (s.orrinWeapons || s.orrinAltWeapons) {
        const bool versionOk = s.orrinWeapons ? inputs.orrinpackFullpackVersionOk
                                              : inputs.orrinpackAlternativeVersionOk;
        if (!versionOk) {
            outcome.messages << LaunchMessages::orrinpackVersion();
            s.orrinWeapons = false;
            s.orrinAltWeapons = false;
        }
    }
    if (!inputs.modelCompatibilityOk) {
        outcome.messages << LaunchMessages::modelCompatibility();
        s.pellamOrrinModels = false;
    }
    if ((s.orrinWeapons || s.orrinAltWeapons) && !s.modelOptAllModels &&
        !inputs.orrinpackWadFound) {
        outcome.messages << LaunchMessages::orrinpackWadMissing();
        s.orrinWeapons = false;
        s.orrinAltWeapons = false;
    }
}

LaunchOutcome refuse(LaunchOutcome outcome, const LaunchMessage& message,
                     bool openIwadWindow = false)
{
    outcome.refusal = LaunchRefusal{message, openIwadWindow};
    outcome.state.launchPending = false;
    outcome.commandLine.clear();
    outcome.basicModeForced = false;
    return outcome;
}

// Adds the pieces both command lines end with, then settles the outcome: a launch, the
// arguments of a shortcut, or a refusal when the line would not reach the engine as the
// arguments it was built from.
LaunchOutcome finish(LaunchOutcome outcome, CommandLinePieces& pieces,
                     const EngineCommandLine& line, const LaunchInputs& inputs)
{
    pieces.coreEffects();
    pieces.verbose();
    pieces.startPoint();
    pieces.extraText();
    if (!line.isSound())
        return refuse(outcome, LaunchMessages::unsplittableLine(line, inputs.paths.installRoot));
    outcome.commandLine = line.text();
    if (inputs.state.shortcutRequest) {
        outcome.shortcut = true;
        outcome.shortcutArguments = line.arguments();
        outcome.state.launchPending = false;
    } else {
        outcome.state.launchPending = true;
    }
    return outcome;
}

} // namespace

LaunchOutcome launchCommercialGame(const LauncherSettings& settings, const LaunchInputs& inputs)
{
    LaunchOutcome outcome = startOutcome(settings, inputs);
    testModelPacks(outcome, inputs);

    const QString& iwadFile = inputs.selectedIwadFile;
    LaunchState& state = outcome.state;
    state.iwadPath = LaunchRules::selectIwadPath(PathResolver::lastComponent(iwadFile),
                                                 inputs.registry, state.iwadPath);
    // The chosen file is the registered one; should the registry have lost it, the chosen
    // file still names the IWAD.
    if (state.iwadPath.isEmpty())
        state.iwadPath = iwadFile;
    const IwadFileFacts facts = inputs.iwadFacts(iwadFile);
    outcome.iwadByPath = !facts.foundByEngine;
    if (!facts.exists)
        return refuse(outcome, LaunchMessages::iwadLocation(), true);

    const LauncherSettings& s = outcome.settings;
    EngineCommandLine line;
    CommandLinePieces pieces(line, s, inputs, state, LaunchColumn::Commercial, outcome.iwadByPath);
    pieces.iwad();
    pieces.definitionFiles();
    pieces.modelPacks();
    pieces.textures();
    pieces.sound();
    pieces.modelSwitches();
    pieces.mouse();
    pieces.respawnAndInfighting();
    pieces.gameRules();
    pieces.skyAndRespawn();
    pieces.spareAndResurrect();
    pieces.consoleBlock();
    pieces.fastMonsters();
    pieces.basicPieces();
    pieces.splashes();

    return finish(outcome, pieces, line, inputs);
}

LaunchOutcome launchInstalledGame(const LauncherSettings& settings, const LaunchInputs& inputs)
{
    LaunchOutcome outcome = startOutcome(settings, inputs);
    const InstalledGameInputs& game = inputs.game;

    if (game.scriptedMap && !game.scriptedMapReady)
        return refuse(outcome, LaunchMessages::mapUpdateRequired());
    testModelPacks(outcome, inputs);

    if (game.userDirectory) {
        const QString selected = game.selectedUserFile.value_or(QString());
        if (!game.selectedUserFile ||
            !selected.endsWith(QLatin1String(".wad"), Qt::CaseInsensitive))
            return refuse(outcome, LaunchMessages::noWadSelected());
        if (game.firstMapEntry.isEmpty())
            return refuse(
                outcome, LaunchMessages::noValidWadSelected(PathResolver::lastComponent(selected)));
    }

    LaunchState& state = outcome.state;
    if (state.kind == LaunchKind::NewGame) {
        // No map is selected: the IWAD of the game's map style.
        if (const auto target = launchTargetForMap({game.firstMapEntry}, -1, state.kind,
                                                   game.mainFile, inputs.registry)) {
            state.warpArgument = target->warpArgument;
            state.iwadPath = target->iwadPath;
        }
    }

    LauncherSettings effective = outcome.settings;
    const int compatibilityClass = game.compatibilityClass;
    if (compatibilityClass == 1 || compatibilityClass == 2) {
        const IwadType finalDoom = compatibilityClass == 1 ? IwadType::Tnt : IwadType::Plutonia;
        state.iwadPath = inputs.registry.path(finalDoom);
        if (!inputs.iwadFacts(state.iwadPath).exists)
            return refuse(outcome, LaunchMessages::finalDoomIwadMissing());
    } else if (compatibilityClass == 7 && !effective.basicDoomMode) {
        effective.basicDoomMode = true;
        outcome.basicModeForced = true;
    }

    const IwadFileFacts facts = inputs.iwadFacts(state.iwadPath);
    if (!facts.exists) {
        const QString required =
            LaunchRules::requiredIwadFileName(state.iwadPath, game.firstMapEntry, game.mainFile);
        return refuse(outcome, LaunchMessages::iwadNotFoundForMap(required));
    }
    outcome.iwadByPath = !facts.foundByEngine;

    EngineCommandLine line;
    CommandLinePieces pieces(line, effective, inputs, state, LaunchColumn::Installed,
                             outcome.iwadByPath);
    pieces.iwad();
    pieces.gameFiles();
    pieces.definitionFiles();
    pieces.gameDefinitionFiles();
    pieces.developmentMode();
    pieces.modelPacks();
    pieces.modelsPartlyDisabled();
    // Skill "Start game from New" starts the game from its beginning: no map, no save.
    if (effective.skill == 0)
        state.kind = LaunchKind::NewGame;
    pieces.textures();
    pieces.sound();
    pieces.boom();
    pieces.modelSwitches();
    pieces.mouse();
    pieces.gameRules();
    pieces.skyAndRespawn();
    pieces.spareAndResurrect();
    pieces.corpseFade();
    pieces.consoleBlock();
    pieces.fastMonsters();
    pieces.basicPieces();
    pieces.splashes();
    pieces.compatibilitySwitches();

    return finish(outcome, pieces, line, inputs);
}

} // namespace z3d
