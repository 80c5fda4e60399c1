#pragma once

namespace z3d {

// Which controls of the " Music Playlists " frame the player can use.
struct PlaylistFrameState
{
    bool frame = false;
    bool list = false;
    bool newButton = false;
    bool openButton = false;
    bool deleteButton = false;
    bool manual = false;
    bool autoBox = false;
    // "Ignore playlist if custom music detected".
    bool ignoreCustomMusic = false;
};

// The frame's controls from "Disable sound" / "Disable music", whether the list has entries
// and whether "Auto" is checked: nothing while sound or music is off; otherwise the list and
// "New", and with entries the boxes, "Open" and "Delete"; while "Auto" is checked the list and
// its buttons rest.
PlaylistFrameState playlistFrameState(bool soundOrMusicDisabled, bool hasPlaylists,
                                      bool autoChecked);

} // namespace z3d
