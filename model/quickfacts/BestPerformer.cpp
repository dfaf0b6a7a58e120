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
        return CPerformerReport{MakeReport(CUserText::Make(GW_TRANSLATE_NOOP(
                                               "Messages", "Sorry!\n\nNo Money Gainers Found")),
                                           kLossSound),
                                nullptr};
    const std::string amount = valuation::DollarGainLoss(*found);
    const int ties = performer.ties;
    CUserText text =
        ties > 1
            ? CUserText::Make(GW_TRANSLATE_NOOP("Messages",
                                                "The Best Performer\n\n%1\n%2\n\nGain of: $%3\n\n"
                                                "There are %4 additional item(s) with the same "
                                                "gain amount."),
                              found->GetBodyClassification(), found->GetManufacturer(), amount,
                              std::to_string(ties - 1))
            : CUserText::Make(
                  GW_TRANSLATE_NOOP("Messages", "The Best Performer\n\n%1\n%2\n\nGain of: $%3"),
                  found->GetBodyClassification(), found->GetManufacturer(), amount);
    return CPerformerReport{MakeReport(std::move(text), kStarSound), found};
}
