#pragma once

#include "core/launch/EngineCommandLine.h"
#include "core/launch/LaunchInputs.h"
#include "core/settings/LauncherSettings.h"

#include <QString>
#include <QStringList>

namespace z3d {

// Which procedure a line is built for: the two differ in several pieces and in their order.
enum class LaunchColumn
{
    Commercial,
    Installed
};

// The custom definition files a launch uses.
struct DefinitionUse
{
    bool anySelected = false; // "-d " is written even when the rules drop every entry
    QStringList paths;        // in list order, as they go on the line
    bool teskUsed = false;    // adds "-cpz " to the model switches
    bool pellamUsed = false;  // adds "-spz "

    // The selected entries of the definitions list after the pistol-zombie rules.
    static DefinitionUse select(const QList<DefinitionEntry>& entries,
                                const LauncherSettings& settings, const QString& customDefsDir);
};

// The pieces of the engine command line, each group appended in the order its function is
// called. The caller (the launch procedure) owns the order; each function appends its own
// pieces only when their conditions hold for the column. settings are the settings the
// line is built from (with Basic Doom mode on when compatibility class 7 forced it).
class CommandLinePieces
{
public:
    // state is the procedure's launch state (its kind, warp text, save slot and IwadPath);
    // every reference must outlive the object.
    CommandLinePieces(EngineCommandLine& line, const LauncherSettings& settings,
                      const LaunchInputs& inputs, const LaunchState& state, LaunchColumn column,
                      bool iwadByPath);

    void iwad();
    void gameFiles();            // installed games
    void definitionFiles();      // "-d " and the selected custom definitions
    void gameDefinitionFiles();  // the game's own .ded files, when the IWAD goes by path
    void developmentMode();      // installed games
    void modelPacks();           // "-cwp -fp ", "-cwp -ap ", "-am "
    void modelsPartlyDisabled(); // installed games: "-mpd "
    void textures();             // "-np ", "-nht ", "-td "
    void sound();                // "-nosound " or the sound and music switches
    void boom();                 // installed games, class 3
    void modelSwitches();
    void mouse();
    void respawnAndInfighting(); // the commercial column's place for them
    void gameRules();            // grenades, monsters, textures, joystick
    void skyAndRespawn();
    void spareAndResurrect();
    void corpseFade(); // the installed column's place for it
    void consoleBlock();
    void fastMonsters();
    void basicPieces();
    void splashes();
    void compatibilitySwitches(); // installed games: "-stx ", "-c_nextmap ", "-mfo "
    void coreEffects();
    void verbose();
    void startPoint(); // skill, edit mode, warp, save game
    void extraText();

private:
    bool basic() const { return m_settings.basicDoomMode; }
    bool installed() const { return m_column == LaunchColumn::Installed; }
    bool scripted() const { return installed() && m_inputs.game.scriptedMapReady; }
    bool ownHiRes() const { return installed() && m_inputs.ownHiResFolders; }
    int compatibilityClass() const { return installed() ? m_inputs.game.compatibilityClass : 0; }
    void appendCorpse();
    // The piece (a switch and its blank), the value and one blank, as one append.
    void appendWithValue(const char* piece, const QString& value);
    void appendPlaylist(const QString& name);

    EngineCommandLine& m_line;
    const LauncherSettings& m_settings;
    const LaunchInputs& m_inputs;
    const LaunchState& m_state;
    LaunchColumn m_column;
    bool m_iwadByPath;
    DefinitionUse m_definitions;
    bool m_definitionSwitchWritten = false;
};

} // namespace z3d
