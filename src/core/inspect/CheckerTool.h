#pragma once

#include "core/platform/FileStamp.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace z3d {

class Processes;
class Progress;
struct InstallPaths;

// What LoadWadMapList learnt about a wad. The main window puts output into FileOutput,
// wadCheckList into WadCheckList and, unless outputEmpty, mapNames into MapList (the list
// draws each map's title beside its name).
struct WadMapList
{
    QString output;           // everything the tool printed
    QStringList wadCheckList; // every item of pwad.z3d, the header items included
    QStringList mapNames;     // the map list, in the tool's order
    QStringList mapTitles;    // each map's title, empty when the wad names none
    // The tool printed nothing (it is missing or failed): WadCheckList is cleared and the map
    // list keeps its entries.
    bool outputEmpty = true;

    // The fourth item holds a map; without one the file has no levels to launch.
    bool hasMaps() const;
};

// What LoadSaveHeaders learnt about a save folder. The save list is replaced by entries
// (cleared when the tool printed nothing).
struct SaveHeaderList
{
    QString output;
    QStringList entries; // "3 - Reactor, second try"
};

// The launcher's interface to the checker tool Z3DgFiles in InstallRoot/Bin. Each run passes
// the command line
//     Z3Dgfiles CHECKWAD "<wad path>"      or      Z3Dgfiles GETSAVEHDRS "<save folder>"
// to Processes::runAndWait with InstallRoot/Bin as working folder (found without regard to
// case) and leaves InstallRoot as the current folder. The captured text is kept in
// LauncherDataDir/pwad.z3d (the whole text followed by CR LF, replacing the file) and read back
// from there item by item. Should the copy not be written or read, the same items are taken
// from the captured text itself, so a stale pwad.z3d never stands in for the tool's answer.
//
// CHECKWAD answers are kept for the launcher's run by the wad's path, size and modification
// time: a wad asked about again while unchanged runs no tool. A run that printed nothing is
// not kept. pwad.z3d is written only when its content changes.
//
// The installation paths are held by reference and must outlive the tool.
class CheckerTool
{
public:
    static constexpr const char* kOutputFileName = "pwad.z3d";

    // progress, when given, counts the wads of a check of many (a zip of thousands).
    CheckerTool(const InstallPaths& paths, Processes& processes, Progress* progress = nullptr);

    // CHECKWAD: the map count code (see CheckerOutput::mapCountCode), 100 + the number of
    // maps for the tool's normal output, 10 when it printed nothing. pwad.z3d is always
    // written, even for an empty output.
    int checkWadMapCount(const QString& wadPath);
    // checkWadMapCount for each wad, the tool running for several at once; the codes in the
    // order of wadPaths. pwad.z3d and the last output are left as the last wad's check left
    // them, as when the wads were checked one after the other. From kCountedChecks wads to
    // check on, the progress counts them under kCheckingTitle.
    QList<int> checkWadMapCounts(const QStringList& wadPaths);
    static constexpr int kCountedChecks = 8;
    static const QString kCheckingTitle;
    // The progress's text when done of total wads are checked.
    static QString checkingText(qsizetype done, qsizetype total);
    // CHECKWAD for the map list of a selected game file.
    WadMapList loadWadMapList(const QString& wadPath);
    // GETSAVEHDRS for the save list of a save folder.
    SaveHeaderList loadSaveHeaders(const QString& saveFolder);
    // The compatibility class (0 to 7) checkpwad.z3d gives the game file; 0 when the file is
    // missing or does not name it. Clears the last output, as the lookup uses FileOutput as
    // scratch space.
    int lookUpKnownPwad(const QString& gameFilePath);

    // The text the last run captured (FileOutput).
    const QString& lastOutput() const { return m_lastOutput; }
    // The command line for a tool command and a path, the path quoted so that it arrives as
    // one argument ("Z3Dgfiles CHECKWAD \"/games/a b.wad\"").
    static QString commandLine(const QString& command, const QString& path);
    // LauncherDataDir/pwad.z3d, in the spelling found on disk.
    QString outputFilePath() const;

private:
    QString run(const QString& command, const QString& path);
    QString binFolder() const;
    // The answer kept for the wad at resolvedPath, when its stamp now is the one it was
    // checked with.
    std::optional<QString> keptAnswer(const QString& resolvedPath,
                                      const std::optional<FileStamp>& stamp) const;
    // Keeps a non-empty answer for the wad as it is now (nothing for a file that cannot be
    // examined).
    void keepAnswer(const QString& resolvedPath, const std::optional<FileStamp>& stamp,
                    const QString& output);
    bool keepOutput(const QString& output);
    QStringList readBack(const QString& output, bool kept) const;

    const InstallPaths& m_paths;
    Processes& m_processes;
    Progress* m_progress;
    QString m_lastOutput;
    // CHECKWAD answers by resolved path, each with the stamp of the file it answered for.
    struct KeptAnswer
    {
        FileStamp stamp;
        QString output;
    };
    QHash<QString, KeptAnswer> m_checkwadOutputs;
};

} // namespace z3d
