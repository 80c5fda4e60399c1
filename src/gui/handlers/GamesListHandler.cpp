#include "gui/handlers/GamesListHandler.h"

#include "core/app/LauncherContext.h"
#include "core/inspect/CheckerTool.h"
#include "core/iwads/IwadType.h"
#include "core/platform/PathResolver.h"
#include "gui/handlers/MapListHandler.h"
#include "gui/mainwindow.h"
#include "gui/tabs/GamesTab.h"
#include "gui/tabs/TextColour.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace z3d {

namespace {

constexpr int kShortcutButton = 2;
constexpr int kZipLocationButton = 7;
constexpr int kGamesTab = 0;

const QString kCommercialHeader = QStringLiteral("COMMERCIAL DOOM LIST");
const QString kInstalledHeader = QStringLiteral("INSTALLED GAMES LIST");

int rowOf(const QListWidget* list, const QString& text)
{
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text().compare(text, Qt::CaseInsensitive) == 0)
            return row;
    }
    return -1;
}

int firstSelectedRow(const QListWidget* list)
{
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->isSelected())
            return row;
    }
    return -1;
}

} // namespace

GamesListHandler::GamesListHandler(LauncherContext& context, MainWindow& window,
                                   CheckerTool& checker, MapListHandler& maps)
    : QObject(&window), m_context(context), m_window(window), m_checker(checker), m_maps(maps),
      m_games(window.gamesTab()->gamesList()), m_files(window.gamesTab()->gameFilesList())
{
    connect(m_games, &QListWidget::itemSelectionChanged, this, [this] {
        if (firstSelectedRow(m_games) >= 0)
            selectGame();
    });
    connect(m_files, &QListWidget::itemSelectionChanged, this, [this] {
        if (firstSelectedRow(m_files) >= 0)
            selectGameFile();
    });
    m_window.hooks().switchGamesList = [this](int view) {
        switchGamesList(static_cast<GamesListMode>(view));
    };
}

GamesListHandler::~GamesListHandler() = default;

GamesListMode GamesListHandler::mode() const
{
    return static_cast<GamesListMode>(m_context.settings.gamesListView);
}

bool GamesListHandler::showsCommercialGames() const
{
    return mode() == GamesListMode::DoomGames;
}

