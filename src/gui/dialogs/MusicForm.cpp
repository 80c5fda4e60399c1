#include "gui/dialogs/MusicForm.h"

#include "core/app/Twips.h"
#include "core/iwads/IwadRegistry.h"
#include "core/music/MusicEditorFiles.h"
#include "core/music/MusicMessages.h"
#include "core/music/PlaylistEditing.h"
#include "core/music/PlaylistFile.h"
#include "core/platform/PathResolver.h"
#include "core/services/Dialogs.h"
#include "core/services/Processes.h"

#include "ui_MusicForm.h"

#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>

namespace z3d {

namespace messages = music_messages;
using playlist::PlaylistType;

namespace {

// The window is this much taller than its list: room for the menu bar and the label.
constexpr int kExtraHeightTwips = 1560;

QAction* newAction(QWidget* menu, const QString& caption, const QString& name)
{
    auto* action = new QAction(caption, menu);
    action->setObjectName(name);
    menu->addAction(action);
    return action;
}

QMenu* newMenu(QMenuBar* bar, const QString& caption, const QString& name)
{
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

} // namespace

MusicForm::MusicForm(const InstallPaths& paths, const IwadRegistry& iwads, Dialogs& dialogs,
                     Processes& processes, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::MusicForm>()), m_paths(paths), m_iwads(iwads),
      m_dialogs(dialogs), m_processes(processes)
{
    m_ui->setupUi(this);
    setModal(true);
    // The focus rests on the window itself at activation, so that no list line looks chosen.
    setFocusPolicy(Qt::StrongFocus);
    m_ui->lblInstructions->setText(messages::kEditorLabel);
    buildMenus();
    connect(m_ui->MusicList, &QListWidget::itemDoubleClicked, this, &MusicForm::addMusic);
    connect(m_ui->MusicList, &QWidget::customContextMenuRequested, this, &MusicForm::showPopupMenu);
    placeWindow();
}

MusicForm::~MusicForm() = default;

void MusicForm::buildMenus()
{
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("mnuBar"));
    layout()->setMenuBar(bar);

    QMenu* file = newMenu(bar, QStringLiteral("&File"), QStringLiteral("mnuFile"));
    connect(newAction(file, QStringLiteral("&Save"), QStringLiteral("mnuSave")),
            &QAction::triggered, this, &MusicForm::save);
    connect(newAction(file, QStringLiteral("E&xit"), QStringLiteral("mnuExit")),
            &QAction::triggered, this, &MusicForm::reject);

    QMenu* options = newMenu(bar, QStringLiteral("&Options"), QStringLiteral("mnuOptions"));
    m_toggleAction =
        newAction(options, QStringLiteral("&Toggle map types"), QStringLiteral("mnuToggle"));
    m_cloneAction =
        newAction(options, QStringLiteral("&Clone playlist"), QStringLiteral("mnuClone"));
    connect(m_toggleAction, &QAction::triggered, this, &MusicForm::toggleMapTypes);
    connect(m_cloneAction, &QAction::triggered, this, &MusicForm::clonePlaylist);
    connect(
        newAction(options, QStringLiteral("&Exit out to notepad"), QStringLiteral("mnuNotepad")),
        &QAction::triggered, this, &MusicForm::exitToTextEditor);
    connect(options, &QMenu::aboutToShow, this, &MusicForm::updateOptionsMenu);

    // "&Help" and "&Readme" are commands on the bar itself, without items.
    connect(newAction(bar, QStringLiteral("&Help"), QStringLiteral("mnuHelp")), &QAction::triggered,
            this, &MusicForm::showHelp);
    m_readmeAction = newAction(bar, QStringLiteral("&Readme"), QStringLiteral("mnuReadme"));
    m_readmeAction->setVisible(false);
    connect(m_readmeAction, &QAction::triggered, this, &MusicForm::showReadme);

