#pragma once

#include <functional>
#include <span>

#include <QPointer>
#include <QWidget>

class CDocumentView;
class CFerroRSTreeCtrl;
class CInventoryElement;
class CMessageSink;
class CSidingWardDoc;

// What an inventory window (the tree or the list) has to do with the
// Classification Yard's build form: registering its document, starting a build,
// sending an item for changes, letting the yard forget items the inventory
// destroys, and taking the items the yard sends back.
class CInventoryYardLink {
public:
    // findYardView gives the yard's build form, or null when there is no yard.
    CInventoryYardLink(CSidingWardDoc& document, std::function<QWidget*()> findYardView,
                       CMessageSink& messages);

    // Registers the document (yard message 0x8015); without a yard, the message
    // "Could not register document with Classification Yard" over parent.
    void Register(QWidget* parent);
    // When the window goes: unregisters the document if it has at most that
    // window left.
    void UnregisterIfLast();

    QWidget* YardView() const { return m_yardView; }
    bool IsBuilding() const;
    void StartBuild();
    void Send(CInventoryElement* item);
    // Before the inventory destroys items: the yard lets go of any it holds for a
    // change. An item can reach the yard by a drag before the window registered.
    void Forget(std::span<CInventoryElement* const> items) const;

    // An item the yard's tree sends or drops: an item taken from this inventory
    // marks it modified, one from another inventory is refused with its message,
    // a new one is added (sender tells the other windows). show runs for an item
    // taken, before the yard's tree hears the answer. True when taken.
    bool Take(CFerroRSTreeCtrl* yardTree, CInventoryElement* item, CDocumentView* sender,
              QWidget* parent, const std::function<void()>& show);

private:
    CSidingWardDoc& m_document;
    std::function<QWidget*()> m_findYardView;
    CMessageSink& m_messages;
    QPointer<QWidget> m_yardView;
    bool m_registered = false;
};
