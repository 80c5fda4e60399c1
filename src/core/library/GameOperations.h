#pragma once

#include "core/library/LibraryScope.h"
#include "core/platform/ErrorNumber.h"

#include <QString>
#include <QStringList>

namespace z3d {

class LibraryHost;

// The operations of the installed-games menus: deleting a file of a user directory,
// uninstalling, renaming and converting a game between its two layouts (GamesDir/<name>/Pwads,
// every file loads; GamesDir/<name>/Gwads, the player picks one wad). Each works on the
// selection, keeps the game's records, side files and shortcuts in step with its folders and
// refreshes the lists through the host.
//
// Failures: each operation has one handler around its steps. The first failing step ends the
// operation with its fixed message; what was already moved, copied or deleted stays so.
// A name typed for a game that could name something other than one entry of GamesDir (empty
// after trimming, "." or "..", or holding '/', '\\' or NUL) is refused before anything is
// touched, as a name the file system refuses would be.
class GameOperations
{
public:
    // The host must outlive this object.
    GameOperations(LibraryScope scope, LibraryHost& host);

    // DeleteGameFile: the selected file of a user directory; with it, when it is the selected
    // wad, its save record and side files.
    void deleteGameFile();
    // UninstallGame: the game's folder (save games included), records, side files, model and
    // high-resolution folders (auto-loading games) and shortcuts; then the installed games
    // are listed again.
    void uninstallGame();
    // RenameGame: renames GamesDir/<old>; the records are dropped, not renamed.
    void renameGame();
    // ConvertToManualLoading: moves the files of Pwads into Gwads (no question).
    void convertToManualLoading();
    // ConvertToAutoLoading: copies the files of Gwads into Pwads, asking first when the
    // game-files list's last wad stands fourth or later.
    void convertToAutoLoading();

    // Whether a typed name may name a game folder or an archive (see above).
    static bool isAcceptableName(const QString& name);
    // A game file's base name (path or file name, without its last extension): the name its
    // side files, model folder and save folder go by. Empty when there is no file or the
    // name could not name an entry of a folder ("", ".", "..").
    static QString wadName(const QString& gameFile);
    // The 1-based position of the last entry ending in ".wad" (any case); 0 when none.
    static int lastWadPosition(const QStringList& entries);

private:
    ErrorNumber removeFile(const QString& fileName, const QString& path);
    ErrorNumber removeGame(const QString& name, bool userDirectory);
    ErrorNumber renameFolder(const QString& oldName, const QString& newName, bool userDirectory);
    ErrorNumber moveToManualLoading();
    // False when the player declined the question; error holds a failure.
    bool moveToAutoLoading(ErrorNumber& error);

    ErrorNumber dropUserDirectoryRecords(const QString& name) const;
    ErrorNumber dropPwadRecords(const QString& mapRecordGame, const QString& saveRecordGame) const;
    // GamesDir/<name> in its on-disk spelling; empty when name is not acceptable.
    QString gameFolder(const QString& name) const;
    int message(const QString& text, int style, const QString& title) const;

    LibraryScope m_scope;
    LibraryHost& m_host;
};

} // namespace z3d
