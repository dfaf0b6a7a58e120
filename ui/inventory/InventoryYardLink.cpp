#include "ui/inventory/InventoryYardLink.h"

#include <QCoreApplication>

#include "model/core/InventoryChange.h"
#include "model/core/SidingWardDoc.h"
#include "model/core/ValueHistory.h"
#include "ui/common/Captions.h"
#include "ui/common/FrameActivation.h"
#include "ui/common/MessageSink.h"
#include "ui/common/YardWindow.h"

CInventoryYardLink::CInventoryYardLink(CSidingWardDoc& document,
                                       std::function<CYardWindow*()> findYard,
                                       CMessageSink& messages, std::function<CDate()> today)
    : m_document(document), m_findYard(std::move(findYard)), m_messages(messages),
      m_today(std::move(today)) {}

void CInventoryYardLink::Register(QWidget* parent) {
    m_yard = m_findYard ? m_findYard() : nullptr;
    m_yardWidget = m_yard != nullptr ? m_yard->YardWidget() : nullptr;
    if (m_yard == nullptr) {
        m_messages.Show(
            parent,
            {QCoreApplication::translate("CInventoryYardLink", "Could not register document with "
                                                               "Classification Yard"),
             captions::SystemError(), MessageIcon::Critical, MessageButtons::Ok});
        return;
    }
    m_yard->RegisterInventory(m_document);
    m_registered = true;
}

CYardWindow* CInventoryYardLink::Yard() const {
    return m_yardWidget ? m_yard : nullptr;
}

CYardWindow* CInventoryYardLink::AnyYard() const {
    if (CYardWindow* yard = Yard())
        return yard;
    return m_findYard ? m_findYard() : nullptr;
}

void CInventoryYardLink::UnregisterIfLast() {
    if (m_document.GetViewCount() <= 1 && m_registered) {
        if (CYardWindow* yard = Yard())
            yard->UnregisterInventory(m_document);
    }
}

bool CInventoryYardLink::IsBuilding() const {
    const CYardWindow* yard = Yard();
    return yard != nullptr && yard->IsBuildInProgress();
}

void CInventoryYardLink::StartBuild() {
    CYardWindow* yard = Yard();
    if (yard == nullptr)
        return;
    ActivateFrameOf(yard->YardWidget());
    yard->StartInventoryBuild();
}

void CInventoryYardLink::Send(CInventoryElement* item) {
    CYardWindow* yard = Yard();
    if (yard == nullptr || item == nullptr)
        return;
    ActivateFrameOf(yard->YardWidget());
    yard->TakeItemForChange(*item, m_document);
}

void CInventoryYardLink::Forget(std::span<CInventoryElement* const> items) const {
    CYardWindow* yard = AnyYard();
    if (yard == nullptr)
        return;
    for (const CInventoryElement* item : items)
        yard->ForgetInventoryItem(item);
}

void CInventoryYardLink::TakeDrop(CInventoryWindow& window) const {
    if (CYardWindow* yard = AnyYard())
        yard->DeliverDraggedItem(window);
}

YardItemAnswer CInventoryYardLink::Take(const CYardItem& item, CDocumentView* origin,
                                        QWidget* parent) {
    if (item.owned == nullptr) {
        // Changed in the yard: it can only come back to the inventory it came from.
        if (!m_document.ContainsItem(&item.item)) {
            m_messages.Show(parent, {QCoreApplication::translate(
                                         "CInventoryYardLink",
                                         "The finished rolling stock originated in another "
                                         "inventory file and cannot be added here!"),
                                     captions::Error(), MessageIcon::Critical, MessageButtons::Ok});
            return YardItemAnswer::Refused;
        }
        // The yard wrote its values into the item when the change was finished; they
        // come in as one change of the inventory, from the values the item had.
        CInventoryElement finished = item.item;
        if (item.previous != nullptr)
            item.item = *item.previous;
        // The history goes into the values the change holds, so Undo takes it back too.
        valuehistory::Record(finished, item.item, m_today());
        m_document.Apply(CInventoryChange::Replace(QT_TRANSLATE_NOOP("Messages", "Change in Yard"),
                                                   item.item, std::move(finished)),
                         origin);
    } else if (*item.owned != nullptr) {
        CInventoryChange::ItemList items;
        items.push_back(std::move(*item.owned));
        m_document.Apply(CInventoryChange::Insert(QT_TRANSLATE_NOOP("Messages", "Add from Yard"),
                                                  std::move(items)),
                         origin);
    } else {
        return YardItemAnswer::Refused;
    }
    return YardItemAnswer::Taken;
}
