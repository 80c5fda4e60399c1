#pragma once

#include "core/inspect/AddonFace.h"
#include "gui/tooltips/ListTipProvider.h"

#include <functional>
#include <optional>

namespace z3d {

// The tips of the games list and the game-files list (see ListTips): an add-on's face, its
// title picture about kPictureWidth pixels wide in the proportions the game shows it, with
// its text's title, author, date and first description lines under it. An entry whose files
// give neither has no tip. The face is read when a tip is about to show, never before.
class GameTipContent : public ListTipProvider
{
public:
    static constexpr int kPictureWidth = 320;

    // What the entry at row is; nothing for no entry.
    using EntryOf = std::function<std::optional<AddonFaceEntry>(int row)>;
    using FaceOf = std::function<AddonFace(const AddonFaceEntry& entry)>;

    GameTipContent(EntryOf entryOf, FaceOf faceOf);

    std::optional<ListTip> tipOf(int row) override;

    // The picture as the tip shows it; null when it cannot be decoded.
    static QImage imageOf(const automap::TitlePicture& picture);
    // The caption: the title, "by <author>, <date>", then the description's lines; each part
    // only where the text gives it.
    static QStringList linesOf(const AddonText& text);

private:
    EntryOf m_entryOf;
    FaceOf m_faceOf;
};

} // namespace z3d
