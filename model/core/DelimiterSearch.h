#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Finds a delimiter text in records in time linear in the bytes searched, however
// long the delimiter: the search never steps back over bytes it has read
// (Knuth-Morris-Pratt), and jumps to the delimiter's first byte with memchr while
// nothing of it has matched, so short delimiters stay as fast as a plain find.
class CDelimiterSearch {
public:
    explicit CDelimiterSearch(std::string_view delimiter);

    // Where the first occurrence of the delimiter at or after from starts, with all
    // of it inside text; npos when there is none, and always for an empty delimiter.
    std::size_t Find(std::string_view text, std::size_t from = 0) const;
    std::size_t Size() const { return m_delimiter.size(); }
    bool Empty() const { return m_delimiter.empty(); }

private:
    std::string m_delimiter;
    // m_border[k]: the length of the longest proper prefix of the delimiter's first
    // k + 1 bytes that is also their suffix.
    std::vector<std::size_t> m_border;
};
