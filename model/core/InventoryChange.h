#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "model/core/InventoryElement.h"
#include "model/core/InventoryView.h"

// One undoable change to an inventory's item list: items added at the end, items
// removed, one item's values replaced, or the list sorted. The change owns the
// items that are out of the list while it is done or undone, so an item keeps its
// address through undo and redo and dies only with the change that holds it.
// Only the inventory applies changes (CSidingWardDoc::Apply, Undo and Redo).
class CInventoryChange {
public:
    using ItemList = std::vector<std::unique_ptr<CInventoryElement>>;
    using Ptr = std::unique_ptr<CInventoryChange>;

    // Appends the items. replacesAll: the windows show the whole list anew (an
    // import, which may bring thousands).
    static Ptr Insert(std::string text, ItemList items, bool replacesAll = false);
    // Removes those of the items the list holds.
    static Ptr Remove(std::string text, std::vector<CInventoryElement*> items);
    // Gives the item the values of another (every attribute and text).
    static Ptr Replace(std::string text, CInventoryElement& item, CInventoryElement values);
    // Sorts the list by an attribute, which becomes the inventory's sort attribute.
    static Ptr Sort(std::string text, int attribute);

    ~CInventoryChange();

    // What the history calls it: "Delete", "Paste", "Change Condition", ...
    const std::string& Text() const { return m_text; }

    // The inventory's state a change works on.
    struct Target {
        ItemList& items;
        int& sortAttribute;
    };
    // The items of the list that Do (or Undo) takes out of it.
    std::vector<CInventoryElement*> Leaving(const Target& target, bool undo) const;
    CItemsUpdate Do(Target& target);
    CItemsUpdate Undo(Target& target);

private:
    struct InsertStep {
        ItemList held; // the items while they are not in the list
        std::vector<CInventoryElement*> items;
        bool replacesAll = false;
    };
    struct RemoveStep {
        std::vector<CInventoryElement*> items; // as asked; Do keeps those found
        std::vector<int> positions;
        ItemList held;
    };
    struct ReplaceStep {
        CInventoryElement* item;
        CInventoryElement other; // the values the item does not have now
    };
    struct SortStep {
        int attribute;
        int previousAttribute = 0;
        std::vector<std::uint32_t> previousPositions; // of each item in sorted order
    };
    using Step = std::variant<InsertStep, RemoveStep, ReplaceStep, SortStep>;

    CInventoryChange(std::string text, Step step);

    std::string m_text;
    Step m_step;
};
