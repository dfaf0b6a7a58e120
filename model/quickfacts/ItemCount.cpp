#include "model/quickfacts/ItemCount.h"

#include "model/core/SidingWardDoc.h"

std::optional<CQuickFactsReport> CItemCount::ReportInventory(const CSidingWardDoc* doc) const {
    if (!doc)
        return std::nullopt;
    return CQuickFactsReport{"Entire Inventory\n\nItem Count: " +
                                 std::to_string(doc->GetItemCount()),
                             "Total Item Count", ReportIcon::Warning, ""};
}
