#pragma once

#include <string>
#include <vector>

#include <QWidget>

#include "model/core/InventoryView.h"
#include "ui/common/CommandTarget.h"
#include "ui/common/InventoryWindow.h"
#include "ui/inventory/InventoryEditTarget.h"
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
// selected row. Its column choice and sort are its own and never stored; whether
// it shows the items' pictures (View > Show Pictures) is kept per inventory. It
// registers the document with the Classification Yard and takes the items the yard
// sends; nothing can be dropped on it.
class CSidingWardView2 : public QWidget,
                         public CInventoryView,
                         public CCommandTarget,
                         public CInventoryEditTarget,
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

    // What the editing commands ask of the list (see CInventoryEditTarget). The
    // list has no whole-inventory selection, so no Delete ALL, and its Delete and
    // Integrity Check are silent; its commands work on the current row.
    const CInventoryWindowTraits& Traits() const override;
    CSidingWardDoc& GetDocument() const override { return m_document; }
    const CInventoryViewServices& ViewServices() const override { return m_services; }
    QWidget* Window() override { return this; }
    CDocumentView* Sender() override { return this; }
    CInventoryYardLink& YardLink() override { return m_yardLink; }
    EditSelection Selection() const override;
    CInventoryElement* CurrentItem() const override;
    // The text of the item's first column.
    QString ItemLabel(const CInventoryElement& item) const override;
    std::vector<CInventoryElement*> ItemsInViewOrder() const override;
    ShownAttributes Shown() const override { return m_shownColumns; }
    void SelectItem(const CInventoryElement* item) override;
    // The columns and rows anew, in the document's order; row 0 selected.
    void Rebuild();
    void FindText(const std::string& text, bool matchCase, bool findNext) override;
    void CommandsChanged() override;

    void SelectRow(int row);
    // The selected row, else the row with the keyboard focus; -1 for none.
    int CurrentRow() const;
    // A click on a column's header: sorts by it, each attribute with its own direction.
    void SortByColumn(int column);
    // Searches the shown cells from the top or after the current row; a message
    // when nothing is found. Returns the row found, or -1.
    int Search(const std::string& text, bool matchCase, bool findNext);
    // Runs the Inventory Details dialog on the column flags and rebuilds after OK.
    void RunInventoryDetails() override;
    // A first column with each item's thumbnail, the rows grown to fit; kept for
    // the inventory's next list.
    bool PicturesShown() const override { return m_showPictures; }
    void ShowPictures(bool shown) override;

    // The document's changes, followed row by row: a new item's row comes at the end
    // (or at its place while the rows are in the document's order); an item changed
    // here moves to the end, selected; a new list is built anew.
    void OnItemsLeaving(std::span<CInventoryElement* const> items) override;
    void OnItemsUpdate(const CItemsUpdate& update, CDocumentView* origin) override;

    bool HandlesCommand(int id) const override;
    void OnCommand(int id) override;
    void OnUpdateCommand(int id, CCommandUpdate& update) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void CreateControls();
    void OnInitialUpdate();
    // Double-click: the row under the pointer, or below the rows the last visible one.
    void SelectRowAt(int y);
    void UpdateCount();
    // The picture column and the rows' height as m_showPictures says.
    void ApplyPictures();

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
    bool m_showPictures = false;
};
