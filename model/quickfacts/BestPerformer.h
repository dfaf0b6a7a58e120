#pragma once

#include <optional>

#include "model/quickfacts/QuickFactsReport.h"

class CSidingWardDoc;

// Reports the item of the inventory with the largest gain.
class CBestPerformer {
public:
    // Searches the document's items and returns the answer (naming the tied items) with
    // its sound and the item found, or null when there is none; nothing without a
    // document.
    std::optional<CPerformerReport> ReportInventory(const CSidingWardDoc* doc) const;
};
