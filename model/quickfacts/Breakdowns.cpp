#include "model/quickfacts/Breakdowns.h"

#include <string_view>
#include <unordered_map>

#include "model/quickfacts/AmountSum.h"

namespace {

constexpr int kPurchasePrice = static_cast<int>(Attribute::PurchasePrice);
constexpr int kCurrentValue = static_cast<int>(Attribute::CurrentValue);

CYearTable ByPurchaseYear(const CSidingWardDoc::ItemList& items, int moneyAttribute) {
    CYearTable table;
    for (const auto& item : items)
        table.Add(AmountValue(item->GetPurchaseDate()),
                  AmountValue(item->GetAttributeText(moneyAttribute)));
    return table;
}

// Groups by the text of attribute; each item adds what amountOf gives for it. A hash
// of the group values keeps large inventories linear; its keys view the items' own
// texts, which outlive the loop.
template <typename AmountOf>
CGroupList ByAttribute(const CSidingWardDoc::ItemList& items, int attribute, AmountOf amountOf) {
    static const std::string empty;
    const bool known = attribute >= 0 && attribute < kAttributeCount;
    std::vector<CGroupTotal> groups;
    std::vector<CAmountSum> sums;
    std::unordered_map<std::string_view, std::size_t> positions;
    positions.reserve(items.size());
    for (const auto& item : items) {
        const std::string& value = known ? item->GetAttributeText(attribute) : empty;
        const auto [where, added] = positions.try_emplace(value, groups.size());
        if (added) {
            groups.push_back({value, 0});
            sums.emplace_back();
        }
        sums[where->second].Add(amountOf(*item));
    }
    for (std::size_t k = 0; k < groups.size(); ++k)
        groups[k].total = sums[k].Value();
    return CGroupList(std::move(groups));
}

auto AmountOf(int attribute) {
    return [attribute](const CInventoryElement& item) {
        return AmountValue(item.GetAttributeText(attribute));
    };
}

} // namespace

namespace breakdowns {

CYearTable ExpendituresByPurchaseYear(const CSidingWardDoc::ItemList& items) {
    return ByPurchaseYear(items, kPurchasePrice);
}

CYearTable AssetValueByPurchaseYear(const CSidingWardDoc::ItemList& items) {
    return ByPurchaseYear(items, kCurrentValue);
}

CGroupList ExpendituresByAttribute(const CSidingWardDoc::ItemList& items, int attribute) {
    return ByAttribute(items, attribute, AmountOf(kPurchasePrice));
}

CGroupList AssetValueByAttribute(const CSidingWardDoc::ItemList& items, int attribute) {
    return ByAttribute(items, attribute, AmountOf(kCurrentValue));
}

CGroupList ItemCountByAttribute(const CSidingWardDoc::ItemList& items, int attribute) {
    return ByAttribute(items, attribute, [](const CInventoryElement&) { return 1LL; });
}

} // namespace breakdowns
