#pragma once

#include "core/platform/ErrorNumber.h"

#include <QList>
#include <QString>

namespace z3d {

class Progress;

// The titles the progress of an install and of a game's copy is shown under.
inline const QString kInstallingTitle = QStringLiteral(" Installing");
inline const QString kCopyingTitle = QStringLiteral(" Copying game files");

// One file to copy: source and target are full paths.
struct FileCopy
{
    QString source;
    QString target;
};

// Copies the files in their order with FileOperations::copyFile, stopping at the first error
// (the files before it stay copied), and reports the bytes written on progress (which may be
// null) under title, each file by its target's name.
ErrorNumber copyFiles(const QList<FileCopy>& copies, Progress* progress, const QString& title);

// The copies of the named files of one folder into another under the same names.
QList<FileCopy> folderCopies(const QString& source, const QStringList& names,
                             const QString& target);

} // namespace z3d
