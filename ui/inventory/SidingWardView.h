#pragma once

#include <array>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include <QWidget>

#include "model/core/InventoryElement.h"
#include "model/framework/DocumentView.h"
#include "ui/common/CommandInfo.h"
#include "ui/common/CommandTarget.h"
#include "ui/common/InventoryWindow.h"
#include "ui/common/MenuLayout.h"
#include "ui/inventory/InventoryEditTarget.h"
#include "ui/inventory/InventoryViewServices.h"
#include "ui/inventory/InventoryYardLink.h"

class CActionRegistry;
class CFerroTreeCtrl;
class CInventoryEditCommands;
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
                        public CDocumentView,
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

    CSidingWardDoc& GetDocument() const override { return m_document; }
    CFerroTreeCtrl* Tree() const override { return m_tree; }
    CInventoryTreeModel* Model() const override { return m_model; }
    CMessageSink& Messages() const override { return m_services.messages; }
    CSoundPlayer& Sounds() const override { return m_services.sounds; }
    QWidget* Window() override { return this; }
    CDocumentView* Sender() override { return this; }
    bool IsYardBuilding() const { return m_yardLink.IsBuilding(); }
    void ReleaseFromYard(std::span<CInventoryElement* const> items) const override {
        m_yardLink.Forget(items);
    }
    CInventoryYardLink& YardLink() override { return m_yardLink; }

    // The operations of the tree.
    // Builds every node anew from the document (without sorting it).
    void RebuildTree();
    // The tree operations the editing commands use (see CInventoryEditTarget).
    QModelIndex InsertItemNode(const CInventoryElement* item) override;
    void SelectItem(const CInventoryElement* item) override;
    void SelectNode(const QModelIndex& node) override;
    void UpdateCount() override;
    QModelIndex SelectedNode() const override;
    CInventoryElement* CurrentItem() const override;
    void ExpandAll();
    void CollapseAll();
    bool IsExpanded() const { return m_expanded; }
    // Cut on the selected item (also what another inventory asks for when the
    // item was dragged onto it); false when nothing was cut.
    bool CutSelectedItem() override;
    // Sorts the document by attribute and rebuilds.
    void SortBy(int attribute);
    // Runs the Inventory Details dialog and rebuilds after OK.
    void RunInventoryDetails();
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

    void OnDocumentUpdate(CDocumentView* sender, int hint) override;

    bool HandlesCommand(int id) const override;
    void OnCommand(int id) override;
    void OnUpdateCommand(int id, CCommandUpdate& update) override;

protected:
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
    void CommandsChanged();
    // Expands or collapses every item node and restores a selection.
    void ExpandOrCollapseAll(bool expand);
    // Runs a comments or picture command on the selected item, when there is one
    // and the dialogs are there.
    void
    WithSelectedItem(const std::function<void(CCommentsPictureCommands&, CInventoryElement&)>& run);

    struct Command;
    // The window's commands: description, enabling rule, update text and handler.
    static const std::vector<Command>& CommandTable();
    static const Command* FindCommand(int id);

    CSidingWardDoc& m_document;
    Services m_services;
    CActionRegistry* m_actions = nullptr;
    std::unique_ptr<CInventoryEditCommands> m_editing;
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
};
