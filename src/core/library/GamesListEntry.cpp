#include "core/library/GamesListEntry.h"

#include "core/library/NameOrder.h"

#include <algorithm>
#include <string>
#include <vector>

namespace z3d {

namespace {

// An entry with its display text folded once for sorting. An ASCII text folded (its capitals
// made small letters) compares byte by byte as nameLess compares the text without regard to
// case, at a fraction of the cost; any other text is compared by nameLess itself.
struct SortedEntry
{
    std::string folded;
    bool ascii = true;
    const GamesListEntry* entry = nullptr;
};

SortedEntry sortedEntry(const GamesListEntry& entry)
{
    SortedEntry sorted;
    sorted.entry = &entry;
    sorted.folded.reserve(entry.display.size());
    for (const QChar c : entry.display) {
        const char16_t unit = c.unicode();
        if (unit > 127) {
            sorted.ascii = false;
            break;
        }
        sorted.folded.push_back(char(unit >= u'A' && unit <= u'Z' ? unit - u'A' + u'a' : unit));
    }
    return sorted;
}

bool displayLess(const SortedEntry& a, const SortedEntry& b)
{
    if (!a.ascii || !b.ascii)
        return nameLess(a.entry->display, b.entry->display);
    const int order = a.folded.compare(b.folded);
    return order != 0 ? order < 0
                      : QString::compare(a.entry->display, b.entry->display, Qt::CaseSensitive) < 0;
}

} // namespace

void sortByDisplay(GamesListEntries& entries)
{
    std::vector<SortedEntry> sorted;
    sorted.reserve(entries.size());
    for (const GamesListEntry& entry : std::as_const(entries))
        sorted.push_back(sortedEntry(entry));
    std::sort(sorted.begin(), sorted.end(), displayLess);
    GamesListEntries ordered;
    ordered.reserve(entries.size());
    for (const SortedEntry& at : sorted)
        ordered.append(*at.entry);
    entries = std::move(ordered);
}

} // namespace z3d
