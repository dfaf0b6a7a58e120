#include "model/core/DelimiterSearch.h"

#include <cstring>

CDelimiterSearch::CDelimiterSearch(std::string_view delimiter)
    : m_delimiter(delimiter), m_border(delimiter.size(), 0) {
    std::size_t length = 0;
    for (std::size_t k = 1; k < m_delimiter.size(); ++k) {
        while (length > 0 && m_delimiter[k] != m_delimiter[length])
            length = m_border[length - 1];
        if (m_delimiter[k] == m_delimiter[length])
            ++length;
        m_border[k] = length;
    }
}

std::size_t CDelimiterSearch::Find(std::string_view text, std::size_t from) const {
    const std::size_t size = m_delimiter.size();
    if (size == 0 || from >= text.size() || text.size() - from < size)
        return std::string_view::npos;
    const char first = m_delimiter[0];
    std::size_t matched = 0;
    std::size_t at = from;
    while (at < text.size()) {
        if (matched == 0) {
            const void* hit = std::memchr(text.data() + at, first, text.size() - at);
            if (!hit)
                return std::string_view::npos;
            at = static_cast<std::size_t>(static_cast<const char*>(hit) - text.data()) + 1;
            matched = 1;
        } else if (text[at] == m_delimiter[matched]) {
            ++at;
            ++matched;
        } else {
            matched = m_border[matched - 1];
            continue;
        }
        if (matched == size)
            return at - size;
    }
    return std::string_view::npos;
}
