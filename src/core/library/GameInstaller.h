#pragma once

#include "core/platform/ErrorNumber.h"

#include <QString>

#include <functional>

namespace z3d {

class Dialogs;
class Progress;
class ZipExtraction;
struct InstallPaths;

// What an install command leaves for the main window to do.
struct InstallResult
{
    enum class Outcome
    {
        Cancelled, // the file dialog was cancelled; pwads.z3d and the settings were written
        Installed, // a file was chosen and handled; pwads.z3d and the settings were written
        Failed,    // the " Install error" message was shown; pwads.z3d and settings untouched
    };

    Outcome outcome = Outcome::Cancelled;
    // Installed: the chosen file's base name, the game's folder name under GamesDir. The window
    // stores it as lastInstalledGame, ends a user-directory selection, selects "Installed
    // games" (OptionUdir_0) when it is not selected and switches the games list to the
    // installed games, which lists the game and selects it.
    QString game;
    // The game's folder (GamesDir/<game>, in its on-disk spelling); empty unless Installed.
    QString gameFolder;
    // The dialog's folder as the command left it: the chosen file's folder, else the folder
    // the dialog opened in. Written to pwads.z3d unless Failed.
    QString installDialogFolder;

    bool switchToInstalledGames() const { return outcome == Outcome::Installed; }
};

// The install command: asks for a wad or zip download and installs it as the auto-loading game
// GamesDir/<base name>/Pwads.
//
//  - A ".wad" is copied into the game's Pwads folder, replacing a file of that name without a
//    question; a ".zip" is extracted there flat, through the run's zip extraction (which shows
//    " File error" for an archive it cannot open; the install then goes on, leaving the game
//    folder with what was extracted, possibly nothing). A file of another kind installs
//    nothing but otherwise counts as chosen.
//  - An existing game folder is reused: a second wad of the same base name replaces the first,
//    another wad is added beside the game's files. The game folder and its Pwads folder are
//    created only when the game folder is missing, so a game folder without Pwads (a user
//    directory of that name) is an error.
//  - Any failure shows " Install error" (information icon): " Read only error, file can't be
//    overwritten      " for error 70 (the game already holds a read-only file of that name),
//    else " Unknown error, Pwad can not be installed      ". Folders made before the failure
//    stay; pwads.z3d is not written and the settings are not saved.
//  - Room: before anything is created, the wad's size (or the sum of the zip's member sizes)
//    is compared with the free space of GamesDir's file system; a file that does not fit is
//    refused with " Install error" and kNoRoomText. A copy that still runs out of room shows
//    the same message, an extraction that does shows its own; either way the game folder is
//    removed when this install created it, and the outcome is Failed.
//  - A base name that cannot name a folder of GamesDir (empty after trimming, only dots and
//    blanks, or containing '/' or '\\') is refused with the unknown-error message before
//    anything is created or written.
//  - A file name holding a double quote is refused with kQuoteText before anything is created:
//    its game's folder and its wad would reach the engine's command line, where a quote
//    would end their quoted piece early.
//  - Otherwise (also when the dialog was cancelled) the dialog's folder is written to pwads.z3d
//    and the settings are saved. A pwads.z3d that cannot be written is not reported: the game
//    is installed, and the next dialog merely opens elsewhere.
// InstallRoot is the current folder afterwards in every case.
class GameInstaller
{
public:
    static constexpr const char* kDialogTitle = "Install a wad file to the Games List";
    static constexpr const char* kFilterDescription = "Doom levels - zip or wad files";
    static constexpr const char* kFilterPattern = "*.zip;*.wad;";
    static constexpr const char* kDefaultExtension = "wad";
    static constexpr const char* kErrorTitle = " Install error";
    static constexpr const char* kReadOnlyText =
        " Read only error, file can't be overwritten      ";
    static constexpr const char* kUnknownText = " Unknown error, Pwad can not be installed      ";
    static constexpr const char* kNoRoomText =
        " Not enough free disk space, Pwad can not be installed      ";
    static constexpr const char* kQuoteText =
        " The file's name holds a double quote, which cannot be passed to Zorn3D: rename the "
        "file and install it again      ";

    // paths.zipLibraryDir is read at each install: the dialog opens there when pwads.z3d names
    // no existing folder. A wad's copy is shown on progress (which may be null); a zip's
    // extraction on the extraction's own. saveSettings gathers the window's controls and
    // writes config.z3d.
    GameInstaller(const InstallPaths& paths, Dialogs& dialogs, ZipExtraction& zip,
                  Progress* progress, std::function<void()> saveSettings);

    // The click on AuxButton_0. mainWindowVisible decides whether a bad archive is reported.
    InstallResult installGame(bool mainWindowVisible);
    // The same install with path chosen without the dialog (a file dropped on the games list):
    // the same names, questions, messages and remembered folder.
    InstallResult installFile(const QString& path, bool mainWindowVisible);
    // Whether a file dropped on the games list is one the install takes: an existing file
    // ending in ".wad" or ".zip" (any case).
    static bool isInstallable(const QString& path);

    // The game a chosen file installs as: its name without the last extension
    // ("castle.v2.wad" gives "castle.v2"); empty when that name cannot name a folder of
    // GamesDir.
    static QString gameNameFor(const QString& path);

private:
    InstallResult installChosen(const std::optional<QString>& chosen, InstallResult result,
                                bool mainWindowVisible);
    // Copies or extracts path into GamesDir/<name>/Pwads; the folder used is stored in
    // gameFolder.
    ErrorNumber install(const QString& path, const QString& name, bool visible,
                        QString& gameFolder);
    // Whether path fits into GamesDir's file system.
    bool fits(const QString& path, bool wad) const;
    InstallResult fail(ErrorNumber error, InstallResult result);
    InstallResult fail(const char* text, InstallResult result);

    const InstallPaths& m_paths;
    Dialogs& m_dialogs;
    ZipExtraction& m_zip;
    Progress* m_progress;
    std::function<void()> m_saveSettings;
    // The extraction has shown the message of the failure already.
    bool m_failureShown = false;
};

} // namespace z3d
