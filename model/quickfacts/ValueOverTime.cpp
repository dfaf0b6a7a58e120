#include "model/quickfacts/ValueOverTime.h"

#include <algorithm>

#include "model/core/InventoryElement.h"
#include "model/core/ValueHistory.h"
#include "model/quickfacts/AmountSum.h"

namespace valuation {

namespace {

// An amount that joins the total on a day (a value leaving joins negated).
struct Step {
    CDate date;
    long long amount = 0;
};

void AddItem(const CInventoryElement& item, std::vector<Step>& steps) {
    const CDate entered = valuehistory::EntryDate(item).value_or(CDate{});
    const valuehistory::Parsed history = valuehistory::Parse(item.GetReservedText1());
    if (history.kind != valuehistory::Kind::History || history.entries.empty()) {
        steps.push_back({entered, AmountValue(item.GetCurrentValue())});
        return;
    }
    // AmountValue saturates symmetrically, so a value's negation never overflows.
    long long value = AmountValue(valuehistory::ValueOn(history.entries, entered));
    steps.push_back({entered, value});
    for (const valuehistory::Entry& entry : history.entries) {
        if (!valuehistory::Before(entered, entry.date))
            continue;
        const long long next = AmountValue(entry.value);
        if (next == value)
            continue;
        steps.push_back({entry.date, -value});
        steps.push_back({entry.date, next});
        value = next;
    }
}

} // namespace

std::vector<CTotalOnDate>
TotalValueOverTime(const std::vector<std::unique_ptr<CInventoryElement>>& items) {
    std::vector<Step> steps;
    steps.reserve(items.size());
    for (const auto& item : items)
        AddItem(*item, steps);
    std::stable_sort(steps.begin(), steps.end(), [](const Step& a, const Step& b) {
        return valuehistory::Before(a.date, b.date);
    });
    std::vector<CTotalOnDate> totals;
    CAmountSum sum;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        sum.Add(steps[k].amount);
        if (k + 1 == steps.size() || steps[k + 1].date != steps[k].date)
            totals.push_back({steps[k].date, sum.Value()});
    }
    return totals;
}

} // namespace valuation
