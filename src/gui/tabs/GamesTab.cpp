#include "gui/tabs/GamesTab.h"

#include "core/app/Twips.h"
#include "gui/tabs/MapTitleDelegate.h"
#include "gui/tabs/TextColour.h"
#include "gui/tabs/WidestRowDelegate.h"
#include "gui/tooltips/ListTips.h"
#include "gui/tooltips/MapTipContent.h"
#include "gui/tooltips/ToolTipTexts.h"
#include "ui_GamesTab.h"

#include <QDropEvent>
#include <QMimeData>
#include <QSignalBlocker>
#include <QUrl>

namespace z3d {

namespace {
constexpr int kFilesShrunk = 1020;
constexpr int kSavesShrunk = 1605;
constexpr int kFilesExpanded = 1740;
constexpr int kSavesExpanded = 885;
} // namespace

GamesTab::GamesTab(QWidget* parent) : TabPage(parent), m_ui(std::make_unique<Ui::GamesTab>())
{
    m_ui->setupUi(this);
    m_optionUdir = {m_ui->OptionUdir_0, m_ui->OptionUdir_1, m_ui->OptionUdir_2};
    for (int i = 0; i < 3; ++i) {
        connect(m_optionUdir[i], &QAbstractButton::toggled, this, [this, i](bool on) {
            if (on)
                emit viewChosen(i);
        });
    }
    connect(m_ui->ButPurge_0, &QAbstractButton::clicked, this, &GamesTab::purgeSaveGamesClicked);
    connect(m_ui->ButPurge_1, &QAbstractButton::clicked, this, &GamesTab::deleteAllNodesClicked);
    // Thousands of games may be listed: their rows are laid out from the widest one's size
    // rather than measured one by one.
    m_ui->PwadList->setUniformItemSizes(true);
    m_ui->PwadList->setItemDelegate(new WidestRowDelegate(m_ui->PwadList));
    m_ui->PwadList->setAcceptDrops(true);
    m_ui->PwadList->viewport()->setAcceptDrops(true);
    m_ui->PwadList->viewport()->installEventFilter(this);
    shrinkGameList();
    m_ui->PwadList->setToolTip(ToolTipTexts::gamesListBeforeFirstView());
    m_ui->MapList->setItemDelegate(new MapTitleDelegate(m_ui->MapList));
    auto mapTipContent = std::make_unique<MapTipContent>(*m_ui->MapList);
    m_mapTipContent = mapTipContent.get();
    m_mapTips = new ListTips(*m_ui->MapList, std::move(mapTipContent));
}

GamesTab::~GamesTab() = default;

void GamesTab::showToolTips(ToolTips& tips, bool shown)
{
    TabPage::showToolTips(tips, shown);
    m_tips = shown ? &tips : nullptr;
    for (ListTips* listTips : {m_mapTips, m_gameTips, m_gameFileTips}) {
        if (listTips)
            listTips->setToolTips(m_tips);
    }
    // The games list's own tip goes with the others and comes back with its view's.
    const int view = selectedView();
    if (!shown || view >= 0)
        m_ui->PwadList->setToolTip(shown ? ToolTipTexts::gamesList(view) : QString());
}

QLabel* GamesTab::header(int index) const
{
    switch (index) {
    case 0:
        return m_ui->Auto_0;
    case 1:
        return m_ui->Auto_1;
    case 2:
        return m_ui->Auto_2;
    case 3:
        return m_ui->Auto_3;
    default:
        return nullptr;
    }
}

bool GamesTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_ui->PwadList->viewport())
        return QGroupBox::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (drag->mimeData()->hasUrls()) {
            drag->acceptProposedAction();
            return true;
        }
        break;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        QStringList paths;
        for (const QUrl& url : drop->mimeData()->urls())
            paths << (url.isLocalFile() ? url.toLocalFile() : url.toString());
        drop->acceptProposedAction();
        emit filesDropped(paths);
        return true;
    }
    default:
        break;
    }
    return QGroupBox::eventFilter(watched, event);
}

QListWidget* GamesTab::gamesList() const
{
    return m_ui->PwadList;
}
QListWidget* GamesTab::gameFilesList() const
{
    return m_ui->PwadShowlist;
}
QListWidget* GamesTab::mapList() const
{
    return m_ui->MapList;
}
QListWidget* GamesTab::saveGameList() const
{
    return m_ui->SaveGameList;
}

