#include "model/quickfacts/QuickFactsReport.h"

#include "model/core/InventoryElement.h"
#include "model/framework/Captions.h"
#include "model/quickfacts/Valuation.h"

namespace quickfacts {

CQuickFactsReport MakeReport(CUserText text, std::string sound) {
    std::string english = text.English();
    return {std::move(english),  captions::kApplicationTitle,
            ReportIcon::Warning, std::move(sound),
            std::move(text),     CUserText::Verbatim(captions::kApplicationTitle)};
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

CUserText OutcomeText(GainClass gain, char unit, const std::string& figure) {
    if (gain == GainClass::BreakEven)
        return CUserText::Make(GW_TRANSLATE_NOOP("Messages", "Break Even!"));
    const bool loss = gain == GainClass::Loss;
    const char* pattern = unit == '%' ? (loss ? GW_TRANSLATE_NOOP("Messages", "Loss of: %%1")
                                              : GW_TRANSLATE_NOOP("Messages", "Gain of: %%1"))
                                      : (loss ? GW_TRANSLATE_NOOP("Messages", "Loss of: $%1")
                                              : GW_TRANSLATE_NOOP("Messages", "Gain of: $%1"));
    // The ratio's stand-in for a zero purchase price is a message of its own.
    return CUserText::Make(pattern, figure == kCannotCalculateText
                                        ? CUserText::Make(kCannotCalculateText)
                                        : CUserText::Verbatim(figure));
}

CUserText ItemReportText(const char* pattern, const CInventoryElement& item, CUserText result) {
    return CUserText::Make(pattern, item.GetBodyClassification(), item.GetManufacturer(),
                           std::move(result));
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
