#pragma once

#include "core/library/InstalledGamesList.h"

#include <future>

namespace z3d {

// The scan of the games folder, begun on a thread of its own at start-up while the main window
// is built: a library of thousands of games lists as many folders before its games list can be
// filled, which would otherwise hold the window up that much longer.
class InstalledGamesPrefetch
{
public:
    // Begins scanning gamesDir.
    explicit InstalledGamesPrefetch(const QString& gamesDir);
    // Waits for an unfinished scan.
    ~InstalledGamesPrefetch();
    InstalledGamesPrefetch(const InstalledGamesPrefetch&) = delete;
    InstalledGamesPrefetch& operator=(const InstalledGamesPrefetch&) = delete;

    // The game folders of gamesDir: the first time it is asked for the folder it scans, its own
    // scan, waited for when unfinished; otherwise a scan made now, so that no later change of
    // the folder is missed.
    GameFolders take(const QString& gamesDir);

private:
    QString m_gamesDir;
    std::future<GameFolders> m_scan;
};

} // namespace z3d
