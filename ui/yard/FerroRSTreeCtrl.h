#pragma once

#include <memory>
#include <optional>

#include <QPoint>
#include <QString>
#include <QTreeWidget>

#include "model/core/InventoryElement.h"

class CClassificationDoc;
class CInventoryElement;
class CInventoryWindow;
class CSidingWardDoc;

// The tree of the Classification Yard build form: shows the one item the yard
// holds (its Body Classification as the root, the other thirteen attributes as
// "heading: value" lines below) and lets a finished item be dragged onto an
// inventory. A new item belongs to the tree until an inventory takes it over
// (DeliverHeldItem); an item taken from an inventory stays that inventory's.
class CFerroRSTreeCtrl : public QTreeWidget {
    Q_OBJECT

public:
    // The mime type of a drag from this tree; it carries no data of its own, the
    // drop side reaches the item through the drag's source (this tree).
    static QString MimeType();
    // The attributes below the root, in the order of the lines.
    static const int kLineOrder[13];

    explicit CFerroRSTreeCtrl(QWidget* parent = nullptr);
    ~CFerroRSTreeCtrl() override;

    // Takes ownership of a new item and shows it, replacing what was held.
    void ShowNewItem(std::unique_ptr<CInventoryElement> item, const CClassificationDoc& yard);
    // Shows an inventory's own item, taken from inventory for changes (not owned).
    void ShowTakenItem(CInventoryElement* item, CSidingWardDoc* inventory,
                       const CClassificationDoc& yard);
    // Rebuilds the lines of the held item (after it changed or the headings did).
    void Redisplay(const CClassificationDoc& yard);
    // Deletes every node, destroys an owned item and clears the taken-from-inventory
    // flag and document, the drag-enabled flag and the dragged item.
    void Empty();

    bool HoldsItem() const { return m_item != nullptr; }
    CInventoryElement* GetHeldItem() const { return m_item; }
    // The item of the selected node; the held item when nothing is selected.
    CInventoryElement* GetSelectedItem() const;
    void SelectRoot();

    // Hands the held item to target. Taken: the item is target's (a new one has
    // passed to it) and the tree is emptied; refused: the tree keeps it. Either way
    // the dragged item is forgotten. Nothing when no item is held.
    void DeliverHeldItem(CInventoryWindow& target);
    // The drag from this tree ended over target: delivers the held item as above;
    // nothing when no item was dragged.
    void DeliverDraggedItem(CInventoryWindow& target);

    bool IsDragEnabled() const { return m_dragEnabled; }
    void SetDragEnabled(bool enabled) { m_dragEnabled = enabled; }
    bool IsTakenFromInventory() const { return m_takenFrom != nullptr; }
    // The values a taken item had before the finished change was written into it;
    // they go with the item to its inventory, which can undo the change.
    void KeepPreviousValues(const CInventoryElement& values) { m_previousValues = values; }
    CSidingWardDoc* GetTakenFromDocument() const { return m_takenFrom; }

    // The item being dragged, from the press that began the drag until it was
    // delivered; null otherwise.
    CInventoryElement* GetDraggedItem() const { return m_draggedItem; }

protected:
    // A drag from a yard tree shows the same-kind cursor over this tree; nothing
    // is dropped here.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void BuildNodes(const CClassificationDoc& yard);
    void StartDrag();

    std::unique_ptr<CInventoryElement> m_ownedItem;
    CInventoryElement* m_item = nullptr;
    CSidingWardDoc* m_takenFrom = nullptr;
    std::optional<CInventoryElement> m_previousValues;
    CInventoryElement* m_draggedItem = nullptr;
    bool m_dragEnabled = false;
    bool m_pressed = false;
    QPoint m_pressPosition;
};
