#pragma once

#include <string>

#include "model/core/SidingWardDoc.h"
#include "model/framework/UserText.h"

class CInventoryElement;

// The text every gain ratio gives in place of a number when the purchase amount is 0.
inline constexpr const char* kCannotCalculateText =
    GW_TRANSLATE_NOOP("Messages", "Cannot calculate! Purchase Price is zero");

// a + b, held within -LLONG_MAX..LLONG_MAX instead of overflowing, so that every
// total written as amount text reads back as the same number.
long long SaturatingAdd(long long a, long long b);
// a - b, held within the same range.
long long SaturatingSubtract(long long a, long long b);

// A gain ratio written with exactly two decimals, not multiplied by 100: 0.5 gives
// "0.50", -0.25 gives "-0.25". The magnitude is rounded half away from zero on its
// 17-significant-digit decimal form (0.125 gives "0.13", 1.005 gives "1.00" because
// its nearest double is 1.00499999999999990...). A non-zero ratio too small for any
// digit gives "0.00", or "-0.00" when negative, so a tiny loss still reads as a loss.
std::string GainRatioText(double ratio);

// The gain ratio text of (current - purchase) / purchase, or kCannotCalculateText
// when purchase is 0.
std::string GainRatioOf(long long current, long long purchase);

// What an item and an inventory's item list are worth: amount texts and gain ratio
// texts of Purchase Price and Current Value, read as amount values.
namespace valuation {

// Amount text of the item's Current Value minus its Purchase Price.
std::string DollarGainLoss(const CInventoryElement& item);
// Gain ratio text of that gain over the purchase amount, or kCannotCalculateText
// when the purchase amount is 0.
std::string PercentGainLoss(const CInventoryElement& item);

// Amount texts of the sums over all items of Purchase Price and of Current Value;
// "0.00" for an empty list. A total beyond the 64-bit range is written as
// +-LLONG_MAX, whatever the order of the items.
std::string TotalExpenditures(const CSidingWardDoc::ItemList& items);
std::string TotalAssetValue(const CSidingWardDoc::ItemList& items);
// Amount text of total asset value minus total expenditures.
std::string DollarGainLoss(const CSidingWardDoc::ItemList& items);
// Gain ratio text of the totals (a ratio of the sums, not an average), or
// kCannotCalculateText when the total expenditures are 0.
std::string PercentGainLoss(const CSidingWardDoc::ItemList& items);

// The item a performer search found and how many items tie with it.
struct CPerformer {
    // Null when no item qualified.
    CInventoryElement* item = nullptr;
    // The number of items with the found item's gain, itself included; when no item
    // qualified, the number of items that broke even.
    int ties = 0;
};

// The first item, in list order, with the largest loss (no item when none lost money).
CPerformer FindWorstPerformer(const CSidingWardDoc::ItemList& items);
// The first item, in list order, with the largest gain (no item when none gained).
CPerformer FindBestPerformer(const CSidingWardDoc::ItemList& items);

} // namespace valuation
