#include "automap/TextTokens.h"

#include <algorithm>
#include <cctype>

namespace z3d::automap {

namespace {

bool isPunctuation(char c)
{
    return c == '{' || c == '}' || c == '=' || c == ';' || c == ',';
}

bool isDelimiter(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) || isPunctuation(c) || c == '"' || c == '/';
}

} // namespace

void TextTokens::skipBlanksAndComments()
{
    while (m_at < m_text.size()) {
        if (std::isspace(static_cast<unsigned char>(m_text[m_at]))) {
            ++m_at;
        } else if (m_text.substr(m_at, 2) == "//") {
            const std::size_t end = m_text.find('\n', m_at);
            m_at = end == std::string_view::npos ? m_text.size() : end;
        } else if (m_text.substr(m_at, 2) == "/*") {
            const std::size_t end = m_text.find("*/", m_at + 2);
            m_at = end == std::string_view::npos ? m_text.size() : end + 2;
        } else if (m_text[m_at] == '/') {
            ++m_at; // a slash alone is no token
        } else {
            return;
        }
    }
}

void TextTokens::skipRestOfLine()
{
    m_at = std::min(m_text.find('\n', m_at), m_text.size());
}

bool TextTokens::next(std::string_view& token, bool& quoted)
{
    skipBlanksAndComments();
    if (m_at >= m_text.size())
        return false;
    const char c = m_text[m_at];
    quoted = c == '"';
    if (quoted) {
        const std::size_t start = ++m_at;
        while (m_at < m_text.size() && m_text[m_at] != '"')
            m_at += m_text[m_at] == '\\' ? 2 : 1;
        m_at = std::min(m_at, m_text.size());
        token = m_text.substr(start, m_at - start);
        m_at = std::min(m_at + 1, m_text.size());
        return true;
    }
    if (isPunctuation(c)) {
        token = m_text.substr(m_at++, 1);
        return true;
    }
    const std::size_t start = m_at;
    while (m_at < m_text.size() && !isDelimiter(m_text[m_at]))
        ++m_at;
    token = m_text.substr(start, m_at - start);
    return true;
}

} // namespace z3d::automap
