#pragma once

#include <functional>

#include "ui/common/CommandTarget.h"

class CDocManager;
class CDocument;
class QWidget;

// The commands of one open inventory: Save, Save As and Close, carried out by the
// document manager.
class CInventoryDocCommands : public CCommandTarget {
public:
    // parent gives the window that dialogs and messages belong to.
    CInventoryDocCommands(CDocManager& docManager, CDocument& document,
                          std::function<QWidget*()> parent);

    bool HandlesCommand(int id) const override;
    void OnCommand(int id) override;
    void OnUpdateCommand(int id, CCommandUpdate& update) override;

private:
    CDocManager& m_docManager;
    CDocument& m_document;
    std::function<QWidget*()> m_parent;
};
