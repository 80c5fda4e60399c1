// The playlist editor's whole chain on arbitrary bytes as a playlist file: the read (at most
// 301 lines, lines cut at 1 MiB), the layout test, the repair a "Yes" asks for, the toggle
// there and back, the clone and the save. What the editor shows passes the layout test of its
// type, each conversion keeps the playlist's lines and fills in the other game's slots, and a
// saved playlist reads back line for line and byte for byte.

#include "ScratchMusic.h"

#include "core/inspect/MapStructure.h"
#include "core/music/PlaylistEditing.h"
#include "core/music/PlaylistFile.h"
#include "core/music/PlaylistFormat.h"
#include "core/platform/LosslessUtf8.h"
#include "core/platform/TextFile.h"

#include <algorithm>

using namespace z3d;
using namespace z3d::playlist;
using z3d::fuzz::require;
using z3d::fuzz::scratchMusicFolder;

namespace {

qsizetype layoutSize(PlaylistType type)
{
    return buildEmptyPlaylist(type).size();
}

// Both conversions of a Doom or Doom II playlist that passes the layout test.
void convert(const QStringList& lines, PlaylistType type)
{
    const bool doom = type == PlaylistType::Doom;
    const qsizetype whole = std::max(lines.size(), layoutSize(type));

    const EditedPlaylist toggled = toggleMapTypes({lines, type, {}});
    require(toggled.type == (doom ? PlaylistType::Doom2 : PlaylistType::Doom), "a toggle turns");
    require(toggled.lines.size() == whole + (doom ? -4 : 4), "a toggle moves E4M6 to E4M9");
    const EditedPlaylist back = toggleMapTypes(toggled);
    require(back.type == type && back.lines.size() == whole,
            "a toggle there and back gives the playlist's shape again");
    require(back.setAside.isEmpty() == doom,
            "a toggle to Doom II sets E4M6 to E4M9 aside, one to Doom takes them back");

    const EditedPlaylist mixed = clonePlaylist({lines, type, {}});
    require(mixed.type == PlaylistType::Mixed, "a clone is Mixed");
    require(mixed.lines.size() == 91 + whole - layoutSize(type),
            "a clone adds the other game's part");
    const qsizetype kept = std::min(lines.size(), layoutSize(type) - 1);
    require(mixed.lines.mid(doom ? 0 : 47, kept) == lines.mid(0, kept),
            "a clone keeps the playlist's own part in place");
    const QStringList otherSlots =
        mapSlotNames(typeName(doom ? PlaylistType::Doom2 : PlaylistType::Doom));
    const qsizetype first = doom ? 58 : 11;
    for (qsizetype i = 0; i < otherSlots.size(); ++i)
        require(belongsToSlot(mixed.lines.at(first + i), otherSlots.at(i)),
                "a clone has every slot of the other game at its place");

    require(PlaylistFile::save(scratchMusicFolder(), QStringLiteral("saved"), mixed.lines) ==
                ErrorNumber::None,
            "the clone is saved");
    // A conversion lengthens slot names (E1M1 to MAP01): a line already at the line limit is
    // then saved longer than a read takes.
    const bool withinLimit = std::all_of(mixed.lines.begin(), mixed.lines.end(), [](auto& line) {
        return LosslessUtf8::encode(line).size() <= TextFile::kMaxLineBytes;
    });
    const PlaylistRead saved = PlaylistFile::read(scratchMusicFolder(), QStringLiteral("saved"));
    require(!withinLimit || saved.lines == mixed.lines.mid(0, kMaxLines),
            "a saved playlist reads back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    require(LosslessUtf8::encode(LosslessUtf8::decode(bytes)) == bytes,
            "text read from bytes gives the same bytes back");

    const QString& folder = scratchMusicFolder(); // made before the file is written into it
    z3d::fuzz::scratchFile("Music/fuzzed.z3m", std::string_view(bytes.data(), size));
    const PlaylistRead read = PlaylistFile::read(folder, QStringLiteral("fuzzed"));
    require(read.status == PlaylistRead::Status::Read, "a playlist file reads");
    require(read.lines.size() <= kMaxLines, "a playlist reads at most 301 lines");

    const OpenedPlaylist opened = openPlaylistLines(read.lines);
    QStringList lines = opened.lines;
    if (opened.step == OpenedPlaylist::Step::AskNonStandard)
        lines = repairPlaylist(lines, opened.type); // the player answered Yes
    require(hasStandardLayout(lines, opened.type), "the editor shows the layout of its type");
    require(detectType(lines) == opened.type, "the lines shown are of the playlist's type");
    if (opened.step == OpenedPlaylist::Step::Ready)
        require(lines == read.lines, "a standard playlist opens as read");

    require(PlaylistFile::save(scratchMusicFolder(), QStringLiteral("fuzzed"), read.lines) ==
                ErrorNumber::None,
            "the playlist is saved");
    require(PlaylistFile::read(scratchMusicFolder(), QStringLiteral("fuzzed")).lines == read.lines,
            "lines saved as read read back the same");

    if (opened.type != PlaylistType::Mixed)
        convert(lines, opened.type);
    return 0;
}
