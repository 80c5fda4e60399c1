#pragma once

#include "core/platform/ErrorNumber.h"
#include "core/platform/InstallPaths.h"

#include <QString>

#include <optional>

namespace z3d {

// The single-value files beside config.z3d. Each is one line ended by CR LF, created anew
// (atomically) when written; a missing file means the default. Write failures are returned,
// and the callers do not report them.
//
//   LauncherDataDir/texpath.z3d   the high-resolution texture path
//   LauncherDataDir/archives.z3d  the zip library folder
//   LauncherDataDir/pwads.z3d     the folder last used to pick a game file for installing
//   LauncherDataDir/confirm.z3d   "Cleanup confirmation removed." (only its existence counts)
//   LauncherDir/launch.txt        only deleted at exit
class AuxiliaryFiles
{
public:
    static constexpr const char* kConfirmLine = "Cleanup confirmation removed.";

    static QString texturePathFile(const InstallPaths& paths);
    static QString archivesFile(const InstallPaths& paths);
    static QString lastInstallFolderFile(const InstallPaths& paths);
    static QString confirmFile(const InstallPaths& paths);
    static QString launchTextFile(const InstallPaths& paths);

    // InstallRoot + "\Data\Textures", the texture path when texpath.z3d is absent.
    static QString defaultTexturePath(const InstallPaths& paths);
    // InstallRoot + "\Z3DArchives".
    static QString defaultZipLibraryDir(const InstallPaths& paths);

    // The first line of texpath.z3d / archives.z3d, read as a whole line; nothing when the
    // file does not exist or has no line.
    static std::optional<QString> readTexturePath(const InstallPaths& paths);
    static std::optional<QString> readZipLibraryDir(const InstallPaths& paths);

    // The first comma-separated item of pwads.z3d, or empty when the file is missing or that
    // folder no longer exists.
    static QString readLastInstallFolder(const InstallPaths& paths);
    static ErrorNumber writeLastInstallFolder(const InstallPaths& paths, const QString& folder);

    // Writes texpath.z3d with texturePath when it differs from the default texture folder
    // (without regard to case), else deletes texpath.z3d if present.
    static ErrorNumber storeTexturePath(const InstallPaths& paths, const QString& texturePath);
    // Writes texpath.z3d with texturePath unless it equals the default folder (then nothing).
    static ErrorNumber writeTexturePathUnlessDefault(const InstallPaths& paths,
                                                     const QString& texturePath);
    static ErrorNumber deleteTexturePath(const InstallPaths& paths);

    // The zip library location command: the chosen folder, or the default folder when the
    // chosen one is not an existing folder; archives.z3d is written with the result, which is
    // returned (the new ZipLibraryDir).
    static QString storeZipLibraryDir(const InstallPaths& paths, const QString& chosenFolder,
                                      ErrorNumber* error = nullptr);

    // confirm.z3d exists: the model-pack cleanup skips its confirmation window.
    static bool cleanupConfirmationRemoved(const InstallPaths& paths);
    // Writes confirm.z3d when removed, deletes it otherwise.
    static ErrorNumber setCleanupConfirmationRemoved(const InstallPaths& paths, bool removed);
};

} // namespace z3d
