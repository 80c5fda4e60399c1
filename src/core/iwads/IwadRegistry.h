#pragma once

#include "core/iwads/IwadType.h"

#include <QString>
#include <QStringList>

#include <array>

namespace z3d {

// One registered path per commercial game (empty when the game was not found), the order in
// which paths were registered during a search or the start-up load, and the folder the
// "Add Iwad" dialog opens in. Held for the whole run; persisted only through iwads.cfg.
class IwadRegistry
{
public:
    QString path(IwadType type) const { return m_paths[index(type)]; }
    // Stores a path for its type, replacing an earlier one (the IWAD window's "Add Iwad").
    void setPath(IwadType type, const QString& path) { m_paths[index(type)] = path; }
    // Empties all five paths (not the registration order).
    void clearPaths() { m_paths = {}; }
    bool isEmpty() const;

    // RegisterIwad: when the file name is an IWAD name and that game has no path yet, stores
    // the path and appends it to the registration order. The first registration wins, except
    // that a commercial file replaces a stand-in (Freedoom) of its game: the stand-in leaves
    // the registration order and the commercial file is appended.
    bool registerIwad(const QString& path);
    const QStringList& registrationOrder() const { return m_order; }
    void clearRegistrationOrder() { m_order.clear(); }

    // The registered games in games-list order: Doom1, Doom, Doom2, Plutonia, Tnt.
    QList<IwadType> listedGames() const;

    QString dialogFolder() const { return m_dialogFolder; }
    void setDialogFolder(const QString& folder) { m_dialogFolder = folder; }

private:
    static std::size_t index(IwadType type) { return static_cast<std::size_t>(type); }

    std::array<QString, 5> m_paths;
    QStringList m_order;
    QString m_dialogFolder;
};

} // namespace z3d
