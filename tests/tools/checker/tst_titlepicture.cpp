// Runs the real Z3DgFiles TITLEPICTURE on title pictures built byte for byte (Doom's picture
// format, PNG, Heretic/Hexen's raw TITLE; whole and damaged) and on Debian's Freedoom, and
// reads the PNG back: its size and the colours where they are known.

#include "automap/WadFile.h"
#include "support/CheckerTestCase.h"
#include "support/DataTable.h"
#include "support/GameFileBytes.h"
#include "support/TestRegistry.h"
#include "support/ToolRun.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>
#include <QtTest>

using namespace z3d::test;

namespace {

const QString Freedoom2 = QStringLiteral("/usr/share/games/doom/freedoom2.wad");

constexpr quint32 Black = 0x000000;
constexpr int U = Uncovered;

// The palettes: the add-on's own, the IWAD's, and the first colours of Freedoom's.
const QList<quint32> Own{Black, 0xC00000, 0x00C000, 0x0000C0, 0xC0C000};
const QList<quint32> Iwad{Black, 0x101010, 0x202020, 0x303030, 0x404040};
const QList<quint32> Freedoom{Black, 0x1F170B, 0x170F07, 0x4B4B4B, 0xFFFFFF};

// A picture 4 wide and 6 high (not the screen's proportions: shown as stored) of palette
// indices 1 to 4, a column each, with holes.
const QList<int> Picture{
    1, 2, 3, 4, //
    1, 2, 3, U, //
    1, 2, 3, U, //
    1, 2, U, U, //
    1, 2, 3, 4, //
    1, 2, 3, 4, //
};

using Spots = QList<std::pair<QPoint, quint32>>;

// Where Picture shows each of its colours in palette, and black for its holes.
Spots pictureSpots(const QList<quint32>& palette)
{
    return {{{0, 0}, palette[1]}, {{1, 5}, palette[2]}, {{2, 5}, palette[3]},
            {{3, 0}, palette[4]}, {{2, 3}, Black},      {{3, 1}, Black}};
}

QByteArray le(int value, int bytes)
{
    QByteArray data(4, '\0');
    qToLittleEndian(quint32(value), data.data());
    return data.left(bytes);
}

// Picture as a PNG of the colours of Own; its holes transparent white.
QByteArray pngPicture()
{
    QImage image(4, 6, QImage::Format_ARGB32);
    for (int i = 0; i < Picture.size(); ++i)
        image.setPixel(i % 4, i / 4,
                       Picture[i] == U ? qRgba(255, 255, 255, 0) : 0xFF000000 | Own[Picture[i]]);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Heretic's and Hexen's raw 320 x 200 TITLE, of indices 1 to 4 in bands 80 wide; only the
// first bytes of it when cut.
QByteArray rawTitle(int cut = 64000)
{
    QByteArray bytes;
    for (int i = 0; i < 64000; ++i)
        bytes += char(1 + i % 320 / 80);
    return bytes.left(cut);
}

// The first palette of wad's PLAYPAL, as 0xRRGGBB.
QList<quint32> paletteOf(const QString& wad)
{
    const auto file = z3d::automap::WadFile::open(QFile::encodeName(wad).toStdString());
    QList<quint32> palette;
    for (const z3d::automap::Lump& lump : file->lumps()) {
        if (lump.name != "PLAYPAL")
            continue;
        const std::string bytes = file->read(lump, 768);
        for (std::size_t i = 0; i + 2 < bytes.size(); i += 3)
            palette +=
                quint32(quint8(bytes[i])) << 16 | quint8(bytes[i + 1]) << 8 | quint8(bytes[i + 2]);
    }
    return palette;
}

} // namespace

class TestTitlePicture : public CheckerTestCase
{
    Q_OBJECT

private slots:
    void pictures_data()
    {
        const DataTable<QList<WadLump>, QList<quint32>, QSize, Spots> row("lumps", "paletteWad",
                                                                          "size", "spots");
        const QByteArray picture = doomPicture(4, Picture);
        const QList<WadLump> title{{"TITLEPIC", picture}};
        row("Doom's format in its own palette",
            {{"TITLEPIC", doomPicture(1, {4})}, // the last TITLEPIC is shown
             {"PLAYPAL", playpal(Own)},
             {"TITLE", rawTitle()},
             {"TITLEPIC", picture}},
            Iwad, QSize(4, 6), pictureSpots(Own));
        row("in the palette wad's", title, Iwad, QSize(4, 6), pictureSpots(Iwad));
        row("in Freedoom's", title, {}, QSize(4, 6), pictureSpots(Freedoom));
        row("a cut PLAYPAL's in Freedoom's", title + QList<WadLump>{{"PLAYPAL", "short"}}, {},
            QSize(4, 6), pictureSpots(Freedoom));
        row("a PNG", {{"TITLEPIC", pngPicture()}}, Iwad, QSize(4, 6), pictureSpots(Own));
        // 8 x 5 is shown 8 x 6: row 1 takes a fifth of stored row 0 and four of row 1.
        QList<int> stretched(8, 1);
        stretched += QList<int>(32, 2);
        row("the screen's proportions shown 4:3",
            {{"PLAYPAL", playpal(Own)}, {"TITLEPIC", doomPicture(8, stretched)}}, {}, QSize(8, 6),
            {{{0, 0}, Own[1]}, {{7, 1}, 0x269A00}, {{3, 5}, Own[2]}});
        row("Hexen's TITLE", {{"TITLE", rawTitle()}, {"PLAYPAL", playpal(Own)}}, Iwad,
            QSize(320, 240),
            {{{0, 0}, Own[1]}, {{100, 239}, Own[2]}, {{200, 120}, Own[3]}, {{319, 5}, Own[4]}});

        // Damaged pictures draw what is valid.
        QByteArray offsetPast = picture;
        offsetPast.replace(8 + 4 * 2, 4, le(100000, 4));
        row("a column's offset past the lump", {{"TITLEPIC", offsetPast}}, Iwad, QSize(4, 6),
            {{{0, 0}, Iwad[1]}, {{2, 5}, Black}, {{3, 0}, Iwad[4]}});
        QByteArray pastHeight = doomPicture(4, Picture + QList<int>(12, 1));
        pastHeight.replace(2, 2, le(6, 2));
        row("posts running past the height", {{"TITLEPIC", pastHeight}}, Iwad, QSize(4, 6),
            pictureSpots(Iwad));
        row("a post running past the lump's end", {{"TITLEPIC", picture.chopped(3)}}, Iwad,
            QSize(4, 6), {{{3, 0}, Iwad[4]}, {{3, 4}, Iwad[4]}, {{3, 5}, Black}});
        // Posts at rows 1 and 1 + 1: in a tall picture a top not below the last one's adds.
        const QByteArray tall =
            le(1, 2) + le(6, 2) + le(0, 4) + le(12, 4) + QByteArray("\1\1\0\1\0\1\1\0\2\0\xFF", 11);
        row("a tall picture", {{"TITLEPIC", tall}}, Iwad, QSize(1, 6),
            {{{0, 0}, Black}, {{0, 1}, Iwad[1]}, {{0, 2}, Iwad[2]}, {{0, 3}, Black}});
        row("a TITLE cut short", {{"TITLE", rawTitle(32000)}}, Iwad, QSize(320, 240),
            {{{0, 0}, Iwad[1]}, {{319, 100}, Iwad[4]}, {{0, 200}, Black}});
    }

