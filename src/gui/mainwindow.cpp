#include "gui/mainwindow.h"

#include "core/app/StartupTrace.h"
#include "core/inspect/MapContentsText.h"
#include "core/library/GameRecords.h"
#include "core/library/GameSelection.h"
#include "core/settings/LauncherSettings.h"
#include "gui/CommandBar.h"
#include "gui/GlobalOptions.h"
#include "gui/PictureButton.h"
#include "gui/Pictures.h"
#include "gui/SettingsBinder.h"
#include "gui/tabs/GamesTab.h"
#include "gui/tabs/GraphicsTab.h"
#include "gui/tabs/ModelsTab.h"
#include "gui/tabs/OptionsTab.h"
#include "gui/tabs/SoundTab.h"
#include "gui/tabs/TabPages.h"
#include "gui/tabs/TextColour.h"
#include "gui/tooltips/ToolTips.h"
#include "gui/tooltips/ToolTipTable.h"
#include "gui/tooltips/ToolTipTexts.h"
#include "gui/WindowShell.h"
#include "ui_mainwindow.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

namespace z3d {

namespace {

// The first global-options frame with the spacing below it; the default layout gives exactly
// this height up when it hides the frame.
constexpr int kGlobalFrameTwips = 810;

} // namespace

MainWindow::MainWindow(LauncherSettings& settings, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::MainWindow>()), m_settings(settings)
{
    // The window's compact size is set before its controls are made, so they take it as they
    // are made rather than each being measured again at the size they lose.
    QFont compact = font();
    compact.setPointSize(8);
    setFont(compact);
    m_ui->setupUi(this);
    m_optionTabs = {*this, "OptionTabs"};
    m_chkMain = {*this, "chkMain"};
    m_commands = new CommandBar(*this);
    m_globalOptions = new GlobalOptions(*this, *m_ui->chkTesting, m_settings);

    StartupTrace::mark("main window form");
    m_pages = new TabPages(m_flags, m_settings, *m_ui->TabArea);
    StartupTrace::mark("tab pages' forms");
    m_shell = std::make_unique<WindowShell>(*this, *m_pages, *m_ui->LaunchButton, *m_commands,
                                            *skillsLevel(1), *m_ui->FileOutput, m_optionTabs);
    loadPictures();

    // A zero-sized visible box that takes the keyboard focus away from the visible controls.
    m_ui->FileOutput->setFocusPolicy(Qt::ClickFocus);
    m_ui->FileOutput->lower();

    // Controls hidden until something asks for them.
    m_ui->StartFrame->hide();
    m_ui->SkillFrame->hide();
    m_ui->WineImage->hide();
    m_ui->EditFrame->hide();
    m_pages->games()->scriptedMapsImage()->hide();

    const Twips size = twips();
    setFixedSize(size.width(kWidthTwips), size.height(kFullHeightTwips));
    m_ui->GlobalFrame_0->setFixedHeight(size.height(kGlobalFrameTwips) - layout()->spacing());
    // Both lower panels take the same room, so switching them moves nothing else.
    m_ui->LowerPanel->setMinimumHeight(std::max(m_ui->CommandLineFrame->sizeHint().height(),
                                                m_ui->EditFrame->sizeHint().height()));

    wireHandlers();
    watchKeysAndPictures();
    optionTabsClick(0);
    rememberLayout();
}

MainWindow::~MainWindow() = default;

void MainWindow::loadPictures()
{
    // The title gives way to the theme's picture when the load step finds one.
    Pictures::setWhenShown(*m_ui->TitlePic, "title");
    Pictures::setWhenShown(*m_ui->WineImage, "wine");
    m_ui->SelButton->setIcon(QIcon(Pictures::named("swap")));
    QLabel* scripted = m_pages->games()->scriptedMapsImage();
    Pictures::setWhenShown(*scripted, "scripted");
    scripted->setScaledContents(true);
}

void MainWindow::wireHandlers()
{
    for (int i = 0; i < kTabCount; ++i)
        connect(optionTabs(i), &QAbstractButton::clicked, this, [this, i] { optionTabsClick(i); });
    connect(m_commands, &CommandBar::clicked, this, &MainWindow::auxButtonClicked);
    auto* home = new PictureButton(*m_ui->Home_0, "home", "home_pressed");
    connect(home, &PictureButton::clicked, this, &MainWindow::homeClicked);
    m_ui->TitlePic->installEventFilter(this);
    connect(m_globalOptions, &GlobalOptions::skillChosen, this, &MainWindow::skillChosen);
    connect(m_globalOptions, &GlobalOptions::skillChosen, this, &MainWindow::showMapTipSkill);
    connect(m_pages->graphics(), &GraphicsTab::skyboxStyleChosen, this, &MainWindow::skyOptClick);
    // Failures are not reported: a record that cannot be deleted is simply left behind.
    connect(m_pages->options(), &OptionsTab::rememberedMapsDropped, this,
            [this] { GameRecords(m_paths).deleteMapRecords(); });
    connect(m_pages->options(), &OptionsTab::rememberedSavesDropped, this,
            [this] { GameRecords(m_paths).deleteSaveRecords(); });
    connect(m_pages->options(), &OptionsTab::shortcutCreationChanged, m_commands,
            &CommandBar::offerShortcut);
    connect(m_pages->options(), &OptionsTab::tooltipsDisabledChanged, this,
            &MainWindow::tooltipsDisabledChanged);
    connect(m_pages->options(), &OptionsTab::tooltipsDisabledChanged, this,
            [this](bool off) { showToolTips(!off); });
    connect(m_pages->options(), &OptionsTab::tipsDisplayChanged, this,
            &MainWindow::tipsDisplayChanged);
    connect(chkMain(kAdvancedOptionsBox), &QAbstractButton::toggled, this, [this](bool on) {
        m_settings.advancedOptions = on;
        if (on)
            advancedMode();
        else
            defaultMode();
    });
    connect(chkMain(kBasicDoomBox), &QAbstractButton::toggled, this, &MainWindow::basicDoomChanged);
    // Under "/WINE" the Wine marker gives way to the edit mode and comes back after it.
    connect(chkMain(kEditModeBox), &QAbstractButton::toggled, this, [this](bool on) {
        if (m_wineMode)
            m_ui->WineImage->setVisible(!on);
    });
    connect(m_pages->sound(), &SoundTab::ricochetsClicked, this,
            [this](bool on) { m_settings.ricochets = on; });
    connect(m_ui->SelButton, &QAbstractButton::clicked, this, &MainWindow::selButtonClick);
    connect(m_ui->LaunchButton, &QAbstractButton::clicked, this, &MainWindow::launchRequested);
    connect(m_pages->games(), &GamesTab::viewChosen, this, &MainWindow::optionUdirClick);
}

void MainWindow::watchKeysAndPictures()
{
    // The window sees key presses before its controls.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool MainWindow::isDroppedInput(QObject* watched, QEvent* event) const
{
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!m_gamesListSelecting || !widget || widget->window() != this)
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Taken as the widget's own key, so no shortcut acts on it; the key itself is dropped.
        event->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        return true;
    default:
        // Releases pass: they end a press made before the chain began.
        return false;
    }
}

