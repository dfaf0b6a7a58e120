#pragma once

#include <optional>

#include "model/quickfacts/QuickFactsReport.h"

class CSidingWardDoc;

// Reports the total current value of the entire inventory.
class CTotalAssetValue {
public:
    // The answer with its sound; nothing without a document.
    std::optional<CQuickFactsReport> ReportInventory(const CSidingWardDoc* doc) const;
};
