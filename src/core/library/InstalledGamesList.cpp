#include "core/library/InstalledGamesList.h"

#include "core/library/ScriptedMapTable.h"
#include "core/platform/InstallPaths.h"
#include "core/platform/PathResolver.h"

namespace z3d {

namespace {

// One listing of the game folder (in its on-disk spelling) answers both questions, whatever
// the case of the subfolders on disk.
GameFolder gameFolderAt(const QString& gamesDir, const QString& name)
{
    GameFolder found{name};
    for (const QString& entry :
         PathResolver::folderNamesAsSpelled(PathResolver::join(gamesDir, name))) {
        if (entry.compare(QLatin1String("Pwads"), Qt::CaseInsensitive) == 0)
            found.pwads = true;
        else if (entry.compare(QLatin1String("Gwads"), Qt::CaseInsensitive) == 0)
            found.gwads = true;
    }
    return found;
}

GameKind kindFrom(bool gwads, const QString& name)
{
    if (gwads)
        return GameKind::UserDirectory;
    return ScriptedMapTable::find(name) ? GameKind::ScriptedMap : GameKind::PwadGame;
}

} // namespace

GameFolders InstalledGamesList::scan(const QString& gamesDir)
{
    GameFolders folders;
    const QString resolved = PathResolver::resolve(gamesDir);
    for (const QString& name : PathResolver::folderNamesAsSpelled(resolved)) {
        GameFolder folder = gameFolderAt(resolved, name);
        if (folder.pwads || folder.gwads)
            folders.append(std::move(folder));
    }
    return folders;
}

GamesListEntries InstalledGamesList::list(const InstallPaths& paths, bool scriptedMapsOnly,
                                          bool customFontInUse)
{
    return list(scan(paths.gamesDir), scriptedMapsOnly, customFontInUse);
}

GamesListEntries InstalledGamesList::list(const GameFolders& folders, bool scriptedMapsOnly,
                                          bool customFontInUse)
{
    GamesListEntries entries;
    entries.reserve(folders.size());
    for (const GameFolder& folder : folders) {
        if (scriptedMapsOnly && !ScriptedMapTable::find(folder.name))
            continue;
        entries.append({displayText(folder.name, customFontInUse), folder.name,
                        kindFrom(folder.gwads, folder.name)});
    }
    sortByDisplay(entries);
    return entries;
}

GameKind InstalledGamesList::kindOf(const InstallPaths& paths, const QString& name)
{
    const bool gwads = PathResolver::folderExists(
        PathResolver::join(paths.gamesDir, name + QStringLiteral("/Gwads")));
    return kindFrom(gwads, name);
}

QString InstalledGamesList::displayText(const QString& name, bool customFontInUse)
{
    return customFontInUse ? name : name.toUpper();
}

} // namespace z3d
