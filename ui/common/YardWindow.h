#pragma once

class CInventoryElement;
class CInventoryWindow;
class CSidingWardDoc;
class QWidget;

// What an inventory window asks of the Classification Yard window. Every call has
// done all it does (messages shown and answered included) when it returns.
class CYardWindow {
public:
    // The yard's window, whose frame comes forward before a build or a change.
    virtual QWidget* YardWidget() = 0;
    // Adds inventory to the inventories a finished item may go to (a second time
    // changes nothing) and gives it the yard's catalogue. inventory must stay
    // alive until it is unregistered.
    virtual void RegisterInventory(CSidingWardDoc& inventory) = 0;
    // Takes inventory off that list; a change of one of its items ends unfinished.
    virtual void UnregisterInventory(CSidingWardDoc& inventory) = 0;
    // Starts a build exactly as the yard's Build button does.
    virtual void StartInventoryBuild() = 0;
    // Shows item, the inventory's own, in the form for changes. False when the
    // yard did not take it: a build is in progress (the user was told) or the user
    // chose to keep the item the yard holds.
    virtual bool TakeItemForChange(CInventoryElement& item, CSidingWardDoc& inventory) = 0;
    // The item dragged from the yard's tree was dropped on target: the yard hands
    // it over and keeps it when target refuses. Nothing when no item is dragged.
    virtual void DeliverDraggedItem(CInventoryWindow& target) = 0;
    virtual bool IsBuildInProgress() const = 0;
    // An inventory is about to destroy item: the yard lets go of it if it holds it
    // for changes, so that nothing redisplays or finishes onto a destroyed item.
    virtual void ForgetInventoryItem(const CInventoryElement* item) = 0;

protected:
    ~CYardWindow() = default;
};
