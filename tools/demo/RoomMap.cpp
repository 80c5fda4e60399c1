#include "RoomMap.h"

#include <QtEndian>

#include <cmath>

namespace z3d::demo {

namespace {

constexpr int ExitWall = 1; // the north wall, from the north-west to the north-east corner
constexpr int BlockSize = 128;
constexpr int CeilingHeight = 128;
const QByteArray WallTexture = "STARTAN2";
const QByteArray SwitchTexture = "SW1STRTN";
const QByteArray FloorFlat = "FLOOR4_8";
const QByteArray CeilingFlat = "CEIL3_5";

void appendI16(QByteArray& bytes, int value)
{
    char buffer[2];
    qToLittleEndian(qint16(value), buffer);
    bytes.append(buffer, 2);
}

void appendName(QByteArray& bytes, const QByteArray& name)
{
    bytes += name.left(8) + QByteArray(8 - qMin<qsizetype>(name.size(), 8), '\0');
}

// Binary angle of a direction, in the 16-bit form segs store (east 0, north 0x4000).
int binaryAngle(int dx, int dy)
{
    const double turns = std::atan2(double(dy), double(dx)) / (2 * M_PI);
    return int(std::lround((turns < 0 ? turns + 1 : turns) * 65536.0)) & 0xFFFF;
}

} // namespace

RoomMap::RoomMap(int variant)
    : m_width(512 + 128 * (variant % 5)), m_height(384 + 64 * (variant % 4)),
      m_light(160 + 16 * (variant % 5))
{
    const int cx = m_width / 2;
    const int cy = m_height / 4;
    m_things = {
        {cx, cy, 90, 1}, // player starts, facing the exit wall
        {cx - 48, cy, 90, 2},
        {cx + 48, cy, 90, 3},
        {cx, cy - 48, 90, 4},
        {cx, m_height - 96, 270, variant % 2 == 0 ? 3004 : 9}, // zombieman or sergeant
        {64, 64, 0, 2011},                                     // stimpack
        {m_width - 64, 64, 0, variant % 3 == 0 ? 2001 : 2008}, // shotgun or shells
    };
}

QList<RoomMap::Point> RoomMap::corners() const
{
    return {{0, 0}, {0, m_height}, {m_width, m_height}, {m_width, 0}};
}

QByteArray RoomMap::blockmap() const
{
    const int originX = -8;
    const int originY = -8;
    const int columns = (m_width - originX) / BlockSize + 1;
    const int rows = (m_height - originY) / BlockSize + 1;
    const QList<Point> points = corners();

    QList<QList<int>> cells;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const int left = originX + column * BlockSize;
            const int bottom = originY + row * BlockSize;
            QList<int> lines;
            for (int line = 0; line < points.size(); ++line) {
                const Point a = points[line];
                const Point b = points[(line + 1) % points.size()];
                if (qMin(a.x, b.x) < left + BlockSize && qMax(a.x, b.x) >= left &&
                    qMin(a.y, b.y) < bottom + BlockSize && qMax(a.y, b.y) >= bottom) {
                    lines.append(line);
                }
            }
            cells.append(lines);
        }
    }

    QByteArray header;
    appendI16(header, originX);
    appendI16(header, originY);
    appendI16(header, columns);
    appendI16(header, rows);
    QByteArray lists;
    const int firstList = 4 + columns * rows; // in 16-bit words from the lump's start
    for (const QList<int>& lines : cells) {
        appendI16(header, firstList + int(lists.size() / 2));
        appendI16(lists, 0);
        for (int line : lines) {
            appendI16(lists, line);
        }
        appendI16(lists, -1);
    }
    return header + lists;
}

