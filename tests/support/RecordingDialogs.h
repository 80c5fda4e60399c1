#pragma once

#include "core/services/Dialogs.h"

#include <QList>
#include <QString>

#include <deque>
#include <optional>

namespace z3d::test {

// A dialog service that answers as a test scripts it and records every question asked.
// Unscripted message boxes answer with their first button (OK or Yes); unscripted choosers
// answer "cancelled"; an unscripted name prompt answers as if closed by its title bar.
class RecordingDialogs : public Dialogs
{
public:
    enum class Kind
    {
        MessageBox,
        OpenFile,
        BrowseForFolder,
        AskName,
        InputBox
    };

    struct Call
    {
        Kind kind;
        QString title; // message-box title, dialog title, window caption
        QString text;  // message text, folder instruction, frame caption, prompt
        int style = 0; // message-box style sum
        OpenFileRequest fileRequest;
        QString buttonCaption;
        QString defaultText; // the name prompt's text, the folder browser's start
    };

    void answerMessage(int code) { m_messageAnswers.push_back(code); }
    void answerOpenFile(std::optional<QString> path) { m_fileAnswers.push_back(std::move(path)); }
    void answerFolder(std::optional<QString> path) { m_folderAnswers.push_back(std::move(path)); }
    void answerName(NameAnswer answer) { m_nameAnswers.push_back(std::move(answer)); }
    void answerInput(std::optional<QString> text) { m_inputAnswers.push_back(std::move(text)); }

    const QList<Call>& calls() const { return m_calls; }
    QList<Call> messages() const;
    void clear() { m_calls.clear(); }

    // Each question is recorded as a Call (title, text, style, request, button, default), then
    // answered with the next scripted answer of its kind.
    int messageBox(const QString& text, int style, const QString& title) override;
    std::optional<QString> openFile(const OpenFileRequest& request) override
    {
        m_calls << Call{Kind::OpenFile, request.title, {}, 0, request, {}, {}};
        return next(m_fileAnswers).value_or(std::nullopt);
    }
    std::optional<QString> browseForFolder(const QString& instruction,
                                           const QString& start) override
    {
        m_calls << Call{Kind::BrowseForFolder, {}, instruction, 0, {}, {}, start};
        return next(m_folderAnswers).value_or(std::nullopt);
    }
    NameAnswer askName(const QString& frame, const QString& window, const QString& button,
                       const QString& defaultText) override
    {
        m_calls << Call{Kind::AskName, window, frame, 0, {}, button, defaultText};
        return next(m_nameAnswers).value_or(NameAnswer{defaultText, false});
    }
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override
    {
        m_calls << Call{Kind::InputBox, title, prompt, 0, {}, {}, defaultText};
        return next(m_inputAnswers).value_or(std::nullopt);
    }

private:
    template <class T> static std::optional<T> next(std::deque<T>& answers)
    {
        if (answers.empty())
            return std::nullopt;
        T answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }

    QList<Call> m_calls;
    std::deque<int> m_messageAnswers;
    std::deque<std::optional<QString>> m_fileAnswers;
    std::deque<std::optional<QString>> m_folderAnswers;
    std::deque<NameAnswer> m_nameAnswers;
    std::deque<std::optional<QString>> m_inputAnswers;
};

} // namespace z3d::test
