#pragma once

#include "core/platform/ErrorNumber.h"

#include <QString>
#include <QStringList>

namespace z3d {

struct InstallPaths;

// The files the engine keeps per wad outside the game's folder: InstallRoot/Z3DAnFiles and
// InstallRoot/gwa. A wad's side files are the files of those folders whose names begin with
// the wad's base name, without regard to case. It is a prefix match: a wad named "map" also
// claims "mapping.x". An empty base name claims nothing.
class SideFiles
{
public:
    explicit SideFiles(const InstallPaths& paths);

    // The two folders, in their on-disk spelling when they exist.
    QString animationFolder() const;
    QString nodeFolder() const;

    // The side files of wad (full paths), Z3DAnFiles first, each folder sorted by name.
    QStringList of(const QString& wad) const;
    // Deletes the side files of wad in both folders (read-only ones too). Missing folders are
    // no error. Returns the first failure; the remaining files are still tried.
    ErrorNumber deleteAll(const QString& wad) const;
    // The same in Z3DAnFiles only (a renamed game keeps its node files).
    ErrorNumber deleteAnimationFiles(const QString& wad) const;

    // Whether fileName is a side file of wad.
    static bool belongsTo(const QString& fileName, const QString& wad);

private:
    static QStringList filesOf(const QString& folder, const QString& wad);
    static ErrorNumber deleteFiles(const QStringList& files);

    QString m_animationFolder;
    QString m_nodeFolder;
};

} // namespace z3d
