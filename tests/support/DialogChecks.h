#pragma once

#include "support/RecordingDialogs.h"

#include <QString>

namespace z3d::test {

// Checks that a recorded message box had exactly this style sum, title and text; a mismatch
// fails the running test (the caller goes on, so check the call count first).
void verifyMessage(const RecordingDialogs::Call& call, int style, const QString& title,
                   const QString& text);

} // namespace z3d::test
