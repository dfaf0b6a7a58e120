#pragma once

#include <functional>
#include <memory>

#include <QObject>
#include <QString>
#include <QUndoStack>

#include "model/core/InventoryView.h"

class CDocumentView;
class CSidingWardDoc;

// The changes made to one open inventory, kept so that the user can undo and redo
// them, from its opening until it closes (saving keeps them). The document's
// modified flag follows the history: back at the saved state it is clear.
class CInventoryHistory : public QObject, public CChangeRecorder {
    Q_OBJECT

public:
    // activeView gives the view where the user undoes and redoes, which selects
    // the item concerned (null: none does). The document must outlive the history.
    CInventoryHistory(CSidingWardDoc& document, std::function<CDocumentView*()> activeView,
                      QObject* parent = nullptr);
    ~CInventoryHistory() override;

    bool CanUndo() const { return m_stack.canUndo(); }
    bool CanRedo() const { return m_stack.canRedo(); }
    // What Undo and Redo would do ("Delete", "Change Condition"); empty for nothing.
    QString UndoText() const { return m_stack.undoText(); }
    QString RedoText() const { return m_stack.redoText(); }
    void Undo() { m_stack.undo(); }
    void Redo() { m_stack.redo(); }
    int Count() const { return m_stack.count(); }

    void Record(std::unique_ptr<CInventoryChange> change) override;
    void MarkSaved() override;

signals:
    // What Undo and Redo would do, or the modified flag, changed.
    void Changed();

private:
    CSidingWardDoc& m_document;
    std::function<CDocumentView*()> m_activeView;
    QUndoStack m_stack;
};
