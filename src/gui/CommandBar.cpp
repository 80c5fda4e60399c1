#include "gui/CommandBar.h"

#include "gui/Pictures.h"

#include <QToolButton>

namespace z3d {

namespace {

// Each button's picture, by its index.
const char* const kPictures[CommandBar::kCount] = {"aux_0", "aux_1", "aux_2", "aux_3", "aux_4",
                                                   "aux_5", "aux_6", "aux_7", "aux_8"};

} // namespace

CommandBar::CommandBar(QWidget& form) : QObject(&form), m_buttons(form, "AuxButton")
{
    for (int i = 0; i < kCount; ++i) {
        Pictures::setIconWhenShown(*button(i), kPictures[i]);
        connect(button(i), &QAbstractButton::clicked, this, [this, i] { emit clicked(i); });
    }
    // No layout shows the edit log's viewer: a start in either layout leaves the buttons as
    // switching to it does, so the zip library's location is offered in its place.
    for (int i : {Shortcut, EditLog, ZipLocation})
        button(i)->hide();
}

void CommandBar::offerForLayout(bool advanced, bool shortcutCreation)
{
    if (!advanced) {
        for (int i = Shortcut; i <= ZipLocation; ++i)
            button(i)->hide();
        return;
    }
    for (int i : {EngineLog, IwadLocations, Font})
        button(i)->show();
    if (shortcutCreation)
        button(Shortcut)->show();
}

void CommandBar::offerShortcut(bool offered)
{
    button(Shortcut)->setVisible(offered);
}

void CommandBar::setShortcutEnabled(bool enabled)
{
    button(Shortcut)->setEnabled(enabled);
}

bool CommandBar::shortcutEnabled() const
{
    return button(Shortcut)->isEnabled();
}

void CommandBar::offerZipLibraryLocation(bool offered)
{
    button(ZipLocation)->setVisible(offered && !button(EditLog)->isVisible());
}

void CommandBar::hideCleanup()
{
    button(ModelCleanup)->hide();
}

} // namespace z3d
