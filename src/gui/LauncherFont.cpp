#include "gui/LauncherFont.h"

#include <QEvent>
#include <QStringList>
#include <QWidget>

namespace z3d {

namespace {

// The windows that take the launcher font, by their form names.
const QStringList& launcherWindows()
{
    static const QStringList names{"MainForm", "IwadForm",     "MusicForm",  "AskForm",
                                   "TipsForm", "ShortcutForm", "ConfirmForm"};
    return names;
}

const char* const kApplied = "launcherFontApplied";

} // namespace

LauncherFont::LauncherFont(const FontSettings& font, QObject* parent)
    : QObject(parent), m_font(font)
{
}

void LauncherFont::apply(QWidget& window, const FontSettings& font)
{
    QList<QWidget*> controls = window.findChildren<QWidget*>();
    controls.prepend(&window);
    for (QWidget* control : controls) {
        QFont changed = control->font();
        changed.setFamily(font.name);
        if (font.bold)
            changed.setBold(true);
        changed.setPointSize(font.appliedSize());
        control->setFont(changed);
    }
}

bool LauncherFont::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Polish && watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        if (window->isWindow() && launcherWindows().contains(window->objectName()) &&
            !window->property(kApplied).toBool()) {
            window->setProperty(kApplied, true);
            apply(*window, m_font);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace z3d
