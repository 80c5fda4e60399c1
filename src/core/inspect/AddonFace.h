#pragma once

#include "automap/TitlePicture.h"
#include "core/inspect/AddonFaceSources.h"
#include "core/inspect/AddonText.h"

#include <optional>

namespace z3d {

class IwadRegistry;
struct InstallPaths;

// An add-on's face for the tip of a list entry: its title picture and its own text, each
// where the files give one (AddonFaceSources decides which files). Reading it writes nothing,
// extracts nothing and shows no message: a damaged, encrypted or missing file gives no
// picture or no text. Only the wad's directory and picture lumps, the start of a text file
// and a zip's directory and text member are read, so a face comes fast whatever the size of
// the game. Reading shares no state, so it may run on a thread of its own.
struct AddonFace
{
    std::optional<automap::TitlePicture> picture;
    std::optional<AddonText> text;

    bool isEmpty() const { return !picture && !text; }

    // The face of a list entry (the GUI passes what the entry is).
    static AddonFace read(const AddonFaceEntry& entry, const InstallPaths& paths,
                          const IwadRegistry& iwads);
    // The face made of those files.
    static AddonFace read(const AddonFaceSources& sources);
};

} // namespace z3d
