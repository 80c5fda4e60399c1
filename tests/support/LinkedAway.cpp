#include "support/LinkedAway.h"

#include "support/InstallTree.h"
#include "support/TreeSnapshot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

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

void verifyGoneElsewhere(const InstallTree& tree, const QSet<QString>& before,
                         const QString& gonePrefix)
{
    const QStringList gone = removed(entriesUnder(before, "Elsewhere/"), snapshot(tree));
    if (gonePrefix.isEmpty())
        QCOMPARE(gone, QStringList{});
    else
        QVERIFY(!gone.isEmpty());
    for (const QString& entry : gone)
        QVERIFY2(entry.startsWith(gonePrefix), qPrintable(entry));
}

} // namespace z3d::test
