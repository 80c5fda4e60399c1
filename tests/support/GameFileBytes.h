#pragma once

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QString>

#include <utility>

namespace z3d::test {

// A lump of a WAD: name and data.
using WadLump = std::pair<QByteArray, QByteArray>;

// A well-formed WAD holding lumps in order (header, data, directory); "PWAD" unless another
// magic is given. A lump without data is a marker at offset 0.
QByteArray wadOfLumps(const QList<WadLump>& lumps, const QByteArray& magic = "PWAD");

// The lines of a map: vertices, and lines between them (indices), one- or two-sided, in front
// of sector 0 and, two-sided, with backSector behind them; the player's starts and other
// things.
struct MapShape
{
    struct Line
    {
        int from;
        int to;
        bool twoSided;
        int special = 0; // Doom's numbering (the special byte in Hexen format)
        int flags = 0;   // Doom's: 32 secret, 128 not drawn (UDMF's secret, dontdraw)
        int backSector = 1;
    };
    struct Sector
    {
        int floor;
        int ceiling;
        int special = 0; // 9: a secret
    };
    struct Thing
    {
        QPoint at;
        int angle;
        int type;
        int flags = 7; // Doom format's: 1 skills 1-2, 2 skill 3, 4 skills 4-5, 16 multiplayer
    };
    QList<QPoint> vertices;
    QList<Line> lines;
    QList<Sector> sectors{{0, 128}, {16, 128}}; // a two-sided line is a step unless told
    QList<Thing> things{};                      // none: a THINGS lump of filler
};

enum class MapFormat
{
    Doom,  // 14-byte LINEDEFS
    Hexen, // 16-byte LINEDEFS and a BEHAVIOR lump
    Udmf   // TEXTMAP
};

// The lumps of a map of that shape in format, its marker first; each line has a side of its
// own on either side.
QList<WadLump> mapLumps(const QByteArray& marker, const MapShape& shape, MapFormat format);

// A WAD whose maps are each a marker lump followed by a THINGS lump with one thing, after an
// INFO lump, and then the other lumps given (a TITLEPIC, a PLAYPAL, ...); "PWAD" unless
// another magic is given.
QByteArray wadWithMaps(const QList<QByteArray>& markers, const QByteArray& magic = "PWAD",
                       const QList<WadLump>& others = {});

// A picture in Doom's format (the TITLEPIC lump's): width columns of the palette indices
// pixels holds row by row, each column's covered pixels as posts. A pixel of Uncovered is in
// no post (the game shows black there).
constexpr int Uncovered = -1;
QByteArray doomPicture(int width, const QList<int>& pixels);

// A PLAYPAL lump: its first palette's colours (0xRRGGBB) from index 0 on, the rest black,
// then a second palette all white (as the game's palettes follow the first).
QByteArray playpal(const QList<quint32>& colours);

// A save file whose description (the first 24 bytes up to the first NUL) is description.
QByteArray saveGame(const QByteArray& description);

// Writes a zip archive holding the members (name inside the archive, content), stored
// uncompressed in the given order, each encrypted with password by libzip's encryption method
// encryption unless that is 0 (none); false when it could not be written.
bool writeZip(const QString& path, const QList<std::pair<QByteArray, QByteArray>>& members,
              quint16 encryption = 0, const QByteArray& password = {});

} // namespace z3d::test
