#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace z3d {

// The tips of the day: LauncherDataDir/tips.txt, one tip a line in file order (empty lines
// included), shown one at a time, each showing continuing after the tip shown last, also across
// runs (tipNumber in the settings, 1-based, 0 before the first).
class TipsOfTheDay
{
public:
    // Shown in place of a tip when the file is missing or cannot be read.
    static const QString kMissingFileText;

    static QString filePath(const QString& launcherDataDir);
    // Every line of the file; nothing when it does not exist or cannot be read.
    static std::optional<QStringList> read(const QString& launcherDataDir);
    // The number of the tip after tipNumber among count tips: 1 past the last (or from a
    // number that is out of range); 0 when there are no tips.
    static int next(int tipNumber, int count);
};

} // namespace z3d
