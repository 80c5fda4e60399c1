#pragma once

#include <QString>
#include <QStringList>

namespace z3d {

// File names are compared without regard to case, but the disk may be case-sensitive. Every
// lookup goes through this resolver: when a path does not exist as written, each component is
// matched against its folder's entries ignoring case. Components that match nothing keep the
// spelling given, so a new file or folder takes the given spelling unless an entry of another
// case already exists.
class PathResolver
{
public:
    // The spelling of path as found on disk: the longest existing prefix in its on-disk case,
    // followed by the remaining components as given. Backslashes are treated as separators.
    // An empty path stays empty.
    static QString resolve(const QString& path);
    // Joins a relative path in either separator style ("\\Z3DLaunch\\Data\\") onto base with
    // '/', with single separators; a trailing separator of relative is kept. Not resolved.
    static QString join(const QString& base, const QString& relative);
    // resolve(join(base, relative)).
    static QString resolveUnder(const QString& base, const QString& relative);
    // True when path (resolved) is an existing file / folder.
    static bool fileExists(const QString& path);
    static bool folderExists(const QString& path);
    static bool exists(const QString& path);
    // Equal paths without regard to case, separator style or trailing separators.
    static bool samePath(const QString& a, const QString& b);
    // The last component of path, trailing separators ignored ("C:/a/Textures/" -> "Textures").
    static QString lastComponent(const QString& path);
    // path without its last component and without a trailing separator ("/a/b" -> "/a").
    static QString parentFolder(const QString& path);
    // The names of the files / subfolders of folder (resolved), hidden ones included, in no
    // particular order; empty when the folder does not exist. Every listing that decides what
    // is shown, moved, copied or deleted goes through these, so no file is left out.
    static QStringList fileNames(const QString& folder);
    static QStringList folderNames(const QString& folder);
    // folderNames() of a folder given in its on-disk spelling (a name just listed): its
    // spelling is not looked up again, which matters when thousands of folders are asked.
    static QStringList folderNamesAsSpelled(const QString& folder);
    // '\\' turned into '/', repeated separators collapsed (a leading "//" is kept).
    static QString normalizeSeparators(const QString& path);
};

} // namespace z3d
