#pragma once

// The playlist harnesses' music folder: Music in the scratch folder, made once per process.

#include "FuzzScratch.h"

#include <QString>

namespace z3d::fuzz {

inline const QString& scratchMusicFolder()
{
    static const QString folder = QString::fromStdString(scratchSubfolder("Music").string());
    return folder;
}

} // namespace z3d::fuzz
