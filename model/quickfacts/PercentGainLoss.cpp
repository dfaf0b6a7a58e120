#include "model/quickfacts/PercentGainLoss.h"

#include "model/core/InventoryElement.h"
#include "model/core/SidingWardDoc.h"
#include "model/quickfacts/Valuation.h"

using namespace quickfacts;

namespace {
constexpr const char* kHeading = "Percent Gain or Loss\n\n";
} // namespace

std::optional<CQuickFactsReport>
CPercentGainLoss::ReportInventory(const CSidingWardDoc* doc) const {
    if (!doc)
        return std::nullopt;
    const std::string figure = valuation::PercentGainLoss(doc->GetItems());
    const GainClass gain = ClassifyRatioText(figure);
    return MakeReport(kHeading + std::string("Entire Inventory\n\n") +
                          OutcomeText(gain, '%', figure),
                      OutcomeSound(gain));
}

std::optional<CQuickFactsReport> CPercentGainLoss::ReportItem(const CInventoryElement* item) const {
    if (!item)
        return std::nullopt;
    const std::string figure = valuation::PercentGainLoss(*item);
    return MakeReport(kHeading + ItemHeadline(*item) +
                      OutcomeText(ClassifyRatioText(figure), '%', figure));
}
