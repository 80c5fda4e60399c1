#include "gui/handlers/TipsWindow.h"

#include "core/platform/InstallPaths.h"
#include "gui/dialogs/TipsForm.h"

namespace z3d {

TipsWindow::TipsWindow(LauncherSettings& settings, const InstallPaths& paths, QWidget& owner)
    : QObject(&owner), m_settings(settings), m_paths(paths), m_owner(owner)
{
}

TipsWindow::~TipsWindow() = default;

void TipsWindow::loadHidden()
{
    if (m_form)
        return;
    m_form = new TipsForm(m_settings, m_paths.launcherDataDir, &m_owner);
    connect(m_form, &TipsForm::showAtStartupTurnedOff, this, &TipsWindow::showAtStartupTurnedOff);
}

void TipsWindow::show()
{
    loadHidden();
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
