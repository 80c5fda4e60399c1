#pragma once

#include <QByteArray>
#include <QString>

namespace z3d::test {

// A file's bytes; empty when it cannot be read.
QByteArray readBytes(const QString& path);
// Creates or replaces the file with bytes, creating its folder; true when all were written.
bool writeBytes(const QString& path, const QByteArray& bytes);

} // namespace z3d::test
