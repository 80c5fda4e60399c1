#pragma once

#include <QString>

namespace z3d {

struct InstallPaths;

// Which model packs the installation holds. A group counts as installed when both its model
// folder under ModelDir and its definition file exist; the remaining flags are the single
// files and folders the box rules look at. Every lookup ignores case.
struct InstalledModelPacks
{
    bool modelDir = false; // ModelDir itself

    bool coreEffects = false;     // CoreEffects + BaseDefsDir/CoreEffects.ded
    bool hudWeapons = false;      // HudWeapons/chainsaw + ModelDefsDir/HudWeapons.ded
    bool monsters = false;        // Monsters/Imp + ModelDefsDir/Monsters.ded
    bool decorations = false;     // Decorations + ModelDefsDir/Decorations.ded
    bool itemsWeapons = false;    // Items + ModelDefsDir/items.ded
    bool splashes = false;        // Splashes + ModelDefsDir/Splashes.ded
    bool flameModels = false;     // Flames + ModelDefsDir/FlameModels.ded
    bool orrinWeapons = false;    // Orrinpack + OrrinpackDefsDir/Fullpack.ded
    bool orrinAltWeapons = false; // Orrinpack + OrrinpackDefsDir/Alternative.ded
    bool brannock = false;        // Monsters/Soldiers2 + AddonDefsDir/TolmsSoldiers.ded

    bool hudWeaponsFolder = false; // the folder HudWeapons, which the optional packs build on
    bool pellamHang7 = false;      // Pellam/Gore/hang7.dmd: the replacements are installed
    bool pellamHang1 = false;      // Pellam/Gore/hang1.png
    bool fullpackDed = false;      // OrrinpackDefsDir/Fullpack.ded
    bool alternativeDed = false;   // OrrinpackDefsDir/Alternative.ded
    bool tolmsSoldiersDed = false; // AddonDefsDir/TolmsSoldiers.ded
    bool monstersImp = false;      // the folder Monsters/Imp
    bool flameModelsDed = false;   // ModelDefsDir/FlameModels.ded

    // Reads the disk only.
    static InstalledModelPacks probe(const InstallPaths& paths);
};

} // namespace z3d
