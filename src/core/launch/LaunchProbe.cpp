#include "core/launch/LaunchProbe.h"

#include "core/iwads/IwadType.h"
#include "core/music/AutoPlaylistFile.h"
#include "core/music/PlaylistFile.h"
#include "core/platform/PathResolver.h"

#include <QFileInfo>
#include <QtGlobal>

namespace z3d {

namespace {

QString fileNameOf(const QString& path)
{
    return PathResolver::lastComponent(path);
}

QString baseNameOf(const QString& path)
{
    const QString name = fileNameOf(path);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.left(dot) : name;
}

// FindAutoPlaylist for each IWAD a launch may use: the playlist the auto-playlist file assigns
// to the IWAD's game, listed when MusicDir holds a playlist of that name. An IWAD without an
// assignment gets no choice.
void findAutoPlaylists(LaunchInputs& inputs, const QStringList& iwads)
{
    const QString& musicDir = inputs.paths.musicDir;
    const QStringList listed = PlaylistFile::names(musicDir);
    for (const QString& iwad : iwads) {
        if (iwad.isEmpty())
            continue;
        const std::optional<QString> name = AutoPlaylistFile::find(musicDir, iwad);
        if (name)
            inputs.autoPlaylists.insert(iwad, {*name, listed.contains(*name, Qt::CaseInsensitive)});
        else
            inputs.autoPlaylists.remove(iwad);
    }
}

} // namespace

bool LaunchProbe::decideIwadArgument(const QString& iwadFile, const QString& doomWadDir,
                                     const QString& installRoot)
{
    const QString name = fileNameOf(iwadFile);
    // The engine has no switch of a stand-in's name: Freedoom always goes by its path.
    if (name.isEmpty() || isIwadStandIn(name))
        return true;
    // An unset DOOMWADDIR is no folder: it must not turn into the file system's root.
    if (!doomWadDir.isEmpty() && PathResolver::fileExists(PathResolver::join(doomWadDir, name)))
        return false;
    for (const char* folder : {"", "Data/", "Iwads/"}) {
        const QString candidate = PathResolver::join(installRoot, QLatin1String(folder) + name);
        if (PathResolver::fileExists(candidate))
            return false;
    }
    return true;
}

bool LaunchProbe::hasOwnHiResFolders(const QString& installRoot, const QString& baseName)
{
    if (baseName.isEmpty())
        return false;
    return PathResolver::folderExists(
               PathResolver::join(installRoot, QLatin1String("Data/Custom.hires/") + baseName)) &&
           PathResolver::folderExists(
               PathResolver::join(installRoot, QLatin1String("Md2/") + baseName));
}

IwadFileFacts LaunchProbe::iwadFileFacts(const QString& iwadFile, const QString& doomWadDir,
                                         const QString& installRoot)
{
    IwadFileFacts facts;
    if (iwadFile.isEmpty())
        return facts;
    facts.exists = PathResolver::fileExists(iwadFile);
    facts.foundByEngine = !decideIwadArgument(iwadFile, doomWadDir, installRoot);
    return facts;
}

QString LaunchProbe::doomWadDirFromEnvironment()
{
    return qEnvironmentVariable("DOOMWADDIR");
}

void LaunchProbe::probe(LaunchInputs& inputs, const LauncherSettings& settings)
{
    const QString root = inputs.paths.installRoot;

    QStringList iwads{inputs.state.iwadPath, inputs.selectedIwadFile};
    for (const IwadInfo& info : iwadTypes())
        iwads << inputs.registry.path(info.type);
    for (const QString& path : iwads) {
        if (!path.isEmpty())
            inputs.iwadFiles.insert(path, iwadFileFacts(path, inputs.doomWadDir, root));
    }

    inputs.ownHiResFolders = !inputs.game.mainFile.isEmpty() &&
                             hasOwnHiResFolders(root, baseNameOf(inputs.game.mainFile));

    inputs.texturePathIsFolder =
        !inputs.texturePath.isEmpty() && PathResolver::folderExists(inputs.texturePath);
    inputs.textureSetPatchesExist =
        !inputs.textureSetDir.isEmpty() &&
        PathResolver::folderExists(PathResolver::join(inputs.textureSetDir, "Patches"));

    inputs.manualPlaylistFileExists =
        PlaylistFile::exists(inputs.paths.musicDir, settings.playlistName);
    if (settings.autoPlaylist)
        findAutoPlaylists(inputs, iwads);
    for (AutoPlaylistChoice& choice : inputs.autoPlaylists)
        choice.fileExists = PlaylistFile::exists(inputs.paths.musicDir, choice.name);

    inputs.orrinpackWadFound = PathResolver::fileExists(
        PathResolver::join(inputs.paths.modelDir, "Orrinpack/orrinpack.wad"));
}

} // namespace z3d
