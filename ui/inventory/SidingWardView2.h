#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QWidget>

#include "model/framework/DocumentView.h"
#include "ui/common/CommandTarget.h"
#include "ui/common/InventoryWindow.h"
#include "ui/inventory/InventoryListModel.h"
#include "ui/inventory/InventoryViewServices.h"
#include "ui/inventory/InventoryYardLink.h"

class CActionRegistry;
class CInventoryElement;
class CSidingWardDoc;
class QLabel;
class QLineEdit;
class QTableView;

// The inventory as a list: one row per item, one column per shown attribute, a
// filter above it that narrows the rows as the user types. A header click sorts
// by that column (the first click descending); the inventory commands work on the
// selected row. Its column choice and sort are its own and never stored. It
// registers the document with the Classification Yard and takes the items the yard
// sends; nothing can be dropped on it.
class CSidingWardView2 : public QWidget,
                         public CDocumentView,
                         public CCommandTarget,
                         public CInventoryWindow {
    Q_OBJECT

public:
    using ColumnFlags = CInventoryListModel::ColumnFlags;

    CSidingWardView2(CSidingWardDoc& document, CInventoryViewServices services,
                     QWidget* parent = nullptr);
    // Unregisters the document when it has at most this view left.
    ~CSidingWardView2() override;

    // The actions the context menu shows and whose state follows the selection.
    void SetActions(CActionRegistry* actions) { m_actions = actions; }

    CSidingWardDoc& GetDocument() const { return m_document; }
    CInventoryListModel* Model() const { return m_model; }
    QTableView* List() const { return m_list; }
    QLineEdit* FilterField() const { return m_filter; }
    // "N of M items": the rows shown and the items of the inventory.
    QString CountText() const;
    const ColumnFlags& GetColumnFlags() const { return m_shownColumns; }

    // What the yard asks of the window. A changed item leaves its row for one at
    // the end, as a new item gets.
    QWidget* InventoryWidget() override { return this; }
    YardItemAnswer TakeFinishedItem(const CYardItem& item) override;
    void RedisplayHeadings() override;

    // The columns and rows anew, in the document's order; row 0 selected.
    void Rebuild();
    // A row for the item at the end; selected. Its row, or -1 when the filter hides it.
    int AppendRow(CInventoryElement* item);
    void SelectRow(int row);
    void SelectItem(const CInventoryElement* item);
    // The selected row, else the row with the keyboard focus; -1 for none.
    int CurrentRow() const;
    CInventoryElement* CurrentItem() const;
    // A click on a column's header: sorts by it, each attribute with its own direction.
    void SortByColumn(int column);
    // Searches the shown cells from the top or after the current row; a message
    // when nothing is found. Returns the row found, or -1.
    int Search(const std::string& text, bool matchCase, bool findNext);
    // Runs the Inventory Details dialog on the column flags and rebuilds after OK.
    void RunInventoryDetails();

    void OnDocumentUpdate(CDocumentView* sender, int hint) override;

    bool HandlesCommand(int id) const override;
    void OnCommand(int id) override;
    void OnUpdateCommand(int id, CCommandUpdate& update) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct Command;
    static const std::vector<Command>& CommandTable();
    static const Command* FindCommand(int id);

    void CreateControls();
    void OnInitialUpdate();
    void CommandsChanged();
    void ShowMessage(const QString& text, const QString& caption);
    // Double-click: the row under the pointer, or below the rows the last visible one.
    void SelectRowAt(int y);

    // The commands that work on the rows.
    void Delete();
    bool Cut();
    void Paste();
    void Find();
    void ChangeAttribute(int attribute);
    void IntegrityCheck();
    void Import();
    // Removes the item from the document and its row, with the failure messages.
    void RemoveItem(CInventoryElement* item);
    // The row moves to the end and is selected (after a change of the item).
    void MoveRowToEnd(CInventoryElement* item);
    void ReportItemGain(bool percent);
    void ReportPerformer(bool best);
    void ReportTotal(int kind);
    void WithCurrentItem(const std::function<void(CInventoryElement&)>& run);

    CSidingWardDoc& m_document;
    CInventoryViewServices m_services;
    CActionRegistry* m_actions = nullptr;
    CInventoryListModel* m_model;
    QLineEdit* m_filter;
    QLabel* m_count;
    QTableView* m_list;
    CInventoryYardLink m_yardLink;
    ColumnFlags m_shownColumns{};
    // 1: the next click on the attribute's column sorts descending; 0: ascending.
    std::array<int, kAttributeCount> m_sortDirection{};
    bool m_initialized = false;
};
