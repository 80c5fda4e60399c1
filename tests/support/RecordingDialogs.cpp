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

} // namespace z3d::test
