#pragma once

#include "automap/TextTokens.h"

#include <string_view>

namespace z3d::automap {

// Walks a UDMF TEXTMAP's blocks ("thing { type = 3004; single = true; }") for readers that
// keep a few fields of some kinds of block: visitor.begin(kind) at a block's opening brace
// (kind as written, empty when no word names it), visitor.field(key, value, quoted) for each
// assignment (inside a block or not), visitor.end() at a block's closing brace. Values are as
// written: a quoted one without its quotes, escapes left in.
template <typename Visitor> void readUdmfFields(std::string_view textmap, Visitor& visitor)
{
    TextTokens tokens(textmap);
    std::string_view token;
    std::string_view key;
    std::string_view previous;
    bool quoted = false;
    bool afterEquals = false;
    while (tokens.next(token, quoted)) {
        if (quoted && !afterEquals) {
            previous = {};
            continue;
        }
        if (!quoted && token == "{") {
            visitor.begin(previous);
        } else if (!quoted && token == "}") {
            visitor.end();
        } else if (!quoted && token == "=") {
            key = previous;
            afterEquals = true;
            continue;
        } else if (afterEquals) {
            visitor.field(key, token, quoted);
        }
        afterEquals = false;
        previous = quoted ? std::string_view() : token;
    }
}

} // namespace z3d::automap
