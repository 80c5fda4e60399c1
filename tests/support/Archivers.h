#pragma once

#include "ToolRun.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

namespace z3d::test {

// The zip archivers players make their archives with, run for real: Info-ZIP zip, 7-Zip,
// bsdtar and Python's zipfile.
struct Archiver
{
    // The program, looked up on the PATH.
    QString program;
    // Its arguments before the archive's path, which the files' names follow.
    QStringList options;

    // Info-ZIP zip with extra options (-P <password>, ...).
    static Archiver infoZip(const QStringList& options = {});
    // 7-Zip writing a zip with extra switches (-mm=Copy, -p<password> -mem=AES256, ...).
    static Archiver sevenZip(const QStringList& switches = {});
    // libarchive's bsdtar, choosing the zip format from the archive's name.
    static Archiver bsdtar();
    // Python's zipfile with one of its compression constants (ZIP_STORED, ZIP_DEFLATED,
    // ZIP_BZIP2, ZIP_LZMA).
    static Archiver python(const QString& compression);

    // Whether the program can be found; the reason it cannot otherwise.
    QString missing() const;
    // Writes the files (name, content) into a fresh folder beside archive and archives them
    // from there, by their names, into archive.
    ToolRun write(const QString& archive, const QList<std::pair<QString, QByteArray>>& files) const;
};

// The places of one member in a zip's bytes, read from its central directory.
struct ZipMemberBytes
{
    qsizetype localHeader = -1;
    qsizetype centralHeader = -1;
    qsizetype data = -1; // the first byte of its (compressed, encrypted) data
    qsizetype dataSize = 0;
};

// The members of zip in the order of its central directory; empty when it has none that can
// be read (no zip64, a directory in one piece).
QList<ZipMemberBytes> zipMembers(const QByteArray& zip);
// Puts value into the 32-bit little-endian field at offset.
void putLittle32(QByteArray& bytes, qsizetype offset, quint32 value);

} // namespace z3d::test
