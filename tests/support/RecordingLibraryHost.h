#pragma once

#include "core/library/LibraryHost.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace z3d::test {

// A main window for the game and archive operations that records each call it receives, as
// one line in calls ("selectGame", "switchGamesList 0", "removeGameShortcuts <prefix>",
// "replaceSelectedGame <display>|<name>", "clearSaveGames", "showGameFilesList",
// "clearScriptedMapsOnly", "redrawGamesList"). Its lists answer with what the test puts in
// the public fields; replaceSelectedGame selects the new entry and then runs selectGame, as
// the window does. onSelectGame, when set, runs inside each selectGame in place of the
// window's re-reading of the game.
class RecordingLibraryHost : public LibraryHost
{
public:
    void selectGame() override;
    void switchGamesList(GamesListMode mode) override;
    void removeGameShortcuts(const QString& prefix) override;
    QString selectedGameName() const override { return selectedName; }
    QString selectedGameFile() const override { return selectedFile; }
    QStringList gameFileNames() const override { return fileNames; }
    void replaceSelectedGame(const GamesListEntry& entry) override;
    void clearSaveGames() override;
    void showGameFilesList() override;
    void clearScriptedMapsOnly() override;
    void redrawGamesList() override;

    QStringList calls;
    QString selectedName;
    QString selectedFile;
    QStringList fileNames;
    std::function<void()> onSelectGame;
};

} // namespace z3d::test
