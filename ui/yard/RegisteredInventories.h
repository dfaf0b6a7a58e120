#pragma once

#include <functional>
#include <vector>

class CCatalogue;
class CFerroRSTreeCtrl;
class CSidingWardDoc;
class QWidget;

// The inventories registered with the Classification Yard, in the order in which
// they registered: the ones a finished item may be sent to and the ones that
// redisplay when the yard's headings change.
class CRegisteredInventories {
public:
    // Picks the inventory to send to among several; null sends nothing.
    using InventoryChooser =
        std::function<CSidingWardDoc*(QWidget* parent, const std::vector<CSidingWardDoc*>&)>;

    // catalogue is the one every registered inventory is checked against; it must
    // outlive them. chooser runs when a new item could go to several inventories.
    CRegisteredInventories(CCatalogue& catalogue, InventoryChooser chooser);

    void SetChooser(InventoryChooser chooser) { m_chooser = std::move(chooser); }
    // Appends inventory (once) and gives it the catalogue.
    void Add(CSidingWardDoc& inventory);
    void Remove(const CSidingWardDoc& inventory);
    const std::vector<CSidingWardDoc*>& All() const { return m_inventories; }
    bool IsEmpty() const { return m_inventories.empty(); }

    // Every view of every registered inventory shows the new headings.
    void RedisplayHeadings() const;
    // Sends the tree's held item to the inventory it was taken from, else to the
    // only registered one, else to the one the user chooses over parent. The
    // window of that inventory comes forward first; a refusal keeps the item held.
    void Send(CFerroRSTreeCtrl& tree, QWidget* parent) const;

private:
    CCatalogue& m_catalogue;
    InventoryChooser m_chooser;
    std::vector<CSidingWardDoc*> m_inventories;
};
