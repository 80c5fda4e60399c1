#include "gui/handlers/GamesListHandler.h"

#include "core/app/LauncherContext.h"
#include "core/desktop/Shortcuts.h"
#include "core/inspect/CheckerTool.h"
#include "core/iwads/IwadType.h"
#include "core/library/GameFiles.h"
#include "core/library/InstalledGamesList.h"
#include "core/library/InstalledGamesPrefetch.h"
#include "core/library/MainWadChooser.h"
#include "core/library/ScriptedMapTable.h"
#include "core/library/SelectedGame.h"
#include "core/library/ZipExtraction.h"
#include "core/library/ZipLibraryList.h"
#include "core/platform/FileOperations.h"
#include "core/platform/PathResolver.h"
#include "core/saves/SaveGameFolders.h"
#include "gui/handlers/GameFileChoice.h"
#include "gui/handlers/GamesContextMenus.h"
#include "gui/handlers/LauncherShell.h"
#include "gui/handlers/ListRows.h"
#include "gui/handlers/MapListHandler.h"
#include "gui/handlers/SaveListHandler.h"
#include "gui/tabs/GamesTab.h"
#include "gui/tooltips/ToolTipTexts.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QScopedValueRollback>

namespace z3d {

using namespace list_rows;

namespace {

constexpr int kNameRole = Qt::UserRole;
// A Pwads game with more files than this gets the taller game-files list.
constexpr int kFilesBeforeExpanding = 4;

const QString kCommercialHeader = QStringLiteral("COMMERCIAL DOOM LIST");
const QString kInstalledHeader = QStringLiteral("INSTALLED GAMES LIST");
const QString kScriptedHeader = QStringLiteral("ZORN3D SCRIPTED MAP");

} // namespace

GamesListHandler::GamesListHandler(LauncherContext& context, GamesTab& page, LauncherShell& shell,
                                   Services services)
    : QObject(&page), m_context(context), m_page(page), m_shell(shell), m_services(services),
      m_games(page.gamesList()), m_files(page.gameFilesList())
{
    connect(m_games, &QListWidget::itemSelectionChanged, this, [this] {
        if (firstSelectedRow(m_games) >= 0)
            selectGame();
    });
    m_page.header(0)->installEventFilter(this);
    m_page.scriptedMapsImage()->installEventFilter(this);
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

QString GamesListHandler::zipExtractDir() const
{
    return PathResolver::resolveUnder(m_context.paths.launcherDir, QStringLiteral("Zips"));
}

QString GamesListHandler::currentGameName() const
{
    return z3d::selectedGameName(m_context.selection, m_context.settings);
}

QStringList GamesListHandler::gameFileNames() const
{
    QStringList names;
    for (int row = 0; row < m_files->count(); ++row)
        names << m_files->item(row)->text();
    return names;
}

void GamesListHandler::removeGameShortcuts(const QString& prefix)
{
    Shortcuts::removeGameShortcuts(prefix);
}

QString GamesListHandler::selectedGameName() const
{
    const int row = firstSelectedRow(m_games);
    return row < 0 ? QString() : m_games->item(row)->data(kNameRole).toString();
}

QString GamesListHandler::selectedGameFile() const
{
    const int row = firstSelectedRow(m_files);
    return row < 0 ? QString() : m_files->item(row)->text();
}

void GamesListHandler::replaceSelectedGame(const GamesListEntry& entry)
{
    int at = 0;
    changeQuietly(m_games, [&] {
        const int row = firstSelectedRow(m_games);
        if (row >= 0)
            delete m_games->takeItem(row);
        m_games->clearSelection();
        while (at < m_games->count() &&
               m_games->item(at)->text().compare(entry.display, Qt::CaseInsensitive) < 0)
            ++at;
        auto* item = new QListWidgetItem(entry.display);
        item->setData(kNameRole, entry.name);
        m_games->insertItem(at, item);
    });
    selectRow(m_games, at);
}

void GamesListHandler::clearSaveGames()
{
    m_services.saves.clear();
}

void GamesListHandler::showGameFilesList()
{
    m_files->show();
}

void GamesListHandler::redrawGamesList()
{
    m_games->viewport()->update();
}

bool GamesListHandler::selectGameNamed(const QString& game)
{
    int row = rowNamed(m_games, game, kNameRole);
    if (row < 0)
        row = rowNamed(m_games, game, Qt::DisplayRole);
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

void GamesListHandler::selectFirstGameWhenNoneIs()
{
    if (m_games->currentRow() < 0)
        selectFirstGame();
}

void GamesListHandler::clearGameLists()
{
    changeQuietly(m_games, [this] { m_games->clear(); });
    m_files->clear();
    m_page.mapList()->clear();
}

void GamesListHandler::setLaunchAndShortcut(bool launch, bool shortcut)
{
    m_shell.setLaunchEnabled(launch);
    m_shell.setShortcutEnabled(shortcut);
}

void GamesListHandler::showHeader(const QString& text)
{
    m_page.header(0)->setText(text);
}

void GamesListHandler::fillList(const QList<std::pair<QString, QString>>& entries)
{
    QStringList displays;
    displays.reserve(entries.size());
    for (const auto& entry : entries)
        displays.append(entry.first);
    changeQuietly(m_games, [&] {
        m_games->clear();
        // One insertion for the whole list: a library of thousands of games fills at once.
        m_games->addItems(displays);
        for (int row = 0; row < entries.size(); ++row)
            m_games->item(row)->setData(kNameRole, entries.at(row).second);
    });
}

void GamesListHandler::fillCommercialGamesList()
{
    QList<std::pair<QString, QString>> entries;
    for (IwadType type : m_context.iwads.listedGames()) {
        const IwadInfo& info = iwadInfo(type);
        const QString display = QString::fromLatin1(
            m_context.customFontInUse ? info.displayName : info.upperDisplayName);
        entries.append({display, display});
    }
    fillList(entries);
}

void GamesListHandler::usePrefetchedScan(std::unique_ptr<InstalledGamesPrefetch> prefetch)
{
    m_prefetch = std::move(prefetch);
}

std::unique_ptr<InstalledGamesPrefetch> GamesListHandler::dropPrefetchedScan()
{
    return std::move(m_prefetch);
}

void GamesListHandler::fillInstalledGamesList()
{
    const GameFolders folders = m_prefetch ? m_prefetch->take(m_context.paths.gamesDir)
                                           : InstalledGamesList::scan(m_context.paths.gamesDir);
    m_prefetch.reset();
    QList<std::pair<QString, QString>> entries;
    for (const GamesListEntry& entry :
         InstalledGamesList::list(folders, m_scriptedMapsOnly, m_context.customFontInUse))
        entries.append({entry.display, entry.name});
    fillList(entries);
}

void GamesListHandler::switchGamesList(GamesListMode newMode)
{
    GameSelection& selection = m_context.selection;
    LauncherSettings& settings = m_context.settings;
    selection.currentKind = GameKind::None;
    m_services.saves.clear();
    emit spriteOptionsLockDue(false);
    // A switch made by code (after an install, say) shows its view as chosen, too.
    m_page.showView(static_cast<int>(newMode));
    m_files->clear();
    m_page.mapList()->clear();

    m_games->setToolTip(
        settings.disableTooltips ? QString() : ToolTipTexts::gamesList(static_cast<int>(newMode)));

    settings.gamesListView = static_cast<int>(newMode);
    QLabel* scriptedImage = m_page.scriptedMapsImage();
    bool selected = false;
    switch (newMode) {
    case GamesListMode::InstalledGames:
        m_shell.offerZipLibraryLocation(false);
        scriptedImage->setVisible(
            ScriptedMapTable::anyScriptedMapModelsInstalled(m_context.paths) &&
            settings.advancedOptions);
        fillInstalledGamesList();
        setLaunchAndShortcut(true, m_shell.shortcutEnabled());
        showHeader(kInstalledHeader);
        selected = selectGameNamed(settings.lastInstalledGame);
        break;
    case GamesListMode::DoomGames:
        scriptedImage->hide();
        m_shell.offerZipLibraryLocation(false);
        setLaunchAndShortcut(true, true);
        selection.currentKind = GameKind::IwadGame;
        showHeader(kCommercialHeader);
        fillCommercialGamesList();
        selected = selectGameNamed(settings.lastDoomGame);
        break;
    case GamesListMode::ZipLibrary: {
        scriptedImage->hide();
        m_shell.offerZipLibraryLocation(true);
        setLaunchAndShortcut(true, false);
        const bool custom = PathResolver::fileExists(PathResolver::resolveUnder(
                                m_context.paths.launcherDataDir, QStringLiteral("archives.z3d"))) &&
                            PathResolver::folderExists(m_context.paths.zipLibraryDir);
        showHeader(custom ? QStringLiteral("CUSTOM ZIP LIBRARY") : QStringLiteral("ZIP LIBRARY"));
        selection.currentKind = GameKind::ZipArchive;
        QList<std::pair<QString, QString>> entries;
        for (const GamesListEntry& entry :
             ZipLibraryList::list(m_context.paths.zipLibraryDir, m_context.customFontInUse))
            entries.append({entry.display, entry.name});
        fillList(entries);
        selected = selectGameNamed(settings.lastZipLibraryEntry);
        break;
    }
    }
    if (!selected)
        selectFirstGame();
    if (m_files->count() == 0)
        setLaunchAndShortcut(false, false);
    m_switchedTo = newMode;
}

void GamesListHandler::restoreInitialSelection(GamesListMode initial)
{
    const LauncherSettings& settings = m_context.settings;
    // A view switch made before the IWADs were known (the default layout's) left an empty list.
    const bool filled = m_switchedTo == initial && m_games->count() > 0;
    switch (initial) {
    case GamesListMode::InstalledGames:
        if (!filled)
            fillInstalledGamesList();
        selectGameNamed(settings.lastInstalledGame);
        break;
    case GamesListMode::DoomGames:
        if (!filled)
            fillCommercialGamesList();
        selectGameNamed(settings.lastDoomGame);
        break;
    case GamesListMode::ZipLibrary:
        selectGameNamed(settings.lastZipLibraryEntry);
        break;
    }
    m_page.showView(static_cast<int>(initial));
}

void GamesListHandler::selectGame()
{
    const int row = firstSelectedRow(m_games);
    if (row < 0)
        return;
    const QString name = m_games->item(row)->data(kNameRole).toString();
    const bool outermost = !m_selecting;
    const QScopedValueRollback selecting(m_selecting, true);
    if (outermost)
        emit selectingChanged(true);
    chooseGame(name);
    if (outermost)
        emit selectingChanged(false);
}

void GamesListHandler::chooseGame(const QString& name)
{
    m_files->clear();
    m_page.mapList()->clear();
    m_services.files.gameChosen();
    switch (mode()) {
    case GamesListMode::InstalledGames:
        selectInstalledGame(name);
        break;
    case GamesListMode::DoomGames:
        selectCommercialGame(name);
        break;
    case GamesListMode::ZipLibrary:
        selectZipArchive(name);
        break;
    }
}

void GamesListHandler::selectInstalledGame(const QString& name)
{
    GameSelection& selection = m_context.selection;
    GamesTab* page = &m_page;
    const GameKind kind = InstalledGamesList::kindOf(m_context.paths, name);
    selection.currentKind = kind;
    const QString gameDir = PathResolver::resolveUnder(m_context.paths.gamesDir, name);
    QString filesFolder;
    if (kind == GameKind::UserDirectory) {
        page->expandGameList();
        showHeader(kInstalledHeader);
        selection.currentUserDirectory = name;
        filesFolder = PathResolver::resolveUnder(gameDir, QStringLiteral("Gwads"));
    } else {
        page->shrinkGameList();
        showHeader(kind == GameKind::ScriptedMap ? kScriptedHeader : kInstalledHeader);
        selection.currentPwadGame = name;
        filesFolder = PathResolver::resolveUnder(gameDir, QStringLiteral("Pwads"));
    }
    m_context.settings.lastInstalledGame = name;
    m_services.menus.showItemsFor(kind);

    selection.currentGameFile.clear();
    const GameFileList files =
        GameFiles::listGameFiles(filesFolder, m_context.settings.wadFilesOnly);
    m_files->addItems(files.names);
    if (kind != GameKind::UserDirectory && files.count() > kFilesBeforeExpanding)
        page->expandGameList();
    m_services.saves.listFolder(PathResolver::resolveUnder(gameDir, QStringLiteral("savegame")));
    selection.currentGameFolder = filesFolder + QLatin1Char('/');
    if (kind == GameKind::UserDirectory)
        m_services.files.restoreUserDirectorySelection(name);
    else
        selectMainWad(filesFolder);
    if (selection.currentGameFile.isEmpty())
        m_shell.setShortcutEnabled(false);
}

void GamesListHandler::selectCommercialGame(const QString& name)
{
    GameSelection& selection = m_context.selection;
    m_page.shrinkGameList();
    showHeader(kCommercialHeader);
    m_context.settings.lastDoomGame = name;
    selection.currentKind = GameKind::IwadGame;

    const std::optional<IwadType> type = iwadTypeFromDisplayName(name);
    if (!type)
        return;
    // The save games are listed first: selecting the file restores the remembered one.
    m_services.saves.listFolder(SaveGameFolders(m_context.paths).iwadGameFolder(*type));
    const QString path = PathResolver::resolve(m_context.iwads.path(*type));
    if (!path.isEmpty() && PathResolver::fileExists(path)) {
        m_files->addItem(PathResolver::lastComponent(path));
        selection.currentGameFolder = PathResolver::parentFolder(path) + QLatin1Char('/');
        selection.selectedIwadPath = path;
        selectRow(m_files, m_files->count() - 1);
    }
}

void GamesListHandler::selectZipArchive(const QString& name)
{
    GameSelection& selection = m_context.selection;
    LauncherSettings& settings = m_context.settings;
    m_page.expandGameList();
    const QString extractDir = zipExtractDir();
    if (!PathResolver::folderExists(extractDir))
        FileOperations::createFolder(extractDir);
    if (name.compare(settings.lastZipLibraryEntry, Qt::CaseInsensitive) != 0)
        FileOperations::deleteMatching(extractDir, QStringLiteral("*.*"));
    selection.currentZipPath =
        PathResolver::resolveUnder(m_context.paths.zipLibraryDir, name + QStringLiteral(".zip"));
    if (!PathResolver::fileExists(selection.currentZipPath))
        return;
    m_services.zips.extractSelectedZip(selection.currentZipPath, extractDir, m_shell.isShown());
    settings.lastZipLibraryEntry = name;
    m_files->addItems(GameFiles::listFolderFiles(extractDir));
    selection.currentGameFolder = extractDir + QLatin1Char('/');
    selectMainWad(extractDir);
    if (!m_services.files.zipSavesListed())
        m_services.saves.listFolder(
            SaveGameFolders(m_context.paths).zipArchiveFolder(selection.currentGameFile));
}

void GamesListHandler::selectMainWad(const QString& folder)
{
    GameSelection& selection = m_context.selection;
    CheckerTool& checker = m_services.checker;
    const MainWadChoice choice = MainWadChooser::choose(
        folder, MainWadChooser::MapCodesFunction([&checker](const QStringList& wads) {
            return checker.checkWadMapCounts(wads);
        }));
    selection.currentGameFile = choice.mainFile;
    // "A several-files game" is one whose folder held more than one ".wad" file.
    selection.severalFiles = choice.wadCount > 1;
    const int row = rowNamed(m_files, choice.fileName, Qt::DisplayRole);
    if (choice.found() && row >= 0)
        selectRow(m_files, row);
    else
        m_shell.setLaunchEnabled(false);
    m_services.maps.updateLaunchMapAndIwad();
}

void GamesListHandler::toggleScriptedMaps()
{
    if (mode() != GamesListMode::InstalledGames)
        return;
    m_scriptedMapsOnly = !m_scriptedMapsOnly;
    fillInstalledGamesList();
    if (!selectGameNamed(m_context.settings.lastInstalledGame))
        selectFirstGame();
}

bool GamesListHandler::eventFilter(QObject* watched, QEvent* event)
{
    // The event's type first: the filter also sees the events sent while the page is being
    // destroyed, when its controls can no longer be asked for.
    GamesTab* page = &m_page;
    if (event->type() == QEvent::MouseButtonPress &&
        (watched == page->scriptedMapsImage() || watched == page->header(0))) {
        const bool toggles = watched == page->scriptedMapsImage() ||
                             (ScriptedMapTable::anyScriptedMapModelsInstalled(m_context.paths) &&
                              m_context.settings.advancedOptions);
        if (toggles)
            toggleScriptedMaps();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace z3d
