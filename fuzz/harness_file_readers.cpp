// Every file the launcher reads from its installation, each holding the same arbitrary bytes:
// the IWAD locations, the known add-ons, the custom definitions, the font, the tips, the
// display mode, the auxiliary folders, the playlists and the auto-playlist. Each read must end
// in its file's rules: bounded lists, names that stay in their folder, sizes in range.

#include "FuzzScratch.h"

#include "core/app/DisplayMode.h"
#include "core/app/TipsOfTheDay.h"
#include "core/inspect/KnownPwadList.h"
#include "core/iwads/IwadRegistry.h"
#include "core/iwads/IwadsCfg.h"
#include "core/models/CustomDefinitions.h"
#include "core/music/AutoPlaylistFile.h"
#include "core/music/MusicEditorFiles.h"
#include "core/music/PlaylistFile.h"
#include "core/music/PlaylistFormat.h"
#include "core/platform/InstallPaths.h"
#include "core/settings/AuxiliaryFiles.h"
#include "core/settings/FontSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace z3d;
using z3d::fuzz::require;

namespace {

// The installation the files are read from, made once: its folders and a few files for the
// names read from the fuzzed files to find.
const InstallPaths& installation()
{
    static const InstallPaths paths = [] {
        // Names read from damaged files (a NUL inside, say) make Qt warn about each look-up;
        // they answer "no such file", which is all that matters here.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        const QString root = QString::fromStdString((z3d::fuzz::scratchFolder() / "root").string());
        const InstallPaths made = InstallPaths::fromInstallRoot(root);
        for (const QString& folder : {made.launcherDataDir, made.musicDir, made.customDefsDir,
                                      root + QStringLiteral("/Bin")})
            QDir().mkpath(folder);
        QFile(made.customDefsDir + QStringLiteral("/glow.ded")).open(QIODevice::WriteOnly);
        return made;
    }();
    return paths;
}

void writeEverywhere(const InstallPaths& paths, const QByteArray& bytes)
{
    const QStringList files = {
        paths.launcherDataDir + QStringLiteral("/iwads.cfg"),
        paths.launcherDataDir + QStringLiteral("/") + KnownPwadList::kFileName,
        paths.launcherDataDir + QStringLiteral("/custom.z3d"),
        paths.launcherDataDir + QStringLiteral("/tips.txt"),
        paths.launcherDataDir + QStringLiteral("/texpath.z3d"),
        paths.launcherDataDir + QStringLiteral("/archives.z3d"),
        paths.launcherDataDir + QStringLiteral("/pwads.z3d"),
        paths.launcherDataDir + QStringLiteral("/editor.z3d"),
        paths.launcherDir + QStringLiteral("/font.z3d"),
        DisplayMode::filePath(paths.installRoot),
        paths.musicDir + QStringLiteral("/fuzzed.z3m"),
        paths.musicDir + QStringLiteral("/") + AutoPlaylistFile::kFileName,
        paths.musicDir + QStringLiteral("/music.z3d"),
    };
    for (const QString& path : files) {
        QFile file(path);
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                    file.write(bytes) == bytes.size(),
                "scratch file written");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const InstallPaths& paths = installation();
    writeEverywhere(paths, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));

    IwadRegistry registry;
    readIwadsCfg(registry, paths);

    KnownPwadList::lookUp(paths.launcherDataDir, QStringLiteral("/somewhere/game.wad"));

    const QList<DefinitionEntry> definitions = CustomDefinitions::load(paths);
    require(definitions.size() <= CustomDefinitions::kMaxLines, "at most 21 definitions");
    for (const DefinitionEntry& entry : definitions)
        require(QFileInfo::exists(paths.customDefsDir + u'/' + entry.text + QStringLiteral(".ded")),
                "a definition kept names a file of the definitions folder");

    if (const auto font = FontSettings::read(paths.launcherDir))
        require(font->size >= 0 && font->size <= 32767, "a font size in points or none");

    TipsOfTheDay::read(paths.launcherDataDir);
    DisplayMode::read(paths.installRoot);

    AuxiliaryFiles::readTexturePath(paths);
    AuxiliaryFiles::readZipLibraryDir(paths);
    AuxiliaryFiles::readLastInstallFolder(paths);
    MusicEditorFiles::musicDialogFolder(paths);
    MusicEditorFiles::textEditorProgram(paths);

    const PlaylistRead playlist = PlaylistFile::read(paths.musicDir, QStringLiteral("fuzzed"));
    require(playlist.lines.size() <= playlist::kMaxLines, "a playlist reads at most 301 lines");
    AutoPlaylistFile::readEntries(paths.musicDir);
    PlaylistFile::loadNames(paths.musicDir);
    return 0;
}
