#include "gui/tabs/TabPage.h"

#include "gui/SettingsBinder.h"
#include "gui/tooltips/ToolTipTable.h"
#include "gui/tooltips/ToolTipTexts.h"

namespace z3d {

bool TabPage::applySettings(LauncherSettings& settings)
{
    return SettingsBinder::apply(settings, *this);
}

void TabPage::gatherSettings(LauncherSettings& settings) const
{
    SettingsBinder::gather(settings, *this);
}

void TabPage::showToolTips(ToolTips& tips, bool shown)
{
    ToolTipTable::apply(tips, *this, ToolTipTexts::mainWindow(), shown);
}

} // namespace z3d
