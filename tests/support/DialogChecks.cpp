#include "support/DialogChecks.h"

#include <QTest>

namespace z3d::test {

void verifyMessage(const RecordingDialogs::Call& call, int style, const QString& title,
                   const QString& text)
{
    QCOMPARE(call.style, style);
    QCOMPARE(call.title, title);
    QCOMPARE(call.text, text);
}

} // namespace z3d::test
