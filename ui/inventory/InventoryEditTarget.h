#pragma once

#include <array>
#include <string>
#include <vector>

#include <QString>

#include "model/core/InventoryElement.h"

class CDocumentView;
class CInventoryYardLink;
class CSidingWardDoc;
class QWidget;
struct CInventoryViewServices;

// What the user has selected in an inventory window.
enum class EditSelection {
    None,
    Whole,  // the inventory itself (the tree's root)
    Item,   // an item
    Detail, // one of an item's detail lines
};

// How an inventory window's editing commands differ from another's. Everything
// else the windows share.
struct CInventoryWindowTraits {
    // Delete on the whole inventory deletes every item.
    bool deleteAll = true;
    // Delete and Integrity Check play their sounds.
    bool editSounds = true;
    // Expand and Collapse Inventory apply.
    bool expands = true;
    // Sort Inventory by... applies (a window that sorts by its headers has no use for it).
    bool sortsFromMenu = true;
    // View > Show Pictures applies (the list shows a picture column; the tree shows
    // a picture in each item's tool tip whatever the setting).
    bool pictures = false;
};

// What the editing commands need of a window that shows an inventory (the tree or
// the list): its document, services and selection. The commands change the
// document; the window follows the change as every window of the document does.
class CInventoryEditTarget {
public:
    using ShownAttributes = std::array<bool, kAttributeCount>;

    virtual const CInventoryWindowTraits& Traits() const = 0;
    virtual CSidingWardDoc& GetDocument() const = 0;
    virtual const CInventoryViewServices& ViewServices() const = 0;
    // The window, as the parent of the boxes and dialogs the commands show.
    virtual QWidget* Window() = 0;
    // The window as the view that tells the document of a change.
    virtual CDocumentView* Sender() = 0;
    // The window's link to the yard, which takes the items the yard sends.
    virtual CInventoryYardLink& YardLink() = 0;

    virtual EditSelection Selection() const = 0;
    // The item of the selection (also of a detail line); null otherwise.
    virtual CInventoryElement* CurrentItem() const = 0;
    // The item's text as the window shows it (the label a question names it by).
    virtual QString ItemLabel(const CInventoryElement& item) const = 0;
    // Every item in the window's order, which a walk over all of them follows.
    virtual std::vector<CInventoryElement*> ItemsInViewOrder() const = 0;
    // The attributes the window shows, which its printed report shows too.
    virtual ShownAttributes Shown() const = 0;

    virtual void SelectItem(const CInventoryElement* item) = 0;
    // Searches the window's texts for the Find dialog's text and selects the match;
    // a message when there is none.
    virtual void FindText(const std::string& text, bool matchCase, bool findNext) = 0;
    // The commands' enabling and texts follow a change of selection or document.
    virtual void CommandsChanged() = 0;

    // What only some windows do; nothing by default.
    virtual void ExpandAll() {}
    virtual void CollapseAll() {}
    virtual void SortBy(int /*attribute*/) {}
    virtual void RunInventoryDetails() = 0;
    // Whether the window shows its items' pictures, and the switch.
    virtual bool PicturesShown() const { return false; }
    virtual void ShowPictures(bool /*shown*/) {}
    // The item went to the yard: a drag that began on it must not send it again.
    virtual void ForgetDraggedItem() {}

protected:
    ~CInventoryEditTarget() = default;
};