void GamesListHandler::selectRow(QListWidget* list, int row)
{
    list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

bool GamesListHandler::selectGameNamed(const QString& name)
{
    const int row = rowOf(m_games, name);
    if (row < 0)
        return false;
    selectRow(m_games, row);
    return true;
}

void GamesListHandler::selectFirstGame()
{
    if (m_games->count() > 0)
        selectRow(m_games, 0);
}

void GamesListHandler::clearGameLists()
{
    m_games->clear();
    m_files->clear();
    m_window.gamesTab()->mapList()->clear();
}

void GamesListHandler::setLaunchAndShortcut(bool launch, bool shortcut)
{
    m_window.control<QWidget>(QStringLiteral("LaunchButton"))->setEnabled(launch);
    m_window.auxButton(kShortcutButton)->setEnabled(shortcut);
}

void GamesListHandler::colourViewOptions(GamesListMode selected)
{
    for (int i = 0; i < 3; ++i) {
        if (i == static_cast<int>(selected))
            TextColour::set(m_window.optionUdir(i), TextColour::darkRed());
        else
            TextColour::reset(m_window.optionUdir(i));
    }
}

void GamesListHandler::switchGamesList(GamesListMode newMode)
{
    GameSelection& selection = m_context.selection;
    LauncherSettings& settings = m_context.settings;
    selection.currentKind = GameKind::None;
    m_window.gamesTab()->saveGameList()->clear();
    colourViewOptions(newMode);
    m_files->clear();
    m_window.gamesTab()->mapList()->clear();
    QLabel* header = m_window.gamesTab()->header(0);

    QString tip;
    if (!settings.disableTooltips && newMode == GamesListMode::InstalledGames)
        tip = QStringLiteral(" Right click on selected game for tasks menu. ");
    else if (!settings.disableTooltips && newMode == GamesListMode::ZipLibrary)
        tip = QStringLiteral(" Right click on selected zip file for tasks menu. ");
    m_games->setToolTip(tip);

    settings.gamesListView = static_cast<int>(newMode);
    bool selected = false;
    switch (newMode) {
    case GamesListMode::DoomGames:
        m_window.gamesTab()->scriptedMapsImage()->hide();
        m_window.auxButton(kZipLocationButton)->hide();
        setLaunchAndShortcut(true, true);
        selection.currentKind = GameKind::IwadGame;
        header->setText(kCommercialHeader);
        fillCommercialGamesList();
        selected = selectGameNamed(settings.lastDoomGame);
        break;
    case GamesListMode::InstalledGames:
    case GamesListMode::ZipLibrary:
        // Not listed yet: the installed-games and zip-library views fill these modes.
        m_window.auxButton(kZipLocationButton)->setVisible(newMode == GamesListMode::ZipLibrary);
        header->setText(kInstalledHeader);
        m_games->clear();
        break;
    }
    if (!selected)
        selectFirstGame();
    if (m_files->count() == 0)
        setLaunchAndShortcut(false, false);
}

void GamesListHandler::fillCommercialGamesList()
{
    m_games->clear();
    for (IwadType type : m_context.iwads.listedGames()) {
        const IwadInfo& info = iwadInfo(type);
        m_games->addItem(QString::fromLatin1(m_context.customFontInUse ? info.displayName
                                                                       : info.upperDisplayName));
    }
}

void GamesListHandler::restoreInitialSelection(GamesListMode initial)
{
    if (initial == GamesListMode::DoomGames) {
        fillCommercialGamesList();
        selectGameNamed(m_context.settings.lastDoomGame);
    }
    colourViewOptions(initial);
}

void GamesListHandler::selectGame()
{
    const int row = firstSelectedRow(m_games);
    if (row < 0)
        return;
    const QString name = m_games->item(row)->text();
    m_files->clear();
    m_window.gamesTab()->mapList()->clear();
    if (mode() == GamesListMode::DoomGames)
        selectCommercialGame(name);
}

void GamesListHandler::selectCommercialGame(const QString& name)
{
    GameSelection& selection = m_context.selection;
    m_window.gamesTab()->shrinkGameList();
    m_window.gamesTab()->header(0)->setText(kCommercialHeader);
    m_context.settings.lastDoomGame = name;
    selection.currentKind = GameKind::IwadGame;

    const std::optional<IwadType> type = iwadTypeFromDisplayName(name);
    if (!type)
        return;
    const QString path = PathResolver::resolve(m_context.iwads.path(*type));
    if (!path.isEmpty() && PathResolver::fileExists(path)) {
        m_files->addItem(PathResolver::lastComponent(path));
        selection.currentGameFolder = PathResolver::parentFolder(path) + QLatin1Char('/');
        selection.selectedIwadPath = path;
        selectRow(m_files, m_files->count() - 1);
    }
    const QString saves = PathResolver::resolveUnder(
        m_context.paths.installRoot,
        QStringLiteral("UserSG/%1/savegame").arg(QLatin1String(iwadInfo(*type).key)));
    listSaveGames(saves);
}

void GamesListHandler::listSaveGames(const QString& folder)
{
    QListWidget* saves = m_window.gamesTab()->saveGameList();
    saves->clear();
    if (!PathResolver::folderExists(folder))
        return;
    const SaveHeaderList headers = m_checker.loadSaveHeaders(folder);
    m_window.control<QPlainTextEdit>(QStringLiteral("FileOutput"))->setPlainText(headers.output);
    saves->addItems(headers.entries);
}

void GamesListHandler::selectGameFile()
{
    GameSelection& selection = m_context.selection;
    QDir::setCurrent(m_context.paths.installRoot);
    QListWidget* maps = m_window.gamesTab()->mapList();

    QString entry;
    for (int row = 0; row < m_files->count() && entry.isEmpty(); ++row) {
        const QString text = m_files->item(row)->text();
        if (m_files->item(row)->isSelected() && text.endsWith(QLatin1String(".wad"),
                                                              Qt::CaseInsensitive))
            entry = text;
    }
    if (entry.isEmpty()) {
        selection.currentGameFile.clear();
        maps->clear();
        setLaunchAndShortcut(false, false);
        return;
    }
    selection.currentGameFile = selection.currentGameFolder + entry;

    const bool shortcut = m_context.settings.shortcutCreation &&
                          m_window.currentTab() == kGamesTab &&
                          mode() != GamesListMode::ZipLibrary;
    setLaunchAndShortcut(true, shortcut);

    auto* wadCheckList = m_window.control<QListWidget>(QStringLiteral("WadCheckList"));
    wadCheckList->clear();
    const WadMapList mapList = m_checker.loadWadMapList(selection.currentGameFile);
    m_window.control<QPlainTextEdit>(QStringLiteral("FileOutput"))->setPlainText(mapList.output);
    if (!mapList.outputEmpty) {
        maps->clear();
        wadCheckList->addItems(mapList.wadCheckList);
        maps->addItems(mapList.mapNames);
    }

    if (m_context.launch.kind != LaunchKind::NewGame) {
        if (m_context.settings.rememberLastMap && restoreChosenMap)
            restoreChosenMap();
        else if (maps->count() > 0)
            maps->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    }
    if (!mapList.hasMaps()) {
        maps->clear();
        setLaunchAndShortcut(false, false);
    }
}

} // namespace z3d
