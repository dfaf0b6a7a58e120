#pragma once

#include <memory>
#include <string>

#include "model/core/SidingWardDoc.h"

// Adds an item with the given money texts (and, optionally, its headline texts).
inline CInventoryElement& AddPricedItem(CSidingWardDoc& doc, const std::string& purchase,
                                        const std::string& current,
                                        const std::string& body = "Boxcar",
                                        const std::string& maker = "Lionel") {
    auto item = std::make_unique<CInventoryElement>();
    item->SetPurchasePrice(purchase);
    item->SetCurrentValue(current);
    item->SetBodyClassification(body);
    item->SetManufacturer(maker);
    CInventoryElement& added = *item;
    doc.AddItem(std::move(item), nullptr);
    return added;
}