    void pictures()
    {
        QFETCH(QList<WadLump>, lumps);
        QFETCH(QList<quint32>, paletteWad);
        QFETCH(QSize, size);
        QFETCH(Spots, spots);
        QStringList arguments{"titlepicture",
                              write("title.wad", wadWithMaps({"MAP01"}, "PWAD", lumps)),
                              path("title.png")};
        if (!paletteWad.isEmpty())
            arguments += write("iwad.wad", wadOfLumps({{"PLAYPAL", playpal(paletteWad)}}));
        const ToolRun run = runChecker(arguments);
        QCOMPARE(run.output, QByteArray());
        QCOMPARE(run.exitCode, 0);
        const QImage image(path("title.png"), "PNG");
        QCOMPARE(image.size(), size);
        for (const auto& [at, colour] : spots)
            QCOMPARE(image.pixel(at) & 0xFFFFFF, colour);
    }

    void freedoomTitleScreen()
    {
        if (!QFile::exists(Freedoom2))
            QSKIP("Freedoom is not installed");
        const QString png = path("freedoom2.png");
        const ToolRun run = runChecker({"TITLEPICTURE", Freedoom2, png});
        QCOMPARE(run.exitCode, 0);
        const QImage image(png, "PNG");
        QCOMPARE(image.size(), QSize(320, 240));
        // Every sixth row of the 240 lies within one of the 200 stored: its pixels are colours
        // of the wad's palette, and a title screen has many of them.
        const QList<quint32> palette = paletteOf(Freedoom2);
        QSet<quint32> colours;
        for (int y = 0; y < 240; y += 6) {
            for (int x = 0; x < 320; ++x) {
                const quint32 colour = image.pixel(x, y) & 0xFFFFFF;
                QVERIFY2(palette.contains(colour), qPrintable(QString::number(colour, 16)));
                colours.insert(colour);
            }
        }
        QVERIFY2(colours.size() > 100, qPrintable(QString::number(colours.size())));
    }

