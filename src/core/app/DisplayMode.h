#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace z3d {

// The display mode the engine used last, from the first line of InstallRoot/Bin/Z3Dres.out:
// "W" (windowed) or "F" (fullscreen), a separator, the resolution text, one or more "*", the
// refresh rate ("W 1024 x 768 x 32 * 100 Hz").
struct DisplayMode
{
    static const QString kUnknownResolution; // "Default Resolution"

    QString resolution = kUnknownResolution;
    QString mode;    // "--- Windowed Mode ---", "--- Fullscreen Mode ---" or empty
    QString refresh; // "100 Hz", or empty
    // The file's modification time when it was read; invalid when there was no file.
    QDateTime modified;

    bool operator==(const DisplayMode&) const = default;

    static QString filePath(const QString& installRoot);
    // The file's mode; the unknown mode when it does not exist or cannot be read.
    static DisplayMode read(const QString& installRoot);
    // A line by the parse rule: the resolution from the third character up to the last "*",
    // the refresh rate after it ("0 Hz" shows nothing); no "*", or a resolution that is empty
    // or starts with "0", is the unknown mode.
    static DisplayMode parse(const QString& line);
    // Whether the file's modification time differs from the one remembered at the last read.
    bool changedOnDisk(const QString& installRoot) const;
};

} // namespace z3d
