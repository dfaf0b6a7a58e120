#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/core/InventoryElement.h"

// The text import done the slow, obvious way: the file's bytes go one at a time
// into a line buffer that is searched for CR LF after every byte, and each
// delimiter is found by trying every start position in turn. The document reads
// the whole file and splits it in one pass; this form is the reference its records
// and items must equal, in the tests and as the benchmarks' baseline.
namespace literalimport {

inline std::vector<std::string> SplitRecords(std::string_view bytes) {
    std::vector<std::string> records;
    std::string buffer;
    for (const char byte : bytes) {
        buffer += byte;
        const std::size_t pair = buffer.find("\r\n");
        if (pair != std::string::npos) {
            records.push_back(buffer.substr(0, pair));
            buffer.clear();
        }
    }
    return records;
}

// The first position at which pattern occurs in text; 0 for an empty pattern.
inline std::size_t FindFirst(const std::string& text, const std::string& pattern) {
    for (std::size_t start = 0; start + pattern.size() <= text.size(); ++start) {
        std::size_t matched = 0;
        while (matched < pattern.size() && text[start + matched] == pattern[matched])
            ++matched;
        if (matched == pattern.size())
            return start;
    }
    return std::string::npos;
}

inline void ParseRecord(std::string remaining, const std::string& delimiter,
                        const std::vector<int>& fieldOrder, CInventoryElement& item) {
    const std::string whiteSpace = " \t\n\v\f\r";
    for (std::size_t position = 0; position < fieldOrder.size(); ++position) {
        const std::size_t at = FindFirst(remaining, delimiter);
        const bool last = position == fieldOrder.size() - 1;
        if (at == std::string::npos && !last)
            return;
        if (at == 0 || remaining.empty())
            return;
        const std::string value = at == std::string::npos ? remaining : remaining.substr(0, at);
        item.SetAttributeText(fieldOrder[position], value);
        remaining.erase(0, at == std::string::npos ? value.size() : at + delimiter.size());
        while (!remaining.empty() && whiteSpace.find(remaining[0]) != std::string::npos)
            remaining.erase(0, 1);
    }
}

// The items that importing bytes appends to an inventory.
inline std::vector<std::unique_ptr<CInventoryElement>> Import(std::string_view bytes,
                                                              const std::string& delimiter,
                                                              const std::vector<int>& fieldOrder,
                                                              bool firstRecordHoldsNames) {
    std::vector<std::string> records = SplitRecords(bytes);
    if (firstRecordHoldsNames && !records.empty())
        records.erase(records.begin());
    std::vector<std::unique_ptr<CInventoryElement>> items;
    for (const std::string& record : records) {
        auto item = std::make_unique<CInventoryElement>();
        ParseRecord(record, delimiter, fieldOrder, *item);
        items.push_back(std::move(item));
    }
    return items;
}

} // namespace literalimport
