#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "model/core/InventoryElement.h"
#include "model/framework/Document.h"

class CCatalogue;

// One open inventory: its items in their current order, its search history and
// its link to the Classification Yard. The document owns its items.
class CSidingWardDoc : public CDocument {
public:
    using ItemList = std::vector<std::unique_ptr<CInventoryElement>>;

    CSidingWardDoc() = default;

    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    const ItemList& GetItems() const { return m_items; }
    // The item at a list position (0-based); null when there is none.
    CInventoryElement* GetItemAt(int position) const;

    // Appends the item and takes ownership; marks modified and tells every view but sender.
    void AddItem(std::unique_ptr<CInventoryElement> item, CDocumentView* sender);
    // Appends the items in their order and takes ownership; marks modified and tells
    // every view but sender, also when items is empty.
    void AppendItems(ItemList items, CDocumentView* sender);
    // Destroys that very item when the list holds it, marks modified and returns
    // true; otherwise changes nothing and returns false.
    bool RemoveItem(const CInventoryElement* item, CDocumentView* sender);
    // Destroys, in one step, those of items the list holds; when any went, marks
    // modified and tells every view but sender once. Returns how many of items the
    // list did not hold (each counted once).
    int RemoveItems(std::span<CInventoryElement* const> items, CDocumentView* sender);
    bool ContainsItem(const CInventoryElement* item) const;
    // The list position of that very item, or -1.
    int IndexOfItem(const CInventoryElement* item) const;

    // The attribute the inventory is sorted by (attribute index; Body Classification at first).
    int GetSortAttribute() const { return m_sortAttribute; }
    void SetSortAttribute(int attribute) { m_sortAttribute = attribute; }
    // Sorts ascending by the sort attribute's key without regard to case; items with
    // equal keys keep their order. Does not mark the document modified.
    void Sort();

    // Sets the modified flag and tells every view but sender.
    void MarkModified(CDocumentView* sender);

    // The longest text of an attribute over all items; 1 when there are no items.
    int GetLongestValue(int attribute) const;

    // The texts searched for with Find, oldest first; the file keeps the first ten.
    std::vector<std::string>& GetSearchHistory() { return m_searchHistory; }
    const std::vector<std::string>& GetSearchHistory() const { return m_searchHistory; }

    // The Classification Yard this inventory is registered with; not owned.
    void SetClassificationYard(CCatalogue* yard) { m_yard = yard; }
    CCatalogue* GetClassificationYard() const { return m_yard; }

    // The integrity check: every attribute but Item Number must be a member of the
    // yard's list of the same attribute. False when the inventory has no yard.
    bool CheckItemAgainstYard(const CInventoryElement& item) const;

protected:
    FileResult ReadFromFile(const std::string& path) override;
    // Refuses, writing nothing, an inventory the file's 16-bit item count cannot hold.
    FileResult WriteToFile(const std::string& path) override;

private:
    ItemList m_items;
    CCatalogue* m_yard = nullptr;
    std::vector<std::string> m_searchHistory;
    int m_sortAttribute = 0;
};
