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

} // namespace z3d::test
