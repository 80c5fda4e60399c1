#pragma once

#include <QString>

#include <filesystem>
#include <stop_token>
#include <vector>

namespace z3d {

struct InstallPaths;

// The launcher's temporary files and their removal at start-up. A replaced file
// (ReplacementFile) is written first as ".z3dsave-XXXXXX" in its target's folder, a zip member
// as ".z3dzip-XXXXXX" in the folder it is extracted into, the X's being six random letters
// and digits. A process killed before the temporary is renamed (or a power cut) leaves it for
// good, so the start-up removes files of exactly these two forms, and nothing else, from the
// folders the launcher writes into: Z3DLaunch with its Data, Music and Zips folders, GameInfo
// and every folder under it, and the Pwads and Gwads folders of each game in Z3DGames. From
// Z3DLaunch it also removes the empty folders left by a write-permission probe that was
// killed ("Admin." and a number, with "-" and another number when that name was taken).
//
// Whose a temporary is cannot be told from its name or its date (a member keeps the date the
// archive gives it, 2099 as well): these remove whatever they find, and are called only while
// the installation's lock is held exclusively (InstallationLock), when every running launcher
// of the installation has renamed its temporaries or not made them yet. StaleTemporarySweep
// does that.
//
// Earlier versions left "<file>.XXXXXX" beside the file they replaced ("config.z3d.aBc12D").
// Such a name cannot be told from a player's own "config.z3d.backup" or "theme.ogg.remix1",
// so those are left alone.
class StaleTemporaries
{
public:
    // The template (for QTemporaryFile) of a replacement's temporary in folder.
    static QString replacementTemplate(const QString& folder);
    // The template of an extracted zip member's temporary in folder.
    static QString zipMemberTemplate(const QString& folder);
    // Whether a file name is one of those two forms exactly.
    static bool isTemporaryName(const QString& fileName);
    // Removes them from the launcher's own folders (Z3DLaunch, its Data, Music and Zips
    // folders, GameInfo and every folder under it), and the probe's empty folders from
    // Z3DLaunch.
    static void removeFromLauncherFolders(const InstallPaths& paths);
    // The games' Pwads and Gwads folders, for removeFrom(); gives up once stop is requested.
    static std::vector<std::filesystem::path> gameFilesFolders(const InstallPaths& paths,
                                                               std::stop_token stop = {});
    // Removes them from folder.
    static void removeFrom(const std::filesystem::path& folder);
};

} // namespace z3d
