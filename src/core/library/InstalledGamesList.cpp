#include "core/library/InstalledGamesList.h"

#include "core/library/ScriptedMapTable.h"
#include "core/platform/InstallPaths.h"
#include "core/platform/PathResolver.h"

namespace z3d {

namespace {

struct Subfolders
{
    bool pwads = false;
    bool gwads = false;
};

// One listing of the game folder (in its on-disk spelling) answers both questions, whatever
// the case of the subfolders on disk.
Subfolders subfoldersOf(const QString& gameFolder)
{
    Subfolders found;
    for (const QString& name : PathResolver::folderNamesAsSpelled(gameFolder)) {
        if (name.compare(QLatin1String("Pwads"), Qt::CaseInsensitive) == 0)
            found.pwads = true;
        else if (name.compare(QLatin1String("Gwads"), Qt::CaseInsensitive) == 0)
            found.gwads = true;
    }
    return found;
}

GameKind kindFrom(const Subfolders& subfolders, const QString& name)
{
    if (subfolders.gwads)
        return GameKind::UserDirectory;
    return ScriptedMapTable::find(name) ? GameKind::ScriptedMap : GameKind::PwadGame;
}

} // namespace

GamesListEntries InstalledGamesList::list(const InstallPaths& paths, bool scriptedMapsOnly,
                                          bool customFontInUse)
{
    GamesListEntries entries;
    const QString gamesDir = PathResolver::resolve(paths.gamesDir);
    for (const QString& folder : PathResolver::folderNamesAsSpelled(gamesDir)) {
        const Subfolders subfolders = subfoldersOf(PathResolver::join(gamesDir, folder));
        if (!subfolders.pwads && !subfolders.gwads)
            continue;
        if (scriptedMapsOnly && !ScriptedMapTable::find(folder))
            continue;
        entries.append(
            {displayText(folder, customFontInUse), folder, kindFrom(subfolders, folder)});
    }
    sortByDisplay(entries);
    return entries;
}

GameKind InstalledGamesList::kindOf(const InstallPaths& paths, const QString& name)
{
    Subfolders subfolders;
    subfolders.gwads = PathResolver::folderExists(
        PathResolver::join(paths.gamesDir, name + QStringLiteral("/Gwads")));
    return kindFrom(subfolders, name);
}

QString InstalledGamesList::displayText(const QString& name, bool customFontInUse)
{
    return customFontInUse ? name : name.toUpper();
}

} // namespace z3d