    m_popupMenu = new QMenu(this);
    m_popupMenu->setObjectName(QStringLiteral("mnuPopup"));
    connect(newAction(m_popupMenu, QStringLiteral("Add or replace &music"),
                      QStringLiteral("mcAddMusic")),
            &QAction::triggered, this, &MusicForm::addMusic);
    QMenu* tracks = m_popupMenu->addMenu(QStringLiteral("Add or replace &CD track "));
    tracks->setObjectName(QStringLiteral("mcCdTrack"));
    for (int track = 1; track <= kCdTrackCount; ++track) {
        QAction* item = newAction(tracks, playlist::cdTrackCaption(track),
                                  QStringLiteral("mcTrack_%1").arg(track - 1));
        connect(item, &QAction::triggered, this, [this, track] { setCdTrack(track); });
    }
    m_removeSelectionAction = newAction(m_popupMenu, QStringLiteral("&Remove selection"),
                                        QStringLiteral("mcRemoveSelection"));
    connect(m_removeSelectionAction, &QAction::triggered, this, &MusicForm::removeSelection);
    connect(newAction(m_popupMenu, QStringLiteral("Remove &all"), QStringLiteral("mcRemoveAll")),
            &QAction::triggered, this, &MusicForm::removeAll);
}

void MusicForm::placeWindow()
{
    const Twips twips(logicalDpiX(), logicalDpiY());
    const int height = m_ui->MusicList->minimumHeight() + twips.height(kExtraHeightTwips);
    resize(sizeHint().width(), height);
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    move(area.x() + (area.width() - width()) / 2,
         area.y() + std::max(0, (area.height() - height) / 2));
}

void MusicForm::openNew(const QString& name)
{
    startOpening(name);
    m_newPlaylist = true;
}

bool MusicForm::open(const QString& name)
{
    const PlaylistRead read = PlaylistFile::read(m_paths.musicDir, name);
    if (read.status == PlaylistRead::Status::Unreadable)
        ask(messages::unreadablePlaylist(name, read.error));
    if (read.status != PlaylistRead::Status::Read)
        return false;
    playlist::OpenedPlaylist opened = playlist::openPlaylistLines(read.lines);
    if (opened.step == playlist::OpenedPlaylist::Step::AskNonStandard) {
        if (ask(messages::kNonStandardFormat) != MsgYes)
            return false;
        opened.lines = playlist::repairPlaylist(opened.lines, opened.type);
        opened.step = playlist::OpenedPlaylist::Step::Converted;
    }
    startOpening(name);
    m_type = opened.type;
    m_convertedPlaylist = opened.step == playlist::OpenedPlaylist::Step::Converted;
    showLines(opened.lines);
    return true;
}

void MusicForm::startOpening(const QString& name)
{
    m_name = name;
    m_type = PlaylistType::Doom2;
    m_setAside.clear();
    m_newPlaylist = false;
    m_unsavedChanges = false;
    m_convertedPlaylist = false;
    m_activationPending = true;
    m_ui->MusicList->clear();
    setWindowTitle(QStringLiteral("Opening ") + name);
}

void MusicForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Once per opening: later activations (after each message box or file dialog) must not
    // rebuild the lines of a new playlist or move the player's focus.
    if (m_activationPending)
        activate();
}

void MusicForm::activate()
{
    m_activationPending = false;
    m_readmeAction->setVisible(!playlist::packReadme(m_paths.installRoot, m_name).isEmpty());
    setFocus(Qt::OtherFocusReason);
    if (!m_newPlaylist)
        return;
    m_newPlaylist = false;
    m_type = m_iwads.path(IwadType::Doom).isEmpty() ? PlaylistType::Doom2 : PlaylistType::Doom;
    showLines(playlist::buildEmptyPlaylist(m_type));
}

void MusicForm::updateOptionsMenu()
{
    const bool convertible = playlist::canConvert(lines(), m_name);
    m_toggleAction->setEnabled(convertible);
    m_cloneAction->setEnabled(convertible);
}

void MusicForm::showPopupMenu(const QPoint& position)
{
    if (m_ui->MusicList->count() == 0)
        return;
    const QListWidgetItem* current = m_ui->MusicList->currentItem();
    m_removeSelectionAction->setEnabled(current && playlist::holdsMusic(current->text()));
    m_popupMenu->popup(m_ui->MusicList->viewport()->mapToGlobal(position));
}

void MusicForm::addMusic()
{
    const QListWidgetItem* current = m_ui->MusicList->currentItem();
    if (!current || !playlist::takesMusic(current->text()))
        return;
    QString folder = MusicEditorFiles::musicDialogFolder(m_paths);
    const std::optional<QString> chosen = m_dialogs.openFile(
        {messages::kAddMusicTitle, folder, messages::kAddMusicFilters, QString()});
    if (chosen) {
        if (!playlist::isMusicFile(*chosen)) {
            ask(messages::kUnsupportedMusicFile);
            return;
        }
        replaceCurrentLine(playlist::musicLine(current->text(), *chosen, m_paths.installRoot));
        folder = PathResolver::parentFolder(*chosen);
    }
    m_unsavedChanges = true;
    // Not remembering the folder costs the player only a later detour; nothing to report.
    MusicEditorFiles::rememberMusicFolder(m_paths, folder);
}

