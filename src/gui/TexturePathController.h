#pragma once

#include <QObject>

namespace z3d {

struct LauncherContext;
class MainWindow;

// The " High Resolution Texture Path " frame: the path box (HiResText), its browse button
// (TexButton) and their effect on "High resolution textures" and "High resolution patches".
// The rules live in TexturePaths; this class shows their outcome.
class TexturePathController : public QObject
{
    Q_OBJECT

public:
    TexturePathController(LauncherContext& context, MainWindow& window);

    // The load step's texture part: a valid stored path is shown, else the frame is greyed
    // and disabled; an unchecked "High resolution textures" or "Basic Doom mode" disables the
    // box (and the button under Basic Doom mode).
    void applyAtLoad();

    // TexButton: the folder browser, then the outcome of the chosen folder.
    void texButtonClick();
    // HiResText_Change.
    void hiResTextChanged();

    // Re-applies the texture path test to the path box: true when the path is valid (the box
    // then shows it), else the box shows the invalid-path notice and is disabled.
    bool revalidate();

    // Enables or greys the frame caption, the box and (optionally) the button together.
    void setPathControlsEnabled(bool enabled);

private:
    void showInvalid();

    LauncherContext& m_context;
    MainWindow& m_window;
    bool m_updatingBox = false;
};

} // namespace z3d
