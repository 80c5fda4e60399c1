#include "core/launch/LaunchButtons.h"

namespace z3d {

LaunchButtons launchButtonsForGamesTab(int gameFiles, int maps, bool fileChosen, bool wadChosen,
                                       int view, bool shortcutCreation)
{
    if (gameFiles == 0 || maps == 0)
        return {false, false};
    if (shortcutCreation && ((view == 0 && fileChosen) || (view == 1 && wadChosen)))
        return {true, true};
    if (view == 2 && fileChosen)
        return {true, std::nullopt};
    return {true, false};
}

} // namespace z3d
