#include "core/library/SelectedGame.h"

#include "core/settings/LauncherSettings.h"

namespace z3d {

QString selectedGameName(const GameSelection& selection, const LauncherSettings& settings)
{
    switch (selection.currentKind) {
    case GameKind::IwadGame:
        return settings.lastDoomGame;
    case GameKind::PwadGame:
    case GameKind::ScriptedMap:
        return selection.currentPwadGame;
    case GameKind::UserDirectory:
        return selection.currentUserDirectory;
    case GameKind::ZipArchive:
        return settings.lastZipLibraryEntry;
    case GameKind::None:
        break;
    }
    return {};
}

} // namespace z3d
