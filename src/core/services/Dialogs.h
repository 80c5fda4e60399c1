#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace z3d {

// Button codes a message box returns.
enum MsgBoxResult : int
{
    MsgOk = 1,
    MsgCancel = 2,
    MsgYes = 6,
    MsgNo = 7
};

// Message-box style sums: buttons in the low bits, one icon, and flags that pass through.
enum MsgBoxStyle : int
{
    MsgButtonsOk = 0,
    MsgButtonsOkCancel = 1,
    MsgButtonsYesNoCancel = 3,
    MsgButtonsYesNo = 4,
    MsgIconCritical = 16,
    MsgIconQuestion = 32,
    MsgIconExclamation = 48,
    MsgIconInformation = 64,
    MsgSystemModal = 4096,
};

// Where a hooked open-file dialog sits over the main window; the install dialog is not moved.
enum class DialogPlacement
{
    Hooked,
    Platform
};

struct OpenFileRequest
{
    QString title;
    QString initialFolder;
    // Pairs of description and pattern, e.g. {"Doom levels - zip or wad files", "*.zip;*.wad;"}.
    QStringList filters;
    QString defaultExtension;
    DialogPlacement placement = DialogPlacement::Hooked;
};

// The answer of the name prompt: the box's text when it closed, and whether the player
// pressed a button still captioned "Cancel".
struct NameAnswer
{
    QString text;
    bool cancelled = false;
};

// Every modal window the launcher opens for a question or a choice. The windows implement it;
// tests script the answers and record what was asked.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // A message box centred over the main window; returns one of MsgBoxResult.
    virtual int messageBox(const QString& text, int style, const QString& title) = 0;
    // The chosen file's path, or nothing when the dialog was cancelled.
    virtual std::optional<QString> openFile(const OpenFileRequest& request) = 0;
    // The chosen folder's path, or nothing when cancelled. The browser opens on startFolder,
    // the location the choice replaces (or the nearest folder of it that exists).
    virtual std::optional<QString> browseForFolder(const QString& instruction,
                                                   const QString& startFolder) = 0;
    // The name prompt. Closing it by its title bar returns the default text, not cancelled.
    virtual NameAnswer askName(const QString& frameCaption, const QString& windowCaption,
                               const QString& buttonCaption, const QString& defaultText) = 0;
    // A one-line input box; nothing when cancelled.
    virtual std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                            const QString& defaultText) = 0;
};

} // namespace z3d
