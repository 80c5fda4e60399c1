#include "core/library/GameRecords.h"

#include "core/iwads/IwadType.h"
#include "core/library/GameRecordLines.h"
#include "core/platform/FileOperations.h"
#include "core/platform/InstallPaths.h"
#include "core/platform/ItemReader.h"
#include "core/platform/PathResolver.h"
#include "core/platform/TextFile.h"

#include <QFileInfo>

namespace z3d {

namespace {

const QLatin1String kMapRecord(".z3dm");
const QLatin1String kFileRecord(".z3dg");
const QLatin1String kSaveRecord(".z3ds");

// A record name becomes one path component: it must not climb out of its folder.
bool usableComponent(const QString& name)
{
    return !name.isEmpty() && name != QStringLiteral(".") && name != QStringLiteral("..") &&
           !name.contains(u'/') && !name.contains(u'\\') && !name.contains(QChar(0));
}

bool isMissing(ErrorNumber error)
{
    return error == ErrorNumber::FileNotFound || error == ErrorNumber::PathNotFound;
}

// The value of the record's first line; none when it is empty.
std::optional<QString> firstValue(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    const TextFileLines read = TextFile::readFirstLine(path);
    if (!read.ok() || read.lines.isEmpty())
        return std::nullopt;
    return GameRecordLines::value(read.lines.first());
}

ErrorNumber writeRecord(const QString& path, const std::optional<QStringList>& lines)
{
    if (path.isEmpty() || !lines)
        return ErrorNumber::PathFileAccessError;
    const ErrorNumber folder = FileOperations::createFolderPath(PathResolver::parentFolder(path));
    if (folder != ErrorNumber::None)
        return folder;
    return TextFile::writeLinesUnlessSame(path, *lines);
}

ErrorNumber writeValue(const QString& path, const QString& value)
{
    const std::optional<QString> line = GameRecordLines::valueLine(value);
    return writeRecord(path, line ? std::optional<QStringList>(QStringList{*line}) : std::nullopt);
}

void keepFirstFailure(ErrorNumber& first, ErrorNumber error)
{
    if (first == ErrorNumber::None && error != ErrorNumber::None && !isMissing(error))
        first = error;
}

} // namespace

GameRecords::GameRecords(const InstallPaths& paths) : m_paths(paths) {}

QString GameRecords::recordName(GameKind kind, const QString& game)
{
    QString name = game.toLower();
    if (kind == GameKind::IwadGame) {
        if (const std::optional<IwadType> type = iwadTypeFromDisplayName(game)) {
            // Shareware Doom's key ("doom1") is not its record name: it keeps its display name.
            name = *type == IwadType::Doom1
                       ? QString::fromLatin1(iwadInfo(*type).displayName).toLower()
                       : QString::fromLatin1(iwadInfo(*type).key);
        }
    }
    return usableComponent(name) ? name : QString();
}

std::optional<QString> GameRecords::findEntry(const QStringList& entries, const QString& wanted)
{
    for (const QString& entry : entries) {
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return std::nullopt;
}

QString GameRecords::recordPath(const QString& relative) const
{
    // Without GameInfoDir a relative record path would land in the current folder.
    if (m_paths.gameInfoDir.isEmpty())
        return {};
    return PathResolver::resolve(PathResolver::join(m_paths.gameInfoDir, relative));
}

QString GameRecords::lastMapRecordPath(GameKind kind, const QString& game) const
{
    const QString name = recordName(kind, game);
    if (name.isEmpty())
        return {};
    switch (kind) {
    case GameKind::IwadGame:
        return recordPath(QStringLiteral("Iwads/") + name + kMapRecord);
    case GameKind::PwadGame:
    case GameKind::ScriptedMap:
        return recordPath(QStringLiteral("Pwads/") + name + kMapRecord);
    case GameKind::ZipArchive:
        return recordPath(QStringLiteral("Zips/") + name + kMapRecord);
    case GameKind::None:
    case GameKind::UserDirectory:
        break;
    }
    return {};
}

ErrorNumber GameRecords::saveLastMap(GameKind kind, const QString& game,
                                     const QString& mapEntry) const
{
    return writeValue(lastMapRecordPath(kind, game), mapEntry);
}

std::optional<QString> GameRecords::restoreLastMap(GameKind kind, const QString& game,
                                                   const QStringList& maps) const
{
    const std::optional<QString> wanted = firstValue(lastMapRecordPath(kind, game));
    if (!wanted)
        return std::nullopt;
    return findEntry(maps, *wanted);
}

QString GameRecords::userDirectoryFileRecordPath(const QString& game) const
{
    const QString name = recordName(GameKind::UserDirectory, game);
    return name.isEmpty() ? QString() : recordPath(QStringLiteral("Gwads/") + name + kFileRecord);
}

QString GameRecords::userDirectoryMapRecordPath(const QString& game) const
{
    const QString name = recordName(GameKind::UserDirectory, game);
    return name.isEmpty() ? QString() : recordPath(QStringLiteral("Gwads/") + name + kMapRecord);
}

ErrorNumber GameRecords::saveUserDirectorySelection(const QString& game, const QString& file,
                                                    const QString& map, bool rememberLastMap) const
{
    if (file.isEmpty())
        return ErrorNumber::None;
    const ErrorNumber fileRecord = writeValue(userDirectoryFileRecordPath(game), file);
    if (fileRecord != ErrorNumber::None || !rememberLastMap)
        return fileRecord;

    const QString mapRecord = userDirectoryMapRecordPath(game);
    // The record is read item by item, so each comma-separated value becomes a line of its
    // own.
    ErrorNumber error = ErrorNumber::None;
    const QStringList items = ItemReader::readItems(mapRecord, &error);
    // A record that exists but cannot be read is left alone rather than replaced by one line.
    if (error != ErrorNumber::None && !isMissing(error))
        return error;
    return writeRecord(mapRecord, GameRecordLines::withSelection(items, file, map));
}

std::optional<QString> GameRecords::userDirectoryMap(const QString& game,
                                                     const QString& fileName) const
{
    const QString path = userDirectoryMapRecordPath(game);
    if (fileName.isEmpty() || path.isEmpty())
        return std::nullopt;
    return GameRecordLines::mapFor(ItemReader::readItems(path), fileName);
}

QString GameRecords::userDirectoryFile(const QString& game) const
{
    return firstValue(userDirectoryFileRecordPath(game)).value_or(QString());
}

QString GameRecords::saveRecordPath(GameKind kind, const QString& game,
                                    const QString& mainGameFile) const
{
    const QString name = recordName(kind, game);
    if (name.isEmpty())
        return {};
    switch (kind) {
    case GameKind::IwadGame:
    case GameKind::PwadGame:
    case GameKind::ScriptedMap:
        return recordPath(QStringLiteral("Save/") + name + kSaveRecord);
    case GameKind::UserDirectory: {
        const QString wad =
            QFileInfo(PathResolver::lastComponent(mainGameFile)).completeBaseName().toLower();
        if (!usableComponent(wad))
            return {};
        return recordPath(QStringLiteral("Save/Gwads/") + name + u'/' + wad + kSaveRecord);
    }
    case GameKind::ZipArchive:
        return recordPath(QStringLiteral("Save/Zip/") + name + kSaveRecord);
    case GameKind::None:
        break;
    }
    return {};
}

ErrorNumber GameRecords::writeSaveRecord(GameKind kind, const QString& game,
                                         const QString& mainGameFile, const QString& slot) const
{
    if (slot.isEmpty())
        return ErrorNumber::PathFileAccessError;
    return writeValue(saveRecordPath(kind, game, mainGameFile), slot);
}

std::optional<QString> GameRecords::readSaveRecord(GameKind kind, const QString& game,
                                                   const QString& mainGameFile) const
{
    return firstValue(saveRecordPath(kind, game, mainGameFile));
}

ErrorNumber GameRecords::deleteSaveRecord(GameKind kind, const QString& game,
                                          const QString& mainGameFile) const
{
    const QString path = saveRecordPath(kind, game, mainGameFile);
    if (path.isEmpty())
        return ErrorNumber::PathFileAccessError;
    return FileOperations::deleteFileIfExists(path);
}

ErrorNumber GameRecords::deleteMapRecords() const
{
    if (m_paths.gameInfoDir.isEmpty())
        return ErrorNumber::PathNotFound;
    ErrorNumber first = ErrorNumber::None;
    for (const char* folder : {"Iwads", "Pwads", "Zips"}) {
        const QString path = recordPath(QLatin1String(folder));
        if (PathResolver::folderExists(path))
            keepFirstFailure(first, FileOperations::deleteFolderTree(path));
    }
    keepFirstFailure(first, FileOperations::deleteMatching(recordPath(QStringLiteral("Gwads")),
                                                           QStringLiteral("*.z3dm")));
    return first;
}

ErrorNumber GameRecords::deleteSaveRecords() const
{
    if (m_paths.gameInfoDir.isEmpty())
        return ErrorNumber::PathNotFound;
    const QString path = recordPath(QStringLiteral("Save"));
    if (!PathResolver::folderExists(path))
        return ErrorNumber::None;
    return FileOperations::deleteFolderTree(path);
}

} // namespace z3d
