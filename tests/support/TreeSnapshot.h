#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace z3d::test {

class InstallTree;

// Before-and-after pictures of a throw-away installation, for checking what an operation
// removed, added or left alone:
//
//   const QSet<QString> before = snapshot(tree);
//   ... run the operation ...
//   QCOMPARE(removed(before, snapshot(tree)), (QStringList{"Z3DGames/Castle/", ...}));
//   QCOMPARE(snapshot(tree), before);        // nothing on disk changed
//
// Entries are paths relative to the tree's root, spelled as on disk, with '/' between
// components; a folder's entry ends in '/'. Hidden entries count; links are listed, not
// followed.

// Every file and folder below the tree's root.
QSet<QString> snapshot(const InstallTree& tree);
// The entries of from that are not in without, sorted.
QStringList difference(const QSet<QString>& from, const QSet<QString>& without);
// The entries of before that are gone from after, sorted.
QStringList removed(const QSet<QString>& before, const QSet<QString>& after);
// The entries of after that were not in before, sorted.
QStringList added(const QSet<QString>& before, const QSet<QString>& after);

} // namespace z3d::test
