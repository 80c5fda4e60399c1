#include "core/platform/StaleTemporarySweep.h"

#include "core/platform/StaleTemporaries.h"

#include <chrono>

namespace z3d {

namespace {

// A file's time comes from a coarser clock than this one (the system's clock tick, the two
// seconds of a FAT disk): a file written just after the sweep was created may carry an
// earlier time.
constexpr std::chrono::seconds kClockGrain{2};

} // namespace

StaleTemporarySweep::StaleTemporarySweep(const InstallPaths& paths)
    : m_paths(paths), m_created(std::filesystem::file_time_type::clock::now() - kClockGrain)
{
}

StaleTemporarySweep::~StaleTemporarySweep() = default;

void StaleTemporarySweep::begin()
{
    m_thread = std::jthread([this](std::stop_token stop) {
        StaleTemporaries::removeFromGameFolders(m_paths, m_created, stop);
    });
}

void StaleTemporarySweep::finish()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace z3d
