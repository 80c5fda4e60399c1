#pragma once

#include "core/launch/LaunchInputs.h"
#include "core/settings/LauncherSettings.h"

#include <QMetaType>
#include <QString>

#include <functional>
#include <initializer_list>
#include <type_traits>
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

// A row's setup as the list of changes it makes, applied in turn: a table column of this type
// takes `{on(&LauncherSettings::editMode), set(&LauncherSettings::lightValue, 180)}`.
using LaunchSteps = QList<LaunchSetup>;

inline void apply(const LaunchSteps& steps, LauncherSettings& s, LaunchInputs& in)
{
    for (const LaunchSetup& step : steps)
        step(s, in);
}

// Several steps that go together as one.
inline LaunchSetup steps(const LaunchSteps& list)
{
    return [list](LauncherSettings& s, LaunchInputs& in) { apply(list, s, in); };
}

// The records a row's steps name members of, by short names: `on(&S::editMode)`.
using S = LauncherSettings;
using In = LaunchInputs;
using State = LaunchState;
using Game = InstalledGameInputs;
using Boxes = OptionBoxStates;

// The record of the settings or inputs that holds members of Owner.
template <typename Owner> Owner& holderOf(LauncherSettings& s, LaunchInputs& in)
{
    if constexpr (std::is_same_v<Owner, LauncherSettings>) {
        return s;
    } else if constexpr (std::is_same_v<Owner, LaunchInputs>) {
        return in;
    } else if constexpr (std::is_same_v<Owner, LaunchState>) {
        return in.state;
    } else if constexpr (std::is_same_v<Owner, InstalledGameInputs>) {
        return in.game;
    } else {
        static_assert(std::is_same_v<Owner, OptionBoxStates>, "not a record of a launch");
        return in.boxes;
    }
}

// One member of the settings, the inputs, or the inputs' state, game or boxes set to `value`.
template <typename Owner, typename T>
LaunchSetup set(T Owner::*member, std::type_identity_t<T> value)
{
    return [member, value](LauncherSettings& s, LaunchInputs& in) {
        holderOf<Owner>(s, in).*member = value;
    };
}

// Switches of one record all set to `value`.
template <typename Owner>
LaunchSetup setAll(std::initializer_list<bool Owner::*> members, bool value)
{
    return [list = QList<bool Owner::*>(members), value](LauncherSettings& s, LaunchInputs& in) {
        for (bool Owner::*member : list)
            holderOf<Owner>(s, in).*member = value;
    };
}

// Switches turned on, or off (a box off is a greyed box).
template <typename Owner> LaunchSetup on(bool Owner::*member)
{
    return set(member, true);
}

template <typename Owner> LaunchSetup off(bool Owner::*member)
{
    return set(member, false);
}

template <typename Owner> LaunchSetup on(std::initializer_list<bool Owner::*> members)
{
    return setAll(members, true);
}

template <typename Owner> LaunchSetup off(std::initializer_list<bool Owner::*> members)
{
    return setAll(members, false);
}

// The manual playlist `name` chosen, its file there or not.
inline LaunchSetup manualPlaylist(const QString& name, bool fileExists = true)
{
    return [name, fileExists](LauncherSettings& s, LaunchInputs& in) {
        s.manualPlaylist = true;
        s.playlistName = name;
        in.manualPlaylistFileExists = fileExists;
    };
}

// A saved game in `slot` to be loaded.
inline LaunchSetup saveGame(const QString& slot)
{
    return [slot](LauncherSettings&, LaunchInputs& in) {
        in.state.kind = LaunchKind::LoadSave;
        in.state.saveSlot = slot;
    };
}

} // namespace z3d::test

Q_DECLARE_METATYPE(z3d::test::LaunchSetup)
