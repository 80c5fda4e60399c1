#pragma once

#include "core/app/LauncherContext.h"

#include "support/InstallTree.h"
#include "support/RecordingDialogs.h"
#include "support/RecordingLibraryHost.h"
#include "support/TreeSnapshot.h"

#include <QSet>
#include <QString>

namespace z3d::test {

// A standard installation tree with a launcher context on it, the dialogs and the window
// recording, for the menu operations (Operations is built on the context and the window for
// each run).
template <typename Operations> struct OperationsFixture
{
    OperationsFixture()
    {
        context.paths = tree.paths();
        context.dialogs = &dialogs;
    }

    // Runs operation on fresh Operations and returns the tree as it was before.
    QSet<QString> run(void (Operations::*operation)())
    {
        const QSet<QString> before = snapshot(tree);
        Operations operations(context, host);
        (operations.*operation)();
        return before;
    }

    InstallTree tree;
    RecordingDialogs dialogs;
    RecordingLibraryHost host;
    LauncherContext context;
};

} // namespace z3d::test
