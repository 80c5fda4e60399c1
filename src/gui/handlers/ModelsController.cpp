#include "gui/handlers/ModelsController.h"

#include "core/app/LauncherContext.h"
#include "core/models/CustomDefinitions.h"
#include "core/models/ModelMessages.h"
#include "core/models/ModelPackCleanup.h"
#include "core/platform/FileOperations.h"
#include "core/platform/PathResolver.h"
#include "core/services/Dialogs.h"
#include "core/settings/AuxiliaryFiles.h"
#include "gui/dialogs/ConfirmForm.h"
#include "gui/dialogs/ShortcutForm.h"
#include "gui/handlers/AvailabilityController.h"
#include "gui/tabs/ModelsTab.h"

namespace z3d {

namespace msg = model_messages;

namespace {

void show(Dialogs& dialogs, const msg::Message& message)
{
    dialogs.messageBox(message.text, message.style, message.title);
}

} // namespace

ModelsController::ModelsController(LauncherContext& context, ModelsTab& page,
                                   AvailabilityController& options, QWidget& owner)
    : QObject(&page), m_context(context), m_page(page), m_options(options), m_owner(owner)
{
    connect(&page, &ModelsTab::definitionAddRequested, this, &ModelsController::addDefinition);
    connect(&page, &ModelsTab::definitionRemoveRequested, this,
            &ModelsController::removeDefinition);
    connect(&options, &AvailabilityController::droppedDefinitionsDue, this,
            &ModelsController::importDroppedDefinitions);
}

void ModelsController::loadDefinitions()
{
    m_page.addDefinitions(CustomDefinitions::load(m_context.paths));
    importDroppedDefinitions();
}

void ModelsController::importDroppedDefinitions()
{
    m_page.addDefinitions(CustomDefinitions::importDropped(m_context.paths, m_page.definitions()));
}

ErrorNumber ModelsController::saveDefinitions()
{
    return CustomDefinitions::save(m_context.paths, m_page.definitions());
}

void ModelsController::addDefinition()
{
    const QString custom = m_context.paths.under(QStringLiteral("Defs/Custom"));
    FileOperations::createFolderPath(custom);
    OpenFileRequest request;
    request.title = QStringLiteral("DED Files");
    request.initialFolder = PathResolver::resolve(custom);
    request.filters = {QStringLiteral("DED Files"), QStringLiteral("*.ded")};
    request.defaultExtension = QStringLiteral("ded");
    const std::optional<QString> chosen = m_context.dialogs->openFile(request);
    if (!chosen || chosen->isEmpty())
        return;
    const CustomDefinitions::AddOutcome outcome =
        CustomDefinitions::entryForChosenFile(*chosen, custom);
    if (outcome.configurationWarning) {
        show(*m_context.dialogs, msg::kConfigurationWarning);
        return;
    }
    m_page.appendChosenDefinition(outcome.entry);
    saveDefinitions();
}

void ModelsController::removeDefinition()
{
    m_page.removeCurrentDefinition();
    saveDefinitions();
}

void ModelsController::runCleanup()
{
    const CleanupChoice choice = ShortcutForm(&m_owner).askForCleanup();
    if (!choice.any())
        return;
    if (!AuxiliaryFiles::cleanupConfirmationRemoved(m_context.paths)) {
        ConfirmForm confirm(&m_owner);
        connect(&confirm, &ConfirmForm::dontAskChanged, this, [this](bool dontAsk) {
            AuxiliaryFiles::setCleanupConfirmationRemoved(m_context.paths, dontAsk);
        });
        if (!confirm.askToContinue())
            return;
    }
    const CleanupResult result = deleteModelPacks(m_context.paths, choice);
    m_options.refreshModelOptions();
    // Entries whose definition files went with a pack leave the list.
    const QList<DefinitionEntry> kept =
        CustomDefinitions::stillPresent(m_context.paths, m_page.definitions());
    m_page.clearDefinitions();
    m_page.addDefinitions(kept);
    show(*m_context.dialogs,
         result.complete() ? msg::kCleanupCompleted : msg::cleanupStopped(result.failedItem));
}

} // namespace z3d
