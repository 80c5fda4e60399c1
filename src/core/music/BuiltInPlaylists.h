#pragma once

#include "core/iwads/IwadRegistry.h"
#include "core/platform/ErrorNumber.h"
#include "core/platform/InstallPaths.h"

#include <QString>
#include <QStringList>

namespace z3d {

// The playlists the launcher writes for the music packs installed under
// InstallRoot/OggVorbis/<pack>: Tavish (TNT), Orvel (Doom & Doom2, Plutonia), Fennick (Doom &
// Doom2, Plutonia, TNT) and M-Fold (Doom2). Every slot names the pack's rendition of the music
// the game itself plays there, an .ogg file named after the game's music lump in lower case,
// in the unquoted form "MAP01 \OggVorbis\Fennick\d_runnin.ogg"; tracks repeat where the game
// repeats them. Two quirks of the packs' own lists are kept as the engine has always been
// given them: the TNT lists' D_EVIL rows spell the folder "\Oggvorbis\", and Fennick's TNT map
// rows spell the pack "fennick".
class BuiltInPlaylists
{
public:
    // The pack folders in the order the start-up handles them.
    static const QStringList& packFolders();
    // The playlists of one pack, in the order they are written ("Orvel - Doom & Doom2",
    // "Orvel - Plutonia").
    static QStringList playlistsOfPack(const QString& packFolder);
    // The lines of a built-in playlist (name without ".z3m", any case); empty for any other
    // name. Doom2 layout with the game's section titles, or the Mixed layout for the
    // "Doom & Doom2" lists.
    static QStringList lines(const QString& playlistName);
    // Every file a pack's playlists name, each once, sorted ("d_adrian.ogg", ...).
    static QStringList packFiles(const QString& packFolder);

    // What the start-up generation did.
    struct Report
    {
        QStringList written; // playlist names, in writing order
        QStringList retired; // old playlist files moved to "<pack>.old"
        // The first failure (a playlist or a retired file that could not be written or
        // moved); the start-up reports nothing and goes on with the next playlist.
        ErrorNumber firstError = ErrorNumber::None;
    };

    // BuildBuiltInPlaylists, for the packs whose folder exists, in packFolders() order:
    // creates MusicDir when missing; writes each playlist (atomically) whose file is missing
    // and whose condition holds: the Plutonia lists when the registered Plutonia IWAD file
    // exists and the pack holds d_ampie.ogg and d_e1m2.ogg, Fennick's TNT list when the
    // registered TNT IWAD file exists and the pack holds tnt_doom.ogg; "M-Fold - Doom2" is
    // rewritten at every call. Then Tavish's tnt_stalks2.ogg is renamed tnt_stlks2.ogg (an
    // existing tnt_stlks2.ogg is replaced), and the pack's pre-release playlist
    // ("Tavish.z3m", "Orvel.z3m", "Fennick.z3m") is moved to "<pack>.old", replacing an older
    // one, once the pack's first playlist exists. Files are found without regard to case.
    static Report build(const InstallPaths& paths, const IwadRegistry& registry);
};

} // namespace z3d
