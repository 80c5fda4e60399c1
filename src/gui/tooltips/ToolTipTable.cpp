#include "gui/tooltips/ToolTipTable.h"

#include "gui/NamedControls.h"
#include "gui/tooltips/ToolTips.h"

#include <QWidget>

namespace z3d {

void ToolTipTable::apply(ToolTips& tips, QWidget& owner, const QList<ToolTipRow>& rows, bool shown,
                         const QWidget* elsewhere)
{
    const NamedControls controls(owner);
    for (const ToolTipRow& row : rows) {
        auto* control = controls.find<QWidget>(QLatin1String(row.control));
        if (!control || (elsewhere && elsewhere->isAncestorOf(control)))
            continue;
        if (row.own)
            control->setToolTip(shown ? row.text : QString());
        else if (!shown)
            tips.removeTool(control);
        else if (!tips.addTool(control, row.text))
            tips.setToolText(control, row.text);
    }
}

} // namespace z3d
