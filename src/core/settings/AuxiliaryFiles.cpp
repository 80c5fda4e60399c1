#include "core/settings/AuxiliaryFiles.h"

#include "core/platform/FileOperations.h"
#include "core/platform/ItemReader.h"
#include "core/platform/PathResolver.h"
#include "core/platform/TextFile.h"

#include <QDir>

namespace z3d {

namespace {

// The first line of a one-value file; nothing when the file is missing or its line is blank
// (a blank path would name no folder and is treated as no value).
std::optional<QString> firstLine(const QString& file)
{
    if (!PathResolver::fileExists(file))
        return std::nullopt;
    const TextFileLines lines = TextFile::readFirstLine(file);
    if (!lines.ok() || lines.lines.first().trimmed().isEmpty())
        return std::nullopt;
    return lines.lines.first();
}

QString withoutTrailingSeparator(const QString& path)
{
    const QString normal = PathResolver::normalizeSeparators(path);
    return normal.size() > 1 && normal.endsWith(u'/') ? normal.chopped(1) : normal;
}

} // namespace

QString AuxiliaryFiles::texturePathFile(const InstallPaths& paths)
{
    return PathResolver::resolveUnder(paths.launcherDataDir, QStringLiteral("texpath.z3d"));
}

QString AuxiliaryFiles::archivesFile(const InstallPaths& paths)
{
    return PathResolver::resolveUnder(paths.launcherDataDir, QStringLiteral("archives.z3d"));
}

QString AuxiliaryFiles::lastInstallFolderFile(const InstallPaths& paths)
{
    return PathResolver::resolveUnder(paths.launcherDataDir, QStringLiteral("pwads.z3d"));
}

QString AuxiliaryFiles::confirmFile(const InstallPaths& paths)
{
    return PathResolver::resolveUnder(paths.launcherDataDir, QStringLiteral("confirm.z3d"));
}

QString AuxiliaryFiles::launchTextFile(const InstallPaths& paths)
{
    return PathResolver::resolveUnder(paths.launcherDir, QStringLiteral("launch.txt"));
}

QString AuxiliaryFiles::defaultTexturePath(const InstallPaths& paths)
{
    return paths.under(QStringLiteral("\\Data\\Textures"));
}

QString AuxiliaryFiles::defaultZipLibraryDir(const InstallPaths& paths)
{
    return paths.under(QStringLiteral("\\Z3DArchives"));
}

std::optional<QString> AuxiliaryFiles::readTexturePath(const InstallPaths& paths)
{
    return firstLine(texturePathFile(paths));
}

std::optional<QString> AuxiliaryFiles::readZipLibraryDir(const InstallPaths& paths)
{
    return firstLine(archivesFile(paths));
}

QString AuxiliaryFiles::readLastInstallFolder(const InstallPaths& paths)
{
    const QString file = lastInstallFolderFile(paths);
    if (!PathResolver::fileExists(file))
        return {};
    const TextFileLines lines = TextFile::readFirstLine(file);
    if (!lines.ok())
        return {};
    const QString folder = ItemReader::firstItem(lines.lines.first());
    if (!PathResolver::folderExists(folder))
        return {};
    return PathResolver::resolve(folder);
}

ErrorNumber AuxiliaryFiles::writeLastInstallFolder(const InstallPaths& paths,
                                                   const QString& folderPath)
{
    // Read item by item: a folder holding a comma or a quote is written quoted.
    return TextFile::writeLines(lastInstallFolderFile(paths), {ItemReader::asItem(folderPath)});
}

ErrorNumber AuxiliaryFiles::storeTexturePath(const InstallPaths& paths, const QString& texturePath)
{
    if (PathResolver::samePath(texturePath, defaultTexturePath(paths)))
        return deleteTexturePath(paths);
    return TextFile::writeLines(texturePathFile(paths), {texturePath});
}

ErrorNumber AuxiliaryFiles::writeTexturePathUnlessDefault(const InstallPaths& paths,
                                                          const QString& texturePath)
{
    if (PathResolver::samePath(texturePath, defaultTexturePath(paths)))
        return ErrorNumber::None;
    return TextFile::writeLines(texturePathFile(paths), {texturePath});
}

ErrorNumber AuxiliaryFiles::deleteTexturePath(const InstallPaths& paths)
{
    return FileOperations::deleteFileIfExists(texturePathFile(paths));
}

QString AuxiliaryFiles::storeZipLibraryDir(const InstallPaths& paths, const QString& chosenFolder,
                                           ErrorNumber* error)
{
    const QString folder = PathResolver::folderExists(chosenFolder)
                               ? withoutTrailingSeparator(PathResolver::resolve(chosenFolder))
                               : defaultZipLibraryDir(paths);
    const ErrorNumber written = TextFile::writeLines(archivesFile(paths), {folder});
    if (error)
        *error = written;
    return folder;
}

bool AuxiliaryFiles::cleanupConfirmationRemoved(const InstallPaths& paths)
{
    return PathResolver::fileExists(confirmFile(paths));
}

ErrorNumber AuxiliaryFiles::setCleanupConfirmationRemoved(const InstallPaths& paths, bool removed)
{
    if (removed)
        return TextFile::writeLines(confirmFile(paths), {QLatin1String(kConfirmLine)});
    return FileOperations::deleteFileIfExists(confirmFile(paths));
}

} // namespace z3d
