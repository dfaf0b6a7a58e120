#include "ui/inventory/InventoryYardLink.h"

#include <QCoreApplication>

#include "model/core/SidingWardDoc.h"
#include "ui/common/Captions.h"
#include "ui/common/FrameActivation.h"
#include "ui/common/MessageSink.h"
#include "ui/yard/ClassificationView.h"
#include "ui/yard/FerroRSTreeCtrl.h"
#include "ui/yard/YardMessageEvent.h"

CInventoryYardLink::CInventoryYardLink(CSidingWardDoc& document,
                                       std::function<QWidget*()> findYardView,
                                       CMessageSink& messages)
    : m_document(document), m_findYardView(std::move(findYardView)), m_messages(messages) {}

void CInventoryYardLink::Register(QWidget* parent) {
    m_yardView = m_findYardView ? m_findYardView() : nullptr;
    if (!m_yardView) {
        m_messages.Show(parent,
                        {QStringLiteral("Could not register document with "
                                        "Classification Yard"),
                         captions::SystemError(), MessageIcon::Critical, MessageButtons::Ok});
        return;
    }
    CYardMessageEvent registration = CYardMessageEvent::Register(&m_document);
    QCoreApplication::sendEvent(m_yardView, &registration);
    m_registered = true;
}

void CInventoryYardLink::UnregisterIfLast() {
    if (m_document.GetViewCount() <= 1 && m_registered && m_yardView) {
        CYardMessageEvent unregister = CYardMessageEvent::Unregister(&m_document);
        QCoreApplication::sendEvent(m_yardView, &unregister);
    }
}

bool CInventoryYardLink::IsBuilding() const {
    const auto* yard = qobject_cast<const CClassificationView*>(m_yardView.data());
    return yard != nullptr && yard->IsBuildInProgress();
}

void CInventoryYardLink::StartBuild() {
    if (!m_yardView)
        return;
    ActivateFrameOf(m_yardView);
    CYardMessageEvent start = CYardMessageEvent::StartBuild();
    QCoreApplication::sendEvent(m_yardView, &start);
}

void CInventoryYardLink::Send(CInventoryElement* item) {
    if (!m_yardView || item == nullptr)
        return;
    ActivateFrameOf(m_yardView);
    CYardMessageEvent send = CYardMessageEvent::SendToYard(item, &m_document);
    QCoreApplication::sendEvent(m_yardView, &send);
}

void CInventoryYardLink::Forget(std::span<CInventoryElement* const> items) const {
    QWidget* found = m_yardView ? m_yardView.data() : (m_findYardView ? m_findYardView() : nullptr);
    auto* yard = qobject_cast<CClassificationView*>(found);
    if (yard == nullptr)
        return;
    for (const CInventoryElement* item : items)
        yard->ForgetInventoryItem(item);
}

bool CInventoryYardLink::Take(CFerroRSTreeCtrl* yardTree, CInventoryElement* item,
                              CDocumentView* sender, QWidget* parent,
                              const std::function<void()>& show) {
    if (yardTree == nullptr || item == nullptr)
        return false;
    bool refused = false;
    if (yardTree->IsTakenFromInventory()) {
        if (m_document.ContainsItem(item)) {
            m_document.MarkModified(sender);
        } else {
            m_messages.Show(parent,
                            {QStringLiteral("The finished rolling stock originated in another "
                                            "inventory file and cannot be added here!"),
                             captions::Error(), MessageIcon::Critical, MessageButtons::Ok});
            refused = true;
        }
    } else if (yardTree->GetHeldItem() == item) {
        if (auto owned = yardTree->ReleaseItem())
            m_document.AddItem(std::move(owned), sender);
        else
            refused = true;
    } else {
        // Not the item the yard holds: nothing is taken, the yard keeps what it has.
        refused = true;
    }
    if (!refused && show)
        show();
    CYardMessageEvent answer = CYardMessageEvent::DropResult(refused);
    QCoreApplication::sendEvent(yardTree, &answer);
    return !refused;
}
