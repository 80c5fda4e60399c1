#include "core/iwads/IwadSearch.h"

#include "core/iwads/IwadRegistry.h"
#include "core/iwads/IwadType.h"
#include "core/platform/InstallPaths.h"
#include "core/platform/PathResolver.h"

#include <QFileInfo>

namespace z3d {

namespace {

// The full games in the order each folder is searched.
const char* const kFullGames[] = {"Doom2.wad", "Doom.wad", "Tnt.wad", "Plutonia.wad"};
const char* const kShareware = "Doom1.wad";

// A directory or a dangling link of the name is no file and is passed over.
bool registerIfPresent(IwadRegistry& registry, const QString& folder, const char* fileName)
{
    // An empty folder would make the name relative to the current directory.
    if (folder.isEmpty())
        return false;
    const QString path = PathResolver::resolveUnder(folder, QString::fromLatin1(fileName));
    return QFileInfo(path).isFile() && registry.registerIwad(path);
}

void registerFullGames(IwadRegistry& registry, const QString& folder)
{
    for (const char* name : kFullGames)
        registerIfPresent(registry, folder, name);
}

} // namespace

void searchIwads(IwadRegistry& registry, const InstallPaths& paths,
                 const IwadEnvironment& environment)
{
    const QString wadDir = environment.searchFolder();
    const QString root = paths.installRoot;
    const QString data = paths.under(QStringLiteral("Data"));
    const QString iwads = paths.under(QStringLiteral("Iwads"));

    for (const QString& folder : {wadDir, root, data, iwads})
        registerFullGames(registry, folder);
    for (const QString& folder : {wadDir, iwads, data, root})
        registerIfPresent(registry, folder, kShareware);

    // Where Linux players keep their games, after every Windows-style location.
    const QStringList xdgFolders = environment.xdgGameFolders();
    for (const QString& folder : xdgFolders)
        registerFullGames(registry, folder);
    for (const QString& folder : xdgFolders)
        registerIfPresent(registry, folder, kShareware);

    for (const IwadStandIn& standIn : iwadStandIns()) {
        if (!registry.path(standIn.type).isEmpty())
            continue;
        for (const QString& folder : xdgFolders) {
            if (registerIfPresent(registry, folder, standIn.fileName))
                break;
        }
    }
}

} // namespace z3d
