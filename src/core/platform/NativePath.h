#pragma once

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

} // namespace z3d
