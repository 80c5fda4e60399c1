#pragma once

#include <QString>

namespace z3d::test {

// The ways a file is changed under a program that remembered it.
enum class FileChange
{
    None,
    // Only its modification time moves (an hour on).
    TimeMoved,
    // Other bytes written over its own, its size and modification time kept.
    RewrittenKeepingSizeAndTime,
    // Another file of the same size and modification time renamed over it (as "cp -p" to a
    // temporary and a rename, or an unzip, leave it).
    ReplacedKeepingSizeAndTime,
    // Bytes appended.
    Grown,
};

// Changes the file at path so. First waits until the file system's clock has passed the file's
// last change, so that any change of the file shows in its change time however coarse that
// clock is. True when done.
bool changeFile(const QString& path, FileChange change);

} // namespace z3d::test
