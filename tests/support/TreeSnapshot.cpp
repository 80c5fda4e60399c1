#include "support/TreeSnapshot.h"

#include "support/InstallTree.h"

#include <QDir>
#include <QDirIterator>

namespace z3d::test {

QSet<QString> snapshot(const InstallTree& tree)
{
    QSet<QString> entries;
    QDirIterator it(tree.root(),
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QString relative = it.filePath().mid(tree.root().size() + 1);
        entries << (it.fileInfo().isDir() ? relative + u'/' : relative);
    }
    return entries;
}

QStringList difference(const QSet<QString>& from, const QSet<QString>& without)
{
    const QSet<QString> rest = QSet<QString>(from).subtract(without);
    QStringList list(rest.begin(), rest.end());
    list.sort();
    return list;
}

QStringList removed(const QSet<QString>& before, const QSet<QString>& after)
{
    return difference(before, after);
}

QStringList added(const QSet<QString>& before, const QSet<QString>& after)
{
    return difference(after, before);
}

} // namespace z3d::test
