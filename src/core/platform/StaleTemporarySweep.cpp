#include "core/platform/StaleTemporarySweep.h"

#include "core/platform/InstallPaths.h"
#include "core/platform/StaleTemporaries.h"

#include <chrono>

namespace z3d {

namespace {

// A file's time comes from a coarser clock than this one (the system's clock tick, the two
// seconds of a FAT disk): a file written just after the sweep began may carry an earlier time.
constexpr std::chrono::seconds kClockGrain{2};

} // namespace

StaleTemporarySweep::StaleTemporarySweep(const InstallPaths& paths)
    : m_thread([paths, began = std::filesystem::file_time_type::clock::now() - kClockGrain](
                   std::stop_token stop) {
          StaleTemporaries::removeFromGameFolders(paths, began, stop);
      })
{
}

StaleTemporarySweep::~StaleTemporarySweep() = default;

void StaleTemporarySweep::finish()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace z3d
