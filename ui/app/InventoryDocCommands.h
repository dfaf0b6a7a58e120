#pragma once

#include <functional>
#include <vector>

#include "ui/common/CommandInfo.h"
#include "ui/common/CommandTarget.h"

class CDocManager;
class CDocument;
class CInventoryHistory;
class QWidget;

// The commands of one open inventory: Save, Save As and Close, carried out by the
// document manager, Save Copy as Archive, View as a List, which opens one more
// window on it, and Undo and Redo on its history.
class CInventoryDocCommands : public CCommandTarget {
public:
    // parent gives the window that dialogs and messages belong to; openList opens
    // a list window on the document (none: the command is disabled).
    // history (null: none) must outlive the commands. saveArchive saves a copy of
    // the inventory as an archive (none: the command is disabled).
    CInventoryDocCommands(CDocManager& docManager, CDocument& document,
                          std::function<QWidget*()> parent, std::function<void()> openList = {},
                          CInventoryHistory* history = nullptr,
                          std::function<void()> saveArchive = {});

    // The commands described here (View as a List, Save Copy as Archive) for the
    // action registry.
    static std::vector<CCommandInfo> Commands();

    bool HandlesCommand(int id) const override;
    void OnCommand(int id) override;
    void OnUpdateCommand(int id, CCommandUpdate& update) override;

private:
    CDocManager& m_docManager;
    CDocument& m_document;
    std::function<QWidget*()> m_parent;
    std::function<void()> m_openList;
    std::function<void()> m_saveArchive;
    CInventoryHistory* m_history;
};
