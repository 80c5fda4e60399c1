// The repair of a playlist's map slots: missing names inserted at their positions, music of
// the other slots kept, lines never removed, a Mixed playlist's Doom part put first.

#include "core/inspect/MapStructure.h"

#include "support/DataTable.h"
#include "support/MapNames.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace z3d;
using namespace z3d::test;

namespace {

// Slot lines carrying music, as a playlist holds them.
QStringList withMusic(const QStringList& names)
{
    QStringList lines;
    for (const QString& name : names)
        lines << name + QStringLiteral(" \\OggVorbis\\") + name.toLower() + QStringLiteral(".ogg");
    return lines;
}

QStringList without(QStringList lines, const QStringList& names)
{
    for (const QString& name : names)
        lines.removeIf([&](const QString& line) { return line.startsWith(name + u' '); });
    return lines;
}

} // namespace

class TestMapStructure : public QObject
{
    Q_OBJECT

private slots:
    void slotNames()
    {
        QCOMPARE(mapSlotNames("Doom"), episodeMapNames());
        QCOMPARE(mapSlotNames("doom2"), numberedMapNames());
        QCOMPARE(mapSlotNames("MIXED"), episodeMapNames() + numberedMapNames());
        QCOMPARE(mapSlotNames("Heretic"), QStringList());
        QCOMPARE(mapSlotNames("Mixed").at(33), QStringLiteral("E4M7"));
        QCOMPARE(mapSlotNames("Mixed").at(36), QStringLiteral("MAP01"));
        QCOMPARE(mapSlotNames("Mixed").at(45), QStringLiteral("MAP10"));
    }

    void repair_data()
    {
        const DataTable<QString, QStringList, QStringList> row("type", "lines", "repaired");

        const QStringList doom2 = withMusic(numberedMapNames());
        QStringList doom2Bare = doom2;
        doom2Bare[30] = "MAP31";
        doom2Bare[31] = "MAP32";
        row("Doom2 without MAP31 and MAP32", "Doom2", without(doom2, {"MAP31", "MAP32"}),
            doom2Bare);

        const QStringList doom = withMusic(episodeMapNames());
        QStringList doomBare = doom;
        doomBare[11] = "E2M3";
        row("Doom without E2M3", "Doom", without(doom, {"E2M3"}), doomBare);
        row("complete Doom list unchanged", "Doom", doom, doom);

        QStringList lowerCase = doom;
        lowerCase[0] = "e1m1 \\OggVorbis\\first.ogg";
        row("names compare without case", "doom", lowerCase, lowerCase);

        row("empty Doom2 list", "Doom2", QStringList(), numberedMapNames());

        // MAP1 is not MAP10: five characters are compared.
        QStringList shortName = doom2.mid(0, 9);
        shortName << "MAP1 \\OggVorbis\\odd.ogg";
        QStringList shortRepaired = doom2.mid(0, 9);
        shortRepaired << "MAP10"
                      << "MAP1 \\OggVorbis\\odd.ogg";
        for (int map = 11; map <= 32; ++map)
            shortRepaired.insert(shortRepaired.size() - 1, QStringLiteral("MAP%1").arg(map));
        row("a shorter name is not the slot", "Doom2", shortName, shortRepaired);

        // A line at the wrong position stays; the names are inserted around it.
        QStringList swapped{"MAP02 \\a.ogg", "MAP01 \\b.ogg"};
        QStringList swappedRepaired{"MAP01", "MAP02 \\a.ogg"};
        for (int map = 3; map <= 32; ++map)
            swappedRepaired << QStringLiteral("MAP%1").arg(map, 2, 10, QLatin1Char('0'));
        swappedRepaired << "MAP01 \\b.ogg";
        row("lines are never removed", "Doom2", swapped, swappedRepaired);

        const QStringList mixed = withMusic(episodeMapNames() + numberedMapNames());
        row("Mixed with the numbered maps first", "Mixed",
            withMusic(numberedMapNames() + episodeMapNames()), mixed);
        row("Mixed in order unchanged", "Mixed", mixed, mixed);

        QStringList mixedGaps = mixed;
        mixedGaps[4] = "E1M5";
        mixedGaps[44] = "MAP09";
        mixedGaps[67] = "MAP32";
        row("Mixed, numbered first, with gaps", "Mixed",
            without(withMusic(numberedMapNames() + episodeMapNames()), {"MAP09", "MAP32", "E1M5"}),
            mixedGaps);
        row("Mixed from nothing", "Mixed", QStringList(), episodeMapNames() + numberedMapNames());

        row("unknown type unchanged", "Heretic", QStringList{"MAP02 x"}, QStringList{"MAP02 x"});
    }

    void repair()
    {
        QFETCH(QString, type);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, repaired);
        QCOMPARE(checkMapStructure(lines, type), repaired);
    }
};

Z3D_TEST_GUILESS_MAIN(TestMapStructure)
#include "tst_mapstructure.moc"
