#include "support/RecordingLibraryHost.h"

namespace z3d::test {

void RecordingLibraryHost::selectGame()
{
    calls << QStringLiteral("selectGame");
    if (onSelectGame)
        onSelectGame();
}

void RecordingLibraryHost::switchGamesList(GamesListMode mode)
{
    calls << QStringLiteral("switchGamesList %1").arg(int(mode));
}

void RecordingLibraryHost::removeGameShortcuts(const QString& prefix)
{
    calls << QStringLiteral("removeGameShortcuts ") + prefix;
}

void RecordingLibraryHost::replaceSelectedGame(const GamesListEntry& entry)
{
    calls << QStringLiteral("replaceSelectedGame ") + entry.display + u'|' + entry.name;
    selectedName = entry.name;
    selectGame();
}

void RecordingLibraryHost::clearSaveGames()
{
    calls << QStringLiteral("clearSaveGames");
}

void RecordingLibraryHost::showGameFilesList()
{
    calls << QStringLiteral("showGameFilesList");
}

void RecordingLibraryHost::clearScriptedMapsOnly()
{
    calls << QStringLiteral("clearScriptedMapsOnly");
}

void RecordingLibraryHost::redrawGamesList()
{
    calls << QStringLiteral("redrawGamesList");
}

} // namespace z3d::test
