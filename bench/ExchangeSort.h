#pragma once

#include <utility>
#include <vector>

#include "model/core/InventoryElement.h"

// The inventory's sort as repeated walks that exchange neighbours whose keys are
// out of order (case-insensitive, ascending), until a walk changes nothing. The
// document sorts in O(n log n); this quadratic form is the reference its order
// must equal, in the tests and as the benchmarks' baseline.
// Items are any pointers to CInventoryElement (raw or owning).
template <typename ItemPointer> void ExchangeSort(std::vector<ItemPointer>& items, int attribute) {
    const std::size_t dollarsWidth = DollarsKeyWidth(items, attribute);
    const auto key = [attribute, dollarsWidth](const auto& item) {
        return SortKeyOf(attribute, item->GetAttributeText(attribute), dollarsWidth);
    };
    bool changed = true;
    while (changed && items.size() > 1) {
        changed = false;
        for (std::size_t i = 0; i + 1 < items.size(); ++i) {
            if (CompareKeysNoCase(key(items[i]), key(items[i + 1])) > 0) {
                std::swap(items[i], items[i + 1]);
                changed = true;
            }
        }
    }
}
