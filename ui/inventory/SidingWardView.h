#pragma once

#include <array>
#include <vector>

#include <QWidget>

#include "model/core/InventoryElement.h"
#include "model/core/InventoryView.h"
#include "ui/common/CommandInfo.h"
#include "ui/common/CommandTarget.h"
#include "ui/common/InventoryWindow.h"
#include "ui/common/MenuLayout.h"
#include "ui/inventory/InventoryEditTarget.h"
#include "ui/inventory/InventoryViewServices.h"
#include "ui/inventory/InventoryYardLink.h"

class CActionRegistry;
class CFerroTreeCtrl;
class CInventoryTreeModel;
class CMessageSink;
class CSidingWardDoc;
class CSoundPlayer;
class QLabel;
class QModelIndex;
class QTimer;

// The main window of an inventory: the item count, a small signal animation and
// the inventory as a tree (root, one node per item grouped by the sort attribute,
// "heading: value" detail lines). It carries the inventory commands, registers its
// document with the Classification Yard and takes the items the yard and other
// inventories send or drop.
class CSidingWardView : public QWidget,
                        public CInventoryView,
                        public CCommandTarget,
                        public CInventoryEditTarget,
                        public CInventoryWindow {
    Q_OBJECT

public:
    using DetailFlags = std::array<bool, kAttributeCount>;

    using Services = CInventoryViewServices;

    CSidingWardView(CSidingWardDoc& document, Services services, QWidget* parent = nullptr);
    // Unregisters the document when this was its last view and stores the view settings.
    ~CSidingWardView() override;

    // The actions the context menu shows and whose state follows the selection
    // (not owned; null: no context menu).
    void SetActions(CActionRegistry* actions) { m_actions = actions; }
    // The "Inventory Modification" popup.
    static CMenuItem ContextMenuLayout();
    // The window's commands as the action registry shows them.
    static std::vector<CCommandInfo> Commands();

    CFerroTreeCtrl* Tree() const { return m_tree; }
    CInventoryTreeModel* Model() const { return m_model; }
    CMessageSink& Messages() const { return m_services.messages; }
    CSoundPlayer& Sounds() const { return m_services.sounds; }
    bool IsYardBuilding() const { return m_yardLink.IsBuilding(); }

    // What the editing commands ask of the tree (see CInventoryEditTarget). The
    // tree selects the whole inventory at its root and plays the editing sounds.
    const CInventoryWindowTraits& Traits() const override;
    CSidingWardDoc& GetDocument() const override { return m_document; }
    const CInventoryViewServices& ViewServices() const override { return m_services; }
    QWidget* Window() override { return this; }
    CDocumentView* Sender() override { return this; }
    CInventoryYardLink& YardLink() override { return m_yardLink; }
    EditSelection Selection() const override;
    CInventoryElement* CurrentItem() const override;
    QString ItemLabel(const CInventoryElement& item) const override;
    std::vector<CInventoryElement*> ItemsInViewOrder() const override;
    ShownAttributes Shown() const override { return m_showDetails; }
    void SelectItem(const CInventoryElement* item) override;
    void UpdateCount();
    void FindText(const std::string& text, bool matchCase, bool findNext) override;
    void CommandsChanged() override;
    void ExpandAll() override;
    void CollapseAll() override;
    // Sorts the document by attribute, as a change that Undo takes back.
    void SortBy(int attribute) override;
    // Runs the Inventory Details dialog and rebuilds after OK.
    void RunInventoryDetails() override;
    void ForgetDraggedItem() override;

    // The operations of the tree.
    // Builds every node anew from the document (without sorting it).
    void RebuildTree();
    void SelectNode(const QModelIndex& node);
    // The selected node; invalid when none is.
    QModelIndex SelectedNode() const;
    bool IsExpanded() const { return m_expanded; }
    // Cut on the selected item (what another inventory asks for when the item was
    // dragged onto it); false when nothing was cut.
    bool CutSelectedItem();
    // Searches the tree's labels (see the walk in the source) and selects the first
    // match; a message when there is none. Returns the match.
    QModelIndex Search(const std::string& text, bool matchCase, bool findNext);
    const DetailFlags& GetDetailFlags() const { return m_showDetails; }

    QString CountText() const;
    // The signal frame shown (1, 2 or 3) and the next step of the animation.
    int VisibleSignalFrame() const;
    void AnimateSignal();
    QTimer* AnimationTimer() const { return m_animation; }

    // The view settings value: fourteen "0"/"1" detail flags, a comma and the sort
    // attribute. Parse fails (false) unless the first comma follows exactly
    // fourteen characters; an attribute outside 0..13 reads as 0.
    static bool ParseViewSettings(const QString& value, DetailFlags& flags, int& sortAttribute);
    static QString FormatViewSettings(const DetailFlags& flags, int sortAttribute);

    // What the yard asks of the window.
    QWidget* InventoryWidget() override { return this; }
    YardItemAnswer TakeFinishedItem(const CYardItem& item) override;
    void RedisplayHeadings() override;
    // An item dragged from another inventory's tree was dropped here: it moves here.
    void TakeDroppedItem(CFerroTreeCtrl& sourceTree);

    // The document's changes, followed node by node; a new list is built anew.
    void OnItemsLeaving(std::span<CInventoryElement* const> items) override;
    void OnItemsUpdate(const CItemsUpdate& update, CDocumentView* origin) override;

    bool HandlesCommand(int id) const override;
    void OnCommand(int id) override;
    void OnUpdateCommand(int id, CCommandUpdate& update) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateControls();
    void OnInitialUpdate();
    void ReadViewSettings();
    void ApplyLayoutRule();
    void ShowSignalFrame(int frame);
    // Expands or collapses every item node and restores a selection.
    void ExpandOrCollapseAll(bool expand);
    // Removes the item's node; when the selection went with it, the neighbouring
    // item node takes it, or the root when none is left.
    void RemoveItemNode(const CInventoryElement* item);
    // The tool tip of the item node at pos (viewport coordinates): its picture's
    // thumbnail, or the placeholder until the thumbnail is made. False when the
    // node is no item node with a picture.
    bool ShowPictureTip(const QPoint& pos);
    // The thumbnail the tool tip waited for is there.
    void OnThumbnailReady(const QString& path);

    CSidingWardDoc& m_document;
    Services m_services;
    CActionRegistry* m_actions = nullptr;
    CInventoryTreeModel* m_model;
    CFerroTreeCtrl* m_tree;
    QLabel* m_countCaption;
    QLabel* m_count;
    std::array<QLabel*, 3> m_signal{};
    QTimer* m_animation;
    CInventoryYardLink m_yardLink;

    DetailFlags m_showDetails{};
    bool m_expanded = false;
    bool m_firstDisplay = true;
    bool m_initialized = false;
    int m_phase = 1;
    bool m_forward = true;
    // The picture the open tool tip shows the placeholder for.
    QString m_tipPicture;
};
