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
    if (!type || !m_paths[index(*type)].isEmpty())
        return false;
    m_paths[index(*type)] = path;
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
