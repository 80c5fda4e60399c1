#include "automap/TitlePicture.h"

#include "automap/FreedoomPalette.h"
#include "automap/WadFile.h"

#include <array>
#include <string>
#include <string_view>

namespace z3d::automap {

namespace {

using Palette = std::array<std::uint32_t, 256>;

constexpr int RawWidth = 320;
constexpr int RawHeight = 200;
constexpr std::uint32_t Black = 0xFF000000;
// More than any picture of MaxSide x MaxSide needs in Doom's format; a larger lump is damage.
constexpr std::size_t MaxLumpBytes = std::size_t{64} << 20;
constexpr std::string_view PngSignature{"\x89PNG\r\n\x1A\n", 8};

unsigned byteAt(std::string_view bytes, std::size_t at)
{
    return static_cast<unsigned char>(bytes[at]);
}

std::uint32_t readU32(std::string_view bytes, std::size_t at)
{
    return byteAt(bytes, at) | byteAt(bytes, at + 1) << 8 | byteAt(bytes, at + 2) << 16 |
           std::uint32_t{byteAt(bytes, at + 3)} << 24;
}

std::uint32_t readU32BigEndian(std::string_view bytes, std::size_t at)
{
    return std::uint32_t{byteAt(bytes, at)} << 24 | byteAt(bytes, at + 1) << 16 |
           byteAt(bytes, at + 2) << 8 | byteAt(bytes, at + 3);
}

int readS16(std::string_view bytes, std::size_t at)
{
    return static_cast<std::int16_t>(byteAt(bytes, at) | byteAt(bytes, at + 1) << 8);
}

// The last lump of that name, as the game takes the last; nothing when there is none or its
// data cannot be read.
const Lump* lastLump(const WadFile& wad, std::string_view name)
{
    const std::vector<Lump>& lumps = wad.lumps();
    for (auto lump = lumps.rbegin(); lump != lumps.rend(); ++lump) {
        if (lump->name == name)
            return lump->size > 0 ? &*lump : nullptr;
    }
    return nullptr;
}

Palette paletteOf(std::string_view bytes)
{
    Palette palette{};
    for (std::size_t i = 0; i < palette.size(); ++i) {
        palette[i] = Black | byteAt(bytes, i * 3) << 16 | byteAt(bytes, i * 3 + 1) << 8 |
                     byteAt(bytes, i * 3 + 2);
    }
    return palette;
}

// The first palette of wad's PLAYPAL; nothing when it has none whole.
std::optional<Palette> playpal(const WadFile& wad)
{
    const Lump* lump = lastLump(wad, "PLAYPAL");
    if (!lump)
        return std::nullopt;
    const std::string bytes = wad.read(*lump, FreedoomPalette::Size);
    if (bytes.size() < FreedoomPalette::Size)
        return std::nullopt;
    return paletteOf(bytes);
}

bool sideFits(int side)
{
    return side > 0 && side <= TitlePicture::MaxSide;
}

TitlePicture blackPicture(int width, int height)
{
    TitlePicture picture;
    picture.width = width;
    picture.height = height;
    picture.argb.assign(std::size_t(width) * std::size_t(height), Black);
    return picture;
}

// A PNG keeps its bytes for the viewer; its size comes from its header (IHDR, the first
// chunk). Nothing when the header is missing or claims an unusable size.
std::optional<TitlePicture> fromPng(std::string_view lump)
{
    constexpr std::size_t HeaderEnd = 8 + 8 + 13;
    if (lump.size() < HeaderEnd || readU32BigEndian(lump, 8) != 13 || lump.substr(12, 4) != "IHDR")
        return std::nullopt;
    const std::uint32_t width = readU32BigEndian(lump, 16);
    const std::uint32_t height = readU32BigEndian(lump, 20);
    if (width == 0 || height == 0 || width > TitlePicture::MaxSide ||
        height > TitlePicture::MaxSide)
        return std::nullopt;
    TitlePicture picture;
    picture.width = int(width);
    picture.height = int(height);
    picture.png.assign(lump.begin(), lump.end());
    return picture;
}

// Doom's picture format: width, height, left and top offsets (int16), then a 32-bit offset
// per column to its posts. A post is its top row (0xFF ends the column), its length, a pad
// byte, the pixels and a pad byte. In a tall picture a post whose top is not below the last
// one's gives its distance from that top. Nothing when the header or the column table is cut
// short or claims an unusable size. Of a damaged column, what lies inside the lump and the
// picture is drawn: a column whose posts start outside the lump stays black, a post running
// past the bottom or the lump's end is cut there.
std::optional<TitlePicture> fromDoomPicture(std::string_view lump, const Palette& palette)
{
    constexpr std::size_t HeaderSize = 8;
    if (lump.size() < HeaderSize)
        return std::nullopt;
    const int width = readS16(lump, 0);
    const int height = readS16(lump, 2);
    if (!sideFits(width) || !sideFits(height) || lump.size() < HeaderSize + 4 * std::size_t(width))
        return std::nullopt;
    TitlePicture picture = blackPicture(width, height);
    for (int x = 0; x < width; ++x) {
        std::size_t at = readU32(lump, HeaderSize + 4 * std::size_t(x));
        std::int64_t top = -1;
        while (at + 2 < lump.size() && byteAt(lump, at) != 0xFF) {
            const unsigned delta = byteAt(lump, at);
            top = delta <= top ? top + delta : delta;
            const std::size_t length = byteAt(lump, at + 1);
            const std::size_t pixels = at + 3;
            for (std::size_t i = 0; i < length && pixels + i < lump.size(); ++i) {
                const std::int64_t y = top + std::int64_t(i);
                if (y < height)
                    picture.argb[std::size_t(y) * std::size_t(width) + std::size_t(x)] =
                        palette[byteAt(lump, pixels + i)];
            }
            at = pixels + length + 1;
        }
    }
    return picture;
}

// Heretic's and Hexen's raw picture: 320 x 200 palette indices, row by row. A lump cut short
// draws its rows; the rest stays black.
TitlePicture fromRaw(std::string_view lump, const Palette& palette)
{
    TitlePicture picture = blackPicture(RawWidth, RawHeight);
    for (std::size_t i = 0; i < lump.size() && i < picture.argb.size(); ++i)
        picture.argb[i] = palette[byteAt(lump, i)];
    return picture;
}

} // namespace

int TitlePicture::shownHeight() const
{
    return width * 5 == height * 8 ? height * 6 / 5 : height;
}

std::optional<TitlePicture> readTitlePicture(const WadFile& wad, const WadFile* paletteWad)
{
    const auto palette = [&] {
        std::optional<Palette> found = playpal(wad);
        if (!found && paletteWad)
            found = playpal(*paletteWad);
        return found ? *found
                     : paletteOf({reinterpret_cast<const char*>(FreedoomPalette::Colours.data()),
                                  FreedoomPalette::Size});
    };
    for (const std::string_view name : {"TITLEPIC", "TITLE"}) {
        const Lump* lump = lastLump(wad, name);
        if (!lump || lump->size > MaxLumpBytes)
            continue;
        const std::string bytes = wad.read(*lump, MaxLumpBytes);
        std::optional<TitlePicture> picture;
        if (std::string_view(bytes).substr(0, PngSignature.size()) == PngSignature)
            picture = fromPng(bytes);
        else if (name == "TITLEPIC")
            picture = fromDoomPicture(bytes, palette());
        else if (!bytes.empty())
            picture = fromRaw(bytes, palette());
        if (picture)
            return picture;
    }
    return std::nullopt;
}

} // namespace z3d::automap
