#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace z3d {

// SelectMainWad's choice for a game's files folder (not used for a user directory).
struct MainWadChoice
{
    QString mainFile; // full path of the main wad (folder + file name); empty when none
    QString fileName; // the main wad's file name, to select in the game-files list
    // How many ".wad" files the folder holds, the never-listed ones included. A game with
    // more than one is a several-files game.
    int wadCount = 0;

    bool found() const { return !mainFile.isEmpty(); }
};

// Picks the main wad of a folder. Every ".wad" file is counted; every one that GameFiles
// accepts is a candidate, and the last candidate (in name order) is the main wad. When the
// folder holds more than one ".wad" file, mapCode is asked for each candidate (the checker's
// 100 + map count) and the wad with the highest code wins; among equal codes, the one whose
// path sorts last without regard to case. A code of 0 or below drops the candidate. A folder
// with a single wad asks nothing.
class MainWadChooser
{
public:
    using MapCodeFunction = std::function<int(const QString& wadPath)>;
    // The codes of all candidates at once, in the order of wadPaths (so they can be found
    // concurrently).
    using MapCodesFunction = std::function<QList<int>(const QStringList& wadPaths)>;

    static MainWadChoice choose(const QString& folder, const MapCodeFunction& mapCode);
    static MainWadChoice choose(const QString& folder, const MapCodesFunction& mapCodes);
};

} // namespace z3d
