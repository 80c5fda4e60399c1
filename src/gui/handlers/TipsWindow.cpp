#include "gui/handlers/TipsWindow.h"

#include "core/app/TipsOfTheDay.h"
#include "core/platform/InstallPaths.h"
#include "core/settings/LauncherSettings.h"
#include "gui/dialogs/TipsForm.h"

namespace z3d {

TipsWindow::TipsWindow(LauncherSettings& settings, const InstallPaths& paths, QWidget& owner)
    : QObject(&owner), m_settings(settings), m_paths(paths), m_owner(owner)
{
}

TipsWindow::~TipsWindow() = default;

void TipsWindow::loadHidden()
{
    if (m_form || m_loaded)
        return;
    m_loaded = true;
    m_tips = TipsOfTheDay::read(m_paths.launcherDataDir);
    // As the window's "Next Tip" does: without tips the number stays.
    if (m_tips && !m_tips->isEmpty())
        m_settings.tipNumber = TipsOfTheDay::next(m_settings.tipNumber, int(m_tips->size()));
}

void TipsWindow::show()
{
    if (!m_form) {
        loadHidden();
        m_form = new TipsForm(m_settings, m_tips, &m_owner);
        m_loaded = false;
        m_tips.reset();
        connect(m_form, &TipsForm::showAtStartupTurnedOff, this,
                &TipsWindow::showAtStartupTurnedOff);
    }
    if (m_form->isVisible())
        return;
    TipsForm* form = m_form;
    connect(form, &QDialog::finished, this, [this, form] {
        if (m_form == form)
            m_form = nullptr;
        form->deleteLater();
    });
    form->setWindowModality(Qt::ApplicationModal);
    form->open();
}

} // namespace z3d
