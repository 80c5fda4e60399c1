#pragma once

#include "core/platform/ErrorNumber.h"

#include <QObject>

class QWidget;

namespace z3d {

struct LauncherContext;
class AvailabilityController;
class ModelsTab;

// The Models page's definitions list with custom.z3d and the Create drop folder, and the
// model-pack cleanup command. Messages and the file dialog go through the dialog service.
class ModelsController : public QObject
{
    Q_OBJECT

public:
    // owner is the window the shortcut and confirmation windows belong to.
    ModelsController(LauncherContext& context, ModelsTab& page, AvailabilityController& options,
                     QWidget& owner);

    // LoadCustomDefs then ImportCreatedDefs: the start-up's list.
    void loadDefinitions();
    // ImportCreatedDefs.
    void importDroppedDefinitions();
    // SaveCustomDefs; None or the error of the write. Only the unload step reports a failed
    // write: the list is written again after every change and when the window unloads.
    ErrorNumber saveDefinitions();
    // "Add" and "Remove".
    void addDefinition();
    void removeDefinition();
    // AuxButton_8: the shortcut window in its cleanup mode, the confirmation unless confirm.z3d
    // switched it off, DeleteModelPacks, the refreshed options and list, and the outcome.
    void runCleanup();

private:
    LauncherContext& m_context;
    ModelsTab& m_page;
    AvailabilityController& m_options;
    QWidget& m_owner;
};

} // namespace z3d
