#include "gui/tabs/SoundTab.h"

#include "core/launch/OptionAvailability.h"
#include "core/music/MusicMessages.h"
#include "core/music/PlaylistFrame.h"
#include "core/settings/LauncherSettings.h"
#include "gui/tabs/OptionChangeFlags.h"
#include "gui/tabs/TextColour.h"
#include "ui_SoundTab.h"

#include <QEvent>
#include <QListWidget>
#include <QMenu>
#include <QSignalBlocker>

#include <algorithm>

namespace z3d {

namespace {

constexpr int kDisableSound = 0;
constexpr int kDisableMusic = 1;
constexpr int kEnableRicochets = 2;
constexpr int kIgnorePlaylistForCustomMusic = 8;

// The caption colour of a checked "Manual" or "Auto".
QColor checkedPlaylistModeColour()
{
    return QColor(255, 0, 0);
}

} // namespace

SoundTab::SoundTab(OptionChangeFlags& flags, QWidget* parent)
    : TabPage(parent), m_ui(std::make_unique<Ui::SoundTab>()), m_flags(flags)
{
    m_ui->setupUi(this);
    connect(m_ui->RicoButton_0, &QAbstractButton::clicked, this, [this] { ricoButtonClick(0); });
    connect(m_ui->RicoButton_1, &QAbstractButton::clicked, this, [this] { ricoButtonClick(1); });
    connect(chkSound(kEnableRicochets), &QAbstractButton::clicked, this, [this](bool checked) {
        m_flags.ricochetChanged = true;
        emit ricochetsClicked(checked);
    });
    connectPlaylistFrame();
    setRicochet(LauncherSettings().ricochetValue);
}

bool SoundTab::applySettings(LauncherSettings& settings)
{
    setRicochet(settings.ricochetValue);
    return TabPage::applySettings(settings);
}

void SoundTab::gatherSettings(LauncherSettings& settings) const
{
    TabPage::gatherSettings(settings);
    settings.ricochetValue = m_ricochet;
}

void SoundTab::connectPlaylistFrame()
{
    QListWidget* list = m_ui->SelectionList;
    connect(list, &QListWidget::currentRowChanged, this, [this, list](int row) {
        if (row >= 0)
            emit playlistHighlighted(list->item(row)->text());
    });
    connect(list, &QListWidget::itemDoubleClicked, this, &SoundTab::openPlaylistWanted);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this, [this, list](const QPoint& at) {
        if (list->currentItem())
            emit autoPlaylistMenuWanted(list->viewport()->mapToGlobal(at));
    });
    connect(m_ui->butMusic_0, &QAbstractButton::clicked, this, &SoundTab::newPlaylistWanted);
    connect(m_ui->butMusic_1, &QAbstractButton::clicked, this, &SoundTab::openPlaylistWanted);
    connect(m_ui->butMusic_2, &QAbstractButton::clicked, this, &SoundTab::deletePlaylistWanted);

    connect(m_ui->chkSound_4, &QAbstractButton::toggled, this, &SoundTab::autoPlaylistToggled);
    connect(m_ui->chkSound_5, &QAbstractButton::toggled, this, &SoundTab::manualPlaylistToggled);
    // The player's choice of one mode ends the other; both on can only come from a
    // hand-edited settings file, and is kept (the launch then sends both playlists).
    connect(m_ui->chkSound_4, &QAbstractButton::clicked, this, [this](bool checked) {
        if (checked)
            m_ui->chkSound_5->setChecked(false);
    });
    connect(m_ui->chkSound_5, &QAbstractButton::clicked, this, [this](bool checked) {
        if (!checked)
            return;
        if (!m_ui->SelectionList->currentItem()) {
            m_ui->chkSound_5->setChecked(false);
            emit manualPlaylistWithoutSelection();
            return;
        }
        m_ui->chkSound_4->setChecked(false);
    });
    m_ui->chkSound_4->installEventFilter(this);
    for (QCheckBox* box : {chkSound(kDisableSound), chkSound(kDisableMusic)})
        connect(box, &QAbstractButton::toggled, this, &SoundTab::updatePlaylistFrame);

    m_autoPlaylistMenu = new QMenu(music_messages::kAutoMenuTitle, this);
    m_autoPlaylistMenu->setObjectName(QStringLiteral("AutoPlaylistMenu"));
    for (int game = 0; game < int(music_messages::kAutoMenuItems.size()); ++game) {
        QAction* item = m_autoPlaylistMenu->addAction(music_messages::kAutoMenuItems.at(game));
        connect(item, &QAction::triggered, this, [this, game] { emit autoPlaylistAssigned(game); });
    }
    updatePlaylistFrame();
}

