#pragma once

#include <memory>
#include <span>
#include <vector>

#include "model/framework/DocumentView.h"

class CInventoryChange;
class CInventoryElement;

// What one change did to an inventory's item list, as its windows follow it.
enum class ItemsUpdateKind {
    Inserted,    // items came in at positions
    Removed,     // items went from positions
    Changed,     // one item's values changed in place
    AllReplaced, // the whole list is new: show it anew
};

struct CItemsUpdate {
    ItemsUpdateKind kind = ItemsUpdateKind::AllReplaced;
    // Inserted: the new items and their positions after the change; Removed: the
    // items gone and their positions before it; both ascending. Changed: the item.
    std::vector<CInventoryElement*> items;
    std::vector<int> positions;
    // The item the window where the user acted selects; null: that window keeps or
    // moves its selection as it does for an item that went.
    CInventoryElement* focus = nullptr;
    // An undo or redo, which gives back a state: windows put rows back where they
    // were rather than where they put a fresh change.
    bool replay = false;
};

// A window that shows an inventory's items and follows its changes item by item.
class CInventoryView : public CDocumentView {
public:
    // The items are about to leave the list (they live on in the change that took
    // them): nothing may go on holding them, such as a drag or the yard.
    virtual void OnItemsLeaving(std::span<CInventoryElement* const> items) = 0;
    // The list changed; origin is the view where the user did, undid or redid it
    // (this view too), or null.
    virtual void OnItemsUpdate(const CItemsUpdate& update, CDocumentView* origin) = 0;

    // Told that anything may have changed: shows everything anew.
    void OnDocumentUpdate(CDocumentView* sender, int) final { OnItemsUpdate({}, sender); }
};

// Keeps the changes made to an inventory, so that they can be undone (the window
// layer's history). Without one, a change is applied and then forgotten.
class CChangeRecorder {
public:
    // The change has been applied; the recorder owns it from now on.
    virtual void Record(std::unique_ptr<CInventoryChange> change) = 0;
    // The inventory was saved: its present state is the one on disk.
    virtual void MarkSaved() = 0;

protected:
    ~CChangeRecorder() = default;
};
