#include "model/quickfacts/ItemCount.h"

#include "model/core/SidingWardDoc.h"

std::optional<CQuickFactsReport> CItemCount::ReportInventory(const CSidingWardDoc* doc) const {
    if (!doc)
        return std::nullopt;
    CUserText text =
        CUserText::Make(GW_TRANSLATE_NOOP("Messages", "Entire Inventory\n\nItem Count: %1"),
                        std::to_string(doc->GetItemCount()));
    CUserText caption = CUserText::Make(GW_TRANSLATE_NOOP("Messages", "Total Item Count"));
    std::string english = text.English();
    return CQuickFactsReport{std::move(english), caption.English(), ReportIcon::Warning, "",
                             std::move(text),    std::move(caption)};
}
