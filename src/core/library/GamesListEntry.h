#pragma once

#include "core/library/GameSelection.h"

#include <QList>
#include <QString>

namespace z3d {

// One entry of the games list: the text shown and the name it stands for on disk. A display
// text may differ from the name (CASTLE for the folder Castle), so the selection chain works
// with the name.
struct GamesListEntry
{
    QString display;
    QString name; // the installed game's folder name, or the archive's base name
    GameKind kind = GameKind::None;
};

using GamesListEntries = QList<GamesListEntry>;

// The games list's order: by display text, alphabetically without regard to case.
void sortByDisplay(GamesListEntries& entries);

} // namespace z3d
