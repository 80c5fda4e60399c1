#include "support/SoleMessage.h"

#include "support/DialogChecks.h"

#include <QTest>

namespace z3d::test {

void verifySoleMessage(const QList<RecordingDialogs::Call>& messages, int style,
                       const QString& title, const QString& text)
{
    QCOMPARE(messages.size(), 1);
    verifyMessage(messages.first(), style, title, text);
}

} // namespace z3d::test
