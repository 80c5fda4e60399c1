#include "core/inspect/AddonFaceSources.h"

#include "automap/MapCollector.h"
#include "automap/WadFile.h"
#include "core/inspect/ZipMembers.h"
#include "core/iwads/IwadRegistry.h"
#include "core/library/GameFiles.h"
#include "core/library/GameRecords.h"
#include "core/library/MainWadChooser.h"
#include "core/platform/InstallPaths.h"
#include "core/platform/PathResolver.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace z3d {

namespace {

bool endsWith(const QString& name, QLatin1String extension)
{
    return name.endsWith(extension, Qt::CaseInsensitive);
}

bool isText(const QString& name)
{
    return endsWith(name, QLatin1String(".txt"));
}

bool isWad(const QString& name)
{
    return endsWith(name, QLatin1String(".wad"));
}

QString baseName(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

// A name from a list names one entry of its folder: nothing that reaches another.
bool isPlainName(const QString& name)
{
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\') && name != u"." &&
           name != u"..";
}

// The checker's map-count code of a wad (100 + its maps), its maps picked out of its
// directory by the checker's own collector.
int mapCode(const QString& wadPath)
{
    const std::optional<automap::WadFile> wad =
        automap::WadFile::open(std::filesystem::path(QFile::encodeName(wadPath).toStdString()));
    if (!wad)
        return 100;
    automap::MapCollector maps;
    for (const automap::Lump& lump : wad->lumps())
        maps.add(lump.name);
    return 100 + int(std::min<std::size_t>(maps.maps().size(), 899));
}

QString mainWadOf(const QString& folder)
{
    return MainWadChooser::choose(folder, MainWadChooser::MapCodeFunction(mapCode)).mainFile;
}

// LauncherDir/Zips, where the selected zip of the library is extracted.
QString zipExtractDir(const InstallPaths& paths)
{
    return PathResolver::resolveUnder(paths.launcherDir, QStringLiteral("Zips"));
}

// The first registered commercial game: its palette is the one every Doom-engine IWAD shares.
QString paletteOf(const IwadRegistry& iwads)
{
    for (const IwadType type : iwads.listedGames()) {
        if (PathResolver::fileExists(iwads.path(type)))
            return PathResolver::resolve(iwads.path(type));
    }
    return {};
}

// The IWAD of a commercial game's entry, as spelled on disk; empty when it is not there.
QString iwadOf(const QString& game, const IwadRegistry& iwads)
{
    const std::optional<IwadType> type = iwadTypeFromDisplayName(game);
    if (!type || !PathResolver::fileExists(iwads.path(*type)))
        return {};
    return PathResolver::resolve(iwads.path(*type));
}

// The folder a view keeps the files of game in; empty when there is none.
QString filesFolder(GamesListMode view, const QString& game, const InstallPaths& paths,
                    const IwadRegistry& iwads)
{
    switch (view) {
    case GamesListMode::InstalledGames: {
        if (!isPlainName(game))
            return {};
        const QString gameFolder = PathResolver::resolveUnder(paths.gamesDir, game);
        const QString userDirectory =
            PathResolver::resolveUnder(gameFolder, QStringLiteral("Gwads"));
        if (PathResolver::folderExists(userDirectory))
            return userDirectory;
        return PathResolver::resolveUnder(gameFolder, QStringLiteral("Pwads"));
    }
    case GamesListMode::DoomGames: {
        const QString iwad = iwadOf(game, iwads);
        return iwad.isEmpty() ? QString() : PathResolver::parentFolder(iwad);
    }
    case GamesListMode::ZipLibrary:
        return zipExtractDir(paths);
    }
    return {};
}

// The text file of folder that goes with wad; empty when none.
QString folderText(const QString& folder, const QString& wad, bool byNameOnly)
{
    const QString text = AddonFaceSources::textOf(PathResolver::fileNames(folder),
                                                  {PathResolver::lastComponent(wad)}, byNameOnly);
    return text.isEmpty() ? QString() : PathResolver::join(folder, text);
}

AddonFaceSources installedGame(const QString& game, const InstallPaths& paths,
                               const IwadRegistry& iwads)
{
    AddonFaceSources sources;
    const QString folder = filesFolder(GamesListMode::InstalledGames, game, paths, iwads);
    if (!PathResolver::folderExists(folder))
        return sources;
    if (PathResolver::lastComponent(folder).compare(u"Gwads", Qt::CaseInsensitive) == 0) {
        const QString remembered = GameRecords(paths).userDirectoryFile(game);
        if (isPlainName(remembered) && isWad(remembered) &&
            PathResolver::fileExists(PathResolver::join(folder, remembered)))
            sources.wad = PathResolver::resolveUnder(folder, remembered);
    }
    if (sources.wad.isEmpty())
        sources.wad = mainWadOf(folder);
    sources.paletteWad = paletteOf(iwads);
    sources.textFile = folderText(folder, sources.wad, false);
    return sources;
}

// The zip's wads are extracted when the extraction folder holds each of them, under its name
// and with its declared size.
bool extracted(const QList<ZipMembers::Member>& wads, const QString& folder)
{
    if (wads.isEmpty())
        return false;
    for (const ZipMembers::Member& wad : wads) {
        const QFileInfo file(PathResolver::resolveUnder(folder, wad.name));
        if (!file.isFile() || quint64(file.size()) != wad.size)
            return false;
    }
    return true;
}

AddonFaceSources zipArchive(const QString& game, const InstallPaths& paths,
                            const IwadRegistry& iwads)
{
    AddonFaceSources sources;
    if (!isPlainName(game))
        return sources;
    const QString zip =
        PathResolver::resolveUnder(paths.zipLibraryDir, game + QStringLiteral(".zip"));
    const ZipMembers archive(zip);
    QList<ZipMembers::Member> wads;
    QStringList names;
    for (const ZipMembers::Member& member : archive.members()) {
        names << member.name;
        if (isWad(member.name) && GameFiles::isGameFile(member.name, true))
            wads << member;
    }
    QStringList wadNames;
    const QString folder = zipExtractDir(paths);
    if (extracted(wads, folder)) {
        sources.wad = mainWadOf(folder);
        sources.paletteWad = paletteOf(iwads);
        wadNames << PathResolver::lastComponent(sources.wad);
    } else {
        for (const ZipMembers::Member& wad : std::as_const(wads))
            wadNames << wad.name;
    }
    sources.textMember = AddonFaceSources::textOf(names, wadNames);
    if (!sources.textMember.isEmpty())
        sources.zip = zip;
    return sources;
}

AddonFaceSources gameFile(const AddonFaceEntry& entry, const InstallPaths& paths,
                          const IwadRegistry& iwads)
{
    AddonFaceSources sources;
    const QString folder = filesFolder(entry.view, entry.game, paths, iwads);
    if (!isPlainName(entry.file) || folder.isEmpty() ||
        !PathResolver::fileExists(PathResolver::join(folder, entry.file)))
        return sources;
    const QString file = PathResolver::resolveUnder(folder, entry.file);
    if (isText(entry.file)) {
        sources.textFile = file;
    } else if (isWad(entry.file)) {
        const bool commercial = entry.view == GamesListMode::DoomGames;
        sources.wad = file;
        sources.paletteWad = commercial ? file : paletteOf(iwads);
        sources.textFile = folderText(folder, file, commercial);
    }
    return sources;
}

} // namespace

AddonFaceSources AddonFaceSources::of(const AddonFaceEntry& entry, const InstallPaths& paths,
                                      const IwadRegistry& iwads)
{
    if (!entry.file.isEmpty())
        return gameFile(entry, paths, iwads);
    switch (entry.view) {
    case GamesListMode::InstalledGames:
        return installedGame(entry.game, paths, iwads);
    case GamesListMode::DoomGames:
        // A commercial game is its one file.
        return gameFile(
            {entry.view, entry.game, PathResolver::lastComponent(iwadOf(entry.game, iwads))}, paths,
            iwads);
    case GamesListMode::ZipLibrary:
        return zipArchive(entry.game, paths, iwads);
    }
    return {};
}

QString AddonFaceSources::textOf(const QStringList& names, const QStringList& wadNames,
                                 bool byNameOnly)
{
    QStringList texts;
    QStringList named;
    for (const QString& name : names) {
        if (!isText(name))
            continue;
        texts << name;
        for (const QString& wad : wadNames) {
            if (baseName(name).compare(baseName(wad), Qt::CaseInsensitive) == 0) {
                named << name;
                break;
            }
        }
    }
    if (named.size() == 1)
        return named.first();
    if (!byNameOnly && named.isEmpty() && texts.size() == 1)
        return texts.first();
    return {};
}

} // namespace z3d
