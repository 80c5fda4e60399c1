#pragma once

#include "core/launch/LaunchOutcome.h"

#include <QString>

namespace z3d {

class EngineCommandLine;

// The fixed message boxes of a launch: titles and texts byte for byte, leading and trailing
// blanks included; two-line texts are joined by CR LF. All use the information style (64).
class LaunchMessages
{
public:
    // Non-stopping warnings of the model-pack tests.
    static LaunchMessage orrinpackVersion();
    static LaunchMessage modelCompatibility();
    static LaunchMessage orrinpackWadMissing();

    // Refusals.
    static LaunchMessage iwadLocation(); // the chosen commercial IWAD file is missing
    static LaunchMessage mapUpdateRequired();
    static LaunchMessage noWadSelected();
    // fileName: the selected user-directory file's name (shown in capitals).
    static LaunchMessage noValidWadSelected(const QString& fileName);
    static LaunchMessage finalDoomIwadMissing();
    // iwadFileName: "Doom2.wad" or "Doom.wad".
    static LaunchMessage iwadNotFoundForMap(const QString& iwadFileName);
    // A line that would not reach the engine as the arguments it was built from: it names the
    // value that cannot be quoted (the installation folder when that is where the quote is),
    // else shows the line.
    static LaunchMessage unsplittableLine(const EngineCommandLine& line,
                                          const QString& installRoot);

    // The launch button's refusal for a game file without levels (" Wad error"): fileName is
    // the game file's name, shown in lower case.
    static LaunchMessage noLevels(const QString& fileName);
    static QString noLevelsText(const QString& fileName);
};

} // namespace z3d
