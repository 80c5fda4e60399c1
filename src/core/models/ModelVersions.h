#pragma once

#include <QDateTime>
#include <QString>

namespace z3d {

struct InstallPaths;
struct LauncherSettings;
struct OptionBoxStates;

// The answers of a launch's model-pack tests.
struct ModelPackTests
{
    bool fullpackOk = true;    // the Orrinpack version test on "fullpack.ded"
    bool alternativeOk = true; // ... on "Alternative.ded"
    bool compatible = true;    // the hud-weapons compatibility test
};

// The two version tests a launch runs on the model packs. A failed test never stops the
// launch; the launch switches the affected options off and says so.
class ModelVersions
{
public:
    // First lines of the definition files, compared without regard to case.
    static const QString kOrrinpackVersionLine;
    static const QString kHudWeaponsVersionLine;

    // orrinpack.wad must be newer than this: 12 October 2007, 10:00 local time, on every
    // system (the date is not read through the locale).
    static QDateTime orrinpackWadCutOff();

    // The Orrinpack version test on OrrinpackDefsDir + definitionFile ("Fullpack.ded" or
    // "Alternative.ded"): both that file and ModelDir/Orrinpack/orrinpack.wad must exist;
    // under "/WINE" that is all. Otherwise the definition file's first line must be the
    // Orrinpack version line and the wad must have been modified after the cut-off. A
    // definition file that cannot be read, or is empty, fails.
    static bool orrinpackVersionOk(const InstallPaths& paths, const QString& definitionFile,
                                   bool wineMode);

    // The hud-weapons compatibility test: the standard (ModelDefsDir) and the enhanced
    // (PellamDefsDir) hudweapons.ded must agree on the version line, both carrying it or
    // neither. Passes without reading when Basic Doom mode or "All models" is on, when the
    // replacements are not chosen, or when either file is missing.
    static bool modelsCompatible(const InstallPaths& paths, bool basicDoom, bool allModels,
                                 bool pellamOrrinModels);

    // The tests as a launch runs them on the gathered settings. A weapon pack whose box is
    // greyed is switched off and passes unread; each weapon pack is judged by its own box.
    static ModelPackTests forLaunch(const InstallPaths& paths, LauncherSettings& settings,
                                    const OptionBoxStates& boxes, bool wineMode);
};

} // namespace z3d
