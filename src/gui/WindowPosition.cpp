#include "gui/WindowPosition.h"

#include "core/app/Twips.h"
#include "core/settings/LauncherSettings.h"

#include <QScreen>
#include <QWidget>

namespace z3d {

void storeWindowPosition(const QWidget& window, LauncherSettings& settings)
{
    const Twips twips(window.logicalDpiX(), window.logicalDpiY());
    const QPoint offset = window.pos() - window.screen()->geometry().topLeft();
    settings.windowTop = twips.fromHeight(offset.y());
    settings.windowLeft = twips.fromWidth(offset.x());
}

} // namespace z3d
