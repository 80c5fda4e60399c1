#pragma once

#include "WadBuilder.h"

#include <QByteArray>
#include <QList>

namespace z3d::demo {

// A small playable map: one rectangular room whose north wall is an exit switch, with the
// player starts, a monster and a few items. `variant` changes the room's size, light and
// contents so the maps of one wad differ. The map can be written as a binary Doom-format map
// (THINGS, LINEDEFS, SIDEDEFS, VERTEXES, SEGS, SSECTORS, NODES, SECTORS, REJECT, BLOCKMAP)
// or as a UDMF text map (TEXTMAP, ENDMAP). The room is convex, so one subsector and an empty
// node tree describe it.
class RoomMap
{
public:
    explicit RoomMap(int variant);

    void appendBinary(WadBuilder& wad, const QByteArray& marker) const;
    void appendText(WadBuilder& wad, const QByteArray& marker) const;

    int width() const { return m_width; }
    int height() const { return m_height; }

private:
    struct Thing
    {
        int x;
        int y;
        int angle;
        int type;
    };
    struct Point
    {
        int x;
        int y;
    };

    // Corners in clockwise order, so each wall's front (right) side faces into the room.
    QList<Point> corners() const;
    QByteArray blockmap() const;

    int m_width;
    int m_height;
    int m_light;
    QList<Thing> m_things;
};

} // namespace z3d::demo
