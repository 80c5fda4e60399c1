// Z3DgFiles, the game-file checker run by the launcher:
//     Z3DgFiles CHECKWAD "<wad file>"       lists the maps of a WAD, with their titles
//     Z3DgFiles GETSAVEHDRS "<save folder>" lists the save games of a folder
// and, for players and scripts:
//     Z3DgFiles MAPPICTURE "<wad file>" <map> "<png file>" [size]
//                                           draws a map as an automap into a PNG that fits a
//                                           size x size square (240 when not given)
//     Z3DgFiles MAPSTATS "<wad file>" <map> <skill 1-5>
//                                           prints a map's title, its monsters, items and
//                                           secrets at that skill, and where it leads
//     Z3DgFiles TITLEPICTURE "<wad file>" "<png file>" ["<palette wad>"]
//                                           draws the wad's title picture into a PNG as the
//                                           game shows it (320 x 200 as 320 x 240), coloured
//                                           by the wad's palette, else the palette wad's,
//                                           else Freedoom's
// The command word is compared without regard to case. The output formats are described in
// OutputFormatter.h. Exit status: 0 done, 1 the file or folder was unusable (MAPPICTURE: the
// wad, the map, a map without lines to draw, or the PNG file; the reason on standard error, and
// no PNG file left behind; MAPSTATS: the wad, the map or the skill; TITLEPICTURE: the wad, the
// palette wad, a wad without a title picture that can be drawn, or the PNG file, as
// MAPPICTURE), 2 usage error.

#include "automap/MapGeometry.h"
#include "automap/MapPicture.h"
#include "automap/MapTitles.h"
#include "automap/TitlePicture.h"
#include "automap/WadFile.h"
#include "OutputFormatter.h"
#include "PngWriter.h"
#include "SaveFolderReader.h"
#include "TitleImage.h"
#include "WadDirectoryReader.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>

