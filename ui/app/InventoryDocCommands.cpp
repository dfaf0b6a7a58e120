#include "ui/app/InventoryDocCommands.h"

#include "ui/common/CommandIds.h"
#include "ui/common/CommandUpdate.h"
#include "ui/common/DocManager.h"
#include "ui/inventory/InventoryCommandIds.h"

CInventoryDocCommands::CInventoryDocCommands(CDocManager& docManager, CDocument& document,
                                             std::function<QWidget*()> parent,
                                             std::function<void()> openList)
    : m_docManager(docManager), m_document(document), m_parent(std::move(parent)),
      m_openList(std::move(openList)) {}

std::vector<CCommandInfo> CInventoryDocCommands::Commands() {
    return {{CommandId::ViewAsList, QStringLiteral("&View as a List"),
             QStringLiteral("Show the inventory in a list window\nView as a List")}};
}

bool CInventoryDocCommands::HandlesCommand(int id) const {
    return id == CommandId::FileSave || id == CommandId::FileSaveAs || id == CommandId::FileClose ||
           (id == CommandId::ViewAsList && m_openList);
}

void CInventoryDocCommands::OnCommand(int id) {
    QWidget* parent = m_parent ? m_parent() : nullptr;
    if (id == CommandId::FileSave)
        m_docManager.SaveDocument(m_document, parent);
    else if (id == CommandId::FileSaveAs)
        m_docManager.SaveDocumentAs(m_document, parent);
    else if (id == CommandId::ViewAsList)
        m_openList();
    else if (id == CommandId::FileClose)
        // The manager destroys the document and, through its signal, this handler.
        m_docManager.CloseDocument(m_document, parent);
}

void CInventoryDocCommands::OnUpdateCommand(int id, CCommandUpdate& update) {
    update.Enable(HandlesCommand(id));
}
