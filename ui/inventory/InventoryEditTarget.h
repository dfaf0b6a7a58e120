#pragma once

#include <span>

class CDocumentView;
class CFerroTreeCtrl;
class CInventoryElement;
class CInventoryTreeModel;
class CInventoryYardLink;
class CMessageSink;
class CSidingWardDoc;
class CSoundPlayer;
class QModelIndex;
class QWidget;

// What the editing commands need of the window that shows an inventory: its
// document, tree and services, and the tree operations they finish with. The
// inventory window implements it.
class CInventoryEditTarget {
public:
    virtual CSidingWardDoc& GetDocument() const = 0;
    virtual CFerroTreeCtrl* Tree() const = 0;
    virtual CInventoryTreeModel* Model() const = 0;
    virtual CMessageSink& Messages() const = 0;
    virtual CSoundPlayer& Sounds() const = 0;
    // The window, as the parent of the boxes and dialogs the commands show.
    virtual QWidget* Window() = 0;
    // The window as the view that tells the document of a change.
    virtual CDocumentView* Sender() = 0;
    // Call before the inventory destroys items: the yard lets go of any of them it
    // holds for changes.
    virtual void ReleaseFromYard(std::span<CInventoryElement* const> items) const = 0;
    // The window's link to the yard, which takes the items the yard sends.
    virtual CInventoryYardLink& YardLink() = 0;

    // Replaces the item's node by a fresh one at its alphabetical place, selects it.
    virtual QModelIndex InsertItemNode(const CInventoryElement* item) = 0;
    // Selects the item's node and makes it visible; nothing when it has none.
    virtual void SelectItem(const CInventoryElement* item) = 0;
    virtual void SelectNode(const QModelIndex& node) = 0;
    virtual void UpdateCount() = 0;
    // The selected node; invalid when none is.
    virtual QModelIndex SelectedNode() const = 0;
    // The item of the selected node (item node or detail line); null otherwise.
    virtual CInventoryElement* CurrentItem() const = 0;
    // Cut on the selected item; false when nothing was cut.
    virtual bool CutSelectedItem() = 0;

protected:
    ~CInventoryEditTarget() = default;
};
