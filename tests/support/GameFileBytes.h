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
// uncompressed in the given order, each encrypted with password by libzip's encryption method
// encryption unless that is 0 (none); false when it could not be written.
bool writeZip(const QString& path, const QList<std::pair<QByteArray, QByteArray>>& members,
              quint16 encryption = 0, const QByteArray& password = {});

} // namespace z3d::test
