#include "model/quickfacts/BestPerformer.h"

#include "model/core/InventoryElement.h"
#include "model/core/SidingWardDoc.h"

using namespace quickfacts;

std::optional<CPerformerReport> CBestPerformer::ReportInventory(CSidingWardDoc* doc) const {
    if (!doc)
        return std::nullopt;
    CInventoryElement* found = doc->FindBestPerformer();
    if (!found)
        return CPerformerReport{MakeReport("Sorry!\n\nNo Money Gainers Found", kLossSound),
                                nullptr};
    std::string text =
        "The Best Performer\n\n" + ItemHeadline(*found) + "Gain of: $" + found->GetDollarGainLoss();
    const int ties = doc->GetBestPerformerTies();
    if (ties > 1)
        text += "\n\nThere are " + std::to_string(ties - 1) +
                " additional item(s) with the same gain amount.";
    return CPerformerReport{MakeReport(std::move(text), kStarSound), found};
}
