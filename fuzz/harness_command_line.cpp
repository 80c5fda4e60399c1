// The engine command line on arbitrary pieces: a line is either refused or splits, by the
// Windows rules the engine's start uses, into exactly the arguments it was built from. No
// name or path can split an argument or join two.
//
// Input: chunks separated by NUL bytes. The first byte of the input picks the mode:
//  - even: each chunk is one piece for EngineCommandLine, its first byte the kind (a switch,
//    a quoted value, or, as the last chunk, the player's extra text);
//  - odd: the chunks are the names of an installed game's launch (installation folder, game
//    folder, wads, patch, definition, playlist, IWAD path, extra text). The line built from
//    them must have the arguments of the same launch with tidy names, each name in its place.

#include "FuzzScratch.h"

#include "core/launch/EngineCommandLine.h"
#include "core/launch/LaunchAssembler.h"
#include "core/platform/CommandLine.h"

#include <QHash>

using namespace z3d;
using z3d::fuzz::require;

namespace {

QStringList chunksOf(const std::uint8_t* data, std::size_t size)
{
    QStringList chunks;
    std::size_t start = 1;
    for (std::size_t i = 1; i <= size; ++i) {
        if (i == size || data[i] == 0) {
            chunks << QString::fromUtf8(reinterpret_cast<const char*>(data + start),
                                        qsizetype(i - start));
            start = i + 1;
        }
    }
    return chunks;
}

QString withoutBlanks(QString text)
{
    text.remove(u' ');
    text.remove(u'\t');
    return text;
}

void pieces(const QStringList& chunks)
{
    EngineCommandLine line;
    line.append(" "); // the first switch brings its blank, as every line's first piece does
    QStringList meant;
    bool quotable = true;
    for (qsizetype i = 0; i < chunks.size(); ++i) {
        const QString& chunk = chunks.at(i);
        if (chunk.isEmpty())
            continue;
        const QString text = chunk.mid(1);
        switch (chunk.front().unicode() % 3) {
        case 0:
            if (const QString word = withoutBlanks(text); !word.isEmpty()) {
                line.append(word + u' ');
                meant << word;
                quotable = quotable && !word.contains(u'"');
            }
            break;
        case 1:
            line.appendQuoted(text);
            meant << text;
            quotable = quotable && !text.contains(u'"') && !text.endsWith(u'\\');
            break;
        default:
            if (i + 1 == chunks.size()) {
                line.appendPlayerText(text);
                meant += CommandLine::splitArguments(text + u' ');
            }
            break;
        }
    }
    if (line.isSound())
        require(CommandLine::split(line.text()) ==
                    QStringList{QLatin1String(EngineCommandLine::kEnginePath)} + meant,
                "a line handed to the engine splits into exactly its pieces");
    if (quotable)
        require(line.isSound(), "a line of quotable pieces is handed to the engine");
}

enum Name
{
    Root,
    Folder,
    MainWad,
    OtherWad,
    Patch,
    Definition,
    Playlist,
    IwadPath,
    Names
};

// Tidy names are "n" and a digit; the switches of a line hold no such pair.
bool holdsTidyName(const QString& argument)
{
    for (qsizetype i = 0; i + 1 < argument.size(); ++i) {
        if (argument.at(i) == u'n' && argument.at(i + 1).isDigit())
            return true;
    }
    return false;
}

struct Launch
{
    LauncherSettings settings;
    LaunchInputs inputs;
};

// One installed game's launch with the given names; layout 0 a user directory, 1 a game of
// several wads from the zip library, 2 a one-wad game with its IWAD by path.
Launch launchWith(const QStringList& names, int layout, const QString& extraText)
{
    Launch launch;
    LauncherSettings& s = launch.settings;
    LaunchInputs& in = launch.inputs;
    s.skill = 3;
    s.manualPlaylist = true;
    s.playlistName = names[Playlist];
    s.extraCommandLine = extraText;
    in.manualPlaylistFileExists = true;
    // The two paths a line is built from, set without the look-ups on disk of
    // InstallPaths::fromInstallRoot.
    in.paths.installRoot = names[Root];
    in.paths.customDefsDir = names[Root] + QLatin1String("/Defs/Custom/");
    in.state.kind = LaunchKind::WarpToMap;
    in.state.warpArgument = QStringLiteral("01");
    in.state.iwadPath = names[IwadPath];
    in.iwadFiles.insert(names[IwadPath], IwadFileFacts{true, false});
    in.definitions = {{u'd' + names[Definition], true}};

    InstalledGameInputs& game = in.game;
    game.firstMapEntry = QStringLiteral("MAP01");
    game.folder = names[Folder];
    game.mainFile = names[Folder] + u'/' + names[MainWad] + QLatin1String(".wad");
    game.files = {{game.mainFile, true}};
    if (layout == 0) {
        game.userDirectory = true;
        game.selectedUserFile = game.mainFile;
    } else if (layout == 1) {
        game.fromZipLibrary = true;
        game.severalFiles = true;
        game.files << GameFileEntry{names[OtherWad] + QLatin1String(".wad"), true}
                   << GameFileEntry{names[Patch] + QLatin1String(".deh"), false};
    }
    return launch;
}

void assembled(const QStringList& chunks)
{
    QStringList names;
    QStringList tidy;
    for (int i = 0; i < Names; ++i) {
        names << chunks.value(i);
        tidy << (QLatin1String("n") + QString::number(i));
    }
    const int layout = chunks.value(Names).size() % 3;
    const QString extraText = chunks.value(Names + 1);

    const Launch hostile = launchWith(names, layout, extraText);
    const LaunchOutcome outcome = launchInstalledGame(hostile.settings, hostile.inputs);
    if (outcome.refused())
        return;
    const Launch plain = launchWith(tidy, layout, extraText);
    const LaunchOutcome expected = launchInstalledGame(plain.settings, plain.inputs);
    require(!expected.refused(), "the launch with tidy names goes ahead");

    const QStringList arguments = CommandLine::split(outcome.commandLine);
    const QStringList tidyArguments = CommandLine::split(expected.commandLine);
    require(arguments.size() == tidyArguments.size(),
            "hostile names give as many arguments as tidy ones");
    // The names that go on the line as they are.
    QHash<QString, QString> verbatim;
    verbatim.insert(plain.inputs.game.folder, hostile.inputs.game.folder);
    verbatim.insert(plain.inputs.state.iwadPath, hostile.inputs.state.iwadPath);
    for (qsizetype i = 0; i < plain.inputs.game.files.size(); ++i)
        verbatim.insert(plain.inputs.game.files.at(i).path, hostile.inputs.game.files.at(i).path);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& tidyArgument = tidyArguments.at(i);
        if (verbatim.contains(tidyArgument))
            require(arguments.at(i) == verbatim.value(tidyArgument), "a name is one argument");
        else if (!holdsTidyName(tidyArgument))
            require(arguments.at(i) == tidyArgument, "every switch keeps its place");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QStringList chunks = chunksOf(data, size);
    if (data[0] % 2 == 0)
        pieces(chunks);
    else
        assembled(chunks);
    return 0;
}