void MainWindow::setGamesListSelecting(bool selecting)
{
    // The input that came while the chain held the window is taken from the queue now, while
    // the window still drops it.
    if (!selecting && m_gamesListSelecting && isVisible())
        QCoreApplication::processEvents();
    m_gamesListSelecting = selecting;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (isDroppedInput(watched, event))
        return true;
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        if (watched == m_ui->TitlePic)
            emit titlePictureDoubleClicked();
        break;
    case QEvent::KeyPress: {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this)
            return formKeyDown(static_cast<QKeyEvent*>(event)->key());
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange) {
        const auto* change = static_cast<QWindowStateChangeEvent*>(event);
        if ((change->oldState() & Qt::WindowMinimized) && !isMinimized())
            emit restoredFromMinimised();
    }
    QWidget::changeEvent(event);
}

void MainWindow::showTitlePicture(const QString& path)
{
    const QPixmap picture(path);
    if (!picture.isNull())
        m_ui->TitlePic->setPixmap(picture);
}

Twips MainWindow::twips() const
{
    return Twips(logicalDpiX(), logicalDpiY());
}

void MainWindow::fixFullSize()
{
    const Twips sizes = twips();
    setFixedSize(sizes.width(kWidthTwips), sizes.height(kFullHeightTwips));
    rememberLayout();
}

void MainWindow::rememberLayout()
{
    layout()->activate();
    m_globalFrameTop = m_ui->GlobalFrame_0->y();
    m_chkFrameTop = m_ui->ChkFrame->y();
}

void MainWindow::toolTipText()
{
    showToolTips(true);
}

void MainWindow::showToolTips(bool shown)
{
    ToolTips& tips = ToolTips::of(*this);
    if (shown)
        tips.useLauncherLook();
    m_pages->showToolTips(tips, shown);
    ToolTipTable::apply(tips, *this, ToolTipTexts::mainWindow(), shown, m_ui->TabArea);
}

bool MainWindow::applySettings(LauncherSettings& settings)
{
    const bool applied =
        m_pages->applySettings(settings) && SettingsBinder::apply(settings, *this, m_pages->all());
    showMapTipSkill();
    return applied;
}

void MainWindow::showMapTipSkill()
{
    const int skill = MapContentsText::skillOf(m_globalOptions->skillEntry(), m_settings.lastSkill);
    m_pages->games()->showMapTipSkill(
        skill, MapContentsText::skillName(m_globalOptions->skillText(skill)));
}

