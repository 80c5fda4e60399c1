#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace z3d::test {

// The 36 maps of the episode games, E1M1 to E4M9, in play order.
QStringList episodeMapNames();
// The 32 maps of the numbered games, MAP01 to MAP32.
QStringList numberedMapNames();
// The first count of them as lump names, for wadWithMaps.
QList<QByteArray> numberedMarkers(int count);

} // namespace z3d::test
