#pragma once

#include "core/settings/FontSettings.h"

#include <QObject>

class QWidget;

namespace z3d {

// The launcher font on the launcher's windows. Installed on the application while a font is
// chosen, it gives each of the launcher's own windows (the main window and its dialogs, not
// message boxes or file dialogs) the font the first time the window is laid out.
class LauncherFont : public QObject
{
    Q_OBJECT

public:
    LauncherFont(const FontSettings& font, QObject* parent = nullptr);

    // Every control of window, the window included: the font's family and size (8 when none
    // was given), bold when the font is bold (a bold control never loses its weight here).
    static void apply(QWidget& window, const FontSettings& font);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FontSettings m_font;
};

} // namespace z3d
