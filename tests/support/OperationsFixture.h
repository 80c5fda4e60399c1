#pragma once

#include "core/library/GameSelection.h"
#include "core/library/LibraryScope.h"
#include "core/platform/InstallPaths.h"
#include "core/settings/LauncherSettings.h"

#include "support/DataTable.h"
#include "support/InstallTree.h"
#include "support/LeftAlone.h"
#include "support/RecordingDialogs.h"
#include "support/RecordingLibraryHost.h"
#include "support/SoleMessage.h"
#include "support/TreeSnapshot.h"

#include <QSet>
#include <QString>

namespace z3d::test {

// A standard installation tree with a selection and settings on it, the dialogs and the window
// recording, for the menu operations (Operations is built on scope() and the window for each
// run).
template <typename Operations> struct OperationsFixture
{
    // Runs operation on fresh Operations and returns the tree as it was before.
    QSet<QString> run(void (Operations::*operation)())
    {
        const QSet<QString> before = snapshot(tree);
        Operations operations(scope(), host);
        (operations.*operation)();
        return before;
    }

    // run() with the name window answered by name and OK.
    QSet<QString> runWithName(void (Operations::*operation)(), const QString& name)
    {
        dialogs.answerName({name, false});
        return run(operation);
    }

    LibraryScope scope() { return {paths, selection, settings, customFontInUse, dialogs}; }

    // Runs operation and checks that it was refused: this one message box, the tree as it was
    // and the window asked for just calls.
    void verifyRefused(void (Operations::*operation)(), int style, const QString& title,
                       const QString& text, const QStringList& calls = {})
    {
        const QSet<QString> before = run(operation);
        verifySoleMessage(dialogs.messages(), style, title, text);
        verifyLeftAlone(tree, before, host, calls);
    }
    // The rows of a rename the player does not carry through: the name window cancelled with
    // otherName typed, an empty name, and currentName, the name the entry has.
    static void renameNotDoneRows(const QString& otherName, const QString& currentName)
    {
        const DataTable<QString, bool> row("text", "cancelled");
        row("cancelled", otherName, true);
        row("empty", "", false);
        row("the same name", currentName, false);
    }
    // Runs rename on the current row of renameNotDoneRows(): nothing is said and nothing changes.
    void verifyRenameNotDone(void (Operations::*rename)())
    {
        const auto [text, cancelled] = fetchRow<QString, bool>("text", "cancelled");
        dialogs.answerName({text, cancelled});
        const QSet<QString> before = run(rename);
        QCOMPARE(dialogs.messages().size(), 0);
        verifyLeftAlone(tree, before, host);
    }

    InstallTree tree;
    InstallPaths paths = tree.paths();
    RecordingDialogs dialogs;
    RecordingLibraryHost host;
    GameSelection selection;
    LauncherSettings settings;
    bool customFontInUse = false;
};

} // namespace z3d::test
