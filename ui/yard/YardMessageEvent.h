#pragma once

#include <QEvent>
#include <QPointer>
#include <QWidget>

#include "model/yard/YardMessages.h"

class CInventoryElement;
class CSidingWardDoc;

// One yard message as a Qt event: the event type is the message number, the
// members carry its arguments. Delivered with QCoreApplication::sendEvent, so
// the receiver has finished with it when the call returns. Pointers are not
// owned: an item stays its sender's until the receiver takes it over.
class CYardMessageEvent : public QEvent {
public:
    explicit CYardMessageEvent(int message) : QEvent(static_cast<QEvent::Type>(message)) {}

    int Message() const { return static_cast<int>(type()); }
    // Whether type is one of the eleven yard message numbers.
    static bool IsYardMessage(QEvent::Type type);

    // The inventory document (0x8015, 0x8032, 0x8009; 0x8007: the source tree's owner).
    CSidingWardDoc* document = nullptr;
    // The item (0x8009, 0x8033; 0x8007: the source tree's dragged item).
    CInventoryElement* item = nullptr;
    // The sending tree control (0x8005, 0x8007, 0x8033).
    QPointer<QWidget> tree;
    // Screen drop point, x in the low 16 bits, y in the high 16 bits (0x8005, 0x8007).
    unsigned dropPoint = 0;
    // 0x8004: 1 when the inventory refused the item, 0 when it accepted it.
    int result = 0;

    static CYardMessageEvent Register(CSidingWardDoc* inventory);
    static CYardMessageEvent Unregister(CSidingWardDoc* inventory);
    static CYardMessageEvent StartBuild();
    static CYardMessageEvent SendToYard(CInventoryElement* item, CSidingWardDoc* inventory);
    static CYardMessageEvent InventoryDrop(QWidget* sourceTree, CInventoryElement* draggedItem,
                                           CSidingWardDoc* sourceInventory, unsigned dropPoint);
    static CYardMessageEvent InventoryDropResult();
    static CYardMessageEvent SendToInventory(QWidget* yardTree, CInventoryElement* item);
    static CYardMessageEvent YardDrop(QWidget* yardTree, unsigned dropPoint);
    static CYardMessageEvent DropResult(bool refused);
    static CYardMessageEvent Redisplay();
    static CYardMessageEvent Cut();
};
