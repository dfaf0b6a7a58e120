#include "ui/yard/RegisteredInventories.h"

#include <algorithm>

#include "model/core/SidingWardDoc.h"
#include "model/framework/DocumentView.h"
#include "ui/common/FrameActivation.h"
#include "ui/common/InventoryWindow.h"
#include "ui/yard/FerroRSTreeCtrl.h"

CRegisteredInventories::CRegisteredInventories(CCatalogue& catalogue, InventoryChooser chooser)
    : m_catalogue(catalogue), m_chooser(std::move(chooser)) {}

void CRegisteredInventories::Add(CSidingWardDoc& inventory) {
    if (std::find(m_inventories.begin(), m_inventories.end(), &inventory) != m_inventories.end())
        return;
    m_inventories.push_back(&inventory);
    inventory.SetClassificationYard(&m_catalogue);
}

void CRegisteredInventories::Remove(const CSidingWardDoc& inventory) {
    const auto found = std::find(m_inventories.begin(), m_inventories.end(), &inventory);
    if (found != m_inventories.end())
        m_inventories.erase(found);
}

void CRegisteredInventories::RedisplayHeadings() const {
    for (CSidingWardDoc* inventory : m_inventories) {
        for (CDocumentView* view : inventory->GetViews()) {
            if (auto* window = dynamic_cast<CInventoryWindow*>(view))
                window->RedisplayHeadings();
        }
    }
}

void CRegisteredInventories::Send(CFerroRSTreeCtrl& tree, QWidget* parent) const {
    CSidingWardDoc* target = nullptr;
    if (tree.IsTakenFromInventory())
        target = tree.GetTakenFromDocument();
    else if (m_inventories.size() == 1)
        target = m_inventories.front();
    else
        target = m_chooser(parent, m_inventories);
    if (target == nullptr || target->GetViews().empty())
        return;
    auto* window = dynamic_cast<CInventoryWindow*>(target->GetViews().front());
    if (window == nullptr)
        return;
    ActivateFrameOf(window->InventoryWidget());
    tree.DeliverHeldItem(*window);
}
