#include "core/library/EntryRename.h"

#include "core/library/GameOperations.h"
#include "core/library/LibraryHost.h"
#include "core/library/LibrarySteps.h"
#include "core/services/Dialogs.h"

namespace z3d {

void EntryRename::run(Dialogs& dialogs, LibraryHost& host, const QString& oldName,
                      const std::function<ErrorNumber(const QString& newName)>& rename) const
{
    const NameAnswer answer =
        dialogs.askName(QStringLiteral(" Name "), promptTitle, QStringLiteral("Cancel"), oldName);
    if (answer.text.isEmpty() || answer.cancelled || answer.text == oldName)
        return;
    ErrorNumber error = ErrorNumber::PathFileAccessError;
    if (GameOperations::isAcceptableName(answer.text))
        error = rename(answer.text);
    if (error == ErrorNumber::None)
        return;
    if (error == ErrorNumber::PermissionDenied)
        dialogs.messageBox(inUseText, MsgIconExclamation, library_steps::kAccessError);
    else
        dialogs.messageBox(illegalNameText, MsgIconExclamation, QStringLiteral(" Renaming error"));
    host.redrawGamesList();
}

} // namespace z3d
