#pragma once

#include <QString>
#include <QStringList>

namespace z3d {

// The map slots of a playlist of the given type ("Doom", "Doom2" or "Mixed", any case) in
// their fixed order: E1M1 to E4M9 (36 slots) for Doom, MAP01 to MAP32 (32) for Doom2, both in
// that order (68) for Mixed. Empty for any other type.
QStringList mapSlotNames(const QString& playlistType);

// CheckMapStructure: repairs the map slot lines of a playlist being edited, so that slot n of
// mapSlotNames() stands at line n. Wherever a line does not begin with its slot's name
// (the first four characters for ExMy, five for MAPnn, compared without regard to case), a
// line holding just the name is inserted there. Lines are never removed: a line at the wrong
// position stays, and the missing names are inserted around it. For a Mixed playlist whose
// numbered maps stand first, the leading run of lines beginning with "M" is first moved, in
// its order, behind the rest. An unknown type returns the lines unchanged.
QStringList checkMapStructure(const QStringList& lines, const QString& playlistType);

} // namespace z3d
