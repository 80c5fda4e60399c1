#pragma once

#include "automap/TitlePicture.h"

#include <optional>

namespace z3d::checker {

// A title picture as the game shows it: a PNG decoded (with libpng, its transparency laid on
// black), and the picture stretched to its shown height (TitlePicture::shownHeight), each
// row of the result the average of the stored rows it covers. Every pixel is opaque.
class TitleImage
{
public:
    // Nothing when a PNG cannot be decoded or decodes to another size than its header claims.
    static std::optional<automap::TitlePicture> shown(const automap::TitlePicture& picture);
};

} // namespace z3d::checker
