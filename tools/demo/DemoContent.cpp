#include "DemoContent.h"

#include "RoomMap.h"
#include "WadBuilder.h"

namespace z3d::demo {

QList<DemoContent::Game> DemoContent::games()
{
    return {
        {QStringLiteral("Outpost"),
         Layout::AutoLoading,
         {{QStringLiteral("outpost.wad"), {"MAP01", "MAP02", "MAP03"}, false},
          {QStringLiteral("outpost_res.wad"), {}, false}},
         QStringLiteral("outpost.txt"),
         {QStringLiteral("Outpost - three small rooms for Doom II"),
          QStringLiteral("Maps: MAP01 to MAP03"),
          QStringLiteral("outpost_res.wad holds resources only and loads with the maps."),
          QStringLiteral("Made for the Z3DLauncher demo installation.")},
         {{1, "Outpost entry hall"}, {3, "Reactor, second try"}}},
        {QStringLiteral("Quarry"),
         Layout::AutoLoading,
         {{QStringLiteral("quarry.wad"), {"E1M1", "E1M2", "E1M3", "E1M4"}, false}},
         QStringLiteral("quarry.txt"),
         {QStringLiteral("Quarry - an episode of four rooms for Doom"),
          QStringLiteral("Maps: E1M1 to E1M4"),
          QStringLiteral("Made for the Z3DLauncher demo installation.")},
         {}},
        {QStringLiteral("Sampler"),
         Layout::ManualLoading,
         {{QStringLiteral("sampler_a.wad"), {"MAP01", "MAP02"}, true},
          {QStringLiteral("sampler_b.wad"), {"E2M1", "E2M2", "E2M3"}, false}},
         QStringLiteral("sampler.txt"),
         {QStringLiteral("Sampler - two separate wads: pick one to play"),
          QStringLiteral("sampler_a.wad: MAP01 and MAP02 in UDMF text format (Doom II)"),
          QStringLiteral("sampler_b.wad: E2M1 to E2M3 (Doom)"),
          QStringLiteral("Made for the Z3DLauncher demo installation.")},
         {}},
        {QStringLiteral("Canyon"),
         Layout::ZipLibrary,
         {{QStringLiteral("canyon.wad"), {"MAP01", "MAP02", "MAP03", "MAP04", "MAP05"}, false}},
         QStringLiteral("canyon.txt"),
         {QStringLiteral("Canyon - five rooms for Doom II, played from the zip library"),
          QStringLiteral("Maps: MAP01 to MAP05"),
          QStringLiteral("Made for the Z3DLauncher demo installation.")},
         {}},
    };
}

QByteArray DemoContent::wadBytes(const Wad& wad)
{
    WadBuilder builder;
    if (wad.maps.isEmpty()) {
        builder.addLump("Z3DNOTE", "Resource wad of the Z3DLauncher demo installation.\r\n");
        builder.addLump("Z3DDATA", QByteArray(256, '\x2a'));
    }
    int variant = 0;
    for (const QByteArray& marker : wad.maps) {
        const RoomMap room(variant++);
        if (wad.textMaps) {
            room.appendText(builder, marker);
        } else {
            room.appendBinary(builder, marker);
        }
    }
    return builder.bytes();
}

QByteArray DemoContent::saveBytes(const Save& save)
{
    // The description fills the first 24 bytes, NUL-padded; the rest stands in for the
    // engine's game state.
    QByteArray bytes = save.description.left(24);
    bytes += QByteArray(24 - bytes.size(), '\0');
    bytes += "Z3D demo save game, slot " + QByteArray::number(save.slot);
    bytes += QByteArray(64, '\0');
    return bytes;
}

QStringList DemoContent::tips()
{
    return {
        QStringLiteral("Pick a game and a map, then press Launch (or Enter) to start playing."),
        QStringLiteral("Choose a save game instead of a map to resume where you left off."),
        QStringLiteral("Right-click a save game to delete it."),
        QStringLiteral("Right-click a game in the games list to rename, convert or remove it."),
        QStringLiteral("Games in the Zip Library view are played without installing them."),
        QStringLiteral("A game in the Gwads layout loads only the wad you pick from its files."),
        QStringLiteral("Turn on Advanced options to reach every engine setting on the other tabs."),
        QStringLiteral("The last engine command line is kept in Z3DLaunch\\launch.log."),
        QStringLiteral("Remember last map brings each game back to the map you played last."),
        QStringLiteral("A shortcut starts a chosen map with your current settings."),
    };
}

QStringList DemoContent::knownPwads()
{
    return {
        QStringLiteral("cinderquay.wad"),  QStringLiteral("ferrowind.wad"),
        QStringLiteral("glasshollow.wad"), QStringLiteral("Check2"),
        QStringLiteral("moltenrun.wad"),   QStringLiteral("pyrelattice.wad"),
        QStringLiteral("umberfort.wad"),   QStringLiteral("Check3"),
        QStringLiteral("ashgrove.wad"),    QStringLiteral("brackwater.wad"),
        QStringLiteral("copperdeep.wad"),  QStringLiteral("Check4"),
        QStringLiteral("duskmill.wad"),    QStringLiteral("emberline.wad"),
        QStringLiteral("Check5"),          QStringLiteral("frostgate.wad"),
        QStringLiteral("gloamhall.wad"),   QStringLiteral("Check6"),
        QStringLiteral("hollowspire.wad"), QStringLiteral("ironbrook.wad"),
        QStringLiteral("Check7"),          QStringLiteral("jadecistern.wad"),
        QStringLiteral("kilnworks.wad"),
    };
}

QStringList DemoContent::readme()
{
    return {
        QStringLiteral("Z3DLauncher demo installation"),
        QString(),
        QStringLiteral("This folder is laid out like an engine installation so the launcher can"),
        QStringLiteral("be tried without the real engine. bin holds the launcher, the game-file"),
        QStringLiteral("checker Z3DgFiles and Zorn3D, a stand-in engine that only records its"),
        QStringLiteral("command line in Zorn3D.out in the folder it is started from. The"),
        QStringLiteral("libraries beside them are empty placeholders."),
        QString(),
        QStringLiteral("Iwads holds Freedoom as Doom.wad and Doom2.wad. Z3DGames holds three"),
        QStringLiteral("small generated games (Outpost and Quarry load every wad, Sampler lets"),
        QStringLiteral("you pick one of its wads) and Z3DArchives a fourth one as a zip."),
        QString(),
        QStringLiteral("The folder is rebuilt by every staging run; only the launcher's own"),
        QStringLiteral("settings file Z3DLaunch\\config.z3d is kept."),
    };
}

QByteArray DemoContent::textFile(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8() + "\r\n";
    }
    return bytes;
}

} // namespace z3d::demo