bool SoundTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->chkSound_4 && event->type() == QEvent::MouseButtonPress &&
        !m_autoPlaylistFileFound && !m_ui->chkSound_4->isChecked()) {
        emit autoPlaylistMissing();
        return true;
    }
    return QGroupBox::eventFilter(watched, event);
}

void SoundTab::autoPlaylistToggled(bool on)
{
    if (on) {
        TextColour::set(m_ui->chkSound_4, checkedPlaylistModeColour());
    } else {
        TextColour::reset(m_ui->chkSound_4);
    }
    updatePlaylistFrame();
}

void SoundTab::manualPlaylistToggled(bool on)
{
    if (on) {
        m_ui->chkSound_5->setText(QStringLiteral("Load"));
        TextColour::set(m_ui->chkSound_5, checkedPlaylistModeColour());
    } else {
        m_ui->chkSound_5->setText(QStringLiteral("Manual"));
        TextColour::reset(m_ui->chkSound_5);
    }
}

void SoundTab::updatePlaylistFrame()
{
    const PlaylistFrameState state = playlistFrameState(
        chkSound(kDisableSound)->isChecked() || chkSound(kDisableMusic)->isChecked(),
        m_ui->SelectionList->count() > 0, m_ui->chkSound_4->isChecked());
    m_ui->PlaylistFrame->setEnabled(state.frame);
    m_ui->SelectionList->setEnabled(state.list);
    m_ui->butMusic_0->setEnabled(state.newButton);
    m_ui->butMusic_1->setEnabled(state.openButton);
    m_ui->butMusic_2->setEnabled(state.deleteButton);
    m_ui->chkSound_5->setEnabled(state.manual);
    m_ui->chkSound_4->setEnabled(state.autoBox);
    chkSound(kIgnorePlaylistForCustomMusic)->setEnabled(state.ignoreCustomMusic);
}

void SoundTab::setAutoPlaylistFileFound(bool found)
{
    m_autoPlaylistFileFound = found;
}

void SoundTab::showPlaylists(const QStringList& names, const QString& highlighted)
{
    QListWidget* list = m_ui->SelectionList;
    {
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItems(names);
    }
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->text().compare(highlighted, Qt::CaseInsensitive) == 0) {
            list->setCurrentRow(row);
            break;
        }
    if (names.isEmpty())
        m_ui->chkSound_4->setChecked(false);
    updatePlaylistFrame();
}

QString SoundTab::highlightedPlaylist() const
{
    const QListWidgetItem* item = m_ui->SelectionList->currentItem();
    return item ? item->text() : QString();
}

void SoundTab::removePlaylist(const QString& name)
{
    QListWidget* list = m_ui->SelectionList;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->text() == name) {
            const QSignalBlocker quiet(list);
            delete list->takeItem(row);
            list->setCurrentRow(-1);
            break;
        }
    if (list->count() > 0)
        list->setCurrentRow(list->count() - 1);
    updatePlaylistFrame();
}

void SoundTab::uncheckManualPlaylist()
{
    m_ui->chkSound_5->setChecked(false);
}

void SoundTab::showAutoPlaylistMenu(const QPoint& globalPosition,
                                    const std::array<bool, 4>& gamesInstalled)
{
    const QList<QAction*> items = m_autoPlaylistMenu->actions();
    for (int game = 0; game < items.size(); ++game)
        if (!gamesInstalled.at(game))
            items.at(game)->setEnabled(false);
    m_autoPlaylistMenu->popup(globalPosition);
}

SoundTab::~SoundTab() = default;

QCheckBox* SoundTab::chkSound(int index) const
{
    return findChild<QCheckBox*>(QStringLiteral("chkSound_%1").arg(index));
}

void SoundTab::ricoButtonClick(int index)
{
    if (index != 0 && index != 1)
        return;
    const int delta = index == 0 ? -1 : +1;
    setRicochet(std::clamp(m_ricochet + delta, kMinRicochet, kMaxRicochet));
    m_flags.ricochetChanged = true;
}

void SoundTab::setRicochet(int value)
{
    m_ricochet = value;
    m_ui->Ricotext->setText(QString::number(value));
}

void SoundTab::showPlaylistFrame()
{
    m_ui->PlaylistFrame->setVisible(true);
}

void SoundTab::uncheckAutoPlaylist()
{
    m_ui->chkSound_4->setChecked(false);
}

void SoundTab::applyAvailability(const OptionAvailability& available)
{
    for (QWidget* control :
         {static_cast<QWidget*>(m_ui->chkSound_2), static_cast<QWidget*>(m_ui->chkSound_7),
          static_cast<QWidget*>(m_ui->RicoButton_0), static_cast<QWidget*>(m_ui->RicoButton_1),
          static_cast<QWidget*>(m_ui->Ricotext)})
        control->setEnabled(available.enhancements);
    m_ui->chkSound_6->setEnabled(available.soundPack);
}

} // namespace z3d
