#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

namespace z3d::test {

// A WAD whose maps are each a marker lump followed by a THINGS lump with one thing, after an
// INFO lump; "PWAD" unless another magic is given.
QByteArray wadWithMaps(const QList<QByteArray>& markers, const QByteArray& magic = "PWAD");

// A save file whose description (the first 24 bytes up to the first NUL) is description.
QByteArray saveGame(const QByteArray& description);

// Writes a zip archive holding the members (name inside the archive, content), stored
// uncompressed in the given order; false when it could not be written.
bool writeZip(const QString& path, const QList<std::pair<QByteArray, QByteArray>>& members);

} // namespace z3d::test