void MainWindow::gatherSettings(LauncherSettings& settings) const
{
    m_shell->gatherSettings(settings);
}

void MainWindow::optionTabsClick(int index)
{
    if (index < 0 || index >= kTabCount)
        return;
    // No visible control keeps a focus frame.
    m_ui->FileOutput->setFocus();

    const QColor normal = TextColour::of(chkMain(kBasicDoomBox));
    for (int i = 0; i < kTabCount; ++i)
        TextColour::set(optionTabs(i), i == index ? TextColour::darkRed() : normal);
    optionTabs(index)->setChecked(true);
    m_pages->show(index);

    switch (index) {
    case 0:
        chkMain(kHiResTexturesBox)->show();
        updateLaunchButtons();
        break;
    case 1:
    case 2:
        emit hiResOptionsRefreshDue();
        break;
    case 3:
        emit soundPackOptionRefreshDue();
        break;
    case 4:
        emit modelOptionsRefreshDue();
        break;
    }
}

void MainWindow::updateLaunchButtons()
{
    const LaunchButtons buttons =
        m_pages->games()->launchButtons(m_pages->options()->shortcutCreationChosen());
    m_ui->LaunchButton->setEnabled(buttons.launch);
    if (buttons.launch)
        m_commands->hideCleanup();
    if (buttons.shortcut)
        m_commands->setShortcutEnabled(*buttons.shortcut);
}

void MainWindow::adjustTabFrames()
{
    m_pages->stackOnFirst();
}

void MainWindow::defaultMode()
{
    m_ui->StartFrame->show();
    m_ui->SkillFrame->show();
    chkMain(kNoMonstersBox)->hide();
    for (int i = 1; i < kTabCount; ++i)
        optionTabs(i)->hide();
    m_ui->GlobalFrame_0->hide();
    m_pages->games()->offerZipLibraryView(false);
    m_commands->offerForLayout(false, false);
    m_pages->games()->scriptedMapsImage()->hide();

    optionTabsClick(0);
    optionTabs(0)->setEnabled(false);

    // The view in force, also at the start before the saved one is shown on its option.
    if (m_settings.gamesListView == static_cast<int>(GamesListMode::ZipLibrary))
        m_pages->games()->chooseView(static_cast<int>(GamesListMode::DoomGames));

    // The check-box frame takes the place of the hidden global-options frame.
    setWindowHeightTwips(kDefaultHeightTwips);
}

void MainWindow::advancedMode()
{
    m_ui->SkillFrame->hide();
    for (int i = 1; i < kTabCount; ++i)
        optionTabs(i)->show();
    m_ui->StartFrame->hide();
    m_ui->GlobalFrame_0->show();
    m_pages->games()->offerZipLibraryView(true);
    chkMain(kNoMonstersBox)->show();
    m_commands->offerForLayout(true, m_pages->options()->shortcutCreationChosen());
    if (m_scriptedMapModels && chkMain(kAdvancedOptionsBox)->isChecked() &&
        m_pages->games()->selectedView() == 0)
        m_pages->games()->scriptedMapsImage()->show();

    optionTabs(0)->setEnabled(true);
    setWindowHeightTwips(kFullHeightTwips);
}

void MainWindow::setWindowHeightTwips(int heightTwips)
{
    setFixedHeight(twips().height(heightTwips));
    layout()->activate();
}

bool MainWindow::formKeyDown(int key)
{
    if (key == Qt::Key_Up || key == Qt::Key_Down)
        return m_gamesListSelecting;
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_ui->LaunchButton->isEnabled()) {
        emit launchRequested();
        return true; // handled once, not again by the control or its containers
    }
    return false;
}

void MainWindow::skyOptClick(int index)
{
    m_settings.skyboxStyle = index;
}

void MainWindow::optionUdirClick(int index)
{
    m_settings.gamesListView = index;
    emit gamesListViewChosen(index);
}

void MainWindow::selButtonClick()
{
    if (m_wineMode)
        m_settings.lowerPanelMode = LauncherSettings::kCommandLinePanel;
    else
        m_settings.lowerPanelMode = m_settings.lowerPanelMode == LauncherSettings::kEditPanel
                                        ? LauncherSettings::kCommandLinePanel
                                        : LauncherSettings::kEditPanel;
    selectStartupOptions();
}

void MainWindow::offerDevelopmentMode()
{
    m_globalOptions->offerDevelopmentMode();
}

void MainWindow::offerNormalExit()
{
    m_globalOptions->offerNormalExit();
}

void MainWindow::showWineMarker()
{
    m_ui->WineImage->setVisible(true);
}

void MainWindow::selectStartupOptions()
{
    const bool edit = !m_wineMode && m_settings.lowerPanelMode == LauncherSettings::kEditPanel;
    m_ui->CommandLineFrame->setVisible(!edit);
    m_ui->EditFrame->setVisible(edit);
}

} // namespace z3d
