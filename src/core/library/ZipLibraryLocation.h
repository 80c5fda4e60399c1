#pragma once

#include <QString>

namespace z3d {

class Dialogs;
struct InstallPaths;

// The zip library location command (AuxButton_7): the folder browser asks for the new folder,
// its instruction showing the current one by the folder-browser title rule. The chosen folder
// becomes ZipLibraryDir; a cancelled browser keeps the current one; a folder that does not
// exist (any more) falls back to InstallRoot/Z3DArchives. archives.z3d is written with the
// result every time, also after a cancel. Nothing is reported, not even a failed write.
//
// The window then moves the focus off the button and switches the games list to the zip
// library, which lists (and creates when missing) the new folder.
class ZipLibraryLocation
{
public:
    // The browser's instruction for the current ZipLibraryDir.
    static QString instruction(const QString& zipLibraryDir);
    // Asks and stores; returns the new ZipLibraryDir (the caller stores it in its paths).
    static QString choose(const InstallPaths& paths, Dialogs& dialogs);
};

} // namespace z3d
