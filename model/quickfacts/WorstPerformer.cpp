#include "model/quickfacts/WorstPerformer.h"

#include "model/core/InventoryElement.h"
#include "model/core/SidingWardDoc.h"
#include "model/quickfacts/Valuation.h"

using namespace quickfacts;

std::optional<CPerformerReport> CWorstPerformer::ReportInventory(const CSidingWardDoc* doc) const {
    if (!doc)
        return std::nullopt;
    const valuation::CPerformer performer = valuation::FindWorstPerformer(doc->GetItems());
    CInventoryElement* found = performer.item;
    if (!found)
        return CPerformerReport{MakeReport("Congratulations!\n\nNo Money Losers Found", kStarSound),
                                nullptr};
    std::string text = "The Worst Performer\n\n" + ItemHeadline(*found) + "Loss of: $" +
                       valuation::DollarGainLoss(*found);
    const int ties = performer.ties;
    if (ties > 1)
        text += "\n\nThere are " + std::to_string(ties - 1) +
                " additional item(s) with the same loss amount.";
    return CPerformerReport{MakeReport(std::move(text), kLossSound), found};
}
