#pragma once

#include <QImage>
#include <QStringList>

#include <optional>

namespace z3d {

// What a list entry's tip shows: a picture (may be null) with caption lines under it.
struct ListTip
{
    QImage picture;
    QStringList lines;
};

// Decides what each entry of one list shows in its tip (see ListTips). Asked only when a tip
// is about to show or the list's own tooltip is about to be replaced, so it may read files;
// what it has read once it may keep.
class ListTipProvider
{
public:
    virtual ~ListTipProvider() = default;

    // The tip of the entry at row; nothing where the entry has none, and there the list's own
    // Qt tooltip shows as usual.
    virtual std::optional<ListTip> tipOf(int row) = 0;
};

} // namespace z3d
