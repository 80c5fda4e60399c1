#pragma once

namespace z3d {

class Dialogs;
struct GameSelection;
class Progress;
struct InstallPaths;
struct LauncherSettings;

// What the game and archive operations work on: the installation, the selection and the
// remembered games they update, and the services they report through. Everything referred to
// must outlive the operations.
struct LibraryScope
{
    const InstallPaths& paths;
    GameSelection& selection;
    LauncherSettings& settings;
    // Read at each rename: the player can choose a custom font while the window is open, and
    // a renamed entry is then shown as typed rather than in upper case.
    const bool& customFontInUse;
    Dialogs& dialogs;
    // Shows long copies; none shows nothing.
    Progress* progress = nullptr;
};

} // namespace z3d
