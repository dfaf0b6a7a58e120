#include "ui/inventory/InventoryYardLink.h"

#include "model/core/SidingWardDoc.h"
#include "ui/common/Captions.h"
#include "ui/common/FrameActivation.h"
#include "ui/common/MessageSink.h"
#include "ui/common/YardWindow.h"

CInventoryYardLink::CInventoryYardLink(CSidingWardDoc& document,
                                       std::function<CYardWindow*()> findYard,
                                       CMessageSink& messages)
    : m_document(document), m_findYard(std::move(findYard)), m_messages(messages) {}

void CInventoryYardLink::Register(QWidget* parent) {
    m_yard = m_findYard ? m_findYard() : nullptr;
    m_yardWidget = m_yard != nullptr ? m_yard->YardWidget() : nullptr;
    if (m_yard == nullptr) {
        m_messages.Show(parent,
                        {QStringLiteral("Could not register document with "
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

YardItemAnswer CInventoryYardLink::Take(const CYardItem& item, CDocumentView* sender,
                                        QWidget* parent, const std::function<void()>& show) {
    if (item.owned == nullptr) {
        // Changed in the yard: it can only come back to the inventory it came from.
        if (!m_document.ContainsItem(&item.item)) {
            m_messages.Show(parent,
                            {QStringLiteral("The finished rolling stock originated in another "
                                            "inventory file and cannot be added here!"),
                             captions::Error(), MessageIcon::Critical, MessageButtons::Ok});
            return YardItemAnswer::Refused;
        }
        m_document.MarkModified(sender);
    } else if (*item.owned != nullptr) {
        m_document.AddItem(std::move(*item.owned), sender);
    } else {
        return YardItemAnswer::Refused;
    }
    if (show)
        show();
    return YardItemAnswer::Taken;
}
