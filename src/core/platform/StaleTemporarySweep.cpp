#include "core/platform/StaleTemporarySweep.h"

#include "core/platform/InstallationLock.h"
#include "core/platform/StaleTemporaries.h"

namespace z3d {

StaleTemporarySweep::StaleTemporarySweep(const InstallPaths& paths) : m_paths(paths)
{
    InstallationLock lock(m_paths.launcherDir);
    if (lock.tryLockExclusive())
        StaleTemporaries::removeFromLauncherFolders(m_paths);
}

StaleTemporarySweep::~StaleTemporarySweep() = default;

void StaleTemporarySweep::begin()
{
    m_thread = std::jthread([this](std::stop_token stop) {
        InstallationLock lock(m_paths.launcherDir);
        for (const auto& folder : StaleTemporaries::gameFilesFolders(m_paths, stop)) {
            if (stop.stop_requested())
                break;
            if (!lock.tryLockExclusive())
                continue;
            StaleTemporaries::removeFrom(folder);
            lock.unlock();
        }
    });
}

void StaleTemporarySweep::finish()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace z3d
