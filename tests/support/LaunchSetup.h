#pragma once

#include "core/launch/LaunchInputs.h"
#include "core/settings/LauncherSettings.h"

#include <QMetaType>
#include <QString>

#include <functional>
#include <initializer_list>
#include <utility>

namespace z3d::test {

// What a row of a launch table changes in the settings and inputs it starts from.
using LaunchSetup = std::function<void(LauncherSettings&, LaunchInputs&)>;

// Where the IWADs of launchInputs() stand.
inline const QString kDoom2 = QStringLiteral("/z3d/Iwads/DOOM2.WAD");
inline const QString kDoom = QStringLiteral("/z3d/Iwads/Doom.wad");
inline const QString kTnt = QStringLiteral("/z3d/Iwads/TNT.WAD");

// The settings file's defaults at skill 4.
inline LauncherSettings launchSettings()
{
    LauncherSettings s;
    s.skill = 4;
    return s;
}

// An installation in /z3d where each of `iwads` is where the engine finds it by name; Doom II
// is chosen, to warp to MAP07.
inline LaunchInputs launchInputs(std::initializer_list<std::pair<IwadType, QString>> iwads)
{
    LaunchInputs in;
    in.paths = InstallPaths::fromInstallRoot(QStringLiteral("/z3d"));
    for (const auto& [type, path] : iwads) {
        in.registry.setPath(type, path);
        in.iwadFiles.insert(path, IwadFileFacts{true, true});
    }
    in.selectedIwadFile = kDoom2;
    in.state.kind = LaunchKind::WarpToMap;
    in.state.warpArgument = QStringLiteral("07");
    in.state.iwadPath = kDoom2;
    return in;
}

} // namespace z3d::test

Q_DECLARE_METATYPE(z3d::test::LaunchSetup)
