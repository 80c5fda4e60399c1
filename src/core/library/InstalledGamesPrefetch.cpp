#include "core/library/InstalledGamesPrefetch.h"

namespace z3d {

InstalledGamesPrefetch::InstalledGamesPrefetch(const QString& gamesDir)
    : m_gamesDir(gamesDir),
      m_scan(
          std::async(std::launch::async, [gamesDir] { return InstalledGamesList::scan(gamesDir); }))
{
}

InstalledGamesPrefetch::~InstalledGamesPrefetch()
{
    if (m_scan.valid())
        m_scan.wait();
}

GameFolders InstalledGamesPrefetch::take(const QString& gamesDir)
{
    if (m_scan.valid() && gamesDir == m_gamesDir)
        return m_scan.get();
    return InstalledGamesList::scan(gamesDir);
}

} // namespace z3d
