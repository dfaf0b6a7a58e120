#pragma once

#include "model/core/SidingWardDoc.h"
#include "model/quickfacts/GroupList.h"
#include "model/quickfacts/YearTable.h"

// The groupings and totals of an inventory's item list behind the breakdown reports.
namespace breakdowns {

// Purchase Price or Current Value totals by the purchase year of every item.
CYearTable ExpendituresByPurchaseYear(const CSidingWardDoc::ItemList& items);
CYearTable AssetValueByPurchaseYear(const CSidingWardDoc::ItemList& items);

// Groups of the exact text of attribute 0..13 (others give the empty text), in the
// order their text first occurs, with Purchase Price totals, Current Value totals or
// item counts.
CGroupList ExpendituresByAttribute(const CSidingWardDoc::ItemList& items, int attribute);
CGroupList AssetValueByAttribute(const CSidingWardDoc::ItemList& items, int attribute);
CGroupList ItemCountByAttribute(const CSidingWardDoc::ItemList& items, int attribute);

} // namespace breakdowns
