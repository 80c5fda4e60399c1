#include "gui/handlers/PlaylistController.h"

#include "core/app/LauncherContext.h"
#include "core/iwads/IwadType.h"
#include "core/music/AutoPlaylistFile.h"
#include "core/music/BuiltInPlaylists.h"
#include "core/music/MusicMessages.h"
#include "core/music/PlaylistFile.h"
#include "core/platform/PathResolver.h"
#include "core/services/Dialogs.h"
#include "gui/dialogs/MusicForm.h"
#include "gui/tabs/SoundTab.h"

#include <QPoint>

#include <array>

namespace z3d {

namespace msg = music_messages;

namespace {

// The games of the auto-playlist menu, in its order.
constexpr std::array<IwadType, AutoPlaylistFile::kGames> kMenuGames{
    IwadType::Doom, IwadType::Doom2, IwadType::Plutonia, IwadType::Tnt};

int show(Dialogs& dialogs, const msg::Message& message)
{
    return dialogs.messageBox(message.text, message.style, message.title);
}

} // namespace

PlaylistController::PlaylistController(LauncherContext& context, SoundTab& page,
                                       QWidget& dialogOwner)
    : QObject(&page), m_context(context), m_page(page), m_dialogOwner(dialogOwner)
{
    connect(&page, &SoundTab::playlistHighlighted, this, &PlaylistController::playlistHighlighted);
    connect(&page, &SoundTab::newPlaylistWanted, this, &PlaylistController::newPlaylist);
    connect(&page, &SoundTab::openPlaylistWanted, this, &PlaylistController::openPlaylist);
    connect(&page, &SoundTab::deletePlaylistWanted, this, &PlaylistController::deletePlaylist);
    connect(&page, &SoundTab::autoPlaylistMenuWanted, this,
            &PlaylistController::showAutoPlaylistMenu);
    connect(&page, &SoundTab::autoPlaylistAssigned, this, &PlaylistController::assignAutoPlaylist);
    connect(&page, &SoundTab::autoPlaylistMissing, this,
            [this] { show(*m_context.dialogs, msg::kNoAutoPlaylist); });
    connect(&page, &SoundTab::manualPlaylistWithoutSelection, this,
            [this] { show(*m_context.dialogs, msg::kNoPlaylistSelected); });
}

QString PlaylistController::musicDir() const
{
    return m_context.paths.musicDir;
}

void PlaylistController::buildBuiltInPlaylists()
{
    BuiltInPlaylists::build(m_context.paths, m_context.iwads);
    loadPlaylistNames();
}

void PlaylistController::loadPlaylistNames()
{
    m_page.showPlaylists(PlaylistFile::loadNames(musicDir()), m_context.settings.playlistName);
    m_page.setAutoPlaylistFileFound(AutoPlaylistFile::exists(musicDir()));
}

void PlaylistController::checkAutoPlaylistFile()
{
    const bool found = AutoPlaylistFile::exists(musicDir());
    m_page.setAutoPlaylistFileFound(found);
    if (!found)
        m_page.uncheckAutoPlaylist();
}

void PlaylistController::playlistHighlighted(const QString& name)
{
    if (name == m_context.settings.playlistName)
        return;
    m_context.settings.playlistName = name;
    m_page.uncheckManualPlaylist();
}

void PlaylistController::newPlaylist()
{
    const std::optional<QString> name = askNewPlaylistName();
    if (!name)
        return;
    m_context.settings.playlistName = *name;
    if (PlaylistFile::exists(musicDir(), *name) &&
        show(*m_context.dialogs, msg::overwritePlaylistQuestion(*name)) != MsgYes) {
        m_context.settings.playlistName.clear();
        return;
    }
    runEditor(*name, true);
}

std::optional<QString> PlaylistController::askNewPlaylistName()
{
    const NameAnswer answer =
        m_context.dialogs->askName(msg::kNewPlaylistFrame, msg::kNewPlaylistCaption,
                                   msg::kNewPlaylistButton, msg::kNewPlaylistDefault);
    if (answer.cancelled || answer.text.isEmpty())
        return std::nullopt;
    QString name = answer.text;
    if (name.endsWith(QStringLiteral(".z3m"), Qt::CaseInsensitive))
        name.chop(4);
    const PlaylistNameFault fault = PlaylistFile::newNameFault(name);
    if (fault == PlaylistNameFault::None)
        return name;
    show(*m_context.dialogs, msg::refusedPlaylistName(fault));
    return std::nullopt;
}

void PlaylistController::openPlaylist()
{
    const QString name = m_page.highlightedPlaylist();
    if (name.isEmpty())
        return;
    m_context.settings.playlistName = name;
    runEditor(name, false);
}

void PlaylistController::runEditor(const QString& name, bool newPlaylist)
{
    MusicForm editor(m_context.paths, m_context.iwads, *m_context.dialogs, *m_context.processes,
                     &m_dialogOwner);
    connect(&editor, &MusicForm::playlistSaved, this, &PlaylistController::playlistSaved);
    if (newPlaylist)
        editor.openNew(name);
    else if (!editor.open(name))
        return;
    editor.exec();
}

void PlaylistController::playlistSaved(const QString& name)
{
    m_context.settings.playlistName = name;
    m_page.showPlaylists(PlaylistFile::names(musicDir()), name);
    m_page.uncheckManualPlaylist();
}

void PlaylistController::deletePlaylist()
{
    const QString name = m_page.highlightedPlaylist();
    if (name.isEmpty() || show(*m_context.dialogs, msg::deletePlaylistQuestion(name)) != MsgYes)
        return;
    const ErrorNumber error = PlaylistFile::remove(musicDir(), name);
    if (error != ErrorNumber::None) {
        show(*m_context.dialogs, msg::accessError(error));
        return;
    }
    m_page.removePlaylist(name);
}

void PlaylistController::showAutoPlaylistMenu(const QPoint& globalPosition)
{
    std::array<bool, AutoPlaylistFile::kGames> installed{};
    for (int game = 0; game < AutoPlaylistFile::kGames; ++game)
        installed[game] = PathResolver::fileExists(m_context.iwads.path(kMenuGames[game]));
    m_page.showAutoPlaylistMenu(globalPosition, installed);
}

void PlaylistController::assignAutoPlaylist(int game)
{
    const QString name = m_context.settings.playlistName;
    const ErrorNumber error = AutoPlaylistFile::assign(musicDir(), game, name);
    if (error != ErrorNumber::None) {
        show(*m_context.dialogs, msg::accessError(error));
        return;
    }
    m_page.setAutoPlaylistFileFound(true);
    show(*m_context.dialogs, msg::autoPlaylistAdded(game, name));
}

} // namespace z3d
