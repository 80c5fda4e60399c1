#pragma once

#include <QString>
#include <QStringList>

namespace z3d {

// The files of a game's files folder that the game-files list shows.
struct GameFileList
{
    QStringList names; // file names (no folder), on-disk spelling, sorted without case
    int count() const { return int(names.size()); }
};

// Which files of a game count as game files, and the listing of a game's files folder.
class GameFiles
{
public:
    // IsGameFile for a file name: never the commercial game files or the model pack's wad;
    // always "scp_zoff", "scp_defn" and "sndinfo"; every ".wad"; text, document, patch and
    // demo files (".txt", ".htm", "html", ".doc", ".deh", ".bex", ".ded", ".lmp") unless
    // wadFilesOnly. Names compare without regard to case.
    static bool isGameFile(const QString& fileName, bool wadFilesOnly);
    // The game files of folder, side files tidied on the way: a node file ("*Z3Dgwa") is
    // deleted and a backup ("*Z3Dbak") restored as its wad, which is then listed like any
    // other wad. The folder is found without regard to case; a missing folder lists nothing.
    static GameFileList listGameFiles(const QString& folder, bool wadFilesOnly);
    // Every file of folder, unfiltered and untouched, sorted without case (the zip
    // extraction folder's listing).
    static QStringList listFolderFiles(const QString& folder);
    // LeafName: the last component of path (base name plus "." and extension when there is
    // one); trailing separators are ignored and either separator style is accepted.
    static QString leafName(const QString& path);
};

} // namespace z3d
