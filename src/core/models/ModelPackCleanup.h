#pragma once

#include "core/platform/ErrorNumber.h"

#include <QString>

namespace z3d {

struct InstallPaths;

// The packs ticked in the cleanup window (chkModDel 0..3).
struct CleanupChoice
{
    bool standardModels = false;
    bool pellamOrrinModels = false;
    bool orrinpack = false;
    bool brannockSoldiers = false;

    bool any() const
    {
        return standardModels || pellamOrrinModels || orrinpack || brannockSoldiers;
    }
};

// How a cleanup ended.
struct CleanupResult
{
    // Empty when everything named was removed; else the item that could not be removed.
    QString failedItem;
    ErrorNumber error = ErrorNumber::None;

    bool complete() const { return failedItem.isEmpty(); }
};

// DeleteModelPacks: removes the ticked packs' folders (with everything in them) and definition
// files (read-only ones too), each only where it exists, in the order standard models, Pellam
// and Orrin models, Orrinpack, Brannock soldiers; then the shared textures shiny.png and
// metallic.png once no HudWeapons, Orrinpack or Pellam folder is left under ModelDir. A folder
// shared by two packs (Lod, Monsters) goes only when the other pack's part is gone.
//
// The removal stops at the first item that cannot be removed; what went before stays
// removed. It never leaves the installation through a symbolic link: a link among the items
// is removed as a link, and an item reached through a linked folder is left alone.
CleanupResult deleteModelPacks(const InstallPaths& paths, const CleanupChoice& choice);

} // namespace z3d
