// Times the face of a games-list entry in process (its title picture and its text, as the
// tip shows them), beside the tip's budget of 50 ms: an installed game whose main wad is
// 100 MB (a title picture and a map up front, the directory at its end, as wad tools write
// it), and two stored zips of 100 MB in the zip library holding such a wad, one not extracted
// and one whose wad the extraction folder holds. The files are built in a temporary folder;
// the wad's colours come from Debian's freedoom2.wad where it is installed. Median wall time
// over N rounds (default 21, or the first argument), the page cache warm as for a second look,
// and the first look of the run, which loads the zip library.

#include "core/inspect/AddonFace.h"
#include "core/iwads/IwadRegistry.h"
#include "core/platform/InstallPaths.h"

#include "support/FileBytes.h"
#include "support/GameFileBytes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace z3d;
using namespace z3d::test;

namespace {

constexpr double kBudgetMs = 50;
constexpr qsizetype kWadBytes = 100 * 1000 * 1000;
const QString kFreedoom2 = QStringLiteral("/usr/share/games/doom/freedoom2.wad");

// Bytes that do not compress: what most of a big wad's lumps (textures, sounds) look like.
QByteArray noise(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    char* out = bytes.data();
    quint64 state = 0x9E3779B97F4A7C15ull;
    for (qsizetype i = 0; i < size; ++i) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        out[i] = char(state);
    }
    return bytes;
}

// A 320 x 200 title picture in Doom's format, every pixel covered.
QByteArray titlePicture()
{
    QList<int> pixels;
    for (int i = 0; i < 320 * 200; ++i)
        pixels << i % 256;
    return doomPicture(320, pixels);
}

QByteArray bigWad()
{
    QList<WadLump> lumps{
        {"TITLEPIC", titlePicture()}, {"MAP01", {}}, {"THINGS", QByteArray(10, '\0')}};
    lumps.append({"SOUNDS", noise(kWadBytes - 64 * 1024 - lumps.at(0).second.size())});
    return wadOfLumps(lumps);
}

const QByteArray kText = "Title                   : The Big One\r\n"
                         "Author                  : Somebody\r\n"
                         "Description             : A wad of a hundred megabytes.\r\n";

struct Times
{
    double firstMs = 0; // the run's first look, which loads the zip library
    double medianMs = 0;
};

Times timeFaces(int rounds, const AddonFaceEntry& entry, const InstallPaths& paths,
                const IwadRegistry& iwads, AddonFace& face)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        face = AddonFace::read(entry, paths, iwads);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    const double first = times.front();
    std::sort(times.begin(), times.end());
    return {first, times[times.size() / 2]};
}

} // namespace

int main(int argc, char* argv[])
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    QTemporaryDir root;
    if (!root.isValid())
        return 1;
    const InstallPaths paths = InstallPaths::fromInstallRoot(root.path());
    const QByteArray wad = bigWad();
    if (!QDir().mkpath(paths.zipLibraryDir) ||
        !writeBytes(paths.gamesDir + "Big/Pwads/big.wad", wad) ||
        !writeBytes(paths.gamesDir + "Big/Pwads/big.txt", kText) ||
        !writeZip(paths.zipLibraryDir + "/Big.zip", {{"huge.wad", wad}, {"huge.txt", kText}}) ||
        !writeZip(paths.zipLibraryDir + "/Extracted.zip", {{"big.wad", wad}, {"big.txt", kText}}) ||
        !writeBytes(paths.launcherDir + "Zips/big.wad", wad)) {
        std::printf("Add-on faces: the files could not be written\n");
        return 1;
    }
    IwadRegistry iwads;
    if (QFile::exists(kFreedoom2))
        iwads.registerIwad(kFreedoom2);

    std::printf("Add-on faces (title picture and text), median wall time of %d rounds\n", rounds);
    const struct
    {
        const char* what;
        AddonFaceEntry entry;
    } cases[] = {
        {"installed game, 100 MB main wad", {GamesListMode::InstalledGames, "Big", {}}},
        {"zip of 100 MB, not extracted", {GamesListMode::ZipLibrary, "Big", {}}},
        {"zip of 100 MB, its wad extracted", {GamesListMode::ZipLibrary, "Extracted", {}}},
    };
    int status = 0;
    for (const auto& [what, entry] : cases) {
        AddonFace face;
        const Times times = timeFaces(rounds, entry, paths, iwads, face);
        std::printf("  %-36s %8.2f ms (first %.2f ms)   budget %.0f ms%s%s%s\n", what,
                    times.medianMs, times.firstMs, kBudgetMs, face.picture ? "" : "   no picture",
                    face.text ? "" : "   no text", times.medianMs > kBudgetMs ? "   OVER" : "");
        if (!face.text)
            status = 1;
    }
    return status;
}
