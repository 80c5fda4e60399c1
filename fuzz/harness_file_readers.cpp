// Every file the launcher reads from its installation: the IWAD locations, the known add-ons,
// the custom definitions, the font, the tips, the display mode, the auxiliary files, a
// playlist, the auto-playlist and the music folder. The input's first byte picks the file, the
// rest is its content; each read must end in its file's rules: bounded lists, names that stay
// in their folder, sizes in range.

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

#include <functional>
#include <vector>

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

// A file of the installation and what reading it must give.
struct Reader
{
    QString file;
    std::function<void(const InstallPaths&)> read;
};

const std::vector<Reader>& readers(const InstallPaths& paths)
{
    static const std::vector<Reader> all{
        {paths.launcherDataDir + QStringLiteral("/iwads.cfg"),
         [](const InstallPaths& p) {
             IwadRegistry registry;
             readIwadsCfg(registry, p);
         }},
        {paths.launcherDataDir + u'/' + QLatin1String(KnownPwadList::kFileName),
         [](const InstallPaths& p) {
             const int known = KnownPwadList::lookUp(p.launcherDataDir, "/somewhere/game.wad");
             require(known >= 0 && known <= 7, "a known add-on's class is 0 to 7");
         }},
        {paths.launcherDataDir + QStringLiteral("/custom.z3d"),
         [](const InstallPaths& p) {
             const QList<DefinitionEntry> definitions = CustomDefinitions::load(p);
             require(definitions.size() <= CustomDefinitions::kMaxLines, "at most 21 definitions");
             // glow.ded is the only file of the definitions folder.
             for (const DefinitionEntry& entry : definitions)
                 require(entry.text.compare(QLatin1String("glow"), Qt::CaseInsensitive) == 0,
                         "a definition kept names a file of the definitions folder");
         }},
        {paths.launcherDir + QStringLiteral("/font.z3d"),
         [](const InstallPaths& p) {
             if (const auto font = FontSettings::read(p.launcherDir))
                 require(font->size >= 0 && font->size <= 32767, "a font size in points or none");
         }},
        {paths.launcherDataDir + QStringLiteral("/tips.txt"),
         [](const InstallPaths& p) { TipsOfTheDay::read(p.launcherDataDir); }},
        {DisplayMode::filePath(paths.installRoot),
         [](const InstallPaths& p) { DisplayMode::read(p.installRoot); }},
        {paths.launcherDataDir + QStringLiteral("/texpath.z3d"),
         [](const InstallPaths& p) { AuxiliaryFiles::readTexturePath(p); }},
        {paths.launcherDataDir + QStringLiteral("/archives.z3d"),
         [](const InstallPaths& p) { AuxiliaryFiles::readZipLibraryDir(p); }},
        {paths.launcherDataDir + QStringLiteral("/pwads.z3d"),
         [](const InstallPaths& p) { AuxiliaryFiles::readLastInstallFolder(p); }},
        {paths.launcherDataDir + QStringLiteral("/editor.z3d"),
         [](const InstallPaths& p) { MusicEditorFiles::textEditorProgram(p); }},
        {paths.musicDir + QStringLiteral("/fuzzed.z3m"),
         [](const InstallPaths& p) {
             const PlaylistRead playlist = PlaylistFile::read(p.musicDir, "fuzzed");
             require(playlist.lines.size() <= playlist::kMaxLines,
                     "a playlist reads at most 301 lines");
             PlaylistFile::loadNames(p.musicDir);
         }},
        {paths.musicDir + u'/' + AutoPlaylistFile::kFileName,
         [](const InstallPaths& p) { AutoPlaylistFile::readEntries(p.musicDir); }},
        {paths.musicDir + QStringLiteral("/music.z3d"),
         [](const InstallPaths& p) { MusicEditorFiles::musicDialogFolder(p); }},
    };
    return all;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const InstallPaths& paths = installation();
    const Reader& reader = readers(paths).at(data[0] % readers(paths).size());
    QFile file(reader.file);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                file.write(reinterpret_cast<const char*>(data) + 1, qint64(size) - 1) ==
                    qint64(size) - 1,
            "scratch file written");
    file.close();
    reader.read(paths);
    return 0;
}
