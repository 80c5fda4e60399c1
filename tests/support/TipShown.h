#pragma once

// For window tests only: they link the gui library this needs.

#include "gui/tooltips/ToolTips.h"
#include "gui/tooltips/ToolTipWindow.h"

namespace z3d::test {

// Whether the tip window of these tooltips is up: made, and visible.
inline bool tipShown(const ToolTips& tips)
{
    return tips.tipWindow() && tips.tipWindow()->isVisible();
}

} // namespace z3d::test
