#pragma once

#include <QString>
#include <QStringList>

class QProcessEnvironment;

namespace z3d {

// The environment the IWAD search reads. It is passed in rather than read where it is used, so
// a search can be run against any values.
struct IwadEnvironment
{
    QString dollarDoomWadDir; // "$DOOMWADDIR"
    QString doomWadDir;       // "DOOMWADDIR"
    // The XDG data folders, most important first: the data home, then each folder of the
    // data dirs (see xdgDataFoldersOf). Empty searches no XDG folder.
    QStringList xdgDataFolders = {};

    // The values of this process's environment (empty when unset).
    static IwadEnvironment fromProcess();
    // The values of the given environment.
    static IwadEnvironment fromEnvironment(const QProcessEnvironment& environment);

    // The XDG data folders by the Base Directory rules, from the values of HOME, XDG_DATA_HOME
    // and XDG_DATA_DIRS: the data home (XDG_DATA_HOME, or HOME/.local/share when that is unset,
    // empty or relative; none when HOME is no absolute path either), then the ':'-separated
    // folders of XDG_DATA_DIRS ("/usr/local/share:/usr/share" when it is unset or blank).
    // Relative and empty entries are ignored; each folder appears once, cleaned, at its first
    // place. Nothing here touches the disk.
    static QStringList xdgDataFoldersOf(const QString& home, const QString& dataHome,
                                        const QString& dataDirs);

    // The folder the search looks in first: "$DOOMWADDIR" when it names an existing folder,
    // else "DOOMWADDIR" as it is (possibly empty or no folder at all), in its on-disk spelling.
    QString searchFolder() const;
    // "games/doom" under each XDG data folder where that is an existing folder (matched
    // without regard to case), in its on-disk spelling, in order, each once.
    QStringList xdgGameFolders() const;
};

} // namespace z3d
