#include "core/settings/LauncherSettings.h"

#include "core/settings/SettingsTable.h"

#include <algorithm>
#include <cmath>

namespace z3d {

LauncherSettings::LauncherSettings()
{
    SettingsTable::applyDefaults(*this);
}

LauncherSettings LauncherSettings::defaults(int screenWidthTwips, int screenHeightTwips)
{
    LauncherSettings s;
    s.windowLeft = centredOffset(screenWidthTwips, kWindowWidth);
    s.windowTop = centredOffset(screenHeightTwips, kWindowHeight);
    return s;
}

qint32 LauncherSettings::centredOffset(int screenTwips, int windowTwips)
{
    const double offset = (static_cast<double>(screenTwips) - windowTwips) / 2.0;
    return static_cast<qint32>(std::lround(offset));
}

int LauncherSettings::lightValueForDisplay(int lightValue)
{
    return lightValue > 255 ? 200 : lightValue;
}

int LauncherSettings::clampGrenadeTimeout(int seconds)
{
    return std::clamp(seconds, 0, 7);
}

} // namespace z3d
