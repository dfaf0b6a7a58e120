#pragma once

#include <string>
#include <vector>

#include "model/core/InventoryElement.h"

// Every field of an item, texts and entry date, in one comparable list.
inline std::vector<std::string> ItemFields(const CInventoryElement& item) {
    return {item.GetPaintScheme(),
            item.GetCondition(),
            item.GetCurrentValue(),
            item.GetDateBuilt(),
            item.GetReservedText1(),
            item.GetItemNumber(),
            item.GetManufacturer(),
            item.GetOriginalBox(),
            item.GetPurchaseDate(),
            item.GetPurchasePrice(),
            item.GetReservedText2(),
            item.GetRoadName(),
            item.GetScale(),
            item.GetBodyClassification(),
            item.GetUserDefined1(),
            item.GetUserDefined2(),
            item.GetComments(),
            item.GetPicture(),
            std::to_string(item.GetEntryMonth()),
            std::to_string(item.GetEntryDay()),
            std::to_string(item.GetEntryYear())};
}
