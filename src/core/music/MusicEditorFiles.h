#pragma once

#include "core/platform/ErrorNumber.h"
#include "core/platform/InstallPaths.h"

#include <QString>

namespace z3d {

// The playlist editor's small files: MusicDir/music.z3d, the folder of the last music file
// chosen, and LauncherDataDir/editor.z3d, the player's text-editor program.
class MusicEditorFiles
{
public:
    // The folder the add-music dialog opens in: music.z3d's first item when that folder still
    // exists, otherwise MusicDir.
    static QString musicDialogFolder(const InstallPaths& paths);
    // Rewrites music.z3d with folder (in double quotes when it holds a comma, so that it reads
    // back whole). Creates MusicDir when missing.
    static ErrorNumber rememberMusicFolder(const InstallPaths& paths, const QString& folder);

    // "&Exit out to notepad": the program named on editor.z3d's first line when that file
    // and that program exist (found without regard to case); empty otherwise, when the
    // playlist opens in the system's text editor (Processes::openInTextEditor).
    static QString textEditorProgram(const InstallPaths& paths);
    // The command line starting program on file: both in double quotes, as paths with blanks
    // ("Fennick - TNT.z3m") must stay one argument each.
    static QString textEditorCommand(const QString& program, const QString& file);
    // "&Help": LauncherDataDir/playlist.txt when it exists, else empty.
    static QString helpFile(const InstallPaths& paths);
};

} // namespace z3d
