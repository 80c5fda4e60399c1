#pragma once

#include "core/platform/InstallPaths.h"

#include <filesystem>
#include <thread>

namespace z3d {

// The start-up's removal of stale temporaries from the games' Pwads and Gwads folders
// (StaleTemporaries::removeFromGameFolders), run on a thread of its own once the main window
// is up, so that a large library's thousands of folders neither hold the window up nor compete
// with its start. Only files last modified before the sweep was created are removed: the
// launcher may be installing or converting a game by the time the thread runs.
class StaleTemporarySweep
{
public:
    // Create it once the single-instance lock is held, before the launcher writes anything.
    explicit StaleTemporarySweep(const InstallPaths& paths);
    // Asks an unfinished sweep to give up and waits for it.
    ~StaleTemporarySweep();

    // Starts the sweep on a thread of its own; called once.
    void begin();
    // Waits until a begun sweep has gone through every folder.
    void finish();

private:
    InstallPaths m_paths;
    std::filesystem::file_time_type m_created;
    std::jthread m_thread;
};

} // namespace z3d
