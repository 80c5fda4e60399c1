#pragma once

#include "core/library/GameSelection.h"

#include <QString>
#include <QStringList>

namespace z3d {

class IwadRegistry;
struct InstallPaths;

// The list entry the pointer rests on, as the lists know it.
struct AddonFaceEntry
{
    // The games list's view.
    GamesListMode view = GamesListMode::InstalledGames;
    // The games-list entry's name (the folder or archive it stands for; a commercial game's
    // display name), or, for a game-files entry, the name of the game that list shows.
    QString game;
    // A game-files list entry: the file's name. Empty for the games-list entry itself.
    QString file;
};

// Which files make an entry's face: the wad whose title picture shows, the IWAD whose colours
// paint it, and the text. Deciding reads folder listings, a zip's directory and the wads'
// directories, nothing more: nothing is written, extracted or asked.
//
// - An installed game: its main wad as the selection would choose it (a user directory's
//   remembered file, else the wad with the most maps; the maps are counted here, the checker
//   is not run), and the text of its files folder.
// - A commercial game: its IWAD, coloured by itself; a text only with the IWAD's own name.
// - A zip of the library: the text from the zip's members, read in memory. The picture only
//   where the zip's wads are already extracted (LauncherDir/Zips holds each of its wads under
//   the same name and declared size): a wad's title picture lies behind its data, which a
//   compressed member gives only by inflating all of it.
// - A game-files entry: a wad's own face (picture and text), a text file's text.
//
// The text of a folder (or a zip) with its main wad: the ".txt" file of the main wad's base
// name, else the only ".txt" file there; a commercial game's folder is shared by several
// games, so only the name counts there. Names compare without regard to case.
struct AddonFaceSources
{
    QString wad;        // empty: no picture
    QString paletteWad; // the IWAD whose palette colours a wad without one of its own
    QString textFile;   // a text file on disk; empty: none
    QString zip;        // the zip of textMember
    QString textMember; // a member of zip (its flat name); empty: none

    static AddonFaceSources of(const AddonFaceEntry& entry, const InstallPaths& paths,
                               const IwadRegistry& iwads);

    // The text among names (file names) that belongs with the wads named wadNames: the
    // ".txt" whose base name is a wad's (only one may match), else, unless byNameOnly, the
    // only ".txt" of names. Empty when none.
    static QString textOf(const QStringList& names, const QStringList& wadNames,
                          bool byNameOnly = false);
};

} // namespace z3d
