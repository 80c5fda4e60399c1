#pragma once

#include <optional>

namespace z3d {

// What the Games tab's lists allow of the Launch button and the shortcut button (AuxButton_2).
struct LaunchButtons
{
    bool launch = false;
    // The shortcut button's state; none where the zip library's own rule stands.
    std::optional<bool> shortcut;
};

// Launch needs a game file and a map. A shortcut needs "Shortcut creation" and a chosen file
// (an installed game, view 0) or a chosen wad (a commercial game, view 1); in the zip library
// (view 2) a chosen file leaves the button as the library set it.
LaunchButtons launchButtonsForGamesTab(int gameFiles, int maps, bool fileChosen, bool wadChosen,
                                       int view, bool shortcutCreation);

} // namespace z3d
