#pragma once

#include <QString>

#include <span>

namespace z3d {

struct InstallPaths;

// One scripted map shipped with the engine: an installed game GamesDir/<title>/Pwads/<wad>.
struct ScriptedMapRow
{
    const char* title;       // the game folder's name, compared without regard to case
    const char* wadFile;     // the wad inside the game's Pwads folder
    const char* modelFolder; // ModelDir/<modelFolder> (the wad's base name); nullptr if none
};

// What IsScriptedMap learnt about a games-list name.
struct ScriptedMapCheck
{
    bool isScriptedMap = false; // the name is a title of the table
    // The map's wad, its model folder and its high-resolution folder
    // (InstallRoot/Data/custom.hires/<wad base name>) all exist; false for any other name.
    bool assetsPresent = false;
};

// The scripted maps the engine installation ships, fifteen rows.
class ScriptedMapTable
{
public:
    static std::span<const ScriptedMapRow> rows();
    // The row whose title equals name without regard to case.
    static const ScriptedMapRow* find(const QString& name);
    // IsScriptedMap(name), with the assets-present result.
    static ScriptedMapCheck isScriptedMap(const InstallPaths& paths, const QString& name);
    // AnyScriptedMapModelsInstalled: ModelDir/<model folder> exists for at least one row.
    static bool anyScriptedMapModelsInstalled(const InstallPaths& paths);
};

} // namespace z3d
