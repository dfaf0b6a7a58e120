#include "model/quickfacts/TotalExpenditures.h"

#include "model/core/SidingWardDoc.h"
#include "model/quickfacts/Valuation.h"

using namespace quickfacts;

std::optional<CQuickFactsReport>
CTotalExpenditures::ReportInventory(const CSidingWardDoc* doc) const {
    if (!doc)
        return std::nullopt;
    return MakeReport(
        CUserText::Make(
            GW_TRANSLATE_NOOP("Messages", "Entire Inventory\n\nTotal Expenditures: $%1"),
            valuation::TotalExpenditures(doc->GetItems())),
        kGainSound);
}
