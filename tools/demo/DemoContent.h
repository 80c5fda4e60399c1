#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace z3d::demo {

// What the demo installation holds besides the programs and the Freedoom IWADs: the add-on
// games (made up for the demo, their maps generated), two save games, the tips and the
// readme. Texts are ours; text files are written with CR LF line ends, as an installation
// made on Windows has them.
class DemoContent
{
public:
    enum class Layout
    {
        AutoLoading,   // Z3DGames/<name>/Pwads: every wad loads
        ManualLoading, // Z3DGames/<name>/Gwads: the player picks one wad
        ZipLibrary     // Z3DArchives/<name>.zip
    };

    struct Wad
    {
        QString fileName;
        QList<QByteArray> maps; // map markers, in directory order; empty for a resource wad
        bool textMaps = false;  // UDMF instead of binary maps
    };

    struct Save
    {
        int slot;
        QByteArray description; // at most 24 bytes
    };

    struct Game
    {
        QString name;
        Layout layout;
        QList<Wad> wads;
        QString infoFileName;
        QStringList info;
        QList<Save> saves; // written to the game's save folder
    };

    static QList<Game> games();
    static QByteArray wadBytes(const Wad& wad);
    static QByteArray saveBytes(const Save& save);
    static QStringList tips();
    // Z3DLaunch/Data/checkpwad.z3d: made-up add-on wad names in the head section and in each
    // section "Check2" to "Check7", one name per line.
    static QStringList knownPwads();
    static QStringList readme();
    // Lines joined and each ended by CR LF.
    static QByteArray textFile(const QStringList& lines);
};

} // namespace z3d::demo
