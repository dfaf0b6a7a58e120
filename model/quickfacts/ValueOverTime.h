#pragma once

#include <memory>
#include <vector>

#include "model/framework/Clock.h"

class CInventoryElement;

namespace valuation {

// The inventory's total current value on one day.
struct CTotalOnDate {
    CDate date;
    long long total = 0;
    friend bool operator==(const CTotalOnDate&, const CTotalOnDate&) = default;
};

// The total current value of the items over time, oldest first: one point for each
// day on which an item enters (its entry date) or its value changes. An item with
// a value history counts the value the history gives each day (changes dated
// before its entry date count from that date); one without counts its Current
// Value from its entry date. An entry date that is no real date counts as the
// record's default, March 1, 1962. Amounts are summed exactly (CAmountSum).
std::vector<CTotalOnDate>
TotalValueOverTime(const std::vector<std::unique_ptr<CInventoryElement>>& items);

} // namespace valuation
