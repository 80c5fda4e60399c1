#pragma once

#include "core/launch/LaunchInputs.h"
#include "core/platform/ErrorNumber.h"

#include <QList>
#include <QString>

#include <optional>

namespace z3d {

struct InstallPaths;

// The player's own definition files: custom.z3d in LauncherDataDir and the drop folder
// LauncherDir/Create.
//
// custom.z3d holds one line per entry, in list order: the entry, a comma and "1" (selected)
// or "0". An entry is a base name in CustomDefsDir; entries added from another folder carry
// their full path and are written too, but reading keeps only entries whose
// CustomDefsDir/<entry>.ded exists, so those last for the run that added them.
class CustomDefinitions
{
public:
    static constexpr int kMaxLines = 21;

    // The entries of custom.z3d: at most the first 21 lines; each line loses its last two
    // characters (the comma and the mark) and is kept only when CustomDefsDir holds that name
    // with ".ded"; it is selected when its last character is "1". Lines too short to hold a
    // name, and names with a path separator, name no file there and are dropped. A missing
    // or unreadable file gives an empty list.
    static QList<DefinitionEntry> load(const InstallPaths& paths);
    // Replaces custom.z3d atomically with entries; the error number of a failed write.
    static ErrorNumber save(const InstallPaths& paths, const QList<DefinitionEntry>& entries);

    // ImportCreatedDefs: the base names of the files in LauncherDir/Create that no entry
    // already carries (without regard to case), in name order, unselected; then the folder is
    // deleted with everything in it. Sub-folders are deleted but offer nothing. No folder,
    // nothing to do.
    static QList<DefinitionEntry> importDropped(const InstallPaths& paths,
                                                const QList<DefinitionEntry>& entries);

    // The entries whose file is still there (CustomDefsDir/<entry>.ded, or the entry's own
    // path for one that ends in ".ded"), as a cleanup leaves them.
    static QList<DefinitionEntry> stillPresent(const InstallPaths& paths,
                                               const QList<DefinitionEntry>& entries);

    // What "Add" makes of the file chosen in the open-file dialog.
    struct AddOutcome
    {
        // The file belongs to Orrin's pack, which an option already loads: warn, add nothing.
        bool configurationWarning = false;
        // The new entry: the base name for a file lying directly in CustomDefsDir, else the
        // full path as chosen.
        QString entry;
    };
    static AddOutcome entryForChosenFile(const QString& chosenFile, const QString& customDefsDir);
};

} // namespace z3d
