#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "model/core/InventoryElement.h"
#include "model/framework/Document.h"
#include "model/framework/UserText.h"

class CCatalogue;
class CChangeRecorder;
class CInventoryChange;
struct CItemsUpdate;

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

    // Every change to the items goes through here: the views let go of what leaves,
    // the change is done, every view is told (origin: the view where the user acted),
    // and the change goes to the recorder, or without one is forgotten and the
    // document marked modified.
    void Apply(std::unique_ptr<CInventoryChange> change, CDocumentView* origin);
    // A recorded change taken back or done again; the recorder keeps the flag.
    void Undo(CInventoryChange& change, CDocumentView* origin);
    void Redo(CInventoryChange& change, CDocumentView* origin);
    // The history that keeps the changes (not owned; null: none).
    void SetChangeRecorder(CChangeRecorder* recorder) { m_recorder = recorder; }
    CChangeRecorder* GetChangeRecorder() const { return m_recorder; }

    // Shorthands of Apply. Appends the item and takes ownership.
    void AddItem(std::unique_ptr<CInventoryElement> item, CDocumentView* origin);
    // Appends the items in their order and takes ownership (the views show the list
    // anew); marks modified also when items is empty.
    void AppendItems(ItemList items, CDocumentView* origin);
    // Removes that very item when the list holds it and returns true; otherwise
    // changes nothing and returns false.
    bool RemoveItem(const CInventoryElement* item, CDocumentView* origin);
    // Removes, in one step called what, those of items the list holds. Returns how
    // many of items the list did not hold (each counted once).
    int RemoveItems(std::span<CInventoryElement* const> items, CDocumentView* origin,
                    const char* what = GW_TRANSLATE_NOOP("Messages", "Delete"));
    bool ContainsItem(const CInventoryElement* item) const;
    // The list position of that very item, or -1.
    int IndexOfItem(const CInventoryElement* item) const;

    // The attribute the inventory is sorted by (attribute index; Body Classification at first).
    int GetSortAttribute() const { return m_sortAttribute; }
    void SetSortAttribute(int attribute) { m_sortAttribute = attribute; }
    // Sorts ascending by the sort attribute's key without regard to case; items with
    // equal keys keep their order. Does not mark the document modified.
    void Sort();
    // Sorts items as Sort does; returns, for each new place, the item's old place.
    static std::vector<std::uint32_t> SortItems(ItemList& items, int attribute);

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
    void OnSaved() override;

private:
    // Tells every inventory view of the update, then the watcher.
    void Notify(const CItemsUpdate& update, CDocumentView* origin);
    void LetGo(const std::vector<CInventoryElement*>& items);
    // A recorded change undone or done again, without recording it.
    void Replay(CInventoryChange& change, CDocumentView* origin, bool undo);

    ItemList m_items;
    CCatalogue* m_yard = nullptr;
    std::vector<std::string> m_searchHistory;
    int m_sortAttribute = 0;
    CChangeRecorder* m_recorder = nullptr;
};
