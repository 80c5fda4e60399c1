#include "core/library/ScriptedMapTable.h"

#include "core/platform/InstallPaths.h"
#include "core/platform/PathResolver.h"

#include <QFileInfo>

#include <array>

namespace z3d {

namespace {

// Every model folder is its wad's base name; the last map uses the stock models only.
constexpr std::array<ScriptedMapRow, 15> kRows{{
    {"Cinder Abbey", "cndabbey.wad", "cndabbey"},
    {"Hollow Lantern", "hlantern.wad", "hlantern"},
    {"Marrow Works", "marrowwk.wad", "marrowwk"},
    {"Glasswater Keep", "glswkeep.wad", "glswkeep"},
    {"Saltmarsh Relay", "sltrelay.wad", "sltrelay"},
    {"Quillon Depths", "quildpth.wad", "quildpth"},
    {"Vesper Foundry", "vespfndy.wad", "vespfndy"},
    {"Thornwick Station", "thornstn.wad", "thornstn"},
    {"Ember Cistern", "embrcist.wad", "embrcist"},
    {"Orchid Reactor", "orchreac.wad", "orchreac"},
    {"Brackish Spire", "brakspir.wad", "brakspir"},
    {"Lunule Gate", "lunugate.wad", "lunugate"},
    {"Copperfen Mill", "cprfnmil.wad", "cprfnmil"},
    {"Pale Chorus", "palechor.wad", "palechor"},
    {"Wickermoor", "wickmoor.wad", nullptr},
}};

} // namespace

std::span<const ScriptedMapRow> ScriptedMapTable::rows()
{
    return kRows;
}

const ScriptedMapRow* ScriptedMapTable::find(const QString& name)
{
    for (const ScriptedMapRow& row : kRows) {
        if (name.compare(QLatin1String(row.title), Qt::CaseInsensitive) == 0)
            return &row;
    }
    return nullptr;
}

ScriptedMapCheck ScriptedMapTable::isScriptedMap(const InstallPaths& paths, const QString& name)
{
    ScriptedMapCheck check;
    const ScriptedMapRow* row = find(name);
    if (!row)
        return check;
    check.isScriptedMap = true;
    const QString wad = QLatin1String(row->wadFile);
    const QString base = QFileInfo(wad).completeBaseName();
    check.assetsPresent =
        PathResolver::fileExists(
            PathResolver::join(paths.gamesDir, name + QStringLiteral("/Pwads/") + wad)) &&
        PathResolver::folderExists(PathResolver::join(paths.modelDir, base)) &&
        PathResolver::folderExists(paths.under(QStringLiteral("Data/custom.hires/") + base));
    return check;
}

bool ScriptedMapTable::anyScriptedMapModelsInstalled(const InstallPaths& paths)
{
    for (const ScriptedMapRow& row : kRows) {
        if (row.modelFolder && PathResolver::folderExists(PathResolver::join(
                                   paths.modelDir, QLatin1String(row.modelFolder))))
            return true;
    }
    return false;
}

} // namespace z3d
