#pragma once

#include "core/services/Dialogs.h"

namespace z3d::test {

// Answers every question at once, as a player pressing Enter would: OK to every message, the
// default text to a name prompt, nothing chosen in a file or folder chooser or an input box.
class SilentDialogs : public Dialogs
{
public:
    int messageBox(const QString&, int, const QString&) override { return MsgOk; }
    std::optional<QString> openFile(const OpenFileRequest&) override { return {}; }
    std::optional<QString> browseForFolder(const QString&, const QString&) override { return {}; }
    NameAnswer askName(const QString&, const QString&, const QString&,
                       const QString& defaultText) override
    {
        return {defaultText, false};
    }
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override
    {
        return {};
    }
};

} // namespace z3d::test
