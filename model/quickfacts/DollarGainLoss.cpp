#include "model/quickfacts/DollarGainLoss.h"

#include "model/core/InventoryElement.h"
#include "model/core/SidingWardDoc.h"
#include "model/quickfacts/Valuation.h"

using namespace quickfacts;

namespace {
constexpr const char* kInventoryPattern =
    GW_TRANSLATE_NOOP("Messages", "Dollar Gain or Loss\n\nEntire Inventory\n\n%1");
constexpr const char* kItemPattern =
    GW_TRANSLATE_NOOP("Messages", "Dollar Gain or Loss\n\n%1\n%2\n\n%3");
} // namespace

std::optional<CQuickFactsReport> CDollarGainLoss::ReportInventory(const CSidingWardDoc* doc) const {
    if (!doc)
        return std::nullopt;
    const std::string figure = valuation::DollarGainLoss(doc->GetItems());
    const GainClass gain = ClassifyDollarText(figure);
    return MakeReport(CUserText::Make(kInventoryPattern, OutcomeText(gain, '$', figure)),
                      OutcomeSound(gain));
}

std::optional<CQuickFactsReport> CDollarGainLoss::ReportItem(const CInventoryElement* item) const {
    if (!item)
        return std::nullopt;
    const std::string figure = valuation::DollarGainLoss(*item);
    return MakeReport(
        ItemReportText(kItemPattern, *item, OutcomeText(ClassifyDollarText(figure), '$', figure)));
}
