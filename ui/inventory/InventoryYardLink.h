#pragma once

#include <functional>
#include <span>

#include <QPointer>
#include <QWidget>

#include "model/framework/Clock.h"
#include "ui/common/InventoryWindow.h"

class CDocumentView;
class CInventoryElement;
class CMessageSink;
class CSidingWardDoc;
class CYardWindow;

// What an inventory window (the tree or the list) has to do with the
// Classification Yard: registering its document, starting a build, sending an
// item for changes, letting the yard forget items the inventory destroys, and
// taking the items the yard hands over.
class CInventoryYardLink {
public:
    // findYard gives the yard window, or null when there is no yard.
    // today dates the value history of items changed in the yard.
    CInventoryYardLink(CSidingWardDoc& document, std::function<CYardWindow*()> findYard,
                       CMessageSink& messages, std::function<CDate()> today);

    // Registers the document with the yard; without a yard, the message "Could not
    // register document with Classification Yard" over parent.
    void Register(QWidget* parent);
    // When the window goes: unregisters the document if it has at most that
    // window left.
    void UnregisterIfLast();

    // The yard the document registered with; null before, or without a yard.
    CYardWindow* Yard() const;
    bool IsBuilding() const;
    void StartBuild();
    void Send(CInventoryElement* item);
    // Before the inventory destroys items: the yard lets go of any it holds for a
    // change. An item can reach the yard by a drag before the window registered.
    void Forget(std::span<CInventoryElement* const> items) const;
    // A drag from the yard's tree ended over window: the yard hands its item to it.
    void TakeDrop(CInventoryWindow& window) const;

    // An item the yard hands over: the changes to one taken from this inventory
    // become a change of it, one from another inventory is refused with its message
    // over parent, a new one is added. origin is the window it was handed to.
    YardItemAnswer Take(const CYardItem& item, CDocumentView* origin, QWidget* parent);

private:
    // The registered yard, else the one findYard finds now.
    CYardWindow* AnyYard() const;

    CSidingWardDoc& m_document;
    std::function<CYardWindow*()> m_findYard;
    CMessageSink& m_messages;
    std::function<CDate()> m_today;
    CYardWindow* m_yard = nullptr;
    // Guards m_yard: the yard's window goes at the end of the program.
    QPointer<QWidget> m_yardWidget;
    bool m_registered = false;
};
