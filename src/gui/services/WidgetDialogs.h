#pragma once

#include "core/services/Dialogs.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace z3d {

class DialogProgress;

// The launcher's dialogs on Qt widgets, each owned by and placed over the main window. While
// one is open, the progress of the work that asks steps aside, so the question gets the keys.
class WidgetDialogs : public Dialogs
{
public:
    // advancedLayout tells where hooked open-file dialogs go; customFontInUse whether the
    // name prompt keeps typed letters as they are.
    WidgetDialogs(std::function<bool()> advancedLayout, std::function<bool()> customFontInUse);

    // The window dialogs are owned by and centred over; none before the main window exists.
    void setMainWindow(QWidget* mainWindow);
    // The progress that steps aside while a question is open; none when not set.
    void setProgress(DialogProgress* progress);

    int messageBox(const QString& text, int style, const QString& title) override;
    std::optional<QString> openFile(const OpenFileRequest& request) override;
    std::optional<QString> browseForFolder(const QString& instruction,
                                           const QString& startFolder) override;
    NameAnswer askName(const QString& frameCaption, const QString& windowCaption,
                       const QString& buttonCaption, const QString& defaultText) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override;

private:
    // Holds the progress aside for as long as it lives.
    class Question;

    QPointer<QWidget> m_mainWindow;
    DialogProgress* m_progress = nullptr;
    std::function<bool()> m_advancedLayout;
    std::function<bool()> m_customFontInUse;
};

} // namespace z3d
