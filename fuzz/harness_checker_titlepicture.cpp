// TITLEPICTURE's readers on arbitrary bytes: the title picture read from a wad and turned into
// the picture shown (a PNG decoded, 16:10 stretched to 4:3). A WAD ("IWAD" or "PWAD" first) is
// read as it is, coloured by its own palette or by itself as the IWAD; any other input is the
// TITLEPIC lump of a wad, and the TITLE lump of another. Whatever is read has a usable size,
// its pixels or its PNG bytes but not both, and only opaque pixels; the picture shown has its
// width and its shown height.

#include "automap/TitlePicture.h"
#include "automap/WadFile.h"
#include "FuzzScratch.h"
#include "TitleImage.h"

#include <sstream>
#include <string>
#include <string_view>

using namespace z3d::automap;
using z3d::fuzz::require;

namespace {

bool opaque(const std::vector<std::uint32_t>& argb)
{
    for (const std::uint32_t pixel : argb) {
        if (pixel >> 24 != 0xFF)
            return false;
    }
    return true;
}

void check(const std::optional<TitlePicture>& picture)
{
    if (!picture)
        return;
    require(picture->width > 0 && picture->width <= TitlePicture::MaxSide && picture->height > 0 &&
                picture->height <= TitlePicture::MaxSide,
            "a usable size");
    require(picture->argb.empty() != picture->png.empty(), "pixels or a PNG");
    require(picture->argb.empty() ||
                picture->argb.size() == std::size_t(picture->width) * picture->height,
            "a pixel each");
    require(opaque(picture->argb), "opaque pixels");
    const std::optional<TitlePicture> shown = z3d::checker::TitleImage::shown(*picture);
    require(shown || !picture->png.empty(), "only a PNG can fail to show");
    if (!shown)
        return;
    require(shown->width == picture->width && shown->height == picture->shownHeight() &&
                shown->argb.size() == std::size_t(shown->width) * shown->height,
            "shown at its width and shown height");
    require(opaque(shown->argb), "shown opaque");
}

std::string le32(std::uint32_t value)
{
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char(value >> 8 * i);
    return bytes;
}

// A PWAD holding bytes as its one lump, named name.
std::string wadOf(std::string_view name, std::string_view bytes)
{
    std::string entryName(name);
    entryName.resize(8, '\0');
    return "PWAD" + le32(1) + le32(12 + std::uint32_t(bytes.size())) + std::string(bytes) +
           le32(12) + le32(std::uint32_t(bytes.size())) + entryName;
}

void readWad(const std::string& bytes)
{
    std::istringstream in(bytes);
    const std::optional<WadFile> wad = WadFile::open(in, bytes.size());
    if (!wad)
        return;
    check(readTitlePicture(*wad, nullptr));
    check(readTitlePicture(*wad, &*wad));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (bytes.substr(0, 4) == "IWAD" || bytes.substr(0, 4) == "PWAD") {
        readWad(std::string(bytes));
        return 0;
    }
    readWad(wadOf("TITLEPIC", bytes));
    readWad(wadOf("TITLE", bytes));
    return 0;
}
