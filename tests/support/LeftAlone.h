#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace z3d::test {

class InstallTree;
class RecordingLibraryHost;

// Checks that the tree holds just the entries of before (see snapshot()) and that the window
// was asked for just calls; a mismatch fails the running test (the caller goes on).
void verifyLeftAlone(const InstallTree& tree, const QSet<QString>& before,
                     const RecordingLibraryHost& host, const QStringList& calls = {});

} // namespace z3d::test
