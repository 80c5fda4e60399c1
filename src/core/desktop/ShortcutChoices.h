#pragma once

namespace z3d {

// The choices made in the shortcut window, for one shortcut command.
struct ShortcutChoices
{
    bool startMenuShortcut = false;    // chkShortcut_0 " Add Start Menu Shortcut"
    bool desktopShortcut = false;      // chkShortcut_1 " Add Desktop Shortcut"
    bool includeMapInShortcut = false; // ChkMapNum " Include map in Shortcut"
    // The window was closed by its button while it read "Cancel": nothing is to be made.
    bool dialogCancelled = false;

    bool any() const { return startMenuShortcut || desktopShortcut; }
};

} // namespace z3d