void RoomMap::appendBinary(WadBuilder& wad, const QByteArray& marker) const
{
    const QList<Point> points = corners();
    QByteArray things;
    for (const Thing& thing : m_things) {
        for (int value : {thing.x, thing.y, thing.angle, thing.type, 7}) { // 7: every skill
            appendI16(things, value);
        }
    }
    QByteArray linedefs;
    QByteArray sidedefs;
    QByteArray vertexes;
    QByteArray segs;
    for (int line = 0; line < points.size(); ++line) {
        const Point a = points[line];
        const Point b = points[(line + 1) % points.size()];
        const bool exit = line == ExitWall;
        // v1, v2, flags (impassable), special (11: switch, exit level), tag, front, back
        for (int value : {line, int((line + 1) % points.size()), 1, exit ? 11 : 0, 0, line, -1}) {
            appendI16(linedefs, value);
        }
        appendI16(sidedefs, 0);
        appendI16(sidedefs, 0);
        appendName(sidedefs, "-");
        appendName(sidedefs, "-");
        appendName(sidedefs, exit ? SwitchTexture : WallTexture);
        appendI16(sidedefs, 0);
        appendI16(vertexes, a.x);
        appendI16(vertexes, a.y);
        // v1, v2, angle, linedef, direction (front), offset
        for (int value : {line, int((line + 1) % points.size()), 0, line, 0, 0}) {
            appendI16(segs, value);
        }
        qToLittleEndian(quint16(binaryAngle(b.x - a.x, b.y - a.y)), segs.data() + segs.size() - 8);
    }
    QByteArray subsectors;
    appendI16(subsectors, int(points.size()));
    appendI16(subsectors, 0);
    QByteArray sectors;
    appendI16(sectors, 0);
    appendI16(sectors, CeilingHeight);
    appendName(sectors, FloorFlat);
    appendName(sectors, CeilingFlat);
    appendI16(sectors, m_light);
    appendI16(sectors, 0);
    appendI16(sectors, 0);

    wad.addLump(marker);
    wad.addLump("THINGS", things);
    wad.addLump("LINEDEFS", linedefs);
    wad.addLump("SIDEDEFS", sidedefs);
    wad.addLump("VERTEXES", vertexes);
    wad.addLump("SEGS", segs);
    wad.addLump("SSECTORS", subsectors);
    wad.addLump("NODES");
    wad.addLump("SECTORS", sectors);
    wad.addLump("REJECT", QByteArray(1, '\0')); // one sector: one bit, it sees itself
    wad.addLump("BLOCKMAP", blockmap());
}

void RoomMap::appendText(WadBuilder& wad, const QByteArray& marker) const
{
    QByteArray text = "namespace = \"zdoom\";\n";
    for (const Thing& thing : m_things) {
        text += QStringLiteral("thing { x = %1.0; y = %2.0; angle = %3; type = %4; "
                               "skill1 = true; skill2 = true; skill3 = true; skill4 = true; "
                               "skill5 = true; single = true; coop = true; dm = true; }\n")
                    .arg(thing.x)
                    .arg(thing.y)
                    .arg(thing.angle)
                    .arg(thing.type)
                    .toLatin1();
    }
    const QList<Point> points = corners();
    for (const Point& point : points) {
        text +=
            QStringLiteral("vertex { x = %1.0; y = %2.0; }\n").arg(point.x).arg(point.y).toLatin1();
    }
    for (int line = 0; line < points.size(); ++line) {
        // 243 is the exit special in this namespace, used by pressing the wall.
        const QByteArray special = line == ExitWall ? " special = 243; playeruse = true;" : "";
        text += QStringLiteral("linedef { v1 = %1; v2 = %2; sidefront = %1; blocking = true;%3 }\n")
                    .arg(line)
                    .arg((line + 1) % points.size())
                    .arg(QString::fromLatin1(special))
                    .toLatin1();
        text += "sidedef { sector = 0; texturemiddle = \"" +
                (line == ExitWall ? SwitchTexture : WallTexture) + "\"; }\n";
    }
    text += QStringLiteral("sector { heightfloor = 0; heightceiling = %1; texturefloor = \"%2\"; "
                           "textureceiling = \"%3\"; lightlevel = %4; }\n")
                .arg(CeilingHeight)
                .arg(QString::fromLatin1(FloorFlat), QString::fromLatin1(CeilingFlat))
                .arg(m_light)
                .toLatin1();

    wad.addLump(marker);
    wad.addLump("TEXTMAP", text);
    wad.addLump("ENDMAP");
}

} // namespace z3d::demo
