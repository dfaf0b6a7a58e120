#include "ui/inventory/InventoryHistory.h"

#include <QCoreApplication>
#include <QUndoCommand>

#include "model/core/InventoryChange.h"
#include "model/core/SidingWardDoc.h"
#include "ui/common/Text.h"

namespace {

// The change's name in the Undo and Redo entries. Whoever names a change marks the
// name for translation in the "Messages" context, as the model does its own; a name
// made of the user's words (a heading) is shown as it is.
QString NameOf(const CInventoryChange& change) {
    const std::string& name = change.Text();
    const QString translated = QCoreApplication::translate("Messages", name.c_str());
    return translated == QString::fromUtf8(name) ? text::FromBytes(name) : translated;
}

// One recorded change. It arrives done: the first redo, which QUndoStack runs on
// push, is the change the document has already applied.
class CChangeCommand : public QUndoCommand {
public:
    CChangeCommand(CSidingWardDoc& document, std::unique_ptr<CInventoryChange> change,
                   const std::function<CDocumentView*()>& activeView)
        : QUndoCommand(NameOf(*change)), m_document(document), m_change(std::move(change)),
          m_activeView(activeView) {}

    void undo() override { m_document.Undo(*m_change, Origin()); }
    void redo() override {
        if (m_pushed) {
            m_pushed = false;
            return;
        }
        m_document.Redo(*m_change, Origin());
    }

private:
    CDocumentView* Origin() const { return m_activeView ? m_activeView() : nullptr; }

    CSidingWardDoc& m_document;
    std::unique_ptr<CInventoryChange> m_change;
    const std::function<CDocumentView*()>& m_activeView;
    bool m_pushed = true;
};

} // namespace

CInventoryHistory::CInventoryHistory(CSidingWardDoc& document,
                                     std::function<CDocumentView*()> activeView, QObject* parent)
    : QObject(parent), m_document(document), m_activeView(std::move(activeView)) {
    // An inventory that opens modified (a recovered copy) has no saved state to go
    // back to.
    if (m_document.IsModified())
        m_stack.resetClean();
    connect(&m_stack, &QUndoStack::indexChanged, this, [this] {
        m_document.SetModifiedFlag(!m_stack.isClean());
        emit Changed();
    });
    connect(&m_stack, &QUndoStack::cleanChanged, this, &CInventoryHistory::Changed);
    m_document.SetChangeRecorder(this);
}

CInventoryHistory::~CInventoryHistory() {
    if (m_document.GetChangeRecorder() == this)
        m_document.SetChangeRecorder(nullptr);
    // The commands hold items the document no longer has; they die with the stack,
    // and no view may hear of it.
    m_stack.disconnect(this);
}

void CInventoryHistory::Record(std::unique_ptr<CInventoryChange> change) {
    m_stack.push(new CChangeCommand(m_document, std::move(change), m_activeView));
}

void CInventoryHistory::MarkSaved() {
    m_stack.setClean();
}
