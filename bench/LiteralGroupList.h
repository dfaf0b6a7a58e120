#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/core/InventoryElement.h"

// The item counts by attribute as first described: for each item, look for its
// text among the groups found so far, from the front. Quadratic in the number of
// groups; the benchmarks' baseline for the hashed grouping.
namespace literalgrouplist {

inline std::vector<std::pair<std::string, long long>>
CountByAttribute(const std::vector<std::unique_ptr<CInventoryElement>>& items, int attribute) {
    std::vector<std::pair<std::string, long long>> groups;
    for (const auto& item : items) {
        const std::string& value = item->GetAttributeText(attribute);
        bool found = false;
        for (auto& group : groups) {
            if (group.first == value) {
                ++group.second;
                found = true;
                break;
            }
        }
        if (!found)
            groups.emplace_back(value, 1);
    }
    return groups;
}

} // namespace literalgrouplist
