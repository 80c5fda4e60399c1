#pragma once

namespace z3d {

// What the IWAD window needs of the main window. The main window implements it; the IWAD
// window never touches the main window's controls itself.
class IwadWindowHost
{
public:
    virtual ~IwadWindowHost() = default;

    // Whether the games list currently shows the commercial games (the "Doom games" view).
    virtual bool showsCommercialGames() const = 0;
    // FillCommercialGamesList, then select the games list's first entry when it has one
    // (running the selection handlers as a click does).
    virtual void refillCommercialGames() = 0;
    // Empties the games list (PwadList), the game-files list (PwadShowlist) and the map list
    // (MapList).
    virtual void clearGameLists() = 0;
    // UpdateLaunchMapAndIwad: recomputes the warp argument and IWAD path from the current map
    // selection.
    virtual void recomputeLaunchMap() = 0;
    // Enables the main window, loads it if needed and makes it visible.
    virtual void showMainWindow() = 0;
    // Selects the games list's first entry when the list is not empty. Called by OK only when
    // no last commercial game is remembered and the list shows the commercial games.
    virtual void selectFirstGame() = 0;
    // The player chose to leave without any IWAD location: hide the main window, unload it and
    // end the program through the launcher's normal exit path. The IWAD window has already
    // hidden itself.
    virtual void exitLauncher() = 0;
};

} // namespace z3d
