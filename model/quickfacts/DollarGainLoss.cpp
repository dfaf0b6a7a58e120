#include "model/quickfacts/DollarGainLoss.h"

#include "model/core/InventoryElement.h"
#include "model/core/SidingWardDoc.h"
#include "model/quickfacts/Valuation.h"

using namespace quickfacts;

namespace {
constexpr const char* kHeading = "Dollar Gain or Loss\n\n";
} // namespace

std::optional<CQuickFactsReport> CDollarGainLoss::ReportInventory(const CSidingWardDoc* doc) const {
    if (!doc)
        return std::nullopt;
    const std::string figure = valuation::DollarGainLoss(doc->GetItems());
    const GainClass gain = ClassifyDollarText(figure);
    return MakeReport(kHeading + std::string("Entire Inventory\n\n") +
                          OutcomeText(gain, '$', figure),
                      OutcomeSound(gain));
}

std::optional<CQuickFactsReport> CDollarGainLoss::ReportItem(const CInventoryElement* item) const {
    if (!item)
        return std::nullopt;
    const std::string figure = valuation::DollarGainLoss(*item);
    return MakeReport(kHeading + ItemHeadline(*item) +
                      OutcomeText(ClassifyDollarText(figure), '$', figure));
}
