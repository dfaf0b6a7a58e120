#include "ui/app/InventoryDocCommands.h"

#include <QCoreApplication>

#include "ui/app/InventoryArchiveCommands.h"
#include "ui/common/CommandIds.h"
#include "ui/common/CommandUpdate.h"
#include "ui/common/DocManager.h"
#include "ui/common/Text.h"
#include "ui/inventory/InventoryCommandIds.h"
#include "ui/inventory/InventoryHistory.h"

using namespace Qt::StringLiterals;

CInventoryDocCommands::CInventoryDocCommands(CDocManager& docManager, CDocument& document,
                                             std::function<QWidget*()> parent,
                                             std::function<void()> openList,
                                             CInventoryHistory* history,
                                             std::function<void()> saveArchive)
    : m_docManager(docManager), m_document(document), m_parent(std::move(parent)),
      m_openList(std::move(openList)), m_saveArchive(std::move(saveArchive)), m_history(history) {}

std::vector<CCommandInfo> CInventoryDocCommands::Commands() {
    return {{CommandId::ViewAsList, QCoreApplication::translate("Commands", "&View as a List"),
             QCoreApplication::translate("Commands",
                                         "Show the inventory in a list window\nView as a List")},
            CInventoryArchiveCommands::Command()};
}

bool CInventoryDocCommands::HandlesCommand(int id) const {
    return id == CommandId::FileSave || id == CommandId::FileSaveAs || id == CommandId::FileClose ||
           (id == CommandId::ViewAsList && m_openList) ||
           (id == CommandId::SaveCopyAsArchive && m_saveArchive) ||
           ((id == CommandId::EditUndo || id == CommandId::EditRedo) && m_history);
}

void CInventoryDocCommands::OnCommand(int id) {
    QWidget* parent = m_parent ? m_parent() : nullptr;
    if (id == CommandId::FileSave)
        m_docManager.SaveDocument(m_document, parent);
    else if (id == CommandId::FileSaveAs)
        m_docManager.SaveDocumentAs(m_document, parent);
    else if (id == CommandId::ViewAsList)
        m_openList();
    else if (id == CommandId::SaveCopyAsArchive)
        m_saveArchive();
    else if (id == CommandId::EditUndo)
        m_history->Undo();
    else if (id == CommandId::EditRedo)
        m_history->Redo();
    else if (id == CommandId::FileClose)
        // The manager destroys the document and, through its signal, this handler.
        m_docManager.CloseDocument(m_document, parent);
}

void CInventoryDocCommands::OnUpdateCommand(int id, CCommandUpdate& update) {
    update.Enable(HandlesCommand(id));
    if (!m_history || (id != CommandId::EditUndo && id != CommandId::EditRedo))
        return;
    // "&Undo Delete\tCtrl+Z": the entry names what it takes back.
    const bool undo = id == CommandId::EditUndo;
    const QString what = undo ? m_history->UndoText() : m_history->RedoText();
    update.Enable(undo ? m_history->CanUndo() : m_history->CanRedo());
    if (what.isEmpty()) {
        update.SetText(undo ? QCoreApplication::translate("Commands", "&Undo\tCtrl+Z")
                            : QCoreApplication::translate("Commands", "&Redo\tCtrl+Shift+Z"));
        return;
    }
    const QString shown = text::ShowAmpersands(what);
    update.SetText(
        undo ? QCoreApplication::translate("Commands", "&Undo %1\tCtrl+Z").arg(shown)
             : QCoreApplication::translate("Commands", "&Redo %1\tCtrl+Shift+Z").arg(shown));
}
