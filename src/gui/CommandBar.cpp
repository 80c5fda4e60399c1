#include "gui/CommandBar.h"

#include "gui/Pictures.h"

#include <QToolButton>

namespace z3d {

namespace {

constexpr int kShortcut = 2;
constexpr int kEditLog = 3;
constexpr int kZipLocation = 7;
constexpr int kCleanup = 8;

} // namespace

CommandBar::CommandBar(QWidget& form) : QObject(&form), m_buttons(form, "AuxButton")
{
    for (int i = 0; i < kCount; ++i) {
        const QByteArray name = "aux_" + QByteArray::number(i);
        button(i)->setIcon(QIcon(Pictures::named(name.constData())));
        connect(button(i), &QAbstractButton::clicked, this, [this, i] { emit clicked(i); });
    }
    button(kShortcut)->hide();
    button(kZipLocation)->hide();
}

void CommandBar::offerForLayout(bool advanced, bool shortcutCreation)
{
    if (!advanced) {
        for (int i = 2; i <= 7; ++i)
            button(i)->hide();
        return;
    }
    for (int i : {4, 5, 6})
        button(i)->show();
    if (shortcutCreation)
        button(kShortcut)->show();
}

void CommandBar::offerShortcut(bool offered)
{
    button(kShortcut)->setVisible(offered);
}

void CommandBar::setShortcutEnabled(bool enabled)
{
    button(kShortcut)->setEnabled(enabled);
}

bool CommandBar::shortcutEnabled() const
{
    return button(kShortcut)->isEnabled();
}

void CommandBar::offerZipLibraryLocation(bool offered)
{
    button(kZipLocation)->setVisible(offered && !button(kEditLog)->isVisible());
}

void CommandBar::hideCleanup()
{
    button(kCleanup)->hide();
}

} // namespace z3d
