#include "core/music/MusicEditorFiles.h"

#include "core/platform/FileOperations.h"
#include "core/platform/ItemReader.h"
#include "core/platform/PathResolver.h"
#include "core/platform/TextFile.h"

namespace z3d {

namespace {

QString musicFile(const InstallPaths& paths)
{
    return PathResolver::join(paths.musicDir, QStringLiteral("music.z3d"));
}

} // namespace

QString MusicEditorFiles::musicDialogFolder(const InstallPaths& paths)
{
    const TextFileLines file = TextFile::readFirstLine(musicFile(paths));
    const QString folder = file.ok() ? ItemReader::firstItem(file.lines.value(0)) : QString();
    if (!folder.isEmpty() && PathResolver::folderExists(folder))
        return PathResolver::resolve(folder);
    return paths.musicDir;
}

ErrorNumber MusicEditorFiles::rememberMusicFolder(const InstallPaths& paths, const QString& folder)
{
    if (const ErrorNumber error = FileOperations::createFolderPath(paths.musicDir);
        error != ErrorNumber::None)
        return error;
    return TextFile::writeLines(musicFile(paths), {ItemReader::asItem(folder)});
}

QString MusicEditorFiles::textEditorProgram(const InstallPaths& paths)
{
    const TextFileLines file = TextFile::readFirstLine(
        PathResolver::join(paths.launcherDataDir, QStringLiteral("editor.z3d")));
    const QString program = file.ok() ? file.lines.value(0).trimmed() : QString();
    if (program.isEmpty() || !PathResolver::fileExists(program))
        return QString();
    return PathResolver::resolve(program);
}

QString MusicEditorFiles::textEditorCommand(const QString& program, const QString& file)
{
    return u'"' + program + QStringLiteral("\" \"") + file + u'"';
}

QString MusicEditorFiles::helpFile(const InstallPaths& paths)
{
    const QString help = PathResolver::resolveUnder(paths.launcherDataDir, "playlist.txt");
    return PathResolver::fileExists(help) ? help : QString();
}

} // namespace z3d
