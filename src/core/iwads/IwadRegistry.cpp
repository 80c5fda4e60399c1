#include "core/iwads/IwadRegistry.h"

#include <algorithm>

namespace z3d {

bool IwadRegistry::isEmpty() const
{
    return std::all_of(m_paths.begin(), m_paths.end(),
                       [](const QString& p) { return p.isEmpty(); });
}

bool IwadRegistry::registerIwad(const QString& path)
{
    const std::optional<IwadType> type = iwadTypeFromFileName(path);
    if (!type)
        return false;
    QString& registered = m_paths[index(*type)];
    if (!registered.isEmpty()) {
        // A real commercial file always wins over a stand-in, whenever it turns up (a line of
        // iwads.cfg read after the search filled the type with Freedoom).
        if (!isIwadStandIn(registered) || isIwadStandIn(path))
            return false;
        m_order.removeOne(registered);
    }
    registered = path;
    m_order << path;
    return true;
}

QList<IwadType> IwadRegistry::listedGames() const
{
    QList<IwadType> games;
    for (IwadType type :
         {IwadType::Doom1, IwadType::Doom, IwadType::Doom2, IwadType::Plutonia, IwadType::Tnt}) {
        if (!path(type).isEmpty())
            games << type;
    }
    return games;
}

} // namespace z3d
