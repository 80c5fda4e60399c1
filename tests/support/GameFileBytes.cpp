#include "support/GameFileBytes.h"

#include <QFile>
#include <QtEndian>

#include <zip.h>

namespace z3d::test {

namespace {

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray le16(int value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian(quint16(value), bytes.data());
    return bytes;
}

} // namespace

QByteArray wadOfLumps(const QList<WadLump>& lumps, const QByteArray& magic)
{
    QByteArray data;
    QByteArray directory;
    for (const auto& [name, content] : lumps) {
        QByteArray padded = name;
        padded.resize(8, '\0');
        const quint32 offset = content.isEmpty() ? 0 : quint32(12 + data.size());
        directory += le32(offset) + le32(quint32(content.size())) + padded;
        data += content;
    }
    return magic + le32(quint32(lumps.size())) + le32(quint32(12 + data.size())) + data + directory;
}

QList<WadLump> mapLumps(const QByteArray& marker, const MapShape& shape, MapFormat format)
{
    const auto number = [](int value) { return QByteArray::number(value); };
    if (format == MapFormat::Udmf) {
        QByteArray text = "namespace = \"zdoom\";\n";
        for (const QPoint& v : shape.vertices)
            text +=
                "vertex\n{\n  x = " + number(v.x()) + ".0;\n  y = " + number(v.y()) + ".0;\n}\n";
        int side = 0;
        QByteArray sidedefs;
        for (const MapShape::Line& line : shape.lines) {
            text += "linedef // " + QByteArray(line.twoSided ? "a step" : "a wall") + "\n{\n";
            text += "  v1 = " + number(line.from) + ";\n  v2 = " + number(line.to) +
                    ";\n  sidefront = " + number(side++) + ";\n";
            sidedefs += "sidedef { sector = 0; }\n";
            if (line.twoSided) {
                text += "  sideback = " + number(side++) + ";\n  twosided = true;\n";
                sidedefs += "sidedef { sector = " + number(line.backSector) + "; }\n";
            }
            if (line.special != 0)
                text += "  special = " + number(line.special) + ";\n";
            if (line.flags & 32)
                text += "  secret = true;\n";
            if (line.flags & 128)
                text += "  dontdraw = true;\n";
            text += "}\n";
        }
        text += sidedefs;
        for (const MapShape::Sector& sector : shape.sectors)
            text += "sector { heightfloor = " + number(sector.floor) +
                    "; heightceiling = " + number(sector.ceiling) + "; " +
                    (sector.special ? "special = " + number(sector.special) + "; " : "") + "}\n";
        for (const MapShape::Thing& thing : shape.things)
            text += "thing { x = " + number(thing.at.x()) + ".0; y = " + number(thing.at.y()) +
                    ".0; angle = " + number(thing.angle) + "; type = " + number(thing.type) +
                    "; }\n";
        return {{marker, {}}, {"TEXTMAP", text}, {"ENDMAP", {}}};
    }
    const bool hexen = format == MapFormat::Hexen;
    QByteArray vertexes;
    for (const QPoint& v : shape.vertices)
        vertexes += le16(v.x()) + le16(v.y());
    QByteArray linedefs;
    QByteArray sidedefs;
    const auto sidedef = [](int sector) { return QByteArray(28, 's') + le16(sector); };
    for (const MapShape::Line& line : shape.lines) {
        const int front = int(sidedefs.size() / 30);
        linedefs += le16(line.from) + le16(line.to) + le16(line.flags | (line.twoSided ? 4 : 1));
        // Doom: special and tag; Hexen: the special byte and its five arguments.
        linedefs +=
            hexen ? char(line.special) + QByteArray(5, '\x07') : le16(line.special) + le16(7);
        linedefs += le16(front) + le16(line.twoSided ? front + 1 : 0xFFFF);
        sidedefs += sidedef(0);
        if (line.twoSided)
            sidedefs += sidedef(line.backSector);
    }
    QByteArray sectors;
    for (const MapShape::Sector& sector : shape.sectors)
        sectors += le16(sector.floor) + le16(sector.ceiling) + QByteArray(18, 'z') +
                   le16(sector.special) + QByteArray(2, 'z');
    QByteArray things = shape.things.isEmpty() ? QByteArray(10, '\1') : QByteArray();
    for (const MapShape::Thing& thing : shape.things) {
        const QByteArray place = le16(thing.at.x()) + le16(thing.at.y());
        things += hexen ? le16(0) + place + le16(0) + le16(thing.angle) + le16(thing.type) +
                              QByteArray(8, '\0')
                        : place + le16(thing.angle) + le16(thing.type) + le16(thing.flags);
    }
    QList<WadLump> lumps{{marker, {}},           {"THINGS", things},     {"LINEDEFS", linedefs},
                         {"SIDEDEFS", sidedefs}, {"VERTEXES", vertexes}, {"SECTORS", sectors}};
    if (hexen)
        lumps.append({"BEHAVIOR", QByteArray("ACS\0", 4) + QByteArray(12, '\0')});
    return lumps;
}

QByteArray wadWithMaps(const QList<QByteArray>& markers, const QByteArray& magic,
                       const QList<WadLump>& others)
{
    QList<WadLump> lumps{{"INFO", "made by hand"}};
    for (const QByteArray& marker : markers)
        lumps += {{marker, {}}, {"THINGS", QByteArray(10, '\1')}};
    return wadOfLumps(lumps + others, magic);
}

QByteArray doomPicture(int width, const QList<int>& pixels)
{
    const int height = int(pixels.size()) / width;
    QByteArray columns;
    QByteArray offsets;
    for (int x = 0; x < width; ++x) {
        offsets += le32(quint32(8 + 4 * width + columns.size()));
        for (int y = 0; y < height;) {
            const auto covered = [&](int row) { return pixels[row * width + x] != Uncovered; };
            if (!covered(y)) {
                ++y;
                continue;
            }
            QByteArray post;
            for (const int top = y; y < height && covered(y) && y - top < 255; ++y)
                post += char(pixels[y * width + x]);
            columns += QByteArray(1, char(y - post.size())) + char(post.size()) + '\0' + post;
            columns += '\0';
        }
        columns += '\xFF';
    }
    return le16(width) + le16(height) + le16(0) + le16(0) + offsets + columns;
}

QByteArray playpal(const QList<quint32>& colours)
{
    QByteArray first(768, '\0');
    for (int i = 0; i < colours.size(); ++i) {
        first[3 * i] = char(colours[i] >> 16);
        first[3 * i + 1] = char(colours[i] >> 8);
        first[3 * i + 2] = char(colours[i]);
    }
    return first + QByteArray(768, '\xFF');
}

QByteArray saveGame(const QByteArray& description)
{
    QByteArray bytes = description;
    bytes.resize(24, '\0');
    return bytes + QByteArray(100, '\x7f');
}

bool writeZip(const QString& path, const QList<std::pair<QByteArray, QByteArray>>& members,
              quint16 encryption, const QByteArray& password)
{
    int error = 0;
    zip_t* archive =
        zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return false;
    for (const auto& [name, content] : members) {
        // libzip reads the buffer when the archive is closed, so it must outlive this loop.
        zip_source_t* source =
            zip_source_buffer(archive, content.constData(), zip_uint64_t(content.size()), 0);
        const zip_int64_t index =
            source ? zip_file_add(archive, name.constData(), source, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0 || (encryption != ZIP_EM_NONE &&
                          zip_file_set_encryption(archive, zip_uint64_t(index), encryption,
                                                  password.constData()) != 0)) {
            if (index < 0)
                zip_source_free(source);
            zip_discard(archive);
            return false;
        }
    }
    return zip_close(archive) == 0;
}

} // namespace z3d::test
