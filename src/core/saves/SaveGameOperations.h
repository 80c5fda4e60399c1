#pragma once

#include "core/platform/ErrorNumber.h"
#include "core/platform/InstallPaths.h"

#include <QString>

namespace z3d {

class Dialogs;

// The save-game commands that change files: deleting one save, purging every save game and
// emptying the node folders. Each asks its question first and reports its own failures
// through the dialog service; work done before a failure stays done.
class SaveGameOperations
{
public:
    SaveGameOperations(const InstallPaths& paths, Dialogs& dialogs);

    // Asks whether to delete the chosen save, then deletes saveFile (read-only too) when it
    // exists. True when the player agreed and the file is gone (deleted now or already
    // missing): the caller then reselects the game, which reloads its files, maps and saves.
    // False when the player declined or the deletion failed (the message was shown and the
    // lists stay as they are).
    bool deleteSaveGame(const QString& saveFile);

    // Asks whether to purge, then runs purgeSaveGames(). True when the player agreed (the
    // caller clears the save list, also after a failure: some saves may be gone).
    bool purgeAllSaveGames();
    // Deletes, in this order and each only when present, with everything inside:
    //   1. every subfolder of InstallRoot/UserSG;
    //   2. the "savegame" subfolder of every folder under GamesDir;
    //   3. InstallRoot/Z3DAnFiles;
    //   4. GameInfoDir/Save/Gwads, GameInfoDir/Save/Zip, GameInfoDir/Save.
    // Stops at the first failure with the access-error message and returns its error number.
    // A link among these entries is removed itself; its target is never touched.
    ErrorNumber purgeSaveGames();

    // Asks whether to delete every node, then deletes every file directly in InstallRoot/gwa
    // and then in InstallRoot/Z3DAnFiles; the folders and any subfolders remain. True when
    // the player agreed. A file that cannot be deleted does not stop the others; the
    // access-error message is shown once at the end.
    bool deleteAllNodes();

private:
    void showPurgeAccessError();

    InstallPaths m_paths;
    Dialogs& m_dialogs;
};

} // namespace z3d
