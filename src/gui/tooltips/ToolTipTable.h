#pragma once

#include "gui/tooltips/ToolTipRow.h"

#include <QList>

class QWidget;

namespace z3d {

class ToolTips;

// Puts a window's tip table onto the controls one owner holds, or takes it off. The owner's
// share is the rows whose control is found under owner and not under elsewhere (the part of
// the form whose controls another object owns); the other rows are left to their owners.
class ToolTipTable
{
public:
    // Shown: a tool row's control gets a tool, or its existing tool the row's text; an own row
    // sets the control's own tooltip. Not shown: the tools are removed and the own tooltips
    // emptied.
    static void apply(ToolTips& tips, QWidget& owner, const QList<ToolTipRow>& rows, bool shown,
                      const QWidget* elsewhere = nullptr);
};

} // namespace z3d
