#include "core/music/PlaylistFile.h"

#include "core/music/PlaylistFormat.h"
#include "core/platform/FileOperations.h"
#include "core/platform/PathResolver.h"
#include "core/platform/TextFile.h"

namespace z3d {

namespace {

const QLatin1String kExtension(".z3m");

} // namespace

QString PlaylistFile::path(const QString& musicDir, const QString& name)
{
    return PathResolver::join(musicDir, name + kExtension);
}

bool PlaylistFile::exists(const QString& musicDir, const QString& name)
{
    return isUsableName(name) && PathResolver::fileExists(path(musicDir, name));
}

bool PlaylistFile::isUsableName(const QString& name)
{
    const PlaylistNameFault fault = newNameFault(name);
    return fault != PlaylistNameFault::NoName && fault != PlaylistNameFault::DotName &&
           fault != PlaylistNameFault::PathSeparator;
}

PlaylistNameFault PlaylistFile::newNameFault(const QString& name)
{
    if (name.isEmpty())
        return PlaylistNameFault::NoName;
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return PlaylistNameFault::DotName;
    if (name.contains(u'/') || name.contains(u'\\'))
        return PlaylistNameFault::PathSeparator;
    if (name.contains(u'"'))
        return PlaylistNameFault::Quote;
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return PlaylistNameFault::ControlCharacter;
    }
    return PlaylistNameFault::None;
}

PlaylistRead PlaylistFile::read(const QString& musicDir, const QString& name)
{
    PlaylistRead result;
    if (!exists(musicDir, name))
        return result;
    const TextFileLines file = TextFile::readLines(path(musicDir, name), playlist::kMaxLines,
                                                   TextFile::Encoding::KeepBytes);
    result.error = file.error;
    result.status = file.ok() ? PlaylistRead::Status::Read : PlaylistRead::Status::Unreadable;
    if (file.ok())
        result.lines = file.lines;
    return result;
}

ErrorNumber PlaylistFile::save(const QString& musicDir, const QString& name,
                               const QStringList& lines)
{
    if (const ErrorNumber error = FileOperations::createFolderPath(musicDir);
        error != ErrorNumber::None)
        return error;
    if (name.isEmpty())
        return ErrorNumber::None;
    if (!isUsableName(name))
        return ErrorNumber::PathFileAccessError;
    return TextFile::writeLines(path(musicDir, name), lines, TextFile::Encoding::KeepBytes);
}

QStringList PlaylistFile::names(const QString& musicDir)
{
    QStringList names;
    for (const QString& file : PathResolver::fileNames(musicDir)) {
        if (file.size() > kExtension.size() && file.endsWith(kExtension, Qt::CaseInsensitive))
            names << file.chopped(kExtension.size());
    }
    return names;
}

QStringList PlaylistFile::loadNames(const QString& musicDir)
{
    FileOperations::createFolderPath(musicDir);
    return names(musicDir);
}

ErrorNumber PlaylistFile::remove(const QString& musicDir, const QString& name)
{
    if (!isUsableName(name))
        return ErrorNumber::None;
    return FileOperations::deleteFileIfExists(path(musicDir, name));
}

} // namespace z3d
