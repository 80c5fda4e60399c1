#pragma once

#include "core/platform/ErrorNumber.h"
#include "core/settings/LauncherSettings.h"

#include <QString>
#include <QStringList>

namespace z3d {

// How reading config.z3d ended.
enum class SettingsReadOutcome
{
    Ok,              // every expected line was read (or there is no file)
    StoppedEarly,    // the file ended, or a number was too large for its field: the lines read
                     // so far stay, the rest keep their defaults; nothing is shown
    ConversionError, // a number line holds no number: the caller shows the configuration-error
                     // message, deletes the file and restarts; settings hold the defaults
};

struct SettingsReadResult
{
    LauncherSettings settings;
    SettingsReadOutcome outcome = SettingsReadOutcome::Ok;
    // 62 file ended, 6 overflow, 13 not a number, 53/70/75 when it could not be opened.
    ErrorNumber error = ErrorNumber::None;
    int linesRead = 0;  // lines taken into the record (0 when there is no file)
    int failedLine = 0; // the line that stopped the reading, 0 when none
    // corpseFadeSeconds is 0: the corpse box's text turns dark red and "Resurrect with fade"
    // is unchecked and disabled.
    bool corpseFadeZero = false;
};

// The first-line version test made at start-up.
enum class SettingsVersion
{
    Missing,  // no config.z3d
    Current,  // first line equals "v7.5" without regard to case
    Outdated, // another first line: the file is discarded, the version-update notice follows
    Corrupt,  // empty (error 62) or could not be opened (55/70/75): discarded, corrupt notice
};

// config.z3d: 86 lines in table order (84 in Wine mode, without the window position), CR LF,
// numbers and flags in the runtime's number format, text lines unchanged.
class SettingsFile
{
public:
    static constexpr const char* kFileName = "config.z3d";

    // Reads the file over defaults (defaults must already hold the centred window position).
    // Lines 85 and 86 are read only outside Wine mode. The grenade timeout is clamped to 0..7
    // afterwards; a missing file gives the defaults and Ok.
    static SettingsReadResult read(const QString& path, bool wineMode,
                                   const LauncherSettings& defaults);
    // The lines SaveSettings writes. Line breaks inside a text field become blanks, so a text
    // can never shift the following lines.
    static QStringList toLines(const LauncherSettings& settings, bool wineMode);
    // Replaces the file atomically with toLines(); None or the error number.
    static ErrorNumber write(const QString& path, const LauncherSettings& settings, bool wineMode);
    // The start-up's test of the first line; error receives the reading error for Corrupt.
    static SettingsVersion checkVersion(const QString& path, ErrorNumber* error = nullptr);
};

} // namespace z3d
