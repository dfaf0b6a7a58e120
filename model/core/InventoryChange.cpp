#include "model/core/InventoryChange.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

#include "model/core/SidingWardDoc.h"

namespace {

template <typename... Steps> struct Overloaded : Steps... { using Steps::operator()...; };
// Spelled out for compilers that do not deduce an aggregate's arguments yet.
template <typename... Steps> Overloaded(Steps...) -> Overloaded<Steps...>;

// The positions of the items the list holds, ascending, and those items in that order.
std::pair<std::vector<int>, std::vector<CInventoryElement*>>
Find(const CInventoryChange::ItemList& list, const std::vector<CInventoryElement*>& items) {
    std::vector<int> positions;
    std::vector<CInventoryElement*> found;
    const std::unordered_set<const CInventoryElement*> wanted(items.begin(), items.end());
    for (std::size_t k = 0; k < list.size() && found.size() < wanted.size(); ++k) {
        if (wanted.contains(list[k].get())) {
            positions.push_back(static_cast<int>(k));
            found.push_back(list[k].get());
        }
    }
    return {std::move(positions), std::move(found)};
}

// Moves the items at the positions (ascending) out of the list, in their order.
CInventoryChange::ItemList Extract(CInventoryChange::ItemList& list,
                                   const std::vector<int>& positions) {
    CInventoryChange::ItemList taken;
    if (positions.size() == list.size()) {
        // Everything goes: hand the whole list over at once.
        taken.swap(list);
        return taken;
    }
    taken.resize(positions.size());
    for (std::size_t k = positions.size(); k-- > 0;) {
        const auto at = list.begin() + positions[k];
        taken[k] = std::move(*at);
        list.erase(at);
    }
    return taken;
}

// Puts the items back at the positions (ascending) they had.
void Restore(CInventoryChange::ItemList& list, CInventoryChange::ItemList& taken,
             const std::vector<int>& positions) {
    if (list.empty() && taken.size() == positions.size() &&
        (positions.empty() || positions.back() + 1 == static_cast<int>(positions.size()))) {
        list.swap(taken);
        taken.clear();
        return;
    }
    for (std::size_t k = 0; k < positions.size(); ++k)
        list.insert(list.begin() + positions[k], std::move(taken[k]));
    taken.clear();
}

} // namespace

CInventoryChange::CInventoryChange(std::string text, Step step)
    : m_text(std::move(text)), m_step(std::move(step)) {}

CInventoryChange::~CInventoryChange() = default;

CInventoryChange::Ptr CInventoryChange::Insert(std::string text, ItemList items, bool replacesAll) {
    std::vector<CInventoryElement*> pointers;
    pointers.reserve(items.size());
    for (const auto& item : items)
        pointers.push_back(item.get());
    return Ptr(new CInventoryChange(
        std::move(text), InsertStep{std::move(items), std::move(pointers), replacesAll}));
}

CInventoryChange::Ptr CInventoryChange::Remove(std::string text,
                                               std::vector<CInventoryElement*> items) {
    return Ptr(new CInventoryChange(std::move(text), RemoveStep{std::move(items), {}, {}}));
}

CInventoryChange::Ptr CInventoryChange::Replace(std::string text, CInventoryElement& item,
                                                CInventoryElement values) {
    return Ptr(new CInventoryChange(std::move(text), ReplaceStep{&item, std::move(values)}));
}

CInventoryChange::Ptr CInventoryChange::Sort(std::string text, int attribute) {
    return Ptr(new CInventoryChange(std::move(text), SortStep{attribute, 0, {}}));
}

std::vector<CInventoryElement*> CInventoryChange::Leaving(const Target& target, bool undo) const {
    return std::visit(Overloaded{[&](const InsertStep& step) {
                                     return undo ? step.items : std::vector<CInventoryElement*>{};
                                 },
                                 [&](const RemoveStep& step) {
                                     return undo ? std::vector<CInventoryElement*>{}
                                                 : Find(target.items, step.items).second;
                                 },
                                 [](const auto&) { return std::vector<CInventoryElement*>{}; }},
                      m_step);
}

CItemsUpdate CInventoryChange::Do(Target& target) {
    return std::visit(
        Overloaded{
            [&](InsertStep& step) {
                CItemsUpdate update{step.replacesAll ? ItemsUpdateKind::AllReplaced
                                                     : ItemsUpdateKind::Inserted,
                                    step.items,
                                    {},
                                    step.items.empty() ? nullptr : step.items.back()};
                for (std::size_t k = 0; k < step.held.size(); ++k)
                    update.positions.push_back(static_cast<int>(target.items.size() + k));
                // A range insert grows the list geometrically, however it is called.
                target.items.insert(target.items.end(), std::make_move_iterator(step.held.begin()),
                                    std::make_move_iterator(step.held.end()));
                step.held.clear();
                return update;
            },
            [&](RemoveStep& step) {
                auto [positions, found] = Find(target.items, step.items);
                step.items = found;
                step.positions = positions;
                step.held = Extract(target.items, step.positions);
                // Delete ALL: the windows start afresh rather than lose row after row.
                const bool all = !found.empty() && target.items.empty();
                return CItemsUpdate{all ? ItemsUpdateKind::AllReplaced : ItemsUpdateKind::Removed,
                                    std::move(found), std::move(positions), nullptr};
            },
            [&](ReplaceStep& step) {
                std::swap(*step.item, step.other);
                return CItemsUpdate{ItemsUpdateKind::Changed, {step.item}, {}, step.item};
            },
            [&](SortStep& step) {
                step.previousAttribute = target.sortAttribute;
                target.sortAttribute = step.attribute;
                step.previousPositions = CSidingWardDoc::SortItems(target.items, step.attribute);
                return CItemsUpdate{};
            }},
        m_step);
}

CItemsUpdate CInventoryChange::Undo(Target& target) {
    return std::visit(
        Overloaded{[&](InsertStep& step) {
                       // Undone in the order done, so the items are the last ones.
                       CItemsUpdate update{step.replacesAll ? ItemsUpdateKind::AllReplaced
                                                            : ItemsUpdateKind::Removed,
                                           step.items,
                                           {},
                                           nullptr};
                       const std::size_t first = target.items.size() - step.items.size();
                       for (std::size_t k = 0; k < step.items.size(); ++k)
                           update.positions.push_back(static_cast<int>(first + k));
                       step.held.assign(
                           std::make_move_iterator(target.items.begin() + static_cast<long>(first)),
                           std::make_move_iterator(target.items.end()));
                       target.items.resize(first);
                       return update;
                   },
                   [&](RemoveStep& step) {
                       const bool all = target.items.empty() && !step.items.empty();
                       Restore(target.items, step.held, step.positions);
                       return CItemsUpdate{all ? ItemsUpdateKind::AllReplaced
                                               : ItemsUpdateKind::Inserted,
                                           step.items, step.positions,
                                           step.items.empty() ? nullptr : step.items.front()};
                   },
                   [&](ReplaceStep& step) {
                       std::swap(*step.item, step.other);
                       return CItemsUpdate{ItemsUpdateKind::Changed, {step.item}, {}, step.item};
                   },
                   [&](SortStep& step) {
                       ItemList previous(target.items.size());
                       for (std::size_t k = 0; k < target.items.size(); ++k)
                           previous[step.previousPositions[k]] = std::move(target.items[k]);
                       target.items = std::move(previous);
                       target.sortAttribute = step.previousAttribute;
                       return CItemsUpdate{};
                   }},
        m_step);
}
