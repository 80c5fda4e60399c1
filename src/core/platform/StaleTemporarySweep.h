#pragma once

#include <thread>

namespace z3d {

struct InstallPaths;

// The start-up's removal of stale temporaries from the games' Pwads and Gwads folders
// (StaleTemporaries::removeFromGameFolders), run on a thread of its own so that a large
// library's thousands of folders do not hold up the main window. Files modified since the
// sweep began are left: the launcher may be installing or converting a game meanwhile.
class StaleTemporarySweep
{
public:
    // Begins the sweep. Create it once the single-instance lock is held.
    explicit StaleTemporarySweep(const InstallPaths& paths);
    // Asks an unfinished sweep to give up and waits for it.
    ~StaleTemporarySweep();

    // Waits until the sweep has gone through every folder.
    void finish();

private:
    std::jthread m_thread;
};

} // namespace z3d
