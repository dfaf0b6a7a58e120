#include "model/quickfacts/QuickFactsReport.h"

#include "model/core/InventoryElement.h"
#include "model/framework/Captions.h"

namespace quickfacts {

CQuickFactsReport MakeReport(std::string text, std::string sound) {
    return {std::move(text), captions::kApplicationTitle, ReportIcon::Warning, std::move(sound)};
}

std::string ItemHeadline(const CInventoryElement& item) {
    return item.GetBodyClassification() + "\n" + item.GetManufacturer() + "\n\n";
}

GainClass ClassifyDollarText(const std::string& amountText) {
    if (amountText.starts_with('-'))
        return GainClass::Loss;
    // Amount texts have no leading zeros, so only "0.00" begins with "0".
    return amountText.starts_with('0') ? GainClass::BreakEven : GainClass::Gain;
}

GainClass ClassifyRatioText(const std::string& ratioText) {
    if (ratioText.starts_with('-'))
        return GainClass::Loss;
    // The cannot-calculate text falls through to the gain case on purpose: the report
    // then reads "Gain of: %Cannot calculate! ...".
    return ratioText.starts_with("0.00") ? GainClass::BreakEven : GainClass::Gain;
}

std::string OutcomeText(GainClass gain, char unit, const std::string& figure) {
    switch (gain) {
    case GainClass::Loss:
        return std::string("Loss of: ") + unit + figure;
    case GainClass::BreakEven:
        return "Break Even!";
    case GainClass::Gain:
        break;
    }
    return std::string("Gain of: ") + unit + figure;
}

const char* OutcomeSound(GainClass gain) {
    switch (gain) {
    case GainClass::Loss:
        return kLossSound;
    case GainClass::BreakEven:
        return kBreakEvenSound;
    case GainClass::Gain:
        break;
    }
    return kGainSound;
}

} // namespace quickfacts
