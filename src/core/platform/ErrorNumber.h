#pragma once

namespace z3d {

// The error numbers the launcher's handlers recognise. Every failing file operation reports one
// of these (ErrorMapping turns system and Qt errors into them), so each command can choose its
// fixed message by number.
enum class ErrorNumber : int
{
    None = 0,
    Overflow = 6,      // a number too large for its field
    TypeMismatch = 13, // a text that is not a number where a number is expected
    FileNotFound = 53,
    FileAlreadyOpen = 55,    // the file is locked or in use
    DiskFull = 61,           // a write found no room left on its file system
    InputPastEndOfFile = 62, // a line was expected but the file ended
    PermissionDenied = 70,
    PathFileAccessError = 75, // any other refusal: exists already, not empty, disk full, ...
    PathNotFound = 76,        // a folder of the path does not exist
    ComponentMissing = 339,
};

constexpr int errorCode(ErrorNumber e)
{
    return static_cast<int>(e);
}

} // namespace z3d
