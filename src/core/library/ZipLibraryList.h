#pragma once

#include "core/library/GamesListEntry.h"

namespace z3d {

// The zip library: the archives "<name>.zip" of a folder, played without being installed.
class ZipLibraryList
{
public:
    // FillZipLibraryList: creates folder when it is missing (a failure lists nothing), then
    // one entry per file whose name ends in ".zip" (any case), sorted by display text without
    // regard to case. The name is the archive's base name as stored.
    static GamesListEntries list(const QString& folder, bool customFontInUse);
    // With a custom font only the first letter is upper-cased ("Myzip"); otherwise the whole
    // name is ("MYZIP").
    static QString displayText(const QString& baseName, bool customFontInUse);
};

} // namespace z3d
