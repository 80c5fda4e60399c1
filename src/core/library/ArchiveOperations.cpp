#include "core/library/ArchiveOperations.h"

#include "core/library/EntryRename.h"
#include "core/library/FileCopies.h"
#include "core/library/GameFiles.h"
#include "core/library/GameOperations.h"
#include "core/library/GameRecords.h"
#include "core/library/GameSelection.h"
#include "core/library/LibraryHost.h"
#include "core/library/LibrarySteps.h"
#include "core/platform/FileInUse.h"
#include "core/platform/FileOperations.h"
#include "core/platform/InstallPaths.h"
#include "core/platform/PathResolver.h"
#include "core/services/Dialogs.h"
#include "core/settings/LauncherSettings.h"

namespace z3d {

using namespace library_steps;

namespace {

const QString kZipExtension = QStringLiteral(".zip");

} // namespace

ArchiveOperations::ArchiveOperations(LibraryScope scope, LibraryHost& host)
    : m_scope(scope), m_host(host)
{
}

QString ArchiveOperations::zipExtractDir() const
{
    if (m_scope.paths.launcherDir.isEmpty())
        return {};
    return PathResolver::resolveUnder(m_scope.paths.launcherDir, QStringLiteral("Zips"));
}

QString ArchiveOperations::archiveName() const
{
    const QString selected = m_host.selectedGameName();
    return selected.isEmpty() ? m_scope.settings.lastZipLibraryEntry : selected;
}

QString ArchiveOperations::gameFolder(const QString& name) const
{
    if (!GameOperations::isAcceptableName(name) || m_scope.paths.gamesDir.isEmpty())
        return {};
    return PathResolver::resolveUnder(m_scope.paths.gamesDir, name);
}

int ArchiveOperations::message(const QString& text, int style, const QString& title) const
{
    return m_scope.dialogs.messageBox(text, style, title);
}

ErrorNumber ArchiveOperations::copyExtractedFiles(const QString& target) const
{
    const QString source = zipExtractDir();
    if (source.isEmpty() || !PathResolver::folderExists(source))
        return ErrorNumber::None;
    // A missing target fails here, as copying into it would.
    if (!PathResolver::folderExists(target))
        return ErrorNumber::PathNotFound;
    return copyFiles(folderCopies(source, GameFiles::listFolderFiles(source), target),
                     m_scope.progress, kInstallingTitle);
}

// ---- InstallArchiveAsGame ------------------------------------------------------------------

void ArchiveOperations::installArchiveAsGame()
{
    const NameAnswer answer =
        m_scope.dialogs.askName(QStringLiteral(" Name "), QStringLiteral(" Install to Game List"),
                                QStringLiteral("OK"), m_scope.settings.lastZipLibraryEntry);
    if (answer.text.isEmpty())
        return;
    ErrorNumber error = ErrorNumber::PathFileAccessError;
    if (GameOperations::isAcceptableName(answer.text) && !installAsGame(answer.text, error))
        return;
    if (error == ErrorNumber::None)
        return;
    message(error == ErrorNumber::PermissionDenied
                ? QStringLiteral(" Read only error, file can't be overwritten     ")
                : QStringLiteral(" Unknown error     "),
            MsgIconCritical, kConversionError);
}

bool ArchiveOperations::installAsGame(const QString& name, ErrorNumber& error)
{
    GameSelection& selection = m_scope.selection;
    const QString gameDir = gameFolder(name);
    if (gameDir.isEmpty()) {
        error = ErrorNumber::PathFileAccessError;
        return true;
    }
    const QString target = PathResolver::resolveUnder(gameDir, QStringLiteral("Pwads"));
    selection.currentGameFolder = target + u'/';
    selection.currentGameFile = sameFileIn(selection.currentGameFolder, selection.currentGameFile);

    if (PathResolver::folderExists(PathResolver::resolveUnder(gameDir, QStringLiteral("Gwads"))) &&
        message(QStringLiteral(" WARNING: A manual-loading structure already exists in ") + name +
                    QStringLiteral("     ") + kLineBreak +
                    QStringLiteral(" selecting Yes will delete all the existing files contained "
                                   "in this folder.     "),
                kQuestion, kConversionTitle) != MsgYes)
        return false;

    // An existing game of either layout under that name is replaced.
    if (PathResolver::folderExists(gameDir)) {
        error = FileOperations::deleteFolderTree(gameDir);
        if (error != ErrorNumber::None)
            return true;
    }
    error = FileOperations::createFolder(gameDir);
    if (error == ErrorNumber::None)
        error = FileOperations::createFolder(target);
    if (error == ErrorNumber::None)
        error = copyExtractedFiles(target);
    if (error != ErrorNumber::None)
        return true;

    m_host.selectGame();
    m_scope.settings.lastInstalledGame = name;
    selection.currentKind = GameKind::PwadGame;
    m_host.switchGamesList(GamesListMode::InstalledGames);
    return true;
}

// ---- InstallArchiveAsUserDirectory ---------------------------------------------------------

void ArchiveOperations::installArchiveAsUserDirectory()
{
    const NameAnswer answer = m_scope.dialogs.askName(
        QStringLiteral("Games List Name"), QStringLiteral(" Install to Games List"),
        QStringLiteral("OK"), m_scope.settings.lastZipLibraryEntry);
    if (answer.text.isEmpty())
        return;
    const ErrorNumber error = GameOperations::isAcceptableName(answer.text)
                                  ? installAsUserDirectory(answer.text)
                                  : ErrorNumber::PathFileAccessError;
    if (error == ErrorNumber::PermissionDenied)
        message(QStringLiteral(" Read only error, file can't be overwritten      "),
                MsgIconInformation, kConversionError);
    else if (error != ErrorNumber::None)
        message(QStringLiteral("ERROR: Unknown error     "), MsgIconCritical, kConversionError);
}

ErrorNumber ArchiveOperations::installAsUserDirectory(const QString& name)
{
    GameSelection& selection = m_scope.selection;
    const QString gameDir = gameFolder(name);
    if (gameDir.isEmpty())
        return ErrorNumber::PathFileAccessError;
    const QString target = PathResolver::resolveUnder(gameDir, QStringLiteral("Gwads"));
    selection.currentGameFolder = target + u'/';
    selection.currentGameFile = sameFileIn(selection.currentGameFolder, selection.currentGameFile);

    if (PathResolver::folderExists(PathResolver::resolveUnder(gameDir, QStringLiteral("Pwads")))) {
        message(QStringLiteral(" The ") + name +
                    QStringLiteral(" folder already exists as an auto-loading User Directory     "),
                MsgButtonsOk, kConversionTitle);
        return ErrorNumber::None;
    }
    // A game folder without a Gwads folder is not made one: the copy below fails instead.
    const bool existed = PathResolver::exists(target) || PathResolver::exists(gameDir);
    if (!existed) {
        if (const ErrorNumber error = FileOperations::createFolder(gameDir);
            error != ErrorNumber::None)
            return error;
        if (const ErrorNumber error = FileOperations::createFolder(target);
            error != ErrorNumber::None)
            return error;
    }
    if (const ErrorNumber error = copyExtractedFiles(target); error != ErrorNumber::None)
        return error;

    m_host.clearSaveGames();
    m_host.selectGame();
    if (existed)
        message(QStringLiteral(" All relevant files have been unzipped to the existing ") + name +
                    QStringLiteral(" games list.    "),
                MsgButtonsOk, QStringLiteral("User Directory Conversion"));
    else
        message(QStringLiteral(" The ") + name +
                    QStringLiteral(" has been installed to the games list.     "),
                MsgButtonsOk, kConversionTitle);

    selection.currentUserDirectory = name;
    selection.currentKind = GameKind::UserDirectory;
    // The installed-games list selects the remembered game: the new directory is that game.
    m_scope.settings.lastInstalledGame = name;
    m_host.switchGamesList(GamesListMode::InstalledGames);
    return ErrorNumber::None;
}

// ---- RenameArchive -------------------------------------------------------------------------

void ArchiveOperations::renameArchive()
{
    const EntryRename renaming{
        QStringLiteral(" Rename Zip"),
        QStringLiteral("Unable to rename the selected item in this list,       ") + kLineBreak +
            QStringLiteral("  the file may be in use by another program."),
        QStringLiteral(" Illegal naming convention detected. ")};
    const QString oldName = archiveName();
    renaming.run(m_scope.dialogs, m_host, oldName,
                 [&](const QString& newName) { return renameZip(oldName, newName); });
}

ErrorNumber ArchiveOperations::renameZip(const QString& oldName, const QString& newName)
{
    const QString library = m_scope.paths.zipLibraryDir;
    if (library.isEmpty() || !GameOperations::isAcceptableName(oldName))
        return ErrorNumber::PathFileAccessError;
    if (const ErrorNumber error =
            FileOperations::rename(PathResolver::resolveUnder(library, oldName + kZipExtension),
                                   PathResolver::join(library, newName + kZipExtension));
        error != ErrorNumber::None)
        return error;

    // The records go; the check record and the extracted files are left as they are.
    const GameRecords records(m_scope.paths);
    if (const ErrorNumber error =
            deleteIfExists(records.lastMapRecordPath(GameKind::ZipArchive, oldName));
        error != ErrorNumber::None)
        return error;
    if (const ErrorNumber error =
            deleteIfExists(records.saveRecordPath(GameKind::ZipArchive, oldName));
        error != ErrorNumber::None)
        return error;

    m_scope.settings.lastZipLibraryEntry = newName;
    m_host.replaceSelectedGame(
        {m_scope.customFontInUse ? newName : newName.toUpper(), newName, GameKind::ZipArchive});
    return ErrorNumber::None;
}

// ---- DeleteArchive -------------------------------------------------------------------------

void ArchiveOperations::deleteArchive()
{
    if (message(QStringLiteral("Are you certain you wish to delete this file?      "), kQuestion,
                QStringLiteral(" Delete selected archive")) != MsgYes)
        return;
    const QString fileName = m_host.selectedGameFile();
    if (!fileName.isEmpty() && !m_scope.selection.currentGameFolder.isEmpty() &&
        FileInUse::check(m_scope.selection.currentGameFolder + fileName)) {
        message(fileInUseText(), MsgIconExclamation, kAccessError);
        return;
    }
    if (removeArchive(archiveName()) != ErrorNumber::None) {
        message(QStringLiteral("Unable to remove the selected item from this list,       ") +
                    kLineBreak + QStringLiteral("   the file may be in use by another program."),
                MsgIconExclamation, kAccessError);
        m_host.redrawGamesList();
    }
}

ErrorNumber ArchiveOperations::removeArchive(const QString& entry)
{
    const InstallPaths& paths = m_scope.paths;
    if (!GameOperations::isAcceptableName(entry) || paths.zipLibraryDir.isEmpty())
        return ErrorNumber::PathFileAccessError;
    const GameRecords records(paths);
    const QStringList files{
        PathResolver::resolveUnder(paths.zipLibraryDir, entry + kZipExtension),
        paths.launcherDir.isEmpty()
            ? QString()
            : PathResolver::resolveUnder(paths.launcherDir, QStringLiteral("Zips/Checks/") + entry +
                                                                QStringLiteral(".z3dchk")),
        records.saveRecordPath(GameKind::ZipArchive, entry),
        records.lastMapRecordPath(GameKind::ZipArchive, entry),
    };
    for (const QString& file : files) {
        if (const ErrorNumber error = deleteIfExists(file); error != ErrorNumber::None)
            return error;
    }
    // The save games are those of the extracted main wad: only when the extracted files are
    // this archive's do they belong to it.
    const QString wad = GameOperations::wadName(m_scope.selection.currentGameFile);
    if (!wad.isEmpty() && !paths.installRoot.isEmpty() &&
        entry.compare(m_scope.settings.lastZipLibraryEntry, Qt::CaseInsensitive) == 0) {
        const QString saves = paths.under(QStringLiteral("UserSG/") + wad);
        if (PathResolver::folderExists(saves)) {
            if (const ErrorNumber error = FileOperations::deleteFolderTree(saves);
                error != ErrorNumber::None)
                return error;
        }
    }
    m_host.clearSaveGames();
    m_scope.selection.currentKind = GameKind::None;
    m_host.switchGamesList(GamesListMode::ZipLibrary);
    return ErrorNumber::None;
}

} // namespace z3d
