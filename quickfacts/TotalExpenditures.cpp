#include "quickfacts/TotalExpenditures.h"

#include "core/SidingWardDoc.h"

using namespace quickfacts;

std::optional<CQuickFactsReport>
CTotalExpenditures::ReportInventory(const CSidingWardDoc* doc) const {
    if (!doc)
        return std::nullopt;
    return MakeReport("Entire Inventory\n\nTotal Expenditures: $" + doc->GetTotalExpenditures(),
                      kGainSound);
}
