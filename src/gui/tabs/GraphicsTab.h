#pragma once

#include "gui/tabs/TabPage.h"

#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace Ui {
class GraphicsTab;
}

namespace z3d {

struct OptionAvailability;
struct DisplayMode;

// Page 2 ("Graphics", TabFrame_2): the graphics boxes (chkGraphics 0..4) with the two sky-box
// choices (SkyOpt 0/1), the effect boxes (chkEffects 0, 2, 3), the display-resolution labels
// (ResLabel 0..3) and the " High Resolution Texture Path " frame (HiResText, TexButton).
class GraphicsTab : public TabPage
{
    Q_OBJECT

public:
    explicit GraphicsTab(QWidget* parent = nullptr);
    ~GraphicsTab() override;

    // Enables the page's controls as the availability says: the detail, sky-box and patch
    // boxes, the effect boxes (the effects frame caption greyed with them) and the texture
    // path's box and button (the frame caption greyed with the box).
    void applyAvailability(const OptionAvailability& available);
    // Load: "Detail textures" cannot be on without its file.
    void uncheckDetailTextures();
    // "High resolution patches" is checked.
    bool hiResPatchesChosen() const;
    // The display mode the engine used last, in the resolution labels (ResLabel 1 to 3).
    void showDisplayMode(const DisplayMode& mode);
    // The texture path box (HiResText) as the player sees it, and putting a text there.
    QString texturePathText() const;
    void showTexturePath(const QString& text);

signals:
    // A sky-box style option (SkyOpt) became selected.
    void skyboxStyleChosen(int style);
    // The texture path box's text changed, by the player or by code.
    void texturePathChanged();
    // The texture path's button (TexButton) was clicked.
    void texturePathBrowseWanted();

private:
    std::unique_ptr<Ui::GraphicsTab> m_ui;
};

} // namespace z3d
