#pragma once

#include "core/library/GameFiles.h"
#include "core/platform/ErrorNumber.h"
#include "core/platform/FileOperations.h"
#include "core/services/Dialogs.h"

#include <QString>

// What the installed-games operations and the zip-library operations share: the pieces of
// their messages (blanks are part of the texts) and the small file steps both take.
namespace z3d::library_steps {

inline const QString kLineBreak = QStringLiteral("\r\n");
inline const QString kAccessError = QStringLiteral(" Access error");
inline const QString kConversionError = QStringLiteral(" Conversion error");
inline const QString kConversionTitle = QStringLiteral(" User Directory Conversion");
inline constexpr int kQuestion = MsgButtonsYesNo | MsgIconQuestion;

// The message when the file to delete is held open by another program.
inline QString fileInUseText()
{
    return QStringLiteral("Unable to delete the selected file, the file       ") + kLineBreak +
           QStringLiteral("  appears to be in use by another program.");
}

// Deletes file when it exists; an empty path names nothing to delete.
inline ErrorNumber deleteIfExists(const QString& file)
{
    if (file.isEmpty())
        return ErrorNumber::None;
    return FileOperations::deleteFileIfExists(file);
}

// "<folder>/<file name of gameFile>", or empty when there is no game file.
inline QString sameFileIn(const QString& folderWithSeparator, const QString& gameFile)
{
    if (gameFile.isEmpty())
        return {};
    return folderWithSeparator + GameFiles::leafName(gameFile);
}

} // namespace z3d::library_steps
