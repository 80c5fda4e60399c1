#include "core/iwads/IwadSearch.h"

#include "core/iwads/IwadRegistry.h"
#include "core/platform/InstallPaths.h"
#include "core/platform/PathResolver.h"

#include <QFileInfo>

namespace z3d {

namespace {

// The full games in the order each folder is searched.
const char* const kFullGames[] = {"Doom2.wad", "Doom.wad", "Tnt.wad", "Plutonia.wad"};
const char* const kShareware = "Doom1.wad";

void registerIfPresent(IwadRegistry& registry, const QString& folder, const char* fileName)
{
    // An empty folder would make the name relative to the current directory.
    if (folder.isEmpty())
        return;
    const QString path = PathResolver::resolveUnder(folder, QString::fromLatin1(fileName));
    if (QFileInfo(path).isFile())
        registry.registerIwad(path);
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
}

} // namespace z3d