void MusicForm::setCdTrack(int track)
{
    const QListWidgetItem* current = m_ui->MusicList->currentItem();
    if (!current || track < 1 || track > kCdTrackCount)
        return;
    replaceCurrentLine(playlist::cdTrackLine(current->text(), track));
    m_unsavedChanges = true;
}

void MusicForm::removeSelection()
{
    QList<int> rows;
    for (const QModelIndex& index : m_ui->MusicList->selectionModel()->selectedIndexes())
        rows << index.row();
    showLines(playlist::removeMusic(lines(), rows));
    m_unsavedChanges = true;
}

void MusicForm::removeAll()
{
    showLines(playlist::removeAllMusic(lines()));
    m_unsavedChanges = true;
}

void MusicForm::toggleMapTypes()
{
    if (!playlist::canConvert(lines(), m_name))
        return;
    const playlist::EditedPlaylist toggled =
        playlist::toggleMapTypes({lines(), m_type, m_setAside});
    m_type = toggled.type;
    m_setAside = toggled.setAside;
    showLines(toggled.lines);
    m_unsavedChanges = true;
}

void MusicForm::clonePlaylist()
{
    if (!playlist::canConvert(lines(), m_name))
        return;
    // The clone starts with an empty scratch list, so lines set aside by a toggle are gone
    // whatever the answer.
    m_setAside.clear();
    if (ask(messages::kCloneQuestion) != MsgYes)
        return;
    const playlist::EditedPlaylist cloned = playlist::clonePlaylist({lines(), m_type, {}});
    m_type = cloned.type;
    showLines(cloned.lines);
    m_unsavedChanges = true;
}

bool MusicForm::save()
{
    const ErrorNumber error = PlaylistFile::save(m_paths.musicDir, m_name, lines());
    if (error != ErrorNumber::None) {
        // The flags stay, so that closing still offers to save what was not written.
        ask(messages::accessError(error));
        return false;
    }
    m_unsavedChanges = false;
    m_convertedPlaylist = false;
    if (!m_name.isEmpty())
        emit playlistSaved(m_name);
    return true;
}

void MusicForm::exitToTextEditor()
{
    const QString program = MusicEditorFiles::textEditorProgram(m_paths);
    if (!PlaylistFile::exists(m_paths.musicDir, m_name))
        return;
    reject();
    // Resolved after closing: a save on closing may have written the file.
    const QString file = PathResolver::resolve(PlaylistFile::path(m_paths.musicDir, m_name));
    if (program.isEmpty())
        m_processes.openInTextEditor(file);
    else
        m_processes.startProgram(MusicEditorFiles::textEditorCommand(program, file),
                                 m_paths.installRoot);
}

void MusicForm::showHelp()
{
    const QString help = MusicEditorFiles::helpFile(m_paths);
    if (!help.isEmpty())
        m_processes.openInTextEditor(help);
}

void MusicForm::showReadme()
{
    const QString readme = playlist::packReadme(m_paths.installRoot, m_name);
    if (!readme.isEmpty())
        m_processes.openInTextEditor(readme);
}

void MusicForm::done(int result)
{
    if (m_unsavedChanges) {
        m_convertedPlaylist = false;
        if (ask(messages::kSaveChangesQuestion) == MsgYes)
            save();
    }
    if (m_convertedPlaylist && ask(messages::kSaveNewFormatQuestion) == MsgYes)
        save();
    m_newPlaylist = false;
    m_unsavedChanges = false;
    m_convertedPlaylist = false;
    m_setAside.clear();
    QDialog::done(result);
}

QStringList MusicForm::lines() const
{
    QStringList all;
    for (int row = 0; row < m_ui->MusicList->count(); ++row)
        all << m_ui->MusicList->item(row)->text();
    return all;
}

void MusicForm::showLines(const QStringList& lines)
{
    QListWidget* list = m_ui->MusicList;
    // Same count: the lines change in place and the highlighted lines stay highlighted.
    if (list->count() == lines.size()) {
        for (int row = 0; row < list->count(); ++row)
            list->item(row)->setText(lines.at(row));
        return;
    }
    list->clear();
    list->addItems(lines);
}

void MusicForm::replaceCurrentLine(const QString& line)
{
    QListWidgetItem* current = m_ui->MusicList->currentItem();
    current->setText(line);
    current->setSelected(true);
}

int MusicForm::ask(const messages::Message& message)
{
    return m_dialogs.messageBox(message.text, message.style, message.title);
}

} // namespace z3d
