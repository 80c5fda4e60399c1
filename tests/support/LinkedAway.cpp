#include "support/LinkedAway.h"

#include "support/InstallTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace z3d::test {

bool linkAway(const InstallTree& tree, const QString& relative, const QString& elsewhere)
{
    const QString target = tree.path(elsewhere);
    return QDir().mkpath(QFileInfo(target).path()) && QDir().rename(tree.path(relative), target) &&
           QFile::link(target, tree.path(relative));
}

QSet<QString> entriesUnder(const QSet<QString>& entries, const QString& prefix)
{
    QSet<QString> under;
    for (const QString& entry : entries) {
        if (entry.startsWith(prefix))
            under << entry;
    }
    return under;
}

} // namespace z3d::test
