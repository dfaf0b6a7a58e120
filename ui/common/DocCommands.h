#pragma once

#include <functional>
#include <vector>

#include "ui/common/CommandInfo.h"
#include "ui/common/CommandTarget.h"

class CDocManager;
class QWidget;

// The application's document commands: New Inventory, Open Inventory and the
// entries of the recent file list, carried out by the document manager.
class CDocCommands : public CCommandTarget {
public:
    // parent gives the window that dialogs and messages belong to (may return null).
    CDocCommands(CDocManager& docManager, std::function<QWidget*()> parent);

    // The File menu's document commands as the action registry shows them: New,
    // Open and the recent files (carried out here), Close, Save and Save As (carried
    // out by the window of the active document).
    static std::vector<CCommandInfo> Commands();

    bool HandlesCommand(int id) const override;
    void OnCommand(int id) override;
    // New needs a template offered in the New list; a recent file entry shows
    // "&<n> <path>" and is hidden when the list holds fewer files, except the first,
    // which reads "Recent File" and is disabled when the list is empty.
    void OnUpdateCommand(int id, CCommandUpdate& update) override;

private:
    CDocManager& m_docManager;
    std::function<QWidget*()> m_parent;
};
