// The auto-playlist file on arbitrary bytes: AutoPlaylistFile::find for every commercial game's
// IWAD and a stand-in, then the assignment of a playlist name. The input is the name, a NUL,
// then the file's bytes (no NUL: the bytes alone, with a plain name). find answers the entry
// of the IWAD's game as the file is read item by item; an assignment changes that entry only
// (of the entries the file's item format can hold: no double quote, no line break), and the
// name assigned is found again.

#include "ScratchMusic.h"

#include "core/music/AutoPlaylistFile.h"

#include <array>
#include <utility>

using namespace z3d;
using z3d::fuzz::require;
using z3d::fuzz::scratchMusicFolder;

namespace {

// An IWAD of each game of the file (the menu's order), as found on a case-sensitive disk.
constexpr std::array<std::pair<const char*, int>, 7> kIwads{{{"/g/DOOM.WAD", 0},
                                                             {"/g/doom1.wad", 0},
                                                             {"/g/Doom2.wad", 1},
                                                             {"/g/freedoom2.wad", 1},
                                                             {"/g/PLUTONIA.WAD", 2},
                                                             {"/g/tnt.wad", 3},
                                                             {"/g/heretic.wad", -1}}};

// A name the item format writes and reads back whole: no double quote, no line break.
bool holdable(const QString& name)
{
    return !name.contains(u'"') && !name.contains(u'\r') && !name.contains(u'\n');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = input.find('\0');
    const QString name = nul == std::string_view::npos
                             ? QStringLiteral("Fuzzed Mix")
                             : QString::fromUtf8(input.data(), qsizetype(nul));
    const std::string_view file = nul == std::string_view::npos ? input : input.substr(nul + 1);
    const QString& folder = scratchMusicFolder();
    z3d::fuzz::scratchFile("Music/" + AutoPlaylistFile::kFileName.toStdString(), file);

    const std::optional<QStringList> entries = AutoPlaylistFile::readEntries(folder);
    require(entries.has_value(), "the file reads");
    for (const auto& [iwad, game] : kIwads) {
        const std::optional<QString> found = AutoPlaylistFile::find(folder, QLatin1String(iwad));
        const bool listed = game >= 0 && entries->size() > 1 + game;
        require(found.has_value() == listed, "a game's entry is found when the file has it");
        if (listed)
            require(*found == entries->at(1 + game), "find answers the game's entry");
    }

    // A name the format cannot hold (a playlist file named with a double quote) is written
    // so that it reads back as more entries than one, shifting the entries after it: left out
    // here until the item format can hold it.
    if (!holdable(name))
        return 0;
    const int game = file.empty() ? 0 : static_cast<unsigned char>(file.front()) % 4;
    require(AutoPlaylistFile::assign(folder, game, name) == ErrorNumber::None,
            "the assignment is written");
    const std::optional<QStringList> after = AutoPlaylistFile::readEntries(folder);
    require(after.has_value() && after->size() >= 5, "the file has every game's entry");
    for (qsizetype i = 0; i < entries->size() && i < after->size(); ++i) {
        if (i != 1 + game && holdable(entries->at(i)))
            require(after->at(i) == entries->at(i), "the other entries stay as they were");
    }
    for (const auto& [iwad, itsGame] : kIwads) {
        if (itsGame == game)
            require(AutoPlaylistFile::find(folder, QLatin1String(iwad)) == name,
                    "the name assigned is found again");
    }
    return 0;
}
