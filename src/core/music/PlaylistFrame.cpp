#include "core/music/PlaylistFrame.h"

namespace z3d {

PlaylistFrameState playlistFrameState(bool soundOrMusicDisabled, bool hasPlaylists,
                                      bool autoChecked)
{
    PlaylistFrameState state;
    if (soundOrMusicDisabled)
        return state;
    state.frame = true;
    state.manual = hasPlaylists;
    state.autoBox = hasPlaylists;
    state.ignoreCustomMusic = hasPlaylists;
    const bool listInUse = !autoChecked;
    state.list = listInUse;
    state.newButton = listInUse;
    state.openButton = listInUse && hasPlaylists;
    state.deleteButton = listInUse && hasPlaylists;
    return state;
}

} // namespace z3d
