#include "core/music/AutoPlaylistFile.h"

#include "core/iwads/IwadType.h"
#include "core/platform/FileOperations.h"
#include "core/platform/ItemReader.h"
#include "core/platform/PathResolver.h"
#include "core/platform/TextFile.h"

namespace z3d {

const QString AutoPlaylistFile::kFileName = QStringLiteral("auto-playlist.z3d");

const QStringList& AutoPlaylistFile::initialEntries()
{
    static const QStringList entries{
        "IMPORTANT: Do not manually edit or change the order of this list",
        "Doom/Ultimate Doom Placeholder", "Doom II - Placeholder", "Plutonia - Placeholder",
        "TNT - Placeholder"};
    return entries;
}

QString AutoPlaylistFile::path(const QString& musicDir)
{
    return PathResolver::join(musicDir, kFileName);
}

bool AutoPlaylistFile::exists(const QString& musicDir)
{
    return PathResolver::fileExists(path(musicDir));
}

std::optional<QStringList> AutoPlaylistFile::readEntries(const QString& musicDir)
{
    if (!exists(musicDir))
        return std::nullopt;
    ErrorNumber error = ErrorNumber::None;
    const QStringList entries = ItemReader::readItems(path(musicDir), &error);
    if (error != ErrorNumber::None)
        return std::nullopt;
    return entries;
}

ErrorNumber AutoPlaylistFile::assign(const QString& musicDir, int gameIndex,
                                     const QString& playlistName)
{
    if (gameIndex < 0 || gameIndex >= kGames)
        return ErrorNumber::None;
    QStringList entries;
    if (exists(musicDir)) {
        ErrorNumber error = ErrorNumber::None;
        entries = ItemReader::readItems(path(musicDir), &error);
        if (error != ErrorNumber::None)
            return error;
    }
    while (entries.size() < initialEntries().size())
        entries << initialEntries().at(entries.size());
    entries[1 + gameIndex] = playlistName;

    QStringList lines;
    for (const QString& entry : entries)
        lines << ItemReader::asItem(entry);
    if (const ErrorNumber error = FileOperations::createFolderPath(musicDir);
        error != ErrorNumber::None)
        return error;
    return TextFile::writeLines(path(musicDir), lines);
}

std::optional<int> AutoPlaylistFile::gameIndexOfIwad(const QString& iwadPath)
{
    QString base = PathResolver::lastComponent(iwadPath);
    const qsizetype dot = base.lastIndexOf(u'.');
    if (dot >= 0)
        base.truncate(dot);
    QString key = base.toLower();
    // A stand-in plays its game's playlist: freedoom2.wad is Doom II.
    if (isIwadStandIn(iwadPath))
        key = QLatin1String(iwadInfo(*iwadTypeFromFileName(iwadPath)).key);
    if (key == QLatin1String("doom1") || key == QLatin1String("doom"))
        return 0;
    if (key == QLatin1String("doom2"))
        return 1;
    if (key == QLatin1String("plutonia"))
        return 2;
    if (key == QLatin1String("tnt"))
        return 3;
    return std::nullopt;
}

std::optional<QString> AutoPlaylistFile::find(const QString& musicDir, const QString& iwadPath)
{
    const std::optional<int> game = gameIndexOfIwad(iwadPath);
    if (!game)
        return std::nullopt;
    const std::optional<QStringList> entries = readEntries(musicDir);
    if (!entries || entries->size() <= 1 + *game)
        return std::nullopt;
    return entries->at(1 + *game);
}

} // namespace z3d
