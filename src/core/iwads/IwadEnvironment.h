#pragma once

#include <QString>

namespace z3d {

// The two environment variables the IWAD search reads. They are passed in rather than read
// where they are used, so a search can be run against any values.
struct IwadEnvironment
{
    QString dollarDoomWadDir; // "$DOOMWADDIR"
    QString doomWadDir;       // "DOOMWADDIR"

    // The values of this process's environment (empty when unset).
    static IwadEnvironment fromProcess();

    // The folder the search looks in first: "$DOOMWADDIR" when it names an existing folder,
    // else "DOOMWADDIR" as it is (possibly empty or no folder at all), in its on-disk spelling.
    QString searchFolder() const;
};

} // namespace z3d
