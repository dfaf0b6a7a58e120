#pragma once

#include <optional>

#include "model/quickfacts/QuickFactsReport.h"

class CSidingWardDoc;

// Reports the number of items of the entire inventory.
class CItemCount {
public:
    // The answer, captioned "Total Item Count", without a sound; nothing without a
    // document.
    std::optional<CQuickFactsReport> ReportInventory(const CSidingWardDoc* doc) const;
};
