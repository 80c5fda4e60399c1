#pragma once

#include "support/RecordingDialogs.h"

#include <QList>
#include <QString>

namespace z3d::test {

// Checks that messages holds exactly one message box, with this style sum, title and text; a
// mismatch fails the running test (the caller goes on).
void verifySoleMessage(const QList<RecordingDialogs::Call>& messages, int style,
                       const QString& title, const QString& text);

} // namespace z3d::test
