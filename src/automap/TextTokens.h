#pragma once

#include <cstddef>
#include <string_view>

namespace z3d::automap {

// The tokens of the text lumps written in the C-like style of map definitions (UDMF
// TEXTMAP, MAPINFO, UMAPINFO): words (names, numbers, keywords), quoted strings (their
// content, escapes left as written) and the punctuation characters { } = ; , each alone.
// Blanks, // and /* */ comments are skipped; a string or comment cut off by the end of the
// text ends there.
class TextTokens
{
public:
    explicit TextTokens(std::string_view text) : m_text(text) {}

    // The next token and whether it was quoted; false at the end of the text.
    bool next(std::string_view& token, bool& quoted);
    // Leaves out the rest of the current line (for readers in which a token such as ';'
    // starts a comment).
    void skipRestOfLine();

private:
    void skipBlanksAndComments();

    std::string_view m_text;
    std::size_t m_at = 0;
};

} // namespace z3d::automap
