#include "core/music/BuiltInPlaylists.h"

#include "core/inspect/MapStructure.h"
#include "core/music/PlaylistFile.h"
#include "core/music/PlaylistFormat.h"
#include "core/platform/FileOperations.h"
#include "core/platform/PathResolver.h"
#include "core/platform/TextFile.h"

#include <algorithm>
#include <span>

namespace z3d {

namespace {

using playlist::doom2IntermissionSlots;
using playlist::doomIntermissionSlots;
using playlist::PlaylistType;
using playlist::typeName;

// The music each slot plays, in slot order: the intermission slots, then the maps. A file is
// named after the lump where its track first occurs (Doom's E2M5 plays d_e1m7).

// D_BUNNY, D_INTRO, D_INTROA, D_INTER, D_VICTOR, E1M1 to E4M9.
constexpr const char* kDoom[] = {
    "d_bunny", "d_intro", "d_intro", "d_e2m3", "d_victor", //
    "d_e1m1",  "d_e1m2",  "d_e1m3",  "d_e1m4", "d_e1m5",   "d_e1m6", "d_e1m7", "d_e1m8", "d_e1m9",
    "d_e2m1",  "d_e2m2",  "d_e2m3",  "d_e2m4", "d_e1m7",   "d_e2m6", "d_e2m7", "d_e2m8", "d_e2m9",
    "d_e3m1",  "d_e3m2",  "d_e3m3",  "d_e1m8", "d_e1m7",   "d_e1m6", "d_e3m7", "d_e3m8", "d_e3m9",
    "d_e1m8",  "d_e3m2",  "d_e3m3",  "d_e1m5", "d_e2m7",   "d_e2m4", "d_e2m6", "d_e1m7", "d_e1m9",
};

// D_DM2TTL, D_DM2INT, D_READ_M, D_EVIL, MAP01 to MAP32.
constexpr const char* kDoom2[] = {
    "d_dm2ttl", "d_dm2int", "d_read_m", "d_evil", //
    "d_runnin", "d_stalks", "d_countd", "d_betwee", "d_doom",   "d_the_da", "d_shawn",  "d_ddtblu",
    "d_in_cit", "d_dead",   "d_stalks", "d_the_da", "d_doom",   "d_ddtblu", "d_runnin", "d_dead",
    "d_stalks", "d_romero", "d_shawn",  "d_messag", "d_countd", "d_ddtblu", "d_ampie",  "d_the_da",
    "d_adrian", "d_messag", "d_romero", "d_tense",  "d_shawn",  "d_openin", "d_evil",   "d_ultima",
};

// Plutonia brings no music of its own: its maps play Doom's and Doom II's tracks.
constexpr const char* kPlutonia[] = {
    "d_dm2ttl", "d_dm2int", "d_read_m", "d_e1m8", //
    "d_e1m2",   "d_e1m3",   "d_e1m4",   "d_e1m5", "d_e1m6", "d_e1m7",   "d_e1m9", "d_e2m1",
    "d_e2m2",   "d_e2m3",   "d_bunny",  "d_e2m4", "d_e2m6", "d_e2m7",   "d_e2m8", "d_e2m9",
    "d_e3m1",   "d_e3m2",   "d_e3m3",   "d_e3m7", "d_e3m8", "d_e3m9",   "d_e1m1", "d_intro",
    "d_e1m4",   "d_e1m5",   "d_e1m6",   "d_e1m7", "d_e1m9", "d_victor", "d_e1m8", "d_ampie",
};

// TNT's own tracks, one per lump; its intermission plays the D_EVIL track.
constexpr const char* kTnt[] = {
    "tnt_dm2ttl", "tnt_evil",   "tnt_read_m", "tnt_evil", //
    "tnt_runnin", "tnt_stalks", "tnt_countd", "tnt_betwee", "tnt_doom",   "tnt_the_da",
    "tnt_shawn",  "tnt_ddtblu", "tnt_in_cit", "tnt_dead",   "tnt_stlks2", "tnt_theda2",
    "tnt_doom2",  "tnt_ddtbl2", "tnt_runni2", "tnt_dead2",  "tnt_stlks3", "tnt_romero",
    "tnt_shawn2", "tnt_messag", "tnt_count2", "tnt_ddtbl3", "tnt_ampie",  "tnt_theda3",
    "tnt_adrian", "tnt_messg2", "tnt_romer2", "tnt_tense",  "tnt_shawn3", "tnt_openin",
    "tnt_evil",   "tnt_ultima",
};

// Indexes kGames.
enum class Game
{
    Doom,
    Doom2,
    Plutonia,
    Tnt
};

// A game's name in its section titles and the music of its slots.
struct GameMusic
{
    const char* title;
    std::span<const char* const> music;
};

constexpr GameMusic kGames[] = {
    {"DOOM", kDoom},
    {"DOOM II", kDoom2},
    {"PLUTONIA", kPlutonia},
    {"TNT", kTnt},
};

const GameMusic& gameMusic(Game game)
{
    return kGames[static_cast<int>(game)];
}

enum class Condition
{
    FileMissing, // written once
    Plutonia,    // once, with the Plutonia IWAD and the pack's d_ampie and d_e1m2
    Tnt,         // once, with the TNT IWAD and the pack's tnt_doom
    EveryStart,  // rewritten at every start
};

struct ListSpec
{
    const char* name;
    const char* pack;
    QList<Game> games; // Doom + Doom2 for the Mixed lists
    Condition condition;
};

const QList<ListSpec>& listSpecs()
{
    static const QList<ListSpec> specs{
        {"Tavish - TNT", "Tavish", {Game::Tnt}, Condition::FileMissing},
        {"Orvel - Doom & Doom2", "Orvel", {Game::Doom, Game::Doom2}, Condition::FileMissing},
        {"Orvel - Plutonia", "Orvel", {Game::Plutonia}, Condition::Plutonia},
        {"Fennick - Doom & Doom2", "Fennick", {Game::Doom, Game::Doom2}, Condition::FileMissing},
        {"Fennick - Plutonia", "Fennick", {Game::Plutonia}, Condition::Plutonia},
        {"Fennick - TNT", "Fennick", {Game::Tnt}, Condition::Tnt},
        {"M-Fold - Doom2", "M-Fold", {Game::Doom2}, Condition::EveryStart},
    };
    return specs;
}

QString row(const QString& slot, const char* ogg, const QString& pack, const char* file)
{
    return slot + QStringLiteral(" \\") + QLatin1String(ogg) + u'\\' + pack + u'\\' +
           QLatin1String(file) + QStringLiteral(".ogg");
}

// One game's part of a playlist: its section titles, intermission slots and map slots in the
// standard layout, without the trailing blank line.
QStringList gamePart(Game game, const QString& pack)
{
    const bool episodes = game == Game::Doom;
    const QStringList& inter = episodes ? doomIntermissionSlots() : doom2IntermissionSlots();
    const QStringList maps =
        mapSlotNames(typeName(episodes ? PlaylistType::Doom : PlaylistType::Doom2));
    const std::span<const char* const> music = gameMusic(game).music;
    const QString prefix = QStringLiteral(" # -  ");

    QStringList part{QString(),
                     prefix + QStringLiteral("INTERMISSION MUSIC FOR ") + gameMusic(game).title,
                     QString()};
    for (qsizetype i = 0; i < inter.size(); ++i) {
        const bool oddSpelling = game == Game::Tnt && inter.at(i) == QLatin1String("D_EVIL");
        part << row(inter.at(i), oddSpelling ? "Oggvorbis" : "OggVorbis", pack, music[i]);
    }
    part << QString();
    if (!episodes)
        part << QString();
    part << prefix + QStringLiteral("MAP MUSIC FOR ") + gameMusic(game).title << QString();
    const QString mapPack =
        game == Game::Tnt && pack == QLatin1String("Fennick") ? pack.toLower() : pack;
    for (qsizetype i = 0; i < maps.size(); ++i)
        part << row(maps.at(i), "OggVorbis", mapPack, music[inter.size() + i]);
    return part;
}

QStringList linesOf(const ListSpec& spec)
{
    QStringList lines;
    for (const Game game : spec.games)
        lines << gamePart(game, QLatin1String(spec.pack));
    lines << QString();
    return lines;
}

bool packHolds(const QString& packDir, const QStringList& files)
{
    return std::all_of(files.begin(), files.end(), [&](const QString& file) {
        return PathResolver::fileExists(PathResolver::join(packDir, file));
    });
}

bool conditionHolds(const ListSpec& spec, const QString& packDir, const InstallPaths& paths,
                    const IwadRegistry& registry)
{
    if (spec.condition == Condition::EveryStart)
        return true;
    if (PlaylistFile::exists(paths.musicDir, QLatin1String(spec.name)))
        return false;
    const auto iwadExists = [&](IwadType type) {
        const QString path = registry.path(type);
        return !path.isEmpty() && PathResolver::fileExists(path);
    };
    switch (spec.condition) {
    case Condition::Plutonia:
        return iwadExists(IwadType::Plutonia) && packHolds(packDir, {"d_ampie.ogg", "d_e1m2.ogg"});
    case Condition::Tnt:
        return iwadExists(IwadType::Tnt) && packHolds(packDir, {"tnt_doom.ogg"});
    case Condition::FileMissing:
    case Condition::EveryStart:
        break;
    }
    return true;
}

void noteError(BuiltInPlaylists::Report& report, ErrorNumber error)
{
    if (report.firstError == ErrorNumber::None)
        report.firstError = error;
}

} // namespace

const QStringList& BuiltInPlaylists::packFolders()
{
    static const QStringList folders{"Tavish", "Orvel", "Fennick", "M-Fold"};
    return folders;
}

QStringList BuiltInPlaylists::playlistsOfPack(const QString& packFolder)
{
    QStringList names;
    for (const ListSpec& spec : listSpecs()) {
        if (packFolder.compare(QLatin1String(spec.pack), Qt::CaseInsensitive) == 0)
            names << QLatin1String(spec.name);
    }
    return names;
}

QStringList BuiltInPlaylists::lines(const QString& playlistName)
{
    for (const ListSpec& spec : listSpecs()) {
        if (playlistName.compare(QLatin1String(spec.name), Qt::CaseInsensitive) == 0)
            return linesOf(spec);
    }
    return {};
}

QStringList BuiltInPlaylists::packFiles(const QString& packFolder)
{
    QStringList files;
    for (const QString& name : playlistsOfPack(packFolder)) {
        for (const QString& line : lines(name)) {
            const qsizetype slash = line.lastIndexOf(u'\\');
            if (slash >= 0)
                files << line.mid(slash + 1);
        }
    }
    files.sort();
    files.removeDuplicates();
    return files;
}

BuiltInPlaylists::Report BuiltInPlaylists::build(const InstallPaths& paths,
                                                 const IwadRegistry& registry)
{
    Report report;
    for (const QString& pack : packFolders()) {
        const QString packDir = paths.under(QStringLiteral("OGGVorbis/") + pack);
        if (!PathResolver::folderExists(packDir))
            continue;
        if (const ErrorNumber error = FileOperations::createFolderPath(paths.musicDir);
            error != ErrorNumber::None)
            noteError(report, error);

        for (const ListSpec& spec : listSpecs()) {
            if (QLatin1String(spec.pack) != pack || !conditionHolds(spec, packDir, paths, registry))
                continue;
            const ErrorNumber error = TextFile::writeLinesUnlessSame(
                PlaylistFile::path(paths.musicDir, QLatin1String(spec.name)), linesOf(spec));
            if (error == ErrorNumber::None)
                report.written << QLatin1String(spec.name);
            noteError(report, error);
        }

        if (pack == QLatin1String("Tavish")) {
            const QString misnamed = PathResolver::join(packDir, "tnt_stalks2.ogg");
            if (PathResolver::fileExists(misnamed))
                noteError(report, FileOperations::moveFile(
                                      misnamed, PathResolver::join(packDir, "tnt_stlks2.ogg")));
        }

        // The pre-release playlist gives way only once its successor is there.
        const QString first = playlistsOfPack(pack).value(0);
        if (pack == QLatin1String("M-Fold") || !PlaylistFile::exists(paths.musicDir, first) ||
            !PlaylistFile::exists(paths.musicDir, pack))
            continue;
        const ErrorNumber error =
            FileOperations::moveFile(PlaylistFile::path(paths.musicDir, pack),
                                     PathResolver::join(paths.musicDir, pack + ".old"));
        if (error == ErrorNumber::None)
            report.retired << pack + QStringLiteral(".z3m");
        noteError(report, error);
    }
    return report;
}

} // namespace z3d
