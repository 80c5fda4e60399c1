#pragma once

#include <QString>
#include <QStringList>

namespace z3d {

struct InstallPaths;

// The launcher's temporary files and their removal at start-up. A replaced file
// (ReplacementFile) is written first as ".z3dsave-XXXXXX" in its target's folder, a zip member
// as ".z3dzip-XXXXXX" in the folder it is extracted into, the X's being six random letters
// and digits. A process killed before the temporary is renamed (or a power cut) leaves it for
// good, so the start-up removes files of exactly these two forms, and nothing else, from the
// folders the launcher writes into: Z3DLaunch with its Data, Music and Zips folders, GameInfo
// and every folder under it, and the Pwads and Gwads folders of each game in Z3DGames.
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
    // Removes the temporaries directly in folder (not in its sub-folders); the paths removed.
    static QStringList removeIn(const QString& folder);
    // Removes them from every folder the launcher writes into (above); the paths removed.
    static QStringList removeFromLauncherFolders(const InstallPaths& paths);
};

} // namespace z3d
