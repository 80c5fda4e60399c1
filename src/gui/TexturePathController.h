#pragma once

#include "core/settings/TexturePaths.h"

#include <QObject>

namespace z3d {

struct LauncherContext;
class GraphicsTab;
class LauncherShell;

// The " High Resolution Texture Path " frame's path box (HiResText) and browse button
// (TexButton): the folder browser, the path typed into the box and the path the box shows.
// The rules live in TexturePaths; which options the outcome enables is decided with the
// other options' availability.
class TexturePathController : public QObject
{
    Q_OBJECT

public:
    TexturePathController(LauncherContext& context, GraphicsTab& page, LauncherShell& shell);

    // TexButton: the folder browser, then the chosen folder's outcome (textureChosen).
    void texButtonClick();
    // HiResText_Change.
    void hiResTextChanged();
    // The path box's text.
    QString pathBoxText() const;
    // The texture path test's result in the path box: the path when valid, else the notice
    // "Not installed or the specified path is invalid".
    void showTestedPath(bool valid, const QString& path);

signals:
    // The browse button settled on a folder (or kept the path it had).
    void textureChosen(const TextureChoiceOutcome& outcome);

private:
    void showInBox(const QString& text);

    LauncherContext& m_context;
    GraphicsTab& m_page;
    LauncherShell& m_shell;
    bool m_updatingBox = false;
};

} // namespace z3d
