#include "core/library/GamesListEntry.h"

#include "core/library/NameOrder.h"

#include <algorithm>

namespace z3d {

namespace {

bool displayLess(const GamesListEntry& a, const GamesListEntry& b)
{
    return nameLess(a.display, b.display);
}

} // namespace

void sortByDisplay(GamesListEntries& entries)
{
    std::sort(entries.begin(), entries.end(), displayLess);
}

} // namespace z3d
