#include "core/library/GameOperations.h"

#include "core/library/EntryRename.h"
#include "core/library/FileCopies.h"
#include "core/library/GameFiles.h"
#include "core/library/GameRecords.h"
#include "core/library/GameSelection.h"
#include "core/library/InstalledGamesList.h"
#include "core/library/LibraryHost.h"
#include "core/library/LibrarySteps.h"
#include "core/library/ScriptedMapTable.h"
#include "core/library/SideFiles.h"
#include "core/platform/FileInUse.h"
#include "core/platform/FileOperations.h"
#include "core/platform/InstallPaths.h"
#include "core/platform/PathResolver.h"
#include "core/services/Dialogs.h"
#include "core/settings/LauncherSettings.h"

#include <QFileInfo>

namespace z3d {

using namespace library_steps;

namespace {

const QString kUnknownError = QStringLiteral("ERROR: Unknown error     ");

QString removalFailedText()
{
    return QStringLiteral("Unable to fully remove the selected item from the games list,       ") +
           kLineBreak +
           QStringLiteral("associated files or folders may be in use by another program.");
}

ErrorNumber deleteTreeIfExists(const QString& folder)
{
    if (folder.isEmpty() || !PathResolver::folderExists(folder))
        return ErrorNumber::None;
    return FileOperations::deleteFolderTree(folder);
}

// Runs the steps in order up to the first failure, which it returns.
template <class... Steps> ErrorNumber inOrder(Steps&&... steps)
{
    ErrorNumber error = ErrorNumber::None;
    ((error == ErrorNumber::None ? (error = steps(), 0) : 0), ...);
    return error;
}

// Moves the subfolders of source into target, never replacing one: deleting source after its
// files were moved or copied then removes nothing the player has not got elsewhere.
ErrorNumber moveSubfolders(const QString& source, const QString& target)
{
    for (const QString& folder : PathResolver::folderNames(source)) {
        const ErrorNumber error = FileOperations::rename(PathResolver::join(source, folder),
                                                         PathResolver::join(target, folder));
        if (error != ErrorNumber::None)
            return error;
    }
    return ErrorNumber::None;
}

// The first step of a conversion: the selection moves to the same file in target, and the
// check record of its wad in source goes.
ErrorNumber retargetSelection(GameSelection& selection, const QString& source,
                              const QString& target)
{
    const QString wad = GameOperations::wadName(selection.currentGameFile);
    selection.currentGameFolder = target + u'/';
    selection.currentGameFile = sameFileIn(selection.currentGameFolder, selection.currentGameFile);
    if (wad.isEmpty())
        return ErrorNumber::None;
    return deleteIfExists(PathResolver::resolveUnder(source, wad + QStringLiteral(".z3dchk")));
}

// Makes target when missing, carries every file of source into it with transfer, moves the
// subfolders along and deletes source; stops at the first failure.
// How the files of a layout folder reach their new folder.
enum class Transfer
{
    Move,
    Copy
};

ErrorNumber transferLayoutFolder(const QString& source, const QString& target, Transfer how,
                                 Progress* progress)
{
    if (!PathResolver::folderExists(target)) {
        if (const ErrorNumber error = FileOperations::createFolder(target);
            error != ErrorNumber::None)
            return error;
    }
    if (!PathResolver::folderExists(source))
        return ErrorNumber::None;
    const QStringList files = GameFiles::listFolderFiles(source);
    if (how == Transfer::Copy) {
        if (const ErrorNumber error =
                copyFiles(folderCopies(source, files, target), progress, kCopyingTitle);
            error != ErrorNumber::None)
            return error;
    } else {
        for (const QString& file : files) {
            if (const ErrorNumber error =
                    FileOperations::moveFile(source + u'/' + file, target + u'/' + file);
                error != ErrorNumber::None)
                return error;
        }
    }
    return inOrder([&] { return moveSubfolders(source, target); },
                   [&] { return FileOperations::deleteFolderTree(source); });
}

} // namespace

GameOperations::GameOperations(LibraryScope scope, LibraryHost& host) : m_scope(scope), m_host(host)
{
}

bool GameOperations::isAcceptableName(const QString& name)
{
    const QString trimmed = name.trimmed();
    return !trimmed.isEmpty() && trimmed != u"." && trimmed != u".." && !name.contains(u'/') &&
           !name.contains(u'\\') && !name.contains(QChar(0));
}

QString GameOperations::wadName(const QString& gameFile)
{
    const QString name = QFileInfo(GameFiles::leafName(gameFile)).completeBaseName();
    if (name.isEmpty() || name == u"." || name == u".." || name.contains(u'/') ||
        name.contains(u'\\'))
        return {};
    return name;
}

int GameOperations::lastWadPosition(const QStringList& entries)
{
    for (qsizetype i = entries.size(); i > 0; --i) {
        if (entries.at(i - 1).endsWith(QStringLiteral(".wad"), Qt::CaseInsensitive))
            return int(i);
    }
    return 0;
}

int GameOperations::message(const QString& text, int style, const QString& title) const
{
    return m_scope.dialogs.messageBox(text, style, title);
}

QString GameOperations::gameFolder(const QString& name) const
{
    if (!isAcceptableName(name) || m_scope.paths.gamesDir.isEmpty())
        return {};
    return PathResolver::resolveUnder(m_scope.paths.gamesDir, name);
}

ErrorNumber GameOperations::dropUserDirectoryRecords(const QString& name) const
{
    const GameRecords records(m_scope.paths);
    const QString recordName = GameRecords::recordName(GameKind::UserDirectory, name);
    QString saveFolder;
    if (!recordName.isEmpty() && !m_scope.paths.gameInfoDir.isEmpty())
        saveFolder = PathResolver::resolveUnder(m_scope.paths.gameInfoDir,
                                                QStringLiteral("Save/Gwads/") + recordName);
    return inOrder([&] { return deleteIfExists(records.userDirectoryFileRecordPath(name)); },
                   [&] { return deleteIfExists(records.userDirectoryMapRecordPath(name)); },
                   [&] { return deleteTreeIfExists(saveFolder); });
}

ErrorNumber GameOperations::dropPwadRecords(const QString& mapRecordGame,
                                            const QString& saveRecordGame) const
{
    const GameRecords records(m_scope.paths);
    return inOrder(
        [&] {
            return deleteIfExists(records.lastMapRecordPath(GameKind::PwadGame, mapRecordGame));
        },
        [&] { return deleteIfExists(records.saveRecordPath(GameKind::PwadGame, saveRecordGame)); });
}

// ---- DeleteGameFile ------------------------------------------------------------------------

void GameOperations::deleteGameFile()
{
    const QString fileName = m_host.selectedGameFile();
    const GameSelection& selection = m_scope.selection;
    if (fileName.isEmpty() || !isAcceptableName(fileName) || selection.currentGameFolder.isEmpty())
        return;
    const QString path = selection.currentGameFolder + fileName;
    if (message(QStringLiteral("Are you certain you wish to delete ") + fileName.toUpper() +
                    QStringLiteral("?       "),
                kQuestion, QStringLiteral(" Delete selected file")) != MsgYes)
        return;
    if (FileInUse::check(path)) {
        message(fileInUseText(), MsgIconExclamation, kAccessError);
        return;
    }
    if (removeFile(fileName, path) != ErrorNumber::None) {
        message(removalFailedText(), MsgIconExclamation, kAccessError);
        m_host.redrawGamesList();
    }
}

ErrorNumber GameOperations::removeFile(const QString& fileName, const QString& path)
{
    const GameSelection& selection = m_scope.selection;
    if (const ErrorNumber error = deleteIfExists(path); error != ErrorNumber::None)
        return error;
    m_host.removeGameShortcuts(selection.currentUserDirectory + QStringLiteral(" - ") +
                               QFileInfo(fileName).completeBaseName());
    // Only the selected wad has a save record and side files; any other file goes alone.
    if (!selection.currentGameFile.isEmpty() &&
        PathResolver::samePath(path, selection.currentGameFile)) {
        const GameRecords records(m_scope.paths);
        const QString wad = wadName(selection.currentGameFile);
        const ErrorNumber error = inOrder(
            [&] {
                return deleteIfExists(records.saveRecordPath(GameKind::UserDirectory,
                                                             selection.currentUserDirectory,
                                                             selection.currentGameFile));
            },
            [&] { return SideFiles(m_scope.paths).deleteAll(wad); });
        if (error != ErrorNumber::None)
            return error;
    }
    m_host.selectGame();
    return ErrorNumber::None;
}

// ---- UninstallGame -------------------------------------------------------------------------

void GameOperations::uninstallGame()
{
    if (message(
            QStringLiteral(" Are you certain you wish to remove this game from the list?      "),
            kQuestion, QStringLiteral(" Remove selected game from list ")) != MsgYes)
        return;
    const GameSelection& selection = m_scope.selection;
    if (FileInUse::check(selection.currentGameFile)) {
        message(QStringLiteral(" Unable to remove the selected item from the games list,       ") +
                    kLineBreak +
                    QStringLiteral("associated files or folders are in use by another program."),
                MsgIconExclamation, kAccessError);
        return;
    }
    const bool userDirectory = selection.currentKind == GameKind::UserDirectory;
    const QString name =
        userDirectory ? selection.currentUserDirectory : m_scope.settings.lastInstalledGame;
    if (removeGame(name, userDirectory) != ErrorNumber::None) {
        message(removalFailedText(), MsgIconExclamation, kAccessError);
        m_host.redrawGamesList();
    }
}

ErrorNumber GameOperations::removeGame(const QString& name, bool userDirectory)
{
    GameSelection& selection = m_scope.selection;
    const InstallPaths& paths = m_scope.paths;
    const QString gameDir = gameFolder(name);
    // Without a usable name the game folder would be GamesDir itself.
    if (gameDir.isEmpty())
        return ErrorNumber::PathFileAccessError;
    // A game folder that is a link goes as a link: its files folder is reached through it and
    // stays where the player keeps it.
    const QString filesFolder =
        QFileInfo(gameDir).isSymLink()
            ? QString()
            : PathResolver::resolveUnder(gameDir, userDirectory ? QStringLiteral("Gwads")
                                                                : QStringLiteral("Pwads"));
    if (const ErrorNumber error = inOrder([&] { return deleteTreeIfExists(filesFolder); },
                                          [&] { return deleteTreeIfExists(gameDir); });
        error != ErrorNumber::None)
        return error;

    const QString wad = wadName(selection.currentGameFile);
    if (!userDirectory && !wad.isEmpty()) {
        const ErrorNumber error = inOrder(
            [&] {
                return paths.modelDir.isEmpty()
                           ? ErrorNumber::None
                           : deleteTreeIfExists(PathResolver::resolveUnder(paths.modelDir, wad));
            },
            [&] {
                return paths.installRoot.isEmpty()
                           ? ErrorNumber::None
                           : deleteTreeIfExists(
                                 paths.under(QStringLiteral("Data/Custom.hires/") + wad));
            });
        if (error != ErrorNumber::None)
            return error;
    }

    const ErrorNumber records =
        userDirectory ? dropUserDirectoryRecords(name)
                      : dropPwadRecords(selection.currentPwadGame, selection.currentPwadGame);
    if (records != ErrorNumber::None)
        return records;
    selection.currentKind = GameKind::None;

    if (const ErrorNumber error = SideFiles(paths).deleteAll(wad); error != ErrorNumber::None)
        return error;
    m_host.removeGameShortcuts(name);
    if (!ScriptedMapTable::anyScriptedMapModelsInstalled(paths))
        m_host.clearScriptedMapsOnly();
    m_host.switchGamesList(GamesListMode::InstalledGames);
    return ErrorNumber::None;
}

// ---- RenameGame ----------------------------------------------------------------------------

void GameOperations::renameGame()
{
    const GameSelection& selection = m_scope.selection;
    const bool userDirectory = selection.currentKind == GameKind::UserDirectory;
    const QString oldName =
        userDirectory ? selection.currentUserDirectory : m_scope.settings.lastInstalledGame;
    const EntryRename renaming{
        QStringLiteral(" Rename Game"),
        QStringLiteral("Unable to rename the selected item in this list,       ") + kLineBreak +
            QStringLiteral("  the item may be in use by another program."),
        QStringLiteral(" Illegal naming convention detected.    ")};
    renaming.run(m_scope.dialogs, m_host, oldName, [&](const QString& newName) {
        return renameFolder(oldName, newName, userDirectory);
    });
}

ErrorNumber GameOperations::renameFolder(const QString& oldName, const QString& newName,
                                         bool userDirectory)
{
    GameSelection& selection = m_scope.selection;
    const QString oldFolder = gameFolder(oldName);
    if (oldFolder.isEmpty())
        return ErrorNumber::PathFileAccessError;
    const QString newFolder = PathResolver::join(m_scope.paths.gamesDir, newName);
    if (const ErrorNumber error = FileOperations::rename(oldFolder, newFolder);
        error != ErrorNumber::None)
        return error;

    if (userDirectory) {
        if (const ErrorNumber error = dropUserDirectoryRecords(oldName); error != ErrorNumber::None)
            return error;
    } else {
        if (const ErrorNumber error = dropPwadRecords(oldName, selection.currentPwadGame);
            error != ErrorNumber::None)
            return error;
        m_scope.settings.lastInstalledGame = newName;
    }

    const QString leaf = GameFiles::leafName(PathResolver::resolve(newFolder));
    m_host.replaceSelectedGame({InstalledGamesList::displayText(leaf, m_scope.customFontInUse),
                                leaf, InstalledGamesList::kindOf(m_scope.paths, leaf)});
    m_host.removeGameShortcuts(oldName);

    // The reselection above decided whether a main wad is known: a renamed user directory
    // has lost its remembered file.
    const SideFiles sideFiles(m_scope.paths);
    if (!PathResolver::folderExists(sideFiles.animationFolder()))
        return ErrorNumber::None;
    const QString wad = wadName(selection.currentGameFile);
    if (wad.isEmpty()) {
        m_host.switchGamesList(GamesListMode::InstalledGames);
        return ErrorNumber::None;
    }
    return sideFiles.deleteAnimationFiles(wad);
}

// ---- ConvertToManualLoading ----------------------------------------------------------------

void GameOperations::convertToManualLoading()
{
    const ErrorNumber error = moveToManualLoading();
    if (error == ErrorNumber::None)
        return;
    message(error == ErrorNumber::PermissionDenied
                ? QStringLiteral("Access denied: File or folder may be in use     ")
                : kUnknownError,
            MsgIconCritical, kConversionError);
}

ErrorNumber GameOperations::moveToManualLoading()
{
    GameSelection& selection = m_scope.selection;
    const QString gameDir = gameFolder(m_scope.settings.lastInstalledGame);
    if (gameDir.isEmpty())
        return ErrorNumber::PathFileAccessError;
    const QString source = PathResolver::resolveUnder(gameDir, QStringLiteral("Pwads"));
    const QString target = PathResolver::resolveUnder(gameDir, QStringLiteral("Gwads"));
    if (const ErrorNumber error =
            inOrder([&] { return retargetSelection(selection, source, target); },
                    [&] { return transferLayoutFolder(source, target, Transfer::Move, nullptr); });
        error != ErrorNumber::None)
        return error;
    const GameRecords records(m_scope.paths);
    if (const ErrorNumber error = deleteIfExists(
            records.lastMapRecordPath(GameKind::PwadGame, selection.currentPwadGame));
        error != ErrorNumber::None)
        return error;
    m_host.selectGame();
    return ErrorNumber::None;
}

// ---- ConvertToAutoLoading ------------------------------------------------------------------

void GameOperations::convertToAutoLoading()
{
    ErrorNumber error = ErrorNumber::None;
    if (!moveToAutoLoading(error) || error == ErrorNumber::None)
        return;
    message(error == ErrorNumber::PermissionDenied
                ? QStringLiteral("Read only error, file can't be overwritten     ")
                : kUnknownError,
            MsgIconCritical, kConversionError);
}

bool GameOperations::moveToAutoLoading(ErrorNumber& error)
{
    GameSelection& selection = m_scope.selection;
    const QString name = selection.currentUserDirectory;
    const QString gameDir = gameFolder(name);
    if (gameDir.isEmpty()) {
        error = ErrorNumber::PathFileAccessError;
        return true;
    }
    const QString source = PathResolver::resolveUnder(gameDir, QStringLiteral("Gwads"));
    const QString target = PathResolver::resolveUnder(gameDir, QStringLiteral("Pwads"));
    error = retargetSelection(selection, source, target);
    if (error != ErrorNumber::None)
        return true;
    // Every file of an auto-loading game is loaded: a long list of files is probably more
    // than one game's.
    if (lastWadPosition(m_host.gameFileNames()) > 3 &&
        message(QStringLiteral(" Only relevant game files can be contained in an auto-loading "
                               "structure,      ") +
                    kLineBreak +
                    QStringLiteral(" select Yes if you still wish to convert to auto-loading or "
                                   "No to abort.      "),
                kQuestion, kConversionTitle) != MsgYes)
        return false;

    error = transferLayoutFolder(source, target, Transfer::Copy, m_scope.progress);
    if (error != ErrorNumber::None)
        return true;
    // Only the file and map records go; the save records under Save/Gwads are left alone.
    const GameRecords records(m_scope.paths);
    error = inOrder([&] { return deleteIfExists(records.userDirectoryFileRecordPath(name)); },
                    [&] { return deleteIfExists(records.userDirectoryMapRecordPath(name)); });
    if (error != ErrorNumber::None)
        return true;
    m_host.showGameFilesList();
    m_host.selectGame();
    return true;
}

} // namespace z3d
