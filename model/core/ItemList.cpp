#include "model/core/ItemList.h"

#include <algorithm>
#include <numeric>
#include <string_view>

#include "model/core/InventoryElement.h"
#include "model/core/LabelCollation.h"

namespace itemlist {

namespace {

// Ends every cell of a filter text: typed text never holds it, so a match never
// runs from one cell into the next.
constexpr char kCellEnd = '\x1f';

// The key in lower case, so that comparing bytes compares without regard to case.
std::string Lowered(std::string key) {
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return key;
}

} // namespace

std::vector<std::string> SortKeys(const std::vector<CInventoryElement*>& rows, int attribute) {
    std::vector<std::string> keys;
    keys.reserve(rows.size());
    if (!IsMoneyAttribute(attribute)) {
        for (const CInventoryElement* item : rows)
            keys.push_back(item->GetAttributeText(attribute));
        return keys;
    }
    // Padded, never cut: every key gets the width of the longest.
    const std::size_t width = DollarsKeyWidth(rows, attribute);
    for (const CInventoryElement* item : rows)
        keys.push_back(SortKeyOf(attribute, item->GetAttributeText(attribute), width));
    return keys;
}

void Sort(std::vector<CInventoryElement*>& rows, int attribute, bool descending) {
    std::vector<std::string> keys = SortKeys(rows, attribute);
    for (std::string& key : keys)
        key = Lowered(std::move(key));
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&keys, descending](std::size_t a, std::size_t b) {
        // char_traits<char> compares bytes as unsigned: 0x80 and above come last.
        const int compared = keys[a].compare(keys[b]);
        return descending ? compared > 0 : compared < 0;
    });
    std::vector<CInventoryElement*> sorted;
    sorted.reserve(rows.size());
    for (const std::size_t k : order)
        sorted.push_back(rows[k]);
    rows = std::move(sorted);
}

std::string FilterText(const CInventoryElement& item, const std::vector<int>& attributes) {
    std::string text;
    for (const int attribute : attributes) {
        text += item.GetAttributeText(attribute);
        text += kCellEnd;
    }
    return collation::UpperOf(std::move(text));
}

bool Contains(const std::string& filterText, const std::string& upperText) {
    return filterText.find(upperText) != std::string::npos;
}

std::optional<std::size_t> Find(const std::vector<CInventoryElement*>& rows,
                                const std::vector<int>& attributes, std::size_t start,
                                const std::string& text, bool matchCase) {
    const std::string wanted = matchCase ? text : collation::UpperOf(text);
    for (std::size_t row = start; row < rows.size(); ++row) {
        for (const int attribute : attributes) {
            const std::string& cell = rows[row]->GetAttributeText(attribute);
            if ((matchCase ? cell : collation::UpperOf(cell)).find(wanted) != std::string::npos)
                return row;
        }
    }
    return std::nullopt;
}

} // namespace itemlist