    void failsClearly_data()
    {
        const DataTable<QList<WadLump>, QStringList, int, QByteArray> row("lumps", "arguments",
                                                                          "exitCode", "message");
        const QStringList plain{"title.wad", "out.png"};
        const QList<WadLump> none;
        row("no title picture", none, plain, 1, "title.wad: has no title picture");
        row("an empty TITLEPIC", {{"TITLEPIC", {}}}, plain, 1, "has no title picture");
        row("a header cut short", {{"TITLEPIC", doomPicture(4, Picture).left(7)}}, plain, 1,
            "has no title picture");
        row("a column table cut short", {{"TITLEPIC", doomPicture(4, Picture).left(8 + 12)}}, plain,
            1, "has no title picture");
        row("a width below 0", {{"TITLEPIC", le(-4, 2) + doomPicture(4, Picture).mid(2)}}, plain, 1,
            "has no title picture");
        row("a height over 4096", {{"TITLEPIC", le(4, 2) + le(4097, 2) + QByteArray(100, 0)}},
            plain, 1, "has no title picture");
        row("a PNG cut short", {{"TITLEPIC", pngPicture().left(60)}}, plain, 1,
            "title.wad: the title picture is a damaged PNG");
        const QList<WadLump> title{{"TITLEPIC", doomPicture(4, Picture)}};
        row("missing wad", title, {"absent.wad", "out.png"}, 1, "not found or not a WAD");
        row("not a wad", title, {"text.wad", "out.png"}, 1, "not found or not a WAD");
        row("missing palette wad", title, plain + QStringList{"absent.wad"}, 1,
            "absent.wad: not found or not a WAD");
        row("unwritable picture", title, {"title.wad", "no/such/folder/out.png"}, 1,
            "cannot write the picture: No such file or directory");
        row("no picture file", title, {"title.wad"}, 2, "Usage");
        row("empty picture file", title, {"title.wad", ""}, 2, "Usage");
        row("empty palette wad", title, plain + QStringList{""}, 2, "Usage");
        row("too many arguments", title, plain + QStringList{"iwad.wad", "x"}, 2, "Usage");
    }

    void failsClearly()
    {
        QFETCH(QList<WadLump>, lumps);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, message);
        write("title.wad", wadOfLumps(lumps));
        checkFailure("TITLEPICTURE", arguments, exitCode, message);
    }
};

Z3D_TEST_GUILESS_MAIN(TestTitlePicture)
#include "tst_titlepicture.moc"
