#pragma once

#include <QPointer>
#include <QWidget>

#include "framework/CommandTarget.h"
#include "framework/DocumentView.h"

class CMessageSink;
class CSidingWardDoc;
class QLabel;

// The inventory window until the tree view exists: the inventory's title and item
// count. It registers its document with the Classification Yard when it first
// shows, unregisters it when it goes, and takes the items the yard sends or drops.
class CInventorySummaryView : public QWidget, public CDocumentView, public CCommandTarget {
    Q_OBJECT

public:
    // yardView receives the registration messages (may be null: no yard is open);
    // the document and the sink must outlive the view.
    CInventorySummaryView(CSidingWardDoc& document, QWidget* yardView, CMessageSink& messages,
                          QWidget* parent = nullptr);
    ~CInventorySummaryView() override;

    CSidingWardDoc& GetDocument() const { return m_document; }
    QString CountText() const;

    void OnDocumentUpdate(CDocumentView* sender, int hint) override;

    // Build an Inventory Item asks the yard to start a build.
    bool HandlesCommand(int id) const override;
    void OnCommand(int id) override;
    void OnUpdateCommand(int id, CCommandUpdate& update) override;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Refresh();
    // An item from the yard: a new one is added, a changed one of ours only marks
    // the inventory modified, one of another inventory is refused.
    void TakeFromYard(QWidget* yardTree, bool dropped);

    CSidingWardDoc& m_document;
    // The yard window may go first at the end of the program.
    QPointer<QWidget> m_yardView;
    CMessageSink& m_messages;
    QLabel* m_title;
    QLabel* m_count;
    bool m_registered = false;
};
