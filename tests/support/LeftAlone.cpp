#include "support/LeftAlone.h"

#include "support/RecordingLibraryHost.h"
#include "support/TreeSnapshot.h"

#include <QTest>

namespace z3d::test {

void verifyLeftAlone(const InstallTree& tree, const QSet<QString>& before,
                     const RecordingLibraryHost& host, const QStringList& calls)
{
    QCOMPARE(snapshot(tree), before);
    QCOMPARE(host.calls, calls);
}

} // namespace z3d::test
