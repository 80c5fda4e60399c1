#include "support/MapNames.h"

namespace z3d::test {

QStringList episodeMapNames()
{
    QStringList names;
    for (int episode = 1; episode <= 4; ++episode)
        for (int map = 1; map <= 9; ++map)
            names << QStringLiteral("E%1M%2").arg(episode).arg(map);
    return names;
}

QStringList numberedMapNames()
{
    QStringList names;
    for (int map = 1; map <= 32; ++map)
        names << QStringLiteral("MAP%1").arg(map, 2, 10, QLatin1Char('0'));
    return names;
}

QList<QByteArray> numberedMarkers(int count)
{
    QList<QByteArray> markers;
    for (const QString& name : numberedMapNames().mid(0, count))
        markers << name.toLatin1();
    return markers;
}

} // namespace z3d::test
