#pragma once

#include "automap/TitlePicture.h"

#include <QString>

#include <optional>

namespace z3d {

// The title picture of a wad (see automap::readTitlePicture), coloured by its own palette,
// else by that of the wad at paletteWadPath (the IWAD; may be empty), else by Freedoom's.
// Only the wads' directories and the lumps needed are read. Nothing when the wad cannot be
// read as a WAD, holds no title picture, or holds one damaged beyond drawing.
class TitlePreview
{
public:
    static std::optional<automap::TitlePicture> read(const QString& wadPath,
                                                     const QString& paletteWadPath);
};

} // namespace z3d
