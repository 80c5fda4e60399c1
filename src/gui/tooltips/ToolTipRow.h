#pragma once

#include <QString>

namespace z3d {

// One tip of a window's table: the control's objectName and its text. An own tip is the
// control's own Qt tooltip (the lists, pictures and labels that carry their tip themselves);
// any other is a tool of the window's ToolTips.
struct ToolTipRow
{
    const char* control;
    QString text;
    bool own = false;
};

} // namespace z3d
