#pragma once

#include "core/platform/LosslessUtf8.h"

#include <QFile>
#include <QString>

#include <filesystem>

namespace z3d {

// A QString path as the standard library's path type, in the system's file-name encoding.
inline std::filesystem::path toNativePath(const QString& path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

// The path of the file the system names with the bytes path was decoded from by LosslessUtf8
// (a name that is not UTF-8 keeps its bytes, where toNativePath() names another file).
inline std::filesystem::path toLosslessNativePath(const QString& path)
{
#ifdef Q_OS_WIN
    return toNativePath(path);
#else
    return std::filesystem::path(LosslessUtf8::encode(path).toStdString());
#endif
}

// Whether Qt's file layer reaches the file of a LosslessUtf8 path by its text. On Unix Qt names
// files in UTF-8 only: a byte outside UTF-8 becomes U+FFFD, and the text then names another,
// mostly missing, file.
inline bool reachableByText(const QString& path)
{
    return toNativePath(path) == toLosslessNativePath(path);
}

} // namespace z3d
