#pragma once

#include "core/platform/ErrorNumber.h"

#include <QString>

#include <functional>

namespace z3d {

class Dialogs;
class LibraryHost;

// Renaming a games-list entry, as the installed games' and the zip library's menus do it:
// the name prompt, the check of the typed name (GameOperations::isAcceptableName), the rename
// itself and its two failure messages. It holds the texts in which the two menus differ
// (blanks are part of them).
struct EntryRename
{
    QString promptTitle;     // the name prompt's window caption
    QString inUseText;       // " Access error": the entry is held by another program
    QString illegalNameText; // " Renaming error": any other failure, a refused name included

    // Asks for the new name of oldName. An empty, cancelled or unchanged answer does nothing
    // (the same name, spelt alike, renames nothing and so drops nothing); an acceptable one is
    // handed to rename. A failure is reported and the games list redrawn.
    void run(Dialogs& dialogs, LibraryHost& host, const QString& oldName,
             const std::function<ErrorNumber(const QString& newName)>& rename) const;
};

} // namespace z3d
