#include "ui/yard/YardMessageEvent.h"

#include <algorithm>

bool CYardMessageEvent::IsYardMessage(QEvent::Type type) {
    return std::any_of(kYardMessages.begin(), kYardMessages.end(),
                       [type](const CYardMessageInfo& info) { return info.value == type; });
}

CYardMessageEvent CYardMessageEvent::Register(CSidingWardDoc* inventory) {
    CYardMessageEvent event(YM_REGISTER);
    event.document = inventory;
    return event;
}

CYardMessageEvent CYardMessageEvent::Unregister(CSidingWardDoc* inventory) {
    CYardMessageEvent event(YM_UNREGISTER);
    event.document = inventory;
    return event;
}

CYardMessageEvent CYardMessageEvent::StartBuild() {
    return CYardMessageEvent(YM_START_BUILD);
}

CYardMessageEvent CYardMessageEvent::SendToYard(CInventoryElement* item,
                                                CSidingWardDoc* inventory) {
    CYardMessageEvent event(YM_SEND_TO_YARD);
    event.item = item;
    event.document = inventory;
    return event;
}

CYardMessageEvent CYardMessageEvent::InventoryDrop(QWidget* sourceTree,
                                                   CInventoryElement* draggedItem,
                                                   CSidingWardDoc* sourceInventory,
                                                   unsigned dropPoint) {
    CYardMessageEvent event(YM_INVENTORY_DROP);
    event.tree = sourceTree;
    event.item = draggedItem;
    event.document = sourceInventory;
    event.dropPoint = dropPoint;
    return event;
}

CYardMessageEvent CYardMessageEvent::InventoryDropResult() {
    return CYardMessageEvent(YM_INVENTORY_DROP_RESULT);
}

CYardMessageEvent CYardMessageEvent::SendToInventory(QWidget* yardTree, CInventoryElement* item) {
    CYardMessageEvent event(YM_SEND_TO_INVENTORY);
    event.tree = yardTree;
    event.item = item;
    return event;
}

CYardMessageEvent CYardMessageEvent::YardDrop(QWidget* yardTree, unsigned dropPoint) {
    CYardMessageEvent event(YM_YARD_DROP);
    event.tree = yardTree;
    event.dropPoint = dropPoint;
    return event;
}

CYardMessageEvent CYardMessageEvent::DropResult(bool refused) {
    CYardMessageEvent event(YM_DROP_RESULT);
    event.result = refused ? 1 : 0;
    return event;
}

CYardMessageEvent CYardMessageEvent::Redisplay() {
    return CYardMessageEvent(YM_REDISPLAY);
}

CYardMessageEvent CYardMessageEvent::Cut() {
    return CYardMessageEvent(YM_CUT);
}