void GamesTab::showMaps(const QStringList& names, const QStringList& titles, const QString& wadPath)
{
    m_ui->MapList->clear();
    m_ui->MapList->addItems(names);
    for (int row = 0; row < names.size() && row < titles.size(); ++row)
        m_ui->MapList->item(row)->setData(MapTitleDelegate::TitleRole, titles.at(row));
    m_mapTipContent->setWad(wadPath);
}

void GamesTab::showMapTipSkill(int skill, const QString& name)
{
    m_mapTipContent->setSkill(skill, name);
}

void GamesTab::showGameTips(const GameTipContent::FaceOf& faceOf)
{
    const auto view = [this] { return static_cast<GamesListMode>(std::max(0, selectedView())); };
    const auto gameOf = [this, view](int row) -> std::optional<AddonFaceEntry> {
        const QListWidgetItem* item = m_ui->PwadList->item(row);
        if (!item)
            return std::nullopt;
        return AddonFaceEntry{view(), item->text(), {}};
    };
    // A game-files entry is a file of the game chosen in the games list.
    const auto fileOf = [this, view](int row) -> std::optional<AddonFaceEntry> {
        const QListWidgetItem* game = m_ui->PwadList->currentItem();
        const QListWidgetItem* file = m_ui->PwadShowlist->item(row);
        if (!game || !file)
            return std::nullopt;
        return AddonFaceEntry{view(), game->text(), file->text()};
    };
    delete m_gameTips;
    delete m_gameFileTips;
    m_gameTips = new ListTips(*m_ui->PwadList, std::make_unique<GameTipContent>(gameOf, faceOf));
    m_gameFileTips =
        new ListTips(*m_ui->PwadShowlist, std::make_unique<GameTipContent>(fileOf, faceOf));
    m_gameTips->setToolTips(m_tips);
    m_gameFileTips->setToolTips(m_tips);
}

QLabel* GamesTab::scriptedMapsImage() const
{
    return m_ui->ImageCM;
}

int GamesTab::selectedView() const
{
    for (int i = 0; i < 3; ++i) {
        if (m_optionUdir[i]->isChecked())
            return i;
    }
    return -1;
}

void GamesTab::chooseView(int view)
{
    if (view >= 0 && view < 3)
        m_optionUdir[view]->setChecked(true);
}

void GamesTab::showView(int view)
{
    for (int i = 0; i < 3; ++i) {
        if (i == view) {
            const QSignalBlocker quiet(m_optionUdir[i]);
            m_optionUdir[i]->setChecked(true);
            TextColour::set(m_optionUdir[i], TextColour::darkRed());
        } else {
            TextColour::reset(m_optionUdir[i]);
        }
    }
}

LaunchButtons GamesTab::launchButtons(bool shortcutCreation) const
{
    const QList<QListWidgetItem*> chosen = m_ui->PwadShowlist->selectedItems();
    bool wadChosen = false;
    for (const QListWidgetItem* item : chosen)
        wadChosen = wadChosen || item->text().endsWith(QLatin1String(".wad"), Qt::CaseInsensitive);
    return launchButtonsForGamesTab(m_ui->PwadShowlist->count(), m_ui->MapList->count(),
                                    !chosen.isEmpty(), wadChosen, selectedView(), shortcutCreation);
}

void GamesTab::offerScriptedMapsToggle(bool offered)
{
    m_ui->ImageCM->setVisible(offered);
}

void GamesTab::offerZipLibraryView(bool offered)
{
    m_optionUdir[2]->setVisible(offered);
}

void GamesTab::shrinkGameList()
{
    setListHeights(kFilesShrunk, kSavesShrunk);
}

void GamesTab::expandGameList()
{
    setListHeights(kFilesExpanded, kSavesExpanded);
}

void GamesTab::setListHeights(int filesTwips, int savesTwips)
{
    const Twips twips(logicalDpiX(), logicalDpiY());
    m_ui->PwadShowlist->setFixedHeight(twips.height(filesTwips));
    m_ui->SaveGameList->setFixedHeight(twips.height(savesTwips));
}

} // namespace z3d
