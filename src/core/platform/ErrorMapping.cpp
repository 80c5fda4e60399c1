#include "core/platform/ErrorMapping.h"

#include "core/platform/PathResolver.h"

#include <QFileInfo>

namespace z3d {

namespace {

// A missing target: 76 when the folder it should be in is gone too, else by what was sought.
ErrorNumber missing(const QString& path, ErrorMapping::Target target)
{
    const QString parent = PathResolver::parentFolder(path);
    if (!parent.isEmpty() && !PathResolver::folderExists(parent))
        return ErrorNumber::PathNotFound;
    return target == ErrorMapping::Target::File ? ErrorNumber::FileNotFound
                                                : ErrorNumber::PathNotFound;
}

} // namespace

ErrorNumber ErrorMapping::fromSystemError(const std::error_code& error, const QString& path,
                                          Target target)
{
    if (!error)
        return ErrorNumber::None;
    if (error == std::errc::no_such_file_or_directory)
        return missing(path, target);
    if (error == std::errc::not_a_directory)
        return ErrorNumber::PathNotFound;
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
        error == std::errc::read_only_file_system)
        return ErrorNumber::PermissionDenied;
    if (error == std::errc::device_or_resource_busy || error == std::errc::text_file_busy)
        return ErrorNumber::FileAlreadyOpen;
    return ErrorNumber::PathFileAccessError;
}

ErrorNumber ErrorMapping::fromFileError(QFileDevice::FileError error, const QString& path)
{
    switch (error) {
    case QFileDevice::NoError:
        return ErrorNumber::None;
    case QFileDevice::OpenError: {
        const QFileInfo info(PathResolver::resolve(path));
        if (!info.exists())
            return missing(path, Target::File);
        if (info.isDir())
            return ErrorNumber::PathFileAccessError;
        return ErrorNumber::PermissionDenied;
    }
    case QFileDevice::PermissionsError:
        return ErrorNumber::PermissionDenied;
    default:
        return ErrorNumber::PathFileAccessError;
    }
}

} // namespace z3d