namespace {

constexpr int DefaultPictureSize = 240;

void print(const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

int fail(const std::string& message)
{
    std::fputs(("Z3DgFiles: " + message + "\n").c_str(), stderr);
    return 1;
}

int usage()
{
    std::fputs("Usage: Z3DgFiles CHECKWAD \"<wad file>\"\n"
               "       Z3DgFiles GETSAVEHDRS \"<save folder>\"\n"
               "       Z3DgFiles MAPPICTURE \"<wad file>\" <map> \"<png file>\" [size]\n"
               "       Z3DgFiles MAPSTATS \"<wad file>\" <map> <skill 1-5>\n"
               "       Z3DgFiles TITLEPICTURE \"<wad file>\" \"<png file>\" [\"<palette wad>\"]\n",
               stderr);
    return 2;
}

std::string upper(std::string text)
{
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

// The wad at wadPath; nothing, the reason printed, when it cannot be read as one.
std::optional<z3d::automap::WadFile> openWad(const std::filesystem::path& wadPath)
{
    std::optional<z3d::automap::WadFile> wad = z3d::automap::WadFile::open(wadPath);
    if (!wad) {
        fail(wadPath.string() + ": not found or not a WAD file");
    }
    return wad;
}

// The wad at wadPath and the index of map's marker in it; nothing, the reason printed, when
// either is missing.
std::optional<std::pair<z3d::automap::WadFile, std::size_t>>
openMap(const std::filesystem::path& wadPath, const std::string& map)
{
    std::optional<z3d::automap::WadFile> wad = openWad(wadPath);
    if (!wad) {
        return std::nullopt;
    }
    const std::optional<std::size_t> marker = wad->findMap(map);
    if (!marker) {
        fail(wadPath.string() + ": no map " + upper(map) + " in this file");
        return std::nullopt;
    }
    return std::pair{std::move(*wad), *marker};
}

int mapPicture(const std::filesystem::path& wadPath, const std::string& map,
               const std::filesystem::path& pngPath, int size)
{
    using namespace z3d::automap;
    const auto opened = openMap(wadPath, map);
    if (!opened) {
        return 1;
    }
    const auto& [wad, marker] = *opened;
    const MapGeometry geometry = MapGeometry::fromWad(wad, marker);
    if (geometry.lines.empty()) {
        return fail(wadPath.string() + ": map " + upper(map) + " has no lines to draw");
    }
    const std::error_code error =
        z3d::checker::PngWriter::write(pngPath, MapPicture::draw(geometry, size));
    if (error) {
        return fail(pngPath.string() + ": cannot write the picture: " + error.message());
    }
    return 0;
}

int titlePicture(const std::filesystem::path& wadPath, const std::filesystem::path& pngPath,
                 const std::filesystem::path& paletteWadPath)
{
    using namespace z3d::automap;
    const std::optional<WadFile> wad = openWad(wadPath);
    std::optional<WadFile> paletteWad;
    if (!wad || (!paletteWadPath.empty() && !(paletteWad = openWad(paletteWadPath)))) {
        return 1;
    }
    const std::optional<TitlePicture> stored =
        readTitlePicture(*wad, paletteWad ? &*paletteWad : nullptr);
    if (!stored) {
        return fail(wadPath.string() + ": has no title picture");
    }
    const std::optional<TitlePicture> shown = z3d::checker::TitleImage::shown(*stored);
    if (!shown) {
        return fail(wadPath.string() + ": the title picture is a damaged PNG");
    }
    const std::error_code error = z3d::checker::PngWriter::write(pngPath, *shown);
    if (error) {
        return fail(pngPath.string() + ": cannot write the picture: " + error.message());
    }
    return 0;
}

int mapStats(const std::filesystem::path& wadPath, const std::string& map,
             std::string_view skillText)
{
    using z3d::automap::MapTally;
    int skill = 0;
    const char* end = skillText.data() + skillText.size();
    if (std::from_chars(skillText.data(), end, skill).ptr != end || skill < MapTally::MinSkill ||
        skill > MapTally::MaxSkill) {
        return fail("the skill is a number from 1 to 5, not \"" + std::string(skillText) + "\"");
    }
    const auto opened = openMap(wadPath, map);
    if (!opened) {
        return 1;
    }
    const auto& [wad, marker] = *opened;
    const std::string name = upper(map);
    const z3d::automap::MapTitles titles = z3d::automap::MapTitles::fromWad(wad);
    print(z3d::checker::OutputFormatter::mapStats(titles.titlesOf({name}).front(),
                                                  MapTally::fromWad(wad, marker, skill),
                                                  titles.linksOf(name)));
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    using namespace z3d::checker;
    if (argc < 3 || argv[2][0] == '\0') {
        return usage();
    }
    const std::string command = upper(argv[1]);
    const std::filesystem::path target(argv[2]);

    if (command == "CHECKWAD" && argc == 3) {
        const WadReport report = WadDirectoryReader::read(target);
        print(OutputFormatter::checkwad(report));
        return report.intact ? 0 : 1;
    }
    if (command == "GETSAVEHDRS" && argc == 3) {
        print(OutputFormatter::saveHeaders(SaveFolderReader::read(target)));
        std::error_code error;
        return std::filesystem::is_directory(target, error) ? 0 : 1;
    }
    if (command == "MAPPICTURE" && (argc == 5 || argc == 6) && argv[3][0] != '\0' &&
        argv[4][0] != '\0') {
        int size = DefaultPictureSize;
        if (argc == 6) {
            const std::string_view text(argv[5]);
            const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
            if (error != std::errc() || end != text.data() + text.size() ||
                size < z3d::automap::MapPicture::MinSize ||
                size > z3d::automap::MapPicture::MaxSize) {
                std::fputs("Z3DgFiles: the size is a number of pixels from 8 to 4096\n", stderr);
                return usage();
            }
        }
        return mapPicture(target, argv[3], argv[4], size);
    }
    if (command == "MAPSTATS" && argc == 5 && argv[3][0] != '\0') {
        return mapStats(target, argv[3], argv[4]);
    }
    if (command == "TITLEPICTURE" && (argc == 4 || argc == 5) && argv[3][0] != '\0' &&
        (argc == 4 || argv[4][0] != '\0')) {
        return titlePicture(target, argv[3], argc == 5 ? argv[4] : "");
    }
    return usage();
}
