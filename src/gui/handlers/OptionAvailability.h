#pragma once

namespace z3d {

struct LauncherContext;
class MainWindow;
class TexturePathController;

// Which options can be used: "Basic Doom mode" switches off every port enhancement, and the
// options backed by installed resources (texture and patch sets, detail textures, sky boxes,
// the sound pack) are only offered while those resources exist.
class OptionAvailability
{
public:
    OptionAvailability(LauncherContext& context, MainWindow& window,
                       TexturePathController& texturePaths);

    // BasicDoom: applies the "Basic Doom mode" box to the controls.
    void basicDoom();
    // RefreshHiResOptions: re-enables the texture, patch and detail options whose resources
    // exist. Skipped in Basic Doom mode and for a scripted map.
    void refreshHiResOptions(bool scriptedMap = false);
    // RefreshSoundPackOption: re-enables the sound pack when it is installed (not in Basic
    // Doom mode).
    void refreshSoundPackOption();

private:
    bool fileUnder(const char* relative) const;
    bool folderUnder(const char* relative) const;
    void setEnhancementsEnabled(bool enabled);

    LauncherContext& m_context;
    MainWindow& m_window;
    TexturePathController& m_texturePaths;
};

} // namespace z3d
