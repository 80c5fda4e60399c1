#include "core/library/FileCopies.h"

#include "core/platform/FileOperations.h"
#include "core/services/Progress.h"

#include <QFileInfo>

#include <algorithm>

namespace z3d {

ErrorNumber copyFiles(const QList<FileCopy>& copies, Progress* progress, const QString& title)
{
    qint64 total = 0;
    for (const FileCopy& copy : copies)
        total += std::max<qint64>(QFileInfo(copy.source).size(), 0);
    ProgressRun run(progress, title, total);
    for (const FileCopy& copy : copies) {
        const QString name = QFileInfo(copy.target).fileName();
        qint64 copied = 0;
        run.update(name, 0);
        if (const ErrorNumber error = FileOperations::copyFile(
                copy.source, copy.target, FileOperations::ReadOnlyTarget::Refuse,
                [&](qint64 bytes) {
                    copied = bytes;
                    run.update(name, bytes);
                });
            error != ErrorNumber::None)
            return error;
        run.finishFile(copied);
    }
    return ErrorNumber::None;
}

QList<FileCopy> folderCopies(const QString& source, const QStringList& names, const QString& target)
{
    QList<FileCopy> copies;
    copies.reserve(names.size());
    for (const QString& name : names)
        copies.append({source + u'/' + name, target + u'/' + name});
    return copies;
}

} // namespace z3d
