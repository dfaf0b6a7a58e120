#include "model/quickfacts/WorstPerformer.h"

#include "model/core/InventoryElement.h"
#include "model/core/SidingWardDoc.h"

using namespace quickfacts;

std::optional<CPerformerReport> CWorstPerformer::ReportInventory(CSidingWardDoc* doc) const {
    if (!doc)
        return std::nullopt;
    CInventoryElement* found = doc->FindWorstPerformer();
    if (!found)
        return CPerformerReport{MakeReport("Congratulations!\n\nNo Money Losers Found", kStarSound),
                                nullptr};
    std::string text = "The Worst Performer\n\n" + ItemHeadline(*found) + "Loss of: $" +
                       found->GetDollarGainLoss();
    const int ties = doc->GetWorstPerformerTies();
    if (ties > 1)
        text += "\n\nThere are " + std::to_string(ties - 1) +
                " additional item(s) with the same loss amount.";
    return CPerformerReport{MakeReport(std::move(text), kLossSound), found};
}
