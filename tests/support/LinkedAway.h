#pragma once

#include <QSet>
#include <QString>

namespace z3d::test {

class InstallTree;

// Moves the entry at relative to elsewhere (both relative to the tree's root) and puts a
// symbolic link to it in its place, as a player who keeps part of the installation on another
// disk does. False when either step failed.
bool linkAway(const InstallTree& tree, const QString& relative, const QString& elsewhere);

// The entries of a snapshot (see snapshot()) that lie under the folder prefix ("Elsewhere/").
QSet<QString> entriesUnder(const QSet<QString>& entries, const QString& prefix);

// Checks what of Elsewhere/ is gone from the tree since before (a snapshot()): nothing when
// gonePrefix is empty, else something, and only entries under gonePrefix; a mismatch fails the
// running test (the caller goes on).
void verifyGoneElsewhere(const InstallTree& tree, const QSet<QString>& before,
                         const QString& gonePrefix);

} // namespace z3d::test
