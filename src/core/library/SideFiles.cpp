#include "core/library/SideFiles.h"

#include "core/library/NameOrder.h"
#include "core/platform/FileOperations.h"
#include "core/platform/InstallPaths.h"
#include "core/platform/PathResolver.h"

#include <QDir>
#include <QFileInfo>

namespace z3d {

SideFiles::SideFiles(const InstallPaths& paths)
{
    // Without an installation root the folders would be taken relative to the current folder.
    if (paths.installRoot.isEmpty())
        return;
    m_animationFolder = paths.under(QStringLiteral("Z3DAnFiles"));
    m_nodeFolder = paths.under(QStringLiteral("gwa"));
}

QString SideFiles::animationFolder() const
{
    return PathResolver::resolve(m_animationFolder);
}

QString SideFiles::nodeFolder() const
{
    return PathResolver::resolve(m_nodeFolder);
}

bool SideFiles::belongsTo(const QString& fileName, const QString& wad)
{
    return !wad.isEmpty() && fileName.startsWith(wad, Qt::CaseInsensitive);
}

QStringList SideFiles::filesOf(const QString& folder, const QString& wad)
{
    if (folder.isEmpty() || wad.isEmpty() || !PathResolver::folderExists(folder))
        return {};
    QStringList names;
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : entries) {
        if (belongsTo(name, wad))
            names << name;
    }
    sortNames(names);
    QStringList paths;
    for (const QString& name : std::as_const(names))
        paths << folder + u'/' + name;
    return paths;
}

QStringList SideFiles::of(const QString& wad) const
{
    return filesOf(animationFolder(), wad) + filesOf(nodeFolder(), wad);
}

ErrorNumber SideFiles::deleteFiles(const QStringList& files)
{
    ErrorNumber first = ErrorNumber::None;
    for (const QString& file : files) {
        const ErrorNumber error = FileOperations::deleteFileIfExists(file);
        if (first == ErrorNumber::None)
            first = error;
    }
    return first;
}

ErrorNumber SideFiles::deleteAll(const QString& wad) const
{
    return deleteFiles(of(wad));
}

ErrorNumber SideFiles::deleteAnimationFiles(const QString& wad) const
{
    return deleteFiles(filesOf(animationFolder(), wad));
}

} // namespace z3d
