#pragma once

#include <QString>
#include <QStringList>

#include <filesystem>
#include <stop_token>

namespace z3d {

struct InstallPaths;

// The launcher's temporary files and their removal at start-up. A replaced file
// (ReplacementFile) is written first as ".z3dsave-XXXXXX" in its target's folder, a zip member
// as ".z3dzip-XXXXXX" in the folder it is extracted into, the X's being six random letters
// and digits. A process killed before the temporary is renamed (or a power cut) leaves it for
// good, so the start-up removes files of exactly these two forms, and nothing else, from the
// folders the launcher writes into: Z3DLaunch with its Data, Music and Zips folders, GameInfo
// and every folder under it, and the Pwads and Gwads folders of each game in Z3DGames.
// A large library has thousands of the last, so they are swept once the main window is up
// (StaleTemporarySweep), when the launcher may already be writing there: that sweep leaves
// every file modified since the start-up took the single-instance lock.
//
// Earlier versions left "<file>.XXXXXX" beside the file they replaced ("config.z3d.aBc12D").
// Such a name cannot be told from a player's own "config.z3d.backup" or "theme.ogg.remix1",
// so those are left alone.
//
// Only one launcher runs per installation: call this once the single-instance lock is held,
// never while another instance could be writing.
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
    // folders, GameInfo and every folder under it); the paths removed.
    static QStringList removeFromLauncherFolders(const InstallPaths& paths);
    // Removes those last modified before modifiedBefore from the games' Pwads and Gwads
    // folders; the paths removed. Gives up between folders once stop is requested.
    static QStringList removeFromGameFolders(const InstallPaths& paths,
                                             std::filesystem::file_time_type modifiedBefore,
                                             std::stop_token stop = {});
};

} // namespace z3d
