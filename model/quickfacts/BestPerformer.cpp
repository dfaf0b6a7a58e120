#include "model/quickfacts/BestPerformer.h"

#include "model/core/InventoryElement.h"
#include "model/core/SidingWardDoc.h"
#include "model/quickfacts/Valuation.h"

using namespace quickfacts;

std::optional<CPerformerReport> CBestPerformer::ReportInventory(const CSidingWardDoc* doc) const {
    if (!doc)
        return std::nullopt;
    const valuation::CPerformer performer = valuation::FindBestPerformer(doc->GetItems());
    CInventoryElement* found = performer.item;
    if (!found)
        return CPerformerReport{MakeReport("Sorry!\n\nNo Money Gainers Found", kLossSound),
                                nullptr};
    std::string text = "The Best Performer\n\n" + ItemHeadline(*found) + "Gain of: $" +
                       valuation::DollarGainLoss(*found);
    const int ties = performer.ties;
    if (ties > 1)
        text += "\n\nThere are " + std::to_string(ties - 1) +
                " additional item(s) with the same gain amount.";
    return CPerformerReport{MakeReport(std::move(text), kStarSound), found};
}
