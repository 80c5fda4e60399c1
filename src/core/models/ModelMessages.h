#pragma once

#include "core/services/Dialogs.h"

#include <QString>

// The fixed titles, texts and styles of the model messages. Blanks are part of the texts;
// two-line texts are joined by CR LF.
namespace z3d::model_messages {

struct Message
{
    QString title;
    QString text;
    int style = MsgButtonsOk;
};

// "Add" was given one of Orrin's files, which the Models page's options load already.
inline const Message kConfigurationWarning{
    QStringLiteral(" Configuration warning"),
    QStringLiteral("It is not necessary to add any Orrin's model defs to Global Deds, to use    ") +
        QStringLiteral("\r\n") +
        QStringLiteral(
            "  the Orrin's models just enable the required option under the Misc tab.   "),
    MsgIconInformation};

// The cleanup removed everything it was asked to.
inline const Message kCleanupCompleted{
    QStringLiteral(" Cleanup Completed"),
    QStringLiteral("Important: Close down the launcher before re-installing any model packs.    "),
    MsgIconInformation};

// The cleanup stopped at an item it could not remove; what went before is gone.
inline Message cleanupStopped(const QString& item)
{
    return {QStringLiteral(" Cleanup incomplete"),
            QStringLiteral("Unable to remove ") + item + QStringLiteral("    ") +
                QStringLiteral("\r\n") +
                QStringLiteral("Close any program using it and run the cleanup again.    "),
            MsgIconExclamation};
}

} // namespace z3d::model_messages
