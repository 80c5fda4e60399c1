#pragma once

#include "gui/tooltips/ToolTipRow.h"

#include <QList>
#include <QString>

namespace z3d {

// Every tip text of the launcher's windows, exactly as shown: lines joined by CR LF, leading
// and trailing blanks kept. Each window's rows come in the order the window sets them.
class ToolTipTexts
{
public:
    static const QList<ToolTipRow>& mainWindow();
    static const QList<ToolTipRow>& iwadWindow();
    static const QList<ToolTipRow>& shortcutWindow();

    // The games list's own tip for a view (0 installed games, 1 commercial games, 2 zip
    // library) while tooltips are on: empty for the commercial games.
    static QString gamesList(int view);
    // The games list's own tip before its first view is shown.
    static QString gamesListBeforeFirstView();
};

} // namespace z3d
