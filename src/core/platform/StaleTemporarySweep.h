#pragma once

#include "core/platform/InstallPaths.h"

#include <thread>

namespace z3d {

// The start-up's removal of stale temporaries (StaleTemporaries). The launcher's own folders
// are swept when the object is made; the games' Pwads and Gwads folders, thousands in a large
// library, on a thread of its own once the main window is up, so that they neither hold the
// window up nor compete with its start.
//
// A folder is swept only while the installation's lock (InstallationLock) is held exclusively,
// taken for that folder alone and never waited for: while a launcher of the installation, this
// one or another, writes temporaries, the folders met are left as they are, for a later start.
// So no running launcher's work is removed, and no launcher waits for another to start.
class StaleTemporarySweep
{
public:
    // Sweeps the launcher's own folders, at start-up.
    explicit StaleTemporarySweep(const InstallPaths& paths);
    // Asks an unfinished sweep to give up and waits for it.
    ~StaleTemporarySweep();

    // Starts the sweep of the games' folders on a thread of its own; called once.
    void begin();
    // Waits until a begun sweep has gone through every folder.
    void finish();

private:
    InstallPaths m_paths;
    std::jthread m_thread;
};

} // namespace z3d
