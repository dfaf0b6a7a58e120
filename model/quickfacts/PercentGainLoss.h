#pragma once

#include <optional>

#include "model/quickfacts/QuickFactsReport.h"

class CInventoryElement;
class CSidingWardDoc;

// Reports the gain ratio of the entire inventory or of one item.
class CPercentGainLoss {
public:
    // The entire inventory's answer with its sound; nothing without a document.
    std::optional<CQuickFactsReport> ReportInventory(const CSidingWardDoc* doc) const;
    // One item's answer, without a sound; nothing without an item.
    std::optional<CQuickFactsReport> ReportItem(const CInventoryElement* item) const;
};
