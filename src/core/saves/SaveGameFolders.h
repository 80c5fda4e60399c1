#pragma once

#include "core/iwads/IwadType.h"
#include "core/library/GameSelection.h"
#include "core/platform/InstallPaths.h"

#include <QString>

#include <optional>

namespace z3d {

// A save game picked from the save list.
struct SaveGameChoice
{
    QString slot; // one digit, the launch's save argument
    QString file; // save folder + "/Zorn3DSav" + slot + ".z3dsg", as found on disk
};

// Where the engine keeps each game's save games. The launcher only lists and deletes there.
//
//   commercial game   InstallRoot/UserSG/<IwadType key>/savegame
//   zip archive       InstallRoot/UserSG/<base name of the main wad>/savegame
//   installed game    GamesDir/<game folder>/savegame   (auto-loading and user directories)
//
// Every path is resolved case-insensitively; parts that do not exist yet keep the spelling
// above. A folder is returned whether or not it exists: a missing folder means no saves.
class SaveGameFolders
{
public:
    explicit SaveGameFolders(const InstallPaths& paths);

    QString iwadGameFolder(IwadType type) const;
    // mainGameFile is a path or a file name; its name without the last extension names the
    // folder. Empty when that name is unusable as a folder name ("", ".", ".." or one holding a
    // separator), so a crafted wad name can never point the save folder elsewhere.
    QString zipArchiveFolder(const QString& mainGameFile) const;
    // gameFolderName is the folder under GamesDir (any case). Empty when unusable, as above.
    QString installedGameFolder(const QString& gameFolderName) const;
    // The folder of the current selection: the IWAD's type comes from selectedIwadPath, a zip
    // archive's from currentGameFile, an installed game's from currentPwadGame or
    // currentUserDirectory. Empty when nothing (or nothing usable) is selected.
    QString folderFor(const GameSelection& selection) const;

    // The file of save slot `slot` (a digit) in saveFolder, resolved case-insensitively.
    static QString saveFilePath(const QString& saveFolder, QChar slot);
    // The choice a save-list entry ("3 - Reactor") stands for: its first character is the
    // slot. Nothing when the entry does not begin with a digit.
    static std::optional<SaveGameChoice> choose(const QString& saveFolder, const QString& entry);

private:
    InstallPaths m_paths;
};

} // namespace z3d
