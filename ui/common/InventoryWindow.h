#pragma once

#include <memory>

class CInventoryElement;
class QWidget;

// A finished item the Classification Yard hands to an inventory.
struct CYardItem {
    CInventoryElement& item;
    // A new item: the yard's ownership of it, which the inventory moves out when it
    // takes the item. Null for an item the yard took from an inventory for changes,
    // which never stopped being that inventory's.
    std::unique_ptr<CInventoryElement>* owned = nullptr;
    // For an item taken for changes: its values before the yard wrote the finished
    // ones into it, which Undo gives back. Null when not known.
    const CInventoryElement* previous = nullptr;
};

// An inventory's answer to a finished item. A refusal has shown its message.
enum class YardItemAnswer { Taken, Refused };

// What the Classification Yard window asks of an inventory window (the tree or the
// list). Every call has done all it does when it returns.
class CInventoryWindow {
public:
    // The window, whose frame comes forward before the yard sends it an item.
    virtual QWidget* InventoryWidget() = 0;
    // Takes the yard's finished item: a new one is added, a changed one of this
    // inventory marks it modified, a changed one of another inventory is refused.
    virtual YardItemAnswer TakeFinishedItem(const CYardItem& item) = 0;
    // The yard's headings changed: shows the inventory again under the new ones.
    virtual void RedisplayHeadings() = 0;

protected:
    ~CInventoryWindow() = default;
};
