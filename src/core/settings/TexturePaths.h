#pragma once

#include "core/platform/InstallPaths.h"

#include <QString>

#include <optional>

namespace z3d {

// The result of the texture path test.
struct TexturePathCheck
{
    bool valid = false;
    QString texturePath;            // the new TexturePath
    std::optional<QString> boxText; // set when the path box must show a new text
};

// The result of the patch folder test.
struct PatchesCheck
{
    bool available = false;
    QString textureSetDir; // the new TextureSetDir (unchanged when InstallRoot/Data/Patches
                           // exists)
};

// Three states a control is left in by the texture-path button.
enum class ControlChange
{
    Unchanged,
    Enable,
    Disable
};

// Everything the texture-path button's choice changes; the window only displays it.
struct TextureChoiceOutcome
{
    bool valid = false;
    QString boxText;                                  // what the path box shows
    QString texturePath;                              // the new TexturePath
    QString textureSetDir;                            // the new TextureSetDir
    ControlChange patches = ControlChange::Unchanged; // "High resolution patches"
    // valid: "High resolution textures" checked and enabled, the box enabled.
    // not valid: both disabled and the frame caption greyed.
};

// The high-resolution texture path rules. The file side effects (texpath.z3d) go through
// AuxiliaryFiles; everything else is returned for the window to show.
class TexturePaths
{
public:
    static constexpr const char* kInvalidPathText =
        "Not installed or the specified path is invalid";

    // TexturePathValid: texturePath, else the path box's text, is valid when it holds a
    // "Textures" folder or is itself an existing folder named "Textures" (any case); failing
    // both, the default InstallRoot/Data/Textures is taken (and shown) when it exists.
    static TexturePathCheck texturePathValid(const QString& texturePath, const QString& boxText,
                                             const InstallPaths& paths);
    // PatchesAvailable: InstallRoot/Data/Patches exists; else TextureSetDir becomes
    // texturePath (or its parent when it is named "Textures") and the test is whether it holds
    // a "Patches" folder.
    static PatchesCheck patchesAvailable(const QString& texturePath, const QString& textureSetDir,
                                         const InstallPaths& paths);
    // The texture-path button after the folder browser closed: chosenFolder is the chosen
    // folder (nothing when cancelled) and boxText the box's text before. Writes or deletes
    // texpath.z3d as the outcome requires.
    static TextureChoiceOutcome chooseFolder(const QString& texturePath,
                                             const QString& textureSetDir, const QString& boxText,
                                             const std::optional<QString>& chosenFolder,
                                             const InstallPaths& paths);
    // The path box's text changed: when texturePath is an existing folder the box text
    // becomes the texture path and is stored (unless it is the default folder). The
    // invalid-path notice is never taken as a path. Returns the new TexturePath.
    static QString pathBoxChanged(const QString& texturePath, const QString& boxText,
                                  const InstallPaths& paths);
};

} // namespace z3d
