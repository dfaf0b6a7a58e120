#include "model/quickfacts/TotalAssetValue.h"

#include "model/core/SidingWardDoc.h"
#include "model/quickfacts/Valuation.h"

using namespace quickfacts;

std::optional<CQuickFactsReport>
CTotalAssetValue::ReportInventory(const CSidingWardDoc* doc) const {
    if (!doc)
        return std::nullopt;
    return MakeReport(
        CUserText::Make(GW_TRANSLATE_NOOP("Messages", "Entire Inventory\n\nTotal Asset Value: $%1"),
                        valuation::TotalAssetValue(doc->GetItems())),
        kGainSound);
}
