#include "support/RecordingDialogs.h"

namespace z3d::test {

QList<RecordingDialogs::Call> RecordingDialogs::messages() const
{
    QList<Call> result;
    for (const Call& call : m_calls) {
        if (call.kind == Kind::MessageBox)
            result << call;
    }
    return result;
}

int RecordingDialogs::messageBox(const QString& text, int style, const QString& title)
{
    m_calls << Call{Kind::MessageBox, title, text, style, {}, {}, {}};
    if (auto answer = next(m_messageAnswers))
        return *answer;
    const int buttons = style & 0x7;
    return (buttons == MsgButtonsYesNo || buttons == MsgButtonsYesNoCancel) ? MsgYes : MsgOk;
}

std::optional<QString> RecordingDialogs::openFile(const OpenFileRequest& request)
{
    m_calls << Call{Kind::OpenFile, request.title, {}, 0, request, {}, {}};
    return nextOrCancel(m_fileAnswers);
}

std::optional<QString> RecordingDialogs::browseForFolder(const QString& instruction,
                                                         const QString& startFolder)
{
    m_calls << Call{Kind::BrowseForFolder, {}, instruction, 0, {}, {}, startFolder};
    return nextOrCancel(m_folderAnswers);
}

NameAnswer RecordingDialogs::askName(const QString& frameCaption, const QString& windowCaption,
                                     const QString& buttonCaption, const QString& defaultText)
{
    m_calls << Call{Kind::AskName, windowCaption, frameCaption, 0, {}, buttonCaption, defaultText};
    return next(m_nameAnswers).value_or(NameAnswer{defaultText, false});
}

std::optional<QString> RecordingDialogs::inputBox(const QString& prompt, const QString& title,
                                                  const QString& defaultText)
{
    m_calls << Call{Kind::InputBox, title, prompt, 0, {}, {}, defaultText};
    return nextOrCancel(m_inputAnswers);
}

} // namespace z3d::test
